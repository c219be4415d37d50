// Outer dimensions written in an article text ("Gehäuse 12,5x8x3mm") and the decimal number rule the
// search and the import share. Texts are Windows-1252.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/real48.h"

namespace kvx {

// A number text as the search reads it: blanks around it removed, the first "," read as the decimal
// point, then an optional sign, digits and at most one point, nothing else ("4,7" -> 4.7, "+5" -> 5;
// "1.000,5", "10-20" and "" fail). False when it does not parse.
bool parseDecimalNumber(std::string_view text, double& value);

struct Dimensions {
    int count = 0;                     // 0..3: number of the last token that converted
    std::array<std::string, 3> texts;  // tokens, at most 20 characters each
    std::array<double, 3> values{};    // 0 for a token that did not convert
    std::array<bool, 3> converted{};
    // True when all three tokens converted: the only case the import stores.
    bool complete() const { return converted[0] && converted[1] && converted[2]; }
    Real48Bytes real48(int i) const { return doubleToReal48(values[static_cast<std::size_t>(i)]); }
};

// Finds the first "MM" (after upper-casing, at most 80 characters looked at) that follows a non-letter,
// takes the text in front of it back to the previous delimiter and splits it at "X" into up to three
// tokens. "5x7 mm" gives count 0 (blank in front of "MM"); "12.5x8x3mm" gives 5, 8, 3 (the point is a
// delimiter); "HAMMER" gives nothing.
Dimensions extractDimensions(std::string_view text);

}  // namespace kvx
