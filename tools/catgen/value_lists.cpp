// Value lists and template expansion for the generated article texts.
#include "tools/catgen/value_lists.h"

#include <stdexcept>

namespace kvx::catgen {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

struct Unit {
    const char* prefixes[3];  // text prefixes of decades 0, 3 and 6 above the base
    const char* letters[3];   // the same as letters in the compact spelling
    const char* symbol;       // unit symbol appended in the text form ("" for ohms: the template adds it)
};

constexpr Unit kOhm = {{"", "k", "M"}, {"R", "K", "M"}, ""};
constexpr Unit kFarad = {{"p", "n", "µ"}, {"P", "N", "µ"}, "F"};
constexpr Unit kHenry = {{"n", "µ", "m"}, {"N", "µ", "M"}, "H"};

constexpr int kE6[] = {10, 15, 22, 33, 47, 68};
constexpr int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

// The value mantissa * 10^(decade - 1), mantissa two digits (10..99).
ValueOption formatValue(int mantissa, int decade, const Unit& unit) {
    const std::string whole = std::to_string(mantissa / 10);
    const std::string tenth = std::to_string(mantissa % 10);
    if (decade < 0) {  // below the base unit only for ohms: 0,47 written as R47
        const std::string digits = std::to_string(mantissa);
        return {"R" + digits, "0," + digits.substr(0, mantissa % 10 == 0 ? 1 : 2)};
    }
    const int group = decade / 3;
    if (group > 2) throw std::invalid_argument("value beyond the unit prefixes");
    const std::string prefix = unit.prefixes[group];
    const std::string letter = unit.letters[group];
    switch (decade % 3) {
        case 0:
            if (mantissa % 10 == 0) return {whole + letter, whole + prefix + unit.symbol};
            return {whole + letter + tenth, whole + "," + tenth + prefix + unit.symbol};
        case 1:
            return {std::to_string(mantissa) + letter, std::to_string(mantissa) + prefix + unit.symbol};
        default:
            return {std::to_string(mantissa * 10) + letter, std::to_string(mantissa * 10) + prefix + unit.symbol};
    }
}

ValueList series(std::string_view text) {
    const std::vector<std::string_view> parts = split(text, ':');
    if (parts.size() != 3) throw std::invalid_argument("bad series: " + std::string(text));
    const int low = std::stoi(std::string(parts[1]));
    const int high = std::stoi(std::string(parts[2]));
    const bool e12 = parts[0] == "@R";
    const Unit& unit = parts[0] == "@R" ? kOhm : parts[0] == "@C" ? kFarad : kHenry;
    if (parts[0] != "@R" && parts[0] != "@C" && parts[0] != "@L") throw std::invalid_argument("bad series");
    ValueList list;
    for (int decade = low; decade < high; ++decade) {
        if (e12) {
            for (int m : kE12) list.push_back(formatValue(m, decade, unit));
        } else {
            for (int m : kE6) list.push_back(formatValue(m, decade, unit));
        }
    }
    return list;
}

}  // namespace

std::vector<ValueList> parseValueLists(std::string_view text) {
    std::vector<ValueList> lists;
    if (text.empty()) return lists;
    for (std::string_view listText : split(text, '#')) {
        if (listText.starts_with("@")) {
            lists.push_back(series(listText));
            continue;
        }
        ValueList list;
        for (std::string_view option : split(listText, '|')) {
            ValueOption forms;
            for (std::string_view form : split(option, '^')) forms.emplace_back(form);
            list.push_back(std::move(forms));
        }
        lists.push_back(std::move(list));
    }
    return lists;
}

std::string expandTemplate(std::string_view text, const std::vector<ValueList>& lists,
                           const std::vector<std::size_t>& choice) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('{', pos);
        const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        const std::string_view ref = text.substr(open + 1, close - open - 1);
        if (!ref.empty() && ref[0] >= '1' && ref[0] <= '9') {
            const std::size_t list = static_cast<std::size_t>(ref[0] - '1');
            const std::size_t form = ref.size() > 1 ? static_cast<std::size_t>(ref[1] - 'a') : 0;
            if (list < lists.size() && list < choice.size() && choice[list] < lists[list].size()) {
                const ValueOption& option = lists[list][choice[list]];
                if (form < option.size()) out += option[form];
            }
        }
        pos = close + 1;
    }
    return out;
}

}  // namespace kvx::catgen
