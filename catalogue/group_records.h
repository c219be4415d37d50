// Records of the three catalogue group files: whg.dat (main groups, 44 bytes), wog.dat (upper groups,
// 49 bytes) and wgg.dat (product groups, 49 bytes). Texts stay Windows-1252 here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/le_bytes.h"

namespace kvx {

struct MainGroup {
    static constexpr std::size_t kSize = 44;
    static constexpr std::size_t kNameCapacity = 40;

    char key = 0;                  // key letter
    std::string name;              // at most 40 characters
    std::uint16_t firstUpper = 0;  // number of the first upper group of this main group

    static MainGroup decode(const std::uint8_t* record);
    void encode(std::uint8_t* record) const;  // writes all 44 bytes
    Bytes encode() const;
    bool operator==(const MainGroup&) const = default;
};

// Upper and product groups share one layout. For an upper group `first` is the number of its first
// product group; for a product group it is the number of its first article counted from 1 (record
// first - 1 of art.dat).
struct KeyedGroup {
    static constexpr std::size_t kSize = 49;
    static constexpr std::size_t kKeyCapacity = 5;
    static constexpr std::size_t kNameCapacity = 40;

    std::string key;   // at most 5 characters
    std::string name;  // at most 40 characters
    std::uint16_t first = 0;

    static KeyedGroup decode(const std::uint8_t* record);
    void encode(std::uint8_t* record) const;  // writes all 49 bytes
    Bytes encode() const;
    bool operator==(const KeyedGroup&) const = default;
};

using UpperGroup = KeyedGroup;
using ProductGroup = KeyedGroup;

}  // namespace kvx
