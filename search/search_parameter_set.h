// The search parameter set: three text criteria, four numeric criteria with two alternatives each, the
// dimension-search flag and the set's name. One 415-byte record, the record of suchpar.dat.
// Words, units and names are Windows-1252.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/le_bytes.h"
#include "base/real48.h"

namespace kvx {

// One line "Benu  Enthält <word> oder <word>": two alternatives joined by OR.
struct TextCriterion {
    static constexpr std::size_t kSize = 24;
    static constexpr std::size_t kWordCapacity = 10;

    bool inUse = false;
    std::string word1;
    bool inUseCopy = false;  // the second alternative's flag; the dialog writes both
    std::string word2;

    bool firstPresent() const { return inUse && !word1.empty(); }
    bool secondPresent() const { return inUseCopy && !word2.empty(); }
    bool anyPresent() const { return firstPresent() || secondPresent(); }
    bool operator==(const TextCriterion&) const = default;
};

// A number with unit in a range. An upper bound of 0 or less means no upper bound.
struct NumericAlternative {
    static constexpr std::size_t kSize = 25;
    static constexpr std::size_t kUnitCapacity = 10;

    bool inUse = false;
    bool must = false;  // set: must contain an in-range value; clear: must not contain an out-of-range value
    std::string unit;   // upper case
    Real48Bytes lower{};
    Real48Bytes upper{};

    bool present() const { return inUse && !unit.empty(); }
    double lowerValue() const { return real48ToDouble(lower.data()); }
    double upperValue() const { return real48ToDouble(upper.data()); }
    bool operator==(const NumericAlternative&) const = default;
};

struct NumericCriterion {
    static constexpr std::size_t kSize = 50;
    std::array<NumericAlternative, 2> alternatives;

    bool anyPresent() const { return alternatives[0].present() || alternatives[1].present(); }
    bool operator==(const NumericCriterion&) const = default;
};

struct SearchParameterSet {
    static constexpr std::size_t kSize = 415;
    static constexpr std::size_t kSpareOffset = 272, kSpareCapacity = 20;
    static constexpr std::size_t kNameOffset = 293, kNameCapacity = 40;
    static constexpr std::size_t kDimensionFlagOffset = 334;
    static constexpr std::size_t kReservedOffset = 335, kReservedSize = 80;

    std::array<TextCriterion, 3> text;
    std::array<NumericCriterion, 4> numeric;
    std::string spare;  // never shown; normalised with the words and otherwise carried
    std::string name;   // "Kriterium-Name"
    bool dimensionSearch = false;
    std::array<std::uint8_t, kReservedSize> reserved{};

    // `record` holds at least kSize bytes. Length bytes above a field's capacity are clamped.
    static SearchParameterSet decode(const std::uint8_t* record);
    static SearchParameterSet decode(const Bytes& record);
    // Texts are cut to their capacities; flags are written as 0 or 1.
    void encode(std::uint8_t* record) const;
    Bytes encode() const;

    bool anyTextCriterion() const;
    bool anyNumericCriterion() const;
    // Words of the text criteria and the spare text: upper case by the ANSI rules, blanks deleted.
    void normalise();
    bool operator==(const SearchParameterSet&) const = default;
};

// Upper case by the Windows ANSI rules with every blank deleted (how words and article texts are compared).
std::string normaliseWord(std::string_view cp1252);

}  // namespace kvx
