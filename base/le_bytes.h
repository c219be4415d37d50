// Little-endian field access at byte offsets inside a record buffer.
// Records are always encoded and decoded through these, never by copying structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvx {

using Bytes = std::vector<std::uint8_t>;

inline std::uint8_t getU8(const std::uint8_t* rec, std::size_t off) { return rec[off]; }
inline std::uint16_t getU16(const std::uint8_t* rec, std::size_t off) {
    return static_cast<std::uint16_t>(rec[off] | (rec[off + 1] << 8));
}
inline std::int16_t getI16(const std::uint8_t* rec, std::size_t off) { return static_cast<std::int16_t>(getU16(rec, off)); }
inline std::uint32_t getU32(const std::uint8_t* rec, std::size_t off) {
    return static_cast<std::uint32_t>(rec[off]) | (static_cast<std::uint32_t>(rec[off + 1]) << 8) |
           (static_cast<std::uint32_t>(rec[off + 2]) << 16) | (static_cast<std::uint32_t>(rec[off + 3]) << 24);
}
inline std::int32_t getI32(const std::uint8_t* rec, std::size_t off) { return static_cast<std::int32_t>(getU32(rec, off)); }

inline void putU8(std::uint8_t* rec, std::size_t off, std::uint8_t v) { rec[off] = v; }
inline void putU16(std::uint8_t* rec, std::size_t off, std::uint16_t v) {
    rec[off] = static_cast<std::uint8_t>(v & 0xFF);
    rec[off + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putI16(std::uint8_t* rec, std::size_t off, std::int16_t v) { putU16(rec, off, static_cast<std::uint16_t>(v)); }
inline void putU32(std::uint8_t* rec, std::size_t off, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) rec[off + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}
inline void putI32(std::uint8_t* rec, std::size_t off, std::int32_t v) { putU32(rec, off, static_cast<std::uint32_t>(v)); }

}  // namespace kvx
