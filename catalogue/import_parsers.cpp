// Line parsers of the catalogue import.
#include "catalogue/import_parsers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "base/cp1252.h"
#include "base/le_bytes.h"
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

template <typename T>
T inRangeOrZero(std::string_view text, std::int64_t low, std::int64_t high) {
    const ImportInteger n = parseImportInteger(text);
    return (n.ok && n.value >= low && n.value <= high) ? static_cast<T>(n.value) : T{0};
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

// Offsets of the article record's fields that the line parser fills.
constexpr std::size_t kKurzbezOffset = 6;
constexpr std::size_t kKurzbezStride = 25;
constexpr std::size_t kDimensionOffset = 156;
constexpr std::size_t kBeschreib1Offset = 181;
constexpr std::size_t kBeschreib2Offset = 207;
constexpr std::size_t kQuantityOffset = 240;
constexpr std::size_t kPriceOffset = 264;
constexpr std::size_t kAdditionalOffset = 288;
constexpr std::size_t kAdditionalCountOffset = 328;

// The fields of an article line: a field ends at the next at sign; a missing field is empty, and so is
// the text after the last at sign.
struct FieldCursor {
    const char* at;
    const char* end;

    std::string_view next() {
        const char* p = at;
        while (p < end && *p != '@') ++p;
        const std::string_view field(at, static_cast<std::size_t>(p - at));
        at = p < end ? p + 1 : end;
        return field;
    }
    bool empty() const { return at == end; }
};

// Most number fields are empty or plain digits; at most nine of them cannot leave 32 bits, so they need
// neither trimming nor sign nor range checks. Anything else takes the full rule.
ImportInteger fieldInteger(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() <= 9) {
        std::int32_t v = 0;
        bool plain = true;
        for (const char c : text) {
            const auto digit = static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'0'};
            if (digit > 9) {
                plain = false;
                break;
            }
            v = v * 10 + static_cast<std::int32_t>(digit);
        }
        if (plain) return {true, v};
    }
    return parseImportInteger(text);
}

template <typename T>
T boundedValue(std::string_view text, std::int64_t low, std::int64_t high) {
    const ImportInteger n = fieldInteger(text);
    return (n.ok && n.value >= low && n.value <= high) ? static_cast<T>(n.value) : T{0};
}

// Writes `text` converted as a length-prefixed text at `field` of a zeroed record. Plain ASCII is copied
// as it is; from the first other byte on the conversion takes over, which handles each character alone,
// so the result is the same as converting the whole text.
void putText(std::string_view text, std::uint8_t* field, std::size_t capacity) {
    char* const out = reinterpret_cast<char*>(field + 1);
    const std::size_t limit = std::min(text.size(), capacity);
    std::size_t n = 0;
    while (n < limit && static_cast<unsigned char>(text[n]) < 0x80) {
        out[n] = text[n];
        ++n;
    }
    if (n < limit) n += convertImportText(text.substr(n), out + n, capacity - n);
    field[0] = static_cast<std::uint8_t>(n);
}

// Dimensions end in "mm" in any case; a text without it gives none, so the extraction is not needed.
bool mayHoldDimensions(std::string_view text) {
    for (std::size_t i = 1; i < text.size(); ++i)
        if ((text[i] | 0x20) == 'm' && (text[i - 1] | 0x20) == 'm') return true;
    return false;
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

bool parseArticleRecord(std::string_view line, std::uint8_t* record) {
    if (line.empty() || line[0] != '\'') return false;
    std::fill_n(record, CatalogueArticle::kRecordSize, std::uint8_t{0});
    const char* const body = line.data() + 1;
    const void* quote = std::memchr(body, '\'', line.size() - 1);
    FieldCursor fields{body, quote != nullptr ? static_cast<const char*>(quote) : line.data() + line.size()};

    const std::string_view wgId = fields.next();
    const std::size_t idLength = std::min(wgId.size(), CatalogueArticle::kWgIdCapacity);
    record[0] = static_cast<std::uint8_t>(idLength);
    std::memcpy(record + 1, wgId.data(), idLength);
    for (std::size_t i = 0; i < 6; ++i)
        putText(fields.next(), record + kKurzbezOffset + i * kKurzbezStride, CatalogueArticle::kKurzbezCapacity);
    fields.next();  // field 8 is not kept
    putText(fields.next(), record + kBeschreib1Offset, CatalogueArticle::kBeschreibCapacity);
    putText(fields.next(), record + kBeschreib2Offset, CatalogueArticle::kBeschreibCapacity);
    putU8(record, 233, boundedValue<std::uint8_t>(fields.next(), 0, 255));
    for (std::size_t off : {234u, 236u, 238u})
        putI16(record, off, boundedValue<std::int16_t>(fields.next(), -32767, 32767));
    for (std::size_t k = 0; k < CatalogueArticle::kBreaks; ++k) {
        putI32(record, kQuantityOffset + 4 * k, static_cast<std::int32_t>(fieldInteger(fields.next()).value));
        const ImportInteger price = fieldInteger(fields.next());
        putI32(record, kPriceOffset + 4 * k, price.ok ? static_cast<std::int32_t>(price.value) : 0);
        fields.next();  // read and discarded
    }
    putI32(record, kAdditionalOffset, parseHexValue(fields.next()));
    std::uint8_t read = 1;
    while (!fields.empty() && read < 6) {
        putI32(record, kAdditionalOffset + 4 * read, static_cast<std::int32_t>(fieldInteger(fields.next()).value));
        ++read;
    }
    putU8(record, kAdditionalCountOffset, read);

    Dimensions d;
    for (const std::size_t off : {kBeschreib1Offset, kBeschreib2Offset}) {
        const std::string_view text(reinterpret_cast<const char*>(record + off + 1), record[off]);
        if (mayHoldDimensions(text)) d = extractDimensions(text);
        if (d.count != 0) break;
    }
    // Only three dimensions that all converted are stored; anything else leaves the 18 bytes zero.
    if (d.count == 3 && d.complete()) {
        for (std::size_t i = 0; i < 3; ++i) {
            const Real48Bytes r = d.real48(static_cast<int>(i));
            std::memcpy(record + kDimensionOffset + 6 * i, r.data(), r.size());
        }
    }
    return true;
}

bool parseArticleLine(std::string_view line, CatalogueArticle& article) {
    std::array<std::uint8_t, CatalogueArticle::kRecordSize> record{};
    if (!parseArticleRecord(line, record.data())) return false;
    article = CatalogueArticle::decode(record.data(), record.size());
    return true;
}

}  // namespace kvx
