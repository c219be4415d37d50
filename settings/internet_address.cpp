// inetadr.dat records, field by field.
#include "settings/internet_address.h"

#include "base/short_string.h"

namespace kvx {

namespace {
constexpr std::size_t kAbbreviation1At = 0, kAbbreviation2At = 6, kCompanyAt = 12, kUrlAt = 33;
}  // namespace

InternetAddress decodeInternetAddress(const Bytes& record) {
    InternetAddress a;
    if (record.size() < kInternetAddressSize) return a;
    const std::uint8_t* r = record.data();
    a.abbreviation1 = readShortString(r, kAbbreviation1At, InternetAddress::kAbbreviationCapacity);
    a.abbreviation2 = readShortString(r, kAbbreviation2At, InternetAddress::kAbbreviationCapacity);
    a.company = readShortString(r, kCompanyAt, InternetAddress::kCompanyCapacity);
    a.url = readShortString(r, kUrlAt, InternetAddress::kUrlCapacity);
    return a;
}

Bytes encodeInternetAddress(const InternetAddress& a) {
    Bytes record(kInternetAddressSize, 0);
    std::uint8_t* r = record.data();
    writeShortString(r, kAbbreviation1At, InternetAddress::kAbbreviationCapacity, a.abbreviation1);
    writeShortString(r, kAbbreviation2At, InternetAddress::kAbbreviationCapacity, a.abbreviation2);
    writeShortString(r, kCompanyAt, InternetAddress::kCompanyCapacity, a.company);
    writeShortString(r, kUrlAt, InternetAddress::kUrlCapacity, a.url);
    return record;
}

}  // namespace kvx
