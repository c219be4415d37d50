// Length-prefixed texts of fixed capacity inside records.
#include "base/short_string.h"

#include <algorithm>
#include <cstring>

namespace kvx {

std::string readShortString(const std::uint8_t* rec, std::size_t off, std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(rec[off], capacity);
    return std::string(reinterpret_cast<const char*>(rec + off + 1), length);
}

void writeShortString(std::uint8_t* rec, std::size_t off, std::size_t capacity, std::string_view text) {
    // The length byte cannot count beyond 255 whatever the caller claims.
    const std::size_t usable = std::min<std::size_t>(capacity, 255);
    const std::size_t length = std::min(text.size(), usable);
    rec[off] = static_cast<std::uint8_t>(length);
    if (length > 0) std::memcpy(rec + off + 1, text.data(), length);
    if (capacity > length) std::memset(rec + off + 1 + length, 0, capacity - length);
}

std::string cutText(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, std::min(text.size(), capacity)));
}

}  // namespace kvx
