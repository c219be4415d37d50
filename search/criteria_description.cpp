// Criteria description and the short number form.
#include "search/criteria_description.h"

#include <charconv>
#include <cmath>

#include "base/short_string.h"

namespace kvx {

namespace {

// Drops trailing zeros after a decimal point, then the point itself.
void trimFraction(std::string& s) {
    if (s.find('.') == std::string::npos) return;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
}

std::string alternativeText(const NumericAlternative& a) {
    return "(" + shortNumber(a.lowerValue()) + "-" + shortNumber(a.upperValue()) + " " + a.unit +
           (a.must ? " muss" : " soll") + ")";
}

}  // namespace

std::string shortNumber(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buffer[64];
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e6 || magnitude < 1e-3) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 5).ptr;
        std::string s(buffer, end);
        for (char& c : s) c = c == 'e' ? 'E' : c;
        const std::size_t e = s.find('E');
        std::string mantissa = s.substr(0, e);
        trimFraction(mantissa);
        return mantissa + s.substr(e);
    }
    // The position of the first significant digit decides how many decimals make six significant digits.
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = std::max(0, 5 - exponent);
    // to_chars writes a point whatever the process locale says.
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    std::string s(buffer, end);
    trimFraction(s);
    return s == "-0" ? "0" : s;
}

std::string buildCriteriaDescription(const SearchParameterSet& set) {
    std::string out;
    for (const TextCriterion& t : set.text) {
        std::string s;
        if (t.firstPresent()) s = t.word1;
        if (t.secondPresent()) s += " v " + t.word2;
        s = cutText(s, 40);
        if (s.empty()) continue;
        if (!out.empty()) out += " &";
        out += "(" + s + ")";
    }
    for (const NumericCriterion& n : set.numeric) {
        const NumericAlternative& a1 = n.alternatives[0];
        const NumericAlternative& a2 = n.alternatives[1];
        std::string s;
        if (a1.present() && a2.present())
            s = "(" + alternativeText(a1) + " v " + alternativeText(a2) + ")";
        else if (a1.present())
            s = alternativeText(a1);
        else if (a2.present())
            s = alternativeText(a2);
        if (!s.empty()) out += " u " + s;
    }
    return cutText(out, kCriteriaDescriptionCapacity);
}

}  // namespace kvx
