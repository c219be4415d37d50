// Line parsers of the catalogue import.
#include "catalogue/import_parsers.h"

#include <algorithm>
#include <limits>

#include "base/cp1252.h"
#include "catalogue/dimensions.h"

namespace kvx {

namespace {

constexpr std::size_t kMaxNumberText = 40;

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Splits `rest` at the next at sign: returns the text before it and leaves what follows it.
// Fields are short: a plain loop beats a library search call per field.
std::string_view takeField(std::string_view& rest) {
    std::size_t at = 0;
    while (at < rest.size() && rest[at] != '@') ++at;
    const std::string_view field = rest.substr(0, at);
    rest = at < rest.size() ? rest.substr(at + 1) : std::string_view();
    return field;
}

template <typename T>
T inRangeOrZero(std::string_view text, std::int64_t low, std::int64_t high) {
    const ImportInteger n = parseImportInteger(text);
    return (n.ok && n.value >= low && n.value <= high) ? static_cast<T>(n.value) : T{0};
}

// Quantities and additional values 2..6 keep what the digits before a bad character gave.
std::int32_t leadingValue(std::string_view text) {
    return static_cast<std::int32_t>(parseImportInteger(text).value);
}

std::int32_t priceValue(std::string_view text) {
    const ImportInteger n = parseImportInteger(text);
    return n.ok ? static_cast<std::int32_t>(n.value) : 0;
}

bool parseGroupNumber(std::string_view text, std::uint16_t& number) {
    // Only blanks around the number are allowed; no sign, no hexadecimal prefix.
    // Leading zeros are allowed, so the range is checked per digit rather than by the text's length.
    const std::string_view t = trimBlanks(text);
    if (t.empty()) return false;
    std::uint32_t v = 0;
    for (const char c : t) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<std::uint32_t>(c - '0');
        if (v > 65535) return false;
    }
    number = static_cast<std::uint16_t>(v);
    return true;
}

// The text after the first apostrophe; false when there is none or nothing follows it.
bool afterApostrophe(std::string_view line, std::string_view& rest) {
    const std::size_t q = line.find('\'');
    if (q == std::string_view::npos || q + 1 >= line.size()) return false;
    rest = line.substr(q + 1);
    return true;
}

// "name@number'" of a group line.
bool parseNameAndNumber(std::string_view rest, std::string& name, std::size_t capacity, std::uint16_t& number) {
    const std::size_t at = rest.find('@');
    if (at == std::string_view::npos) return false;
    name = importText(rest.substr(0, at), capacity);
    rest = rest.substr(at + 1);
    return parseGroupNumber(rest.substr(0, rest.find('\'')), number);
}

}  // namespace

std::size_t convertImportText(std::string_view text, char* out, std::size_t capacity) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < text.size() && n < capacity) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out[n++] = static_cast<char>(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, cp = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, cp = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, cp = lead & 0x07u;
        } else {
            out[n++] = '?';  // a stray continuation byte or a byte no UTF-8 text holds
            ++i;
            continue;
        }
        // The second byte's range excludes overlong forms, surrogates and values beyond U+10FFFF.
        unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        std::size_t k = 1;
        for (; k < length && i + k < text.size(); ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < low || c > high) break;
            cp = (cp << 6) | (c & 0x3Fu);
            low = 0x80, high = 0xBF;
        }
        i += k;  // a broken sequence is one character: its lead and the continuation bytes that fitted
        if (k < length) {
            out[n++] = '?';
        } else if (cp == 0x03BC) {
            out[n++] = '\xB5';
        } else if (cp == 0x2126 || cp == 0x03A9) {
            if (n + 3 > capacity) break;
            out[n++] = 'O', out[n++] = 'h', out[n++] = 'm';
        } else {
            const int b = cp >= 0xA0 ? cp1252ByteOf(cp) : -1;  // C1 controls are no text
            out[n++] = b < 0 ? '?' : static_cast<char>(b);
        }
    }
    return n;
}

std::string importText(std::string_view text, std::size_t capacity) {
    std::string out(capacity, '\0');
    out.resize(convertImportText(text, out.data(), capacity));
    return out;
}

ImportInteger parseImportInteger(std::string_view text) {
    ImportInteger r;
    std::string_view t = trimBlanks(text).substr(0, kMaxNumberText);
    if (t.empty()) return r;
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::size_t prefix = 0;
    if (t[0] == '$' || t[0] == 'x' || t[0] == 'X')
        prefix = 1;
    else if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X'))
        prefix = 2;
    if (prefix > 0) {
        t.remove_prefix(prefix);
        std::uint64_t v = 0;
        r.ok = !t.empty();
        for (const char c : t) {
            const int d = hexDigit(c);
            if (d < 0 || v * 16 + static_cast<std::uint64_t>(d) > 0xFFFFFFFFu) {
                r.ok = false;
                break;
            }
            v = v * 16 + static_cast<std::uint64_t>(d);
        }
        // Eight hexadecimal digits fill all 32 bits, sign bit included.
        r.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return r;
    }
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    std::int64_t v = 0;
    r.ok = !t.empty();
    for (const char c : t) {
        const std::int64_t next = v * 10 + (c - '0');
        if (c < '0' || c > '9' || (negative ? -next < kMin : next > kMax)) {
            r.ok = false;
            break;
        }
        v = next;
    }
    r.value = negative ? -v : v;
    return r;
}

std::int32_t parseHexValue(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    if (t.empty() || t.size() > 8) return 0;
    std::uint32_t v = 0;
    for (const char c : t) {
        const int d = hexDigit(c);
        if (d >= 0) v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(v);
}

bool isDataLine(std::string_view line) {
    return line.find('\'') != std::string_view::npos;
}

bool parseMainGroupLine(std::string_view line, MainGroup& group) {
    std::string_view rest;
    if (!afterApostrophe(line, rest)) return false;
    group.key = rest[0];
    if (rest.size() < 2 || rest[1] != '@') return false;
    return parseNameAndNumber(rest.substr(2), group.name, MainGroup::kNameCapacity, group.firstUpper);
}

bool parseKeyedGroupLine(std::string_view line, KeyedGroup& group) {
    std::string_view rest;
    if (!afterApostrophe(line, rest)) return false;
    const std::size_t at = rest.find('@');
    if (at == std::string_view::npos) return false;
    group.key = std::string(rest.substr(0, std::min(at, KeyedGroup::kKeyCapacity)));
    return parseNameAndNumber(rest.substr(at + 1), group.name, KeyedGroup::kNameCapacity, group.first);
}

DateNumber parseCatalogueDate(std::string_view line) {
    const std::size_t k = line.find("Katalog/");
    if (k == std::string_view::npos) return 0;
    std::string_view rest = line.substr(k + 8, 20);
    rest = rest.substr(0, rest.find(' '));
    std::string_view parts[3];
    for (auto& part : parts) {
        const std::size_t slash = rest.find('/');
        part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    }
    std::int32_t year = inRangeOrZero<std::int32_t>(parts[0], 0, 65535);
    const std::int32_t month = inRangeOrZero<std::int32_t>(parts[1], 0, 255);
    const std::int32_t day = inRangeOrZero<std::int32_t>(parts[2], 0, 255);
    if (year >= 1900) year -= 1900;
    return year * 10000 + month * 100 + day;
}

bool parseArticleLine(std::string_view line, CatalogueArticle& article) {
    if (line.empty() || line[0] != '\'') return false;
    std::string_view rest = line.substr(1);
    rest = rest.substr(0, rest.find('\''));
    CatalogueArticle a;
    a.wgId = std::string(takeField(rest).substr(0, CatalogueArticle::kWgIdCapacity));
    for (auto& name : a.kurzbez) name = importText(takeField(rest), CatalogueArticle::kKurzbezCapacity);
    takeField(rest);  // field 8 is not kept
    a.beschreib1 = importText(takeField(rest), CatalogueArticle::kBeschreibCapacity);
    a.beschreib2 = importText(takeField(rest), CatalogueArticle::kBeschreibCapacity);
    a.artikelstat = inRangeOrZero<std::uint8_t>(takeField(rest), 0, 255);
    a.schlue100 = inRangeOrZero<std::int16_t>(takeField(rest), -32767, 32767);
    a.schlumwst = inRangeOrZero<std::int16_t>(takeField(rest), -32767, 32767);
    a.stkvpe = inRangeOrZero<std::int16_t>(takeField(rest), -32767, 32767);
    for (std::size_t k = 0; k < CatalogueArticle::kBreaks; ++k) {
        a.quantities[k] = leadingValue(takeField(rest));
        a.prices[k] = priceValue(takeField(rest));
        takeField(rest);  // read and discarded
    }
    a.additional[0] = parseHexValue(takeField(rest));
    std::uint8_t read = 1;
    while (!rest.empty() && read < 6) a.additional[read++] = leadingValue(takeField(rest));
    a.additionalCount = read;

    Dimensions d = extractDimensions(a.beschreib1);
    if (d.count == 0) d = extractDimensions(a.beschreib2);
    // Only three dimensions that all converted are stored; anything else leaves the 18 bytes zero.
    if (d.count == 3 && d.complete())
        for (int i = 0; i < 3; ++i) a.dimensions[static_cast<std::size_t>(i)] = d.real48(i);
    article = std::move(a);
    return true;
}

}  // namespace kvx
