// One entry of inetadr.dat, the user's small address book of web addresses: a 154-byte record with two
// abbreviations, the company and the address (URL), all Windows-1252 length-prefixed texts.
#pragma once

#include <cstddef>
#include <string>

#include "base/le_bytes.h"

namespace kvx {

inline constexpr std::size_t kInternetAddressSize = 154;

struct InternetAddress {
    std::string abbreviation1;  // at most 5 characters, offset 0
    std::string abbreviation2;  // at most 5, offset 6
    std::string company;        // at most 20, offset 12
    std::string url;            // at most 120, offset 33

    static constexpr std::size_t kAbbreviationCapacity = 5, kCompanyCapacity = 20, kUrlCapacity = 120;

    bool operator==(const InternetAddress&) const = default;
};

// Decodes a record of at least 154 bytes (a shorter one reads as empty); a length byte above a field's
// capacity is clamped to it.
InternetAddress decodeInternetAddress(const Bytes& record);
// Encodes the entry into 154 bytes; texts longer than their fields are cut.
Bytes encodeInternetAddress(const InternetAddress& entry);

}  // namespace kvx
