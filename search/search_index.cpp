// Building the search form of the article file and scanning it.
#include "search/search_index.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/cp1252.h"
#include "base/real48.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/dimensions.h"
#include "search/article_matcher.h"

namespace kvx {

namespace {

constexpr std::size_t kRecordSize = CatalogueArticle::kRecordSize;
// Records evaluated together for the word test: the folded texts of a chunk stay in the cache, and a
// search that reaches its hit limit early does not look at the rest of the file.
constexpr std::uint32_t kChunk = 2048;
// Zero bytes after the texts, so that comparing a word or unit never reads beyond the buffer.
constexpr std::size_t kPadding = 64;

const std::uint8_t kZeroRecord[kRecordSize] = {};

const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = cp1252Upper(static_cast<char>(i));
        return t;
    }();
    return table;
}

// The numbers of one upper-cased field. For a unit starting with a character that is no number character,
// an occurrence at q has a number in front exactly when q ends a run of number characters, or q - 1 is the
// one blank after such a run; the run is then the number text. So each run gives at most two places.
void addCandidates(std::string_view text, std::uint32_t base, std::uint8_t field,
                   std::vector<SearchIndex::Candidate>& out) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isNumberChar(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && isNumberChar(text[i])) ++i;
        const std::size_t end = i;  // text[end] is no number character, or the text ends
        if (end >= text.size()) break;
        SearchIndex::Candidate c;
        c.field = field;
        double value = 0;
        c.parsed = parseDecimalNumber(text.substr(start, end - start), value);
        c.value = c.parsed ? atBoundPrecision(value) : 0;
        c.at = base + static_cast<std::uint32_t>(end);
        c.first = text[end];
        out.push_back(c);
        if (text[end] == ' ' && end + 1 < text.size() && !isNumberChar(text[end + 1])) {
            c.at = base + static_cast<std::uint32_t>(end + 1);
            c.first = text[end + 1];
            out.push_back(c);
        }
    }
}

bool holdsZeroByte(const std::string& s) {
    return s.find('\0') != std::string::npos;
}

}  // namespace

std::shared_ptr<const SearchIndex> SearchIndex::build(std::shared_ptr<const FileView> records, std::uint32_t count) {
    std::shared_ptr<SearchIndex> index(new SearchIndex());
    SearchIndex& x = *index;
    x.m_records = std::move(records);
    x.m_count = count;
    x.m_status.resize(count);
    x.m_foldedStart.resize(static_cast<std::size_t>(count) + 1);
    x.m_candidateStart.resize(static_cast<std::size_t>(count) + 1);
    x.m_dimensions.resize(count);
    // About 45 folded and 55 upper-cased characters per article in a real catalogue.
    x.m_folded.reserve(static_cast<std::size_t>(count) * 48 + kPadding);
    x.m_upper.reserve(static_cast<std::size_t>(count) * 56 + kPadding);
    x.m_candidates.reserve(static_cast<std::size_t>(count) * 3);
    const auto& upper = upperTable();
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* rec = x.record(i);
        x.m_status[i] = rec[articleoffset::kStatus];
        x.m_foldedStart[i] = static_cast<std::uint32_t>(x.m_folded.size());
        x.m_candidateStart[i] = static_cast<std::uint32_t>(x.m_candidates.size());
        const ArticleTexts texts = ArticleTexts::of(rec);
        for (int f = 0; f < texts.count; ++f) {
            const std::string_view field = texts.fields[static_cast<std::size_t>(f)];
            const auto base = static_cast<std::uint32_t>(x.m_upper.size());
            for (const char c : field) {
                const char u = upper[static_cast<unsigned char>(c)];
                x.m_upper.push_back(u);
                if (c != ' ') x.m_folded.push_back(u);
            }
            addCandidates(std::string_view(x.m_upper).substr(base), base, static_cast<std::uint8_t>(f), x.m_candidates);
            x.m_upper.push_back('\0');
            x.m_folded.push_back('\0');
        }
        for (std::size_t d = 0; d < 3; ++d) x.m_dimensions[i][d] = readReal48(rec, articleoffset::kDimensions + 6 * d);
    }
    x.m_foldedStart[count] = static_cast<std::uint32_t>(x.m_folded.size());
    x.m_candidateStart[count] = static_cast<std::uint32_t>(x.m_candidates.size());
    for (const char c : x.m_folded) ++x.m_foldedBytes[static_cast<unsigned char>(c)];
    x.m_folded.append(kPadding, '\0');
    x.m_upper.append(kPadding, '\0');
    x.m_folded.shrink_to_fit();
    x.m_upper.shrink_to_fit();
    x.m_candidates.shrink_to_fit();
    return index;
}

std::size_t SearchIndex::memoryBytes() const {
    return sizeof(*this) + m_status.capacity() + m_folded.capacity() + m_upper.capacity() +
           m_foldedStart.capacity() * sizeof(std::uint32_t) + m_candidateStart.capacity() * sizeof(std::uint32_t) +
           m_candidates.capacity() * sizeof(Candidate) + m_dimensions.capacity() * sizeof(m_dimensions[0]);
}

const std::uint8_t* SearchIndex::record(std::uint32_t position) const {
    if (position >= m_count || !m_records) return kZeroRecord;
    const std::size_t offset = static_cast<std::size_t>(position) * kRecordSize;
    if (offset + kRecordSize > m_records->size()) return kZeroRecord;  // the file shrank since it was opened
    return m_records->data() + offset;
}

// One search over the form: the criteria prepared for it and the tests per record.
class IndexScan final {
  public:
    IndexScan(const SearchIndex& index, const SearchParameterSet& set, const std::array<std::uint8_t, 5>& filter)
        : m_x(index), m_matcher(set), m_dimensionSearch(set.dimensionSearch) {
        for (int s = 0; s < 256; ++s) m_statusPasses[static_cast<std::size_t>(s)] = passesStatusFilter(s, filter);
        for (const TextCriterion& t : set.text) {
            if (!t.anyPresent()) continue;
            m_words.push_back(
                {t.firstPresent() ? t.word1 : std::string(), t.secondPresent() ? t.word2 : std::string()});
            m_textByRecord = m_textByRecord || holdsZeroByte(t.word1) || holdsZeroByte(t.word2);
        }
        for (const NumericCriterion& n : set.numeric) {
            if (!n.anyPresent()) continue;
            Numeric numeric;
            for (std::size_t a = 0; a < 2; ++a) {
                const NumericAlternative& alt = n.alternatives[a];
                if (!alt.present()) continue;
                numeric.alternatives[a] = {alt.unit, {alt.lowerValue(), alt.upperValue()}, alt.must, true};
                m_numericByRecord = m_numericByRecord || isNumberChar(alt.unit[0]) || holdsZeroByte(alt.unit);
            }
            m_numeric.push_back(numeric);
        }
        for (std::size_t r = 0; r < 3; ++r) {
            const NumericAlternative& a = set.numeric[r].alternatives[0];
            m_dimensionRanges[r] = {a.lowerValue(), a.upperValue()};
        }
    }

    bool statusPasses(std::uint32_t i) const { return m_statusPasses[m_x.m_status[i]]; }
    bool hasText() const { return !m_words.empty(); }

    // Text test of records first .. first + n - 1 into pass[0 .. n - 1].
    void textTest(std::uint32_t first, std::uint32_t n, std::uint8_t* pass) const {
        if (m_textByRecord) {
            for (std::uint32_t k = 0; k < n; ++k) pass[k] = m_matcher.textPasses(m_x.record(first + k));
            return;
        }
        std::fill(pass, pass + n, std::uint8_t{1});
        std::array<std::uint8_t, kChunk> met{};
        for (const Words& w : m_words) {
            std::fill(met.begin(), met.begin() + n, std::uint8_t{0});
            markRecordsHolding(w.first, first, n, met.data());
            markRecordsHolding(w.second, first, n, met.data());
            for (std::uint32_t k = 0; k < n; ++k) pass[k] &= met[k];
        }
    }

    bool numericPasses(std::uint32_t i) const {
        if (m_dimensionSearch) return dimensionsFit(m_x.m_dimensions[i], m_dimensionRanges);
        if (m_numeric.empty()) return true;
        if (m_numericByRecord) return m_matcher.numericPasses(m_x.record(i));
        for (const Numeric& n : m_numeric) {
            // The second alternative counts only when the first is absent or does not hold.
            if (n.alternatives[0].present && holds(n.alternatives[0], i)) continue;
            if (n.alternatives[1].present && holds(n.alternatives[1], i)) continue;
            return false;
        }
        return true;
    }

    // The tests on an all-zero record (positions beyond the count).
    bool emptyTextPasses() const { return m_matcher.textPasses(kZeroRecord); }
    bool emptyNumericPasses() const { return m_matcher.numericPasses(kZeroRecord); }

  private:
    struct Words {
        std::string first, second;  // empty = absent
    };
    struct Alternative {
        std::string unit;
        ValueRange range;
        bool must = false;
        bool present = false;
    };
    struct Numeric {
        std::array<Alternative, 2> alternatives;
    };

    // Marks met[k] for every record first + k whose folded texts hold `word`. The search runs over the
    // whole chunk with memchr on the word's rarest byte; after a find it moves on to the next record.
    void markRecordsHolding(const std::string& word, std::uint32_t first, std::uint32_t n, std::uint8_t* met) const {
        if (word.empty()) return;
        std::size_t key = 0;
        for (std::size_t c = 1; c < word.size(); ++c)
            if (m_x.m_foldedBytes[static_cast<unsigned char>(word[c])] <
                m_x.m_foldedBytes[static_cast<unsigned char>(word[key])])
                key = c;
        const char* text = m_x.m_folded.data();
        const std::size_t begin = m_x.m_foldedStart[first];
        const std::size_t end = m_x.m_foldedStart[first + n];
        std::uint32_t r = first;
        std::size_t p = begin + key;
        while (p < end) {
            const void* hit = std::memchr(text + p, word[key], end - p);
            if (!hit) break;
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - text) - key;
            if (at >= begin && at + word.size() <= m_x.m_folded.size() &&
                std::memcmp(text + at, word.data(), word.size()) == 0) {
                // A word without a zero byte cannot run over a field's end, so it lies in one record.
                while (m_x.m_foldedStart[r + 1] <= at) ++r;
                met[r - first] = 1;
                p = m_x.m_foldedStart[r + 1] + key;
            } else {
                p = at + key + 1;
            }
        }
    }

    // One alternative on record i: per field, the first place where the unit stands with a number in
    // front decides; a number text that does not convert gives the field no value.
    bool holds(const Alternative& a, std::uint32_t i) const {
        const char* upper = m_x.m_upper.data();
        const std::size_t tail = a.unit.size() - 1;
        int decided = -1;
        const SearchIndex::Candidate* c = m_x.m_candidates.data() + m_x.m_candidateStart[i];
        const SearchIndex::Candidate* end = m_x.m_candidates.data() + m_x.m_candidateStart[i + 1];
        for (; c != end; ++c) {
            if (c->field == decided || c->first != a.unit[0]) continue;
            // The fields end in a zero byte the unit does not hold, so a match lies wholly in the field.
            if (c->at + 1 + tail > m_x.m_upper.size() || std::memcmp(upper + c->at + 1, a.unit.data() + 1, tail) != 0)
                continue;
            decided = c->field;
            if (!c->parsed) continue;
            const bool inRange = a.range.contains(c->value);
            if (a.must && inRange) return true;
            if (!a.must && !inRange) return false;
        }
        return !a.must;
    }

    const SearchIndex& m_x;
    const ArticleMatcher m_matcher;
    const bool m_dimensionSearch;
    std::array<bool, 256> m_statusPasses{};
    std::vector<Words> m_words;
    std::vector<Numeric> m_numeric;
    std::array<ValueRange, 3> m_dimensionRanges{};
    bool m_textByRecord = false;     // a criterion the form cannot answer: the text test reads the records
    bool m_numericByRecord = false;  // the same for the numeric test
};

int searchRange(const SearchIndex& index, std::uint32_t first, std::uint32_t last, int maxHits, SearchParameterSet& set,
                const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters) {
    counters = {};
    set.normalise();
    const IndexScan scan(index, set, statusFilter);
    const int limit = std::clamp(maxHits, 0, static_cast<int>(SearchResultList::kSlots));
    int hits = 0;
    std::array<std::uint8_t, kChunk> textPass{};
    const std::uint32_t count = index.count();
    if (first <= last && first < count) {
        const std::uint32_t stop = std::min(last, count - 1);
        for (std::uint32_t c = first; c <= stop && hits < limit; c += kChunk) {
            const std::uint32_t n = std::min(kChunk, stop - c + 1);
            if (scan.hasText()) scan.textTest(c, n, textPass.data());
            for (std::uint32_t k = 0; k < n && hits < limit; ++k) {
                const std::uint32_t i = c + k;
                ++counters.scanned;
                if (!scan.statusPasses(i) || (scan.hasText() && !textPass[k])) continue;
                ++counters.textMatches;
                if (!scan.numericPasses(i)) continue;
                ++counters.numericMatches;
                results.positions[static_cast<std::size_t>(hits++)] = static_cast<std::uint16_t>(i);
            }
            if (stop - c < kChunk) break;  // the last chunk; also keeps c from running past the end
        }
    }
    // Positions at or beyond the count are all-zero records (status 0 always passes): all alike, so they
    // are counted instead of visited one by one.
    if (first <= last && last >= count && hits < limit) {
        const std::uint64_t from = std::max(first, count);
        const std::uint64_t remaining = static_cast<std::uint64_t>(last) - from + 1;
        const bool text = scan.emptyTextPasses();
        const bool hit = text && scan.emptyNumericPasses();
        const std::uint64_t visited = hit ? std::min<std::uint64_t>(remaining, limit - hits) : remaining;
        // The counters are 16-bit and run on as the record-by-record scan's do.
        counters.scanned = static_cast<std::uint16_t>(counters.scanned + visited);
        if (text) counters.textMatches = static_cast<std::uint16_t>(counters.textMatches + visited);
        if (hit) {
            counters.numericMatches = static_cast<std::uint16_t>(counters.numericMatches + visited);
            for (std::uint64_t k = 0; k < visited; ++k)
                results.positions[static_cast<std::size_t>(hits++)] = static_cast<std::uint16_t>(from + k);
        }
    }
    results.count = static_cast<std::uint16_t>(hits);
    return hits;
}

int searchAll(const SearchIndex& index, int maxHits, SearchParameterSet& set,
              const std::array<std::uint8_t, 5>& statusFilter, SearchResultList& results, SearchCounters& counters) {
    if (index.count() == 0) {
        counters = {};
        set.normalise();
        results.count = 0;
        return 0;
    }
    return searchRange(index, 0, index.count() - 1, maxHits, set, statusFilter, results, counters);
}

}  // namespace kvx
