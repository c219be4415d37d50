// Text, numeric and dimension tests of the search.
#include "search/article_matcher.h"

#include "base/cp1252.h"
#include "base/real48.h"
#include "catalogue/dimensions.h"

namespace kvx {

namespace {

constexpr std::size_t kMaxField = 80;

const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = cp1252Upper(static_cast<char>(i));
        return t;
    }();
    return table;
}

std::string_view fieldAt(const std::uint8_t* rec, std::size_t off, std::size_t capacity) {
    const std::size_t n = std::min<std::size_t>(rec[off], capacity);
    return {reinterpret_cast<const char*>(rec + off + 1), n};
}

// Normalised copies of the fields: upper case, and for the word test without blanks.
void upperFields(const ArticleTexts& texts, bool dropBlanks, std::array<std::string, 8>& out) {
    const auto& table = upperTable();
    for (int f = 0; f < texts.count; ++f) {
        std::string& s = out[static_cast<std::size_t>(f)];
        s.clear();
        for (char c : texts.fields[static_cast<std::size_t>(f)].substr(0, kMaxField))
            if (!dropBlanks || c != ' ') s.push_back(table[static_cast<unsigned char>(c)]);
    }
}

}  // namespace

double atBoundPrecision(double v) {
    return real48ToDouble(doubleToReal48(v).data());
}

ArticleTexts ArticleTexts::of(const std::uint8_t* rec) {
    using namespace articleoffset;
    ArticleTexts t;
    t.fields[0] = fieldAt(rec, kBeschreib1, kBeschreibCapacity);
    t.count = 1;
    const std::string_view b2 = fieldAt(rec, kBeschreib2, kBeschreibCapacity);
    if (!b2.empty()) t.fields[static_cast<std::size_t>(t.count++)] = b2;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string_view k = fieldAt(rec, kKurzbez + i * kKurzbezStep, kKurzbezCapacity);
        if (!k.empty()) t.fields[static_cast<std::size_t>(t.count++)] = k;
    }
    return t;
}

std::optional<double> valueInFrontOfUnit(std::string_view text, std::string_view unit) {
    text = text.substr(0, kMaxField);
    if (unit.empty() || text.size() <= unit.size()) return std::nullopt;
    // A unit at the very first character has no number in front and is never taken.
    for (std::size_t q = text.find(unit, 1); q != std::string_view::npos; q = text.find(unit, q + 1)) {
        std::size_t end = q;  // one past the number text
        if (text[end - 1] == ' ') --end;
        std::size_t start = end;
        while (start > 0 && isNumberChar(text[start - 1])) --start;
        if (start == end) continue;
        double value = 0;
        if (!parseDecimalNumber(text.substr(start, end - start), value)) return std::nullopt;
        return value;
    }
    return std::nullopt;
}

bool dimensionsFit(const std::array<double, 3>& d, const std::array<ValueRange, 3>& ranges) {
    if (!(d[0] > 0 && d[1] > 0 && d[2] > 0)) return false;
    std::array<bool, 3> taken{};
    for (std::size_t k = 0; k < 2; ++k) {
        bool found = false;
        for (std::size_t r = 0; r < 3 && !found; ++r) {
            if (taken[r] || !ranges[r].contains(d[k])) continue;
            taken[r] = found = true;
        }
        if (!found) return false;
    }
    for (std::size_t r = 0; r < 3; ++r)
        if (!taken[r]) return ranges[r].contains(d[2]);
    return false;
}

ArticleMatcher::ArticleMatcher(const SearchParameterSet& set) : m_dimensionSearch(set.dimensionSearch) {
    for (const TextCriterion& t : set.text) {
        if (!t.anyPresent()) continue;
        m_words.push_back({t.firstPresent() ? t.word1 : std::string(), t.secondPresent() ? t.word2 : std::string()});
    }
    auto alternative = [](const NumericAlternative& a) -> std::optional<Alternative> {
        if (!a.present()) return std::nullopt;
        return Alternative{a.unit, {a.lowerValue(), a.upperValue()}, a.must};
    };
    for (const NumericCriterion& n : set.numeric) {
        if (!n.anyPresent()) continue;
        m_numeric.push_back({alternative(n.alternatives[0]), alternative(n.alternatives[1])});
    }
    for (std::size_t r = 0; r < 3; ++r) {
        const NumericAlternative& a = set.numeric[r].alternatives[0];
        m_dimensionRanges[r] = {a.lowerValue(), a.upperValue()};
    }
}

bool ArticleMatcher::textPasses(const std::uint8_t* rec) const {
    if (m_words.empty()) return true;
    const ArticleTexts texts = ArticleTexts::of(rec);
    thread_local std::array<std::string, 8> fields;
    upperFields(texts, true, fields);
    auto found = [&](const std::string& word) {
        for (int f = 0; f < texts.count; ++f)
            if (fields[static_cast<std::size_t>(f)].find(word) != std::string::npos) return true;
        return false;
    };
    for (const Words& w : m_words) {
        // The second word is tried only when the first is absent or not found.
        if (!w.first.empty() && found(w.first)) continue;
        if (!w.second.empty() && found(w.second)) continue;
        return false;
    }
    return true;
}

bool ArticleMatcher::alternativeHolds(const Alternative& a, const ArticleTexts& texts, const std::string* upper) const {
    for (int f = 0; f < texts.count; ++f) {
        const std::optional<double> v = valueInFrontOfUnit(upper[f], a.unit);
        if (!v) continue;
        const bool inRange = a.range.contains(atBoundPrecision(*v));
        if (a.must && inRange) return true;
        if (!a.must && !inRange) return false;
    }
    return !a.must;
}

bool ArticleMatcher::numericPasses(const std::uint8_t* rec) const {
    if (m_dimensionSearch) {
        using articleoffset::kDimensions;
        const std::array<double, 3> d = {readReal48(rec, kDimensions), readReal48(rec, kDimensions + 6),
                                         readReal48(rec, kDimensions + 12)};
        return dimensionsFit(d, m_dimensionRanges);
    }
    if (m_numeric.empty()) return true;
    const ArticleTexts texts = ArticleTexts::of(rec);
    thread_local std::array<std::string, 8> upper;
    upperFields(texts, false, upper);
    for (const Numeric& n : m_numeric) {
        if (n.first && alternativeHolds(*n.first, texts, upper.data())) continue;
        if (n.second && alternativeHolds(*n.second, texts, upper.data())) continue;
        return false;
    }
    return true;
}

}  // namespace kvx
