// The scan, the result list record and the record sources.
#include "search/search_scan.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/io_error.h"
#include "catalogue/catalogue_article.h"
#include "search/article_matcher.h"

namespace kvx {

namespace {
constexpr std::size_t kRecordSize = 329;
constexpr std::uint32_t kBlockRecords = 256;
}  // namespace

SearchResultList SearchResultList::decode(const Bytes& bytes) {
    SearchResultList list;
    if (bytes.size() < kSize) return list;
    for (std::size_t k = 0; k < kSlots; ++k) list.positions[k] = getU16(bytes.data(), 2 + 2 * k);
    const std::uint16_t count = getU16(bytes.data(), 0);
    list.count = count <= kSlots ? count : 0;
    return list;
}

Bytes SearchResultList::encode() const {
    Bytes out(kSize, 0);
    putU16(out.data(), 0, count);
    for (std::size_t k = 0; k < kSlots; ++k) putU16(out.data(), 2 + 2 * k, positions[k]);
    return out;
}

FileArticleSource::FileArticleSource(FileSystem& fs, const std::string& path, std::uint32_t count)
    : m_file(fs.open(path, OpenMode::ReadOnly)), m_count(count), m_zero(kRecordSize, 0) {
    if (!m_file) throw IoError(path + ": " + fs.lastError());
}

const std::uint8_t* FileArticleSource::record(std::uint32_t position) {
    if (position >= m_count) return m_zero.data();
    if (position < m_blockFirst || position >= m_blockFirst + m_blockRecords) {
        const std::uint32_t n = std::min(kBlockRecords, m_count - position);
        m_block.assign(static_cast<std::size_t>(n) * kRecordSize, 0);
        const long long got =
            m_file->readAt(static_cast<std::uint64_t>(position) * kRecordSize, m_block.data(), m_block.size());
        if (got < 0) throw IoError(m_file->lastError());
        // A file shorter than its count reads as zero records at the end, like a read beyond the count.
        m_blockFirst = position;
        m_blockRecords = n;
    }
    return m_block.data() + static_cast<std::size_t>(position - m_blockFirst) * kRecordSize;
}

MemoryArticleSource::MemoryArticleSource(Bytes records)
    : m_records(std::move(records)),
      m_count(static_cast<std::uint32_t>(m_records.size() / kRecordSize)),
      m_zero(kRecordSize, 0) {}

const std::uint8_t* MemoryArticleSource::record(std::uint32_t position) {
    if (position >= m_count) return m_zero.data();
    return m_records.data() + static_cast<std::size_t>(position) * kRecordSize;
}

int searchRange(ArticleSource& source, std::uint32_t first, std::uint32_t last, int maxHits, SearchParameterSet& set,
                const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters) {
    counters = {};
    set.normalise();
    const ArticleMatcher matcher(set);
    const int limit = std::clamp(maxHits, 0, static_cast<int>(SearchResultList::kSlots));
    int hits = 0;
    for (std::uint32_t i = first; i <= last && hits < limit; ++i) {
        ++counters.scanned;
        const std::uint8_t* rec = source.record(i);
        if (passesStatusFilter(rec[articleoffset::kStatus], statusFilter) && matcher.textPasses(rec)) {
            ++counters.textMatches;
            if (matcher.numericPasses(rec)) {
                ++counters.numericMatches;
                results.positions[static_cast<std::size_t>(hits++)] = static_cast<std::uint16_t>(i);
            }
        }
        if (i == last) break;  // also ends a scan up to position 0xFFFFFFFF
    }
    results.count = static_cast<std::uint16_t>(hits);
    return hits;
}

int searchAll(ArticleSource& source, int maxHits, SearchParameterSet& set,
              const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters) {
    if (source.count() == 0) {
        counters = {};
        set.normalise();
        results.count = 0;
        return 0;
    }
    return searchRange(source, 0, source.count() - 1, maxHits, set, statusFilter, results, counters);
}

std::string noHitMessage(const SearchParameterSet& set, const std::string& description,
                         const SearchCounters& counters) {
    std::string text =
        "Keine Artikel! Krit:" + cp1252ToUtf8(description) + "\r Durchsucht:" + std::to_string(counters.scanned);
    if (set.anyTextCriterion()) text += " Textkrit. Ok:" + std::to_string(counters.textMatches);
    if (set.anyNumericCriterion()) text += " NumKrit. Ok:" + std::to_string(counters.numericMatches);
    return text;
}

}  // namespace kvx
