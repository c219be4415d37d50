// Decoding and encoding of font descriptions at their offsets.
#include "base/font_description.h"

#include <algorithm>

#include "base/le_bytes.h"
#include "base/short_string.h"

namespace kvx {

FontDescription decodeFontDescription(const std::uint8_t* rec, std::size_t offset) {
    FontDescription f;
    f.name = readShortString(rec, offset, 37);
    f.charset = rec[offset + 38];
    f.weight = std::min<std::uint16_t>(getU16(rec, offset + 39), 10);
    f.size = std::min<std::uint16_t>(getU16(rec, offset + 41), 400);
    f.italic = rec[offset + 43] > 1 ? 0 : rec[offset + 43];
    f.angle = getI16(rec, offset + 44);
    if (f.angle >= 360 || f.angle <= -360) f.angle = 0;
    f.colour = rec[offset + 46] > 16 ? 0 : rec[offset + 46];
    return f;
}

void encodeFontDescription(std::uint8_t* rec, std::size_t offset, const FontDescription& f) {
    writeShortString(rec, offset, 37, f.name);
    rec[offset + 38] = f.charset;
    putU16(rec, offset + 39, f.weight);
    putU16(rec, offset + 41, f.size);
    rec[offset + 43] = f.italic;
    putI16(rec, offset + 44, f.angle);
    rec[offset + 46] = f.colour;
}

}  // namespace kvx
