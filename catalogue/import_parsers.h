// Parsers for the lines of the distributor's catalogue script files (art.js, wh.js, wo.js, wg.js).
// Input lines are bytes as read (UTF-8 umlauts expected); the records they fill hold Windows-1252.
// Each parser only reads inside the line it is given and writes only inside its record's fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/date_number.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_records.h"

namespace kvx {

inline constexpr std::size_t kMaxSourceLine = 255;

// The import's conversion of a UTF-8 text into Windows-1252: every character Windows-1252 holds becomes its
// byte; the Greek small mu (the catalogues' micro) becomes "\xB5", the Ohm sign and the capital Omega become
// "Ohm"; any other character, and every truncated or invalid sequence, becomes one "?". Writes at most
// `capacity` bytes to `out`, stopping before a character that no longer fits whole; returns the length.
std::size_t convertImportText(std::string_view text, char* out, std::size_t capacity);
std::string importText(std::string_view text, std::size_t capacity);

// An integer as the import reads it: blanks around it removed, at most 40 characters looked at, an
// optional sign and decimal digits, or hexadecimal digits after "$", "x", "X" or "0x". `ok` is false when
// a character does not belong or the value leaves 32 bits; `value` then holds what the digits before it
// gave. An empty text gives ok with 0.
struct ImportInteger {
    bool ok = true;
    std::int64_t value = 0;
};
ImportInteger parseImportInteger(std::string_view text);

// Additional value 1: 1 to 8 characters after trimming, hexadecimal digits accumulate, other characters
// are skipped ("1A" -> 26, "1G" -> 1); empty or longer than 8 gives 0.
std::int32_t parseHexValue(std::string_view text);

// True for a line that carries data at all: it holds an apostrophe. Others ("];", blank lines) are
// skipped by the import without being counted.
bool isDataLine(std::string_view line);

// wh.js: "'" key letter "@" name "@" number "'". False when the line is in error; the record then holds
// what was read before the error.
bool parseMainGroupLine(std::string_view line, MainGroup& group);
// wo.js and wg.js: "'" key "@" name "@" number "'".
bool parseKeyedGroupLine(std::string_view line, KeyedGroup& group);

// art.js line 1: the date after "Katalog/" as year/month/day; 0 when there is none.
DateNumber parseCatalogueDate(std::string_view line);

// An article line begins with an apostrophe; false (record untouched) for any other line. Fills every
// field from the line and the dimensions from beschreib1 (or beschreib2); not the group numbers.
bool parseArticleLine(std::string_view line, CatalogueArticle& article);

// The same straight into the 329 bytes of an art.dat record at `record`: all of them are written (the
// group numbers at offsets 174..179 zero) when the line is an article line; none otherwise.
bool parseArticleRecord(std::string_view line, std::uint8_t* record);

}  // namespace kvx
