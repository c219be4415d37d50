// The tests a search applies to one catalogue record: the text criteria, the numeric criteria with the
// number-in-front-of-unit rule, and the dimension test with its greedy range assignment. They work on the
// raw record bytes (Windows-1252), so that a scan of the whole article file allocates nothing per record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "search/search_parameter_set.h"

namespace kvx {

// Record offsets the search reads.
namespace articleoffset {
inline constexpr std::size_t kKurzbez = 6, kKurzbezStep = 25, kKurzbezCapacity = 24;
inline constexpr std::size_t kDimensions = 156;
inline constexpr std::size_t kBeschreib1 = 181, kBeschreib2 = 207, kBeschreibCapacity = 25;
inline constexpr std::size_t kStatus = 233;
inline constexpr std::size_t kSearchedBytes = 234;  // the scan needs no byte beyond the status
}  // namespace articleoffset

// The text fields of a record in the order every criterion examines them: beschreib1, then beschreib2 and
// kurzbez 1..6 when not empty.
struct ArticleTexts {
    std::array<std::string_view, 8> fields;
    int count = 0;
    static ArticleTexts of(const std::uint8_t* record);
};

// v >= lower and (upper <= 0 or v <= upper).
struct ValueRange {
    double lower = 0;
    double upper = 0;
    bool contains(double v) const { return v >= lower && (upper <= 0 || v <= upper); }
};

// Characters of a number text in front of a unit: digits and "+,-.".
inline bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == ',' || c == '-' || c == '.';
}

// A number compared with bounds held as 6-byte reals is taken at the same precision, so that "4,7" lies
// in the range 4.7 .. 4.7 typed into the dialog.
double atBoundPrecision(double v);

// The value written directly in front of `unit` in `upperText` (already upper case, blanks kept), as the
// search reads it: the unit is looked for from the second character on; one blank between number and unit
// is skipped; the number is the run of digits and "+,-." in front; an occurrence without such a run is
// passed over; the first occurrence with one decides, and a run that does not parse gives no value.
std::optional<double> valueInFrontOfUnit(std::string_view upperText, std::string_view unit);

// The greedy assignment: d1 takes the first range that holds it, d2 the first of the other two, d3 the
// last one. Fails unless all three values are above 0.
bool dimensionsFit(const std::array<double, 3>& d, const std::array<ValueRange, 3>& ranges);

class ArticleMatcher final {
  public:
    // `set` must already be normalised (SearchParameterSet::normalise).
    explicit ArticleMatcher(const SearchParameterSet& set);

    bool textPasses(const std::uint8_t* record) const;
    // The numeric criteria, or in dimension search the dimension test.
    bool numericPasses(const std::uint8_t* record) const;

  private:
    struct Alternative {
        std::string unit;
        ValueRange range;
        bool must = false;
    };
    struct Numeric {
        std::optional<Alternative> first, second;
    };
    struct Words {
        std::string first, second;  // empty = absent
    };

    bool alternativeHolds(const Alternative& a, const ArticleTexts& texts, const std::string* upper) const;

    std::vector<Words> m_words;
    std::vector<Numeric> m_numeric;
    bool m_dimensionSearch = false;
    std::array<ValueRange, 3> m_dimensionRanges{};
};

}  // namespace kvx
