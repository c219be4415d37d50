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

using TextMask = std::array<std::uint64_t, 2>;

// Bit of a character (second == 0) or of a pair of characters in the 128-bit text mask.
unsigned featureBit(unsigned char first, unsigned char second) {
    const std::uint64_t key = (static_cast<std::uint64_t>(first) << 8 | second) + 1;
    return static_cast<unsigned>((key * 0x9E3779B97F4A7C15ULL) >> 57);
}

void addFeatures(std::string_view folded, TextMask& mask) {
    for (std::size_t k = 0; k < folded.size(); ++k) {
        const auto c = static_cast<unsigned char>(folded[k]);
        unsigned bit = featureBit(c, 0);
        mask[bit >> 6] |= std::uint64_t{1} << (bit & 63);
        if (k + 1 < folded.size()) {
            bit = featureBit(c, static_cast<unsigned char>(folded[k + 1]));
            mask[bit >> 6] |= std::uint64_t{1} << (bit & 63);
        }
    }
}

std::uint64_t unitBit(char first) {
    return std::uint64_t{1} << (static_cast<unsigned char>(first) & 63);
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
    x.m_hasDimensions.resize(count);
    x.m_textMask.resize(count);
    x.m_unitMask.resize(count);
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
            const std::size_t foldedBase = x.m_folded.size();
            for (const char c : field) {
                const char u = upper[static_cast<unsigned char>(c)];
                x.m_upper.push_back(u);
                if (c != ' ') x.m_folded.push_back(u);
            }
            addFeatures(std::string_view(x.m_folded).substr(foldedBase), x.m_textMask[i]);
            addCandidates(std::string_view(x.m_upper).substr(base), base, static_cast<std::uint8_t>(f), x.m_candidates);
            x.m_upper.push_back('\0');
            x.m_folded.push_back('\0');
        }
        std::array<double, 3>& d = x.m_dimensions[i];
        for (std::size_t k = 0; k < 3; ++k) d[k] = readReal48(rec, articleoffset::kDimensions + 6 * k);
        x.m_hasDimensions[i] = d[0] > 0 && d[1] > 0 && d[2] > 0;
    }
    x.m_foldedStart[count] = static_cast<std::uint32_t>(x.m_folded.size());
    x.m_candidateStart[count] = static_cast<std::uint32_t>(x.m_candidates.size());
    for (std::uint32_t i = 0; i < count; ++i)
        for (std::uint32_t k = x.m_candidateStart[i]; k < x.m_candidateStart[i + 1]; ++k)
            x.m_unitMask[i] |= unitBit(x.m_candidates[k].first);
    x.m_candidateFirst.reserve(x.m_candidates.size() + kPadding);
    for (const Candidate& c : x.m_candidates) x.m_candidateFirst.push_back(c.first);
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
           m_candidates.capacity() * sizeof(Candidate) + m_dimensions.capacity() * sizeof(m_dimensions[0]) +
           m_textMask.capacity() * sizeof(m_textMask[0]) + m_unitMask.capacity() * sizeof(std::uint64_t) +
           m_candidateFirst.capacity() + m_hasDimensions.capacity();
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
                {word(t.firstPresent() ? t.word1 : std::string()), word(t.secondPresent() ? t.word2 : std::string())});
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

    bool textPasses(std::uint32_t i) const {
        if (m_words.empty()) return true;
        if (m_textByRecord) return m_matcher.textPasses(m_x.record(i));
        const TextMask& mask = m_x.m_textMask[i];
        const std::string_view texts(m_x.m_folded.data() + m_x.m_foldedStart[i],
                                     m_x.m_foldedStart[i + 1] - m_x.m_foldedStart[i]);
        for (const Words& w : m_words) {
            // The second word is tried only when the first is absent or not found.
            if (found(w.first, mask, texts) || found(w.second, mask, texts)) continue;
            return false;
        }
        return true;
    }

    bool numericPasses(std::uint32_t i) const {
        if (m_dimensionSearch) return m_x.m_hasDimensions[i] && dimensionsFit(m_x.m_dimensions[i], m_dimensionRanges);
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
    struct Word {
        std::string text;  // empty = absent
        TextMask mask{};
    };
    struct Words {
        Word first, second;
    };

    static Word word(std::string text) {
        Word w;
        addFeatures(text, w.mask);
        w.text = std::move(text);
        return w;
    }

    // A word without a zero byte cannot run over the end of a field, so finding it anywhere in the
    // record's folded texts is finding it in one of its fields.
    static bool found(const Word& w, const TextMask& mask, std::string_view texts) {
        if (w.text.empty() || (w.mask[0] & ~mask[0]) != 0 || (w.mask[1] & ~mask[1]) != 0) return false;
        return texts.find(w.text) != std::string_view::npos;
    }
    struct Alternative {
        std::string unit;
        ValueRange range;
        bool must = false;
        bool present = false;
    };
    struct Numeric {
        std::array<Alternative, 2> alternatives;
    };

    // Units are a few characters long: a loop beats a call of memcmp.
    static bool sameTail(const char* text, const char* unit, std::size_t n) {
        for (std::size_t k = 0; k < n; ++k)
            if (text[k] != unit[k]) return false;
        return true;
    }

    // One alternative on record i: per field, the first place where the unit stands with a number in
    // front decides; a number text that does not convert gives the field no value.
    bool holds(const Alternative& a, std::uint32_t i) const {
        if ((m_x.m_unitMask[i] & unitBit(a.unit[0])) == 0) return !a.must;  // no place where it has a value
        const char* upper = m_x.m_upper.data();
        const std::size_t tail = a.unit.size() - 1;
        int decided = -1;
        const char first = a.unit[0];
        const char* firsts = m_x.m_candidateFirst.data();
        for (std::uint32_t k = m_x.m_candidateStart[i], end = m_x.m_candidateStart[i + 1]; k < end; ++k) {
            if (firsts[k] != first) continue;
            const SearchIndex::Candidate& c = m_x.m_candidates[k];
            if (c.field == decided) continue;
            // The fields end in a zero byte the unit does not hold, so a match lies wholly in the field.
            if (c.at + 1 + tail > m_x.m_upper.size() || !sameTail(upper + c.at + 1, a.unit.data() + 1, tail)) continue;
            decided = c.field;
            if (!c.parsed) continue;
            const bool inRange = a.range.contains(c.value);
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
    const std::uint32_t count = index.count();
    if (first <= last && first < count) {
        const std::uint32_t stop = std::min(last, count - 1);
        for (std::uint32_t i = first; i <= stop && hits < limit; ++i) {
            ++counters.scanned;
            if (!scan.statusPasses(i) || !scan.textPasses(i)) continue;
            ++counters.textMatches;
            if (!scan.numericPasses(i)) continue;
            ++counters.numericMatches;
            results.positions[static_cast<std::size_t>(hits++)] = static_cast<std::uint16_t>(i);
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
