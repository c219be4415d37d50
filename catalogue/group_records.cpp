// Field-by-field coding of the group records.
#include "catalogue/group_records.h"

#include <algorithm>

#include "base/short_string.h"

namespace kvx {

MainGroup MainGroup::decode(const std::uint8_t* record) {
    MainGroup g;
    g.key = static_cast<char>(record[0]);
    g.name = readShortString(record, 1, kNameCapacity);
    g.firstUpper = getU16(record, 42);
    return g;
}

void MainGroup::encode(std::uint8_t* record) const {
    std::fill(record, record + kSize, std::uint8_t{0});
    record[0] = static_cast<std::uint8_t>(key);
    writeShortString(record, 1, kNameCapacity, name);
    putU16(record, 42, firstUpper);
}

Bytes MainGroup::encode() const {
    Bytes b(kSize);
    encode(b.data());
    return b;
}

KeyedGroup KeyedGroup::decode(const std::uint8_t* record) {
    KeyedGroup g;
    g.key = readShortString(record, 0, kKeyCapacity);
    g.name = readShortString(record, 6, kNameCapacity);
    g.first = getU16(record, 47);
    return g;
}

void KeyedGroup::encode(std::uint8_t* record) const {
    std::fill(record, record + kSize, std::uint8_t{0});
    writeShortString(record, 0, kKeyCapacity, key);
    writeShortString(record, 6, kNameCapacity, name);
    putU16(record, 47, first);
}

Bytes KeyedGroup::encode() const {
    Bytes b(kSize);
    encode(b.data());
    return b;
}

}  // namespace kvx
