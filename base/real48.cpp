// Conversion between the 6-byte real and double. Every 6-byte value is exactly a double, so reading is
// exact; writing rounds the 52-bit double fraction to 39 bits.
#include "base/real48.h"

#include <cmath>

namespace kvx {

namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kHidden = std::uint64_t{1} << kFractionBits;

Real48Bytes pack(int exponent, std::uint64_t fraction, bool negative) {
    Real48Bytes out{};
    out[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 0; i < 5; ++i) out[1 + i] = static_cast<std::uint8_t>((fraction >> (8 * i)) & 0xFF);
    if (negative) out[5] = static_cast<std::uint8_t>(out[5] | 0x80);
    return out;
}

}  // namespace

double real48ToDouble(const std::uint8_t* bytes) {
    const int exponent = bytes[0];
    if (exponent == 0) return 0.0;
    std::uint64_t fraction = 0;
    for (int i = 0; i < 5; ++i) fraction |= static_cast<std::uint64_t>(bytes[1 + i]) << (8 * i);
    const bool negative = (fraction >> kFractionBits) & 1;
    fraction &= kHidden - 1;
    const double magnitude = std::ldexp(static_cast<double>(kHidden | fraction), exponent - kBias - kFractionBits);
    return negative ? -magnitude : magnitude;
}

Real48Bytes doubleToReal48(double value) {
    if (std::isnan(value) || value == 0.0) return Real48Bytes{};
    const bool negative = std::signbit(value);
    if (std::isinf(value)) return pack(255, kHidden - 1, negative);

    // value = m * 2^k with 0.5 <= |m| < 1; the 53-bit significand is |m| * 2^53, exact for normal doubles.
    int k = 0;
    const double m = std::frexp(std::fabs(value), &k);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(m, 53));
    constexpr int kDrop = 53 - (kFractionBits + 1);
    constexpr std::uint64_t kHalf = std::uint64_t{1} << (kDrop - 1);
    std::uint64_t kept = significand >> kDrop;
    const std::uint64_t rest = significand & ((std::uint64_t{1} << kDrop) - 1);
    if (rest > kHalf || (rest == kHalf && (kept & 1))) ++kept;

    int exponent = k - 1 + kBias;
    if (kept == (kHidden << 1)) {  // rounding carried into the next power of two
        kept = kHidden;
        ++exponent;
    }
    if (exponent < 1) return Real48Bytes{};
    if (exponent > 255) return pack(255, kHidden - 1, negative);
    return pack(exponent, kept - kHidden, negative);
}

void writeReal48(std::uint8_t* rec, std::size_t off, double value) {
    const Real48Bytes bytes = doubleToReal48(value);
    for (std::size_t i = 0; i < bytes.size(); ++i) rec[off + i] = bytes[i];
}

}  // namespace kvx
