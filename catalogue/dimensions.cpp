// Dimension extraction and the decimal number rule.
#include "catalogue/dimensions.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "base/cp1252.h"

namespace kvx {

namespace {

constexpr std::size_t kMaxText = 80;
constexpr std::size_t kMaxToken = 20;

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Letters that may not stand in front of "MM" (Windows-1252; "&" counts as one).
bool isLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '&') return true;
    switch (c) {
        case 0xC4:
        case 0xD6:
        case 0xDC:
        case 0xDF:
        case 0xE4:
        case 0xF6:
        case 0xFC:
            return true;
        default:
            return false;
    }
}

bool isDelimiter(char c) {
    static constexpr std::string_view kDelimiters = " &()*+-./:;<=>@[\\]^{}";
    return kDelimiters.find(c) != std::string_view::npos;
}

}  // namespace

bool parseDecimalNumber(std::string_view text, double& value) {
    std::string s(trimBlanks(text));
    if (const auto comma = s.find(','); comma != std::string::npos) s[comma] = '.';
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    // from_chars reads the point whatever the process locale says (the Qt program runs in the user's).
    const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
    return std::from_chars(begin, s.data() + s.size(), value).ec == std::errc();
}

Dimensions extractDimensions(std::string_view input) {
    Dimensions d;
    const std::string text = cp1252UpperCase(input.substr(0, kMaxText));
    const std::size_t mm = text.find("MM");  // 0-based: position p - 1
    if (mm == std::string::npos || mm == 0 || isLetter(static_cast<unsigned char>(text[mm - 1]))) return d;
    // Walk back from the character in front of "MM" to the previous delimiter. A delimiter at the very
    // start ends the walk as well, so "(10x20x5mm" reads the same as "10x20x5mm".
    std::size_t start = mm;
    while (start > 0 && !isDelimiter(text[start - 1])) --start;
    const std::string_view dims = trimBlanks(std::string_view(text).substr(start, mm - start));
    if (dims.empty()) return d;

    std::string_view rest = dims;
    for (std::size_t t = 0; t < 3; ++t) {
        std::string_view token = rest;
        const std::size_t x = rest.find('X');
        if (t < 2 && x != std::string_view::npos) {
            token = rest.substr(0, x);
            rest = rest.substr(x + 1);
        } else {
            rest = {};
        }
        d.texts[t] = std::string(token.substr(0, kMaxToken));
        if (parseDecimalNumber(d.texts[t], d.values[t])) {
            d.converted[t] = true;
            d.count = static_cast<int>(t) + 1;
        }
        if (rest.empty() && x == std::string_view::npos) break;
    }
    return d;
}

}  // namespace kvx
