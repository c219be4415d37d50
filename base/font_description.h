// The 47-byte font description of the settings block and of printed pages: name, character set, weight,
// size, style, angle and colour. Kept below the settings so that the toolkit can turn one into a font
// without knowing the settings block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kvx {

struct FontDescription {
    std::string name;  // Windows-1252, at most 37 characters; 3 or fewer = no font of its own
    std::uint8_t charset = 0;
    std::uint16_t weight = 3;  // above 3 = bold
    std::uint16_t size = 10;   // points
    std::uint8_t italic = 0;
    std::int16_t angle = 0;
    std::uint8_t colour = 0;

    bool hasFont() const { return name.size() > 3; }
    bool bold() const { return weight > 3; }
};

// A font description at `offset` of a buffer, clamped as loading requires.
FontDescription decodeFontDescription(const std::uint8_t* rec, std::size_t offset);
void encodeFontDescription(std::uint8_t* rec, std::size_t offset, const FontDescription& font);

}  // namespace kvx
