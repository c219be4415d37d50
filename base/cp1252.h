// Windows-1252 texts: conversion to and from UTF-8 and upper-casing by the ANSI rules.
// Record texts stay Windows-1252 inside the core; everything handed to the user interface is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kvx {

// Every byte maps to one code point (the five unassigned bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D map to
// the C1 control of the same number, so that the conversion is reversible).
std::string cp1252ToUtf8(std::string_view cp1252);

// Byte of a code point in Windows-1252, or -1 when it has none.
int cp1252ByteOf(char32_t cp);

// Characters without a Windows-1252 form become '?'. Invalid UTF-8 sequences become '?' each.
std::string utf8ToCp1252(std::string_view utf8);

// Upper case of one Windows-1252 character as the Windows ANSI upper-casing does it:
// a-z, à-þ except ÷ (0xF7), š→Š, œ→Œ, ž→Ž, ÿ→Ÿ; ß and µ stay.
char cp1252Upper(char c);
std::string cp1252UpperCase(std::string_view cp1252);

// Number of characters of a UTF-8 text (code points).
std::size_t utf8Length(std::string_view utf8);

// UTF-8 to code points and back; an invalid sequence decodes to U+FFFD per offending byte.
std::u32string utf8Decode(std::string_view utf8);
std::string utf8Encode(std::u32string_view text);

}  // namespace kvx
