// Length-prefixed texts of fixed capacity inside records: one length byte, then up to `capacity`
// Windows-1252 characters. The field occupies capacity + 1 bytes; bytes after the text have no meaning.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvx {

// Reads the text at `off`; a length byte above the capacity (a damaged file) is clamped to it.
std::string readShortString(const std::uint8_t* rec, std::size_t off, std::size_t capacity);

// Writes `text` (Windows-1252) at `off`, cut to the capacity; the unused tail of the field is zeroed.
void writeShortString(std::uint8_t* rec, std::size_t off, std::size_t capacity, std::string_view text);

// Cuts a Windows-1252 text to at most `capacity` characters.
std::string cutText(std::string_view text, std::size_t capacity);

}  // namespace kvx
