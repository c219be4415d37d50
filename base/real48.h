// The 6-byte real of the search parameters and the article dimensions:
// byte 0 the exponent e (0 means zero), bytes 1..5 a 39-bit fraction f (least significant byte first)
// with the sign in the top bit of byte 5; value = (-1)^sign * 2^(e - 129) * (1 + f / 2^39).
#pragma once

#include <array>
#include <cstdint>

namespace kvx {

using Real48Bytes = std::array<std::uint8_t, 6>;

// Exact: every value a 6-byte real holds is a double.
double real48ToDouble(const std::uint8_t* bytes);

// Rounds the mantissa to 39 bits, ties to even. Zero (and values too small to hold) give all-zero bytes;
// values too large to hold are clamped to the largest magnitude; NaN gives zero.
Real48Bytes doubleToReal48(double value);

inline double readReal48(const std::uint8_t* rec, std::size_t off) { return real48ToDouble(rec + off); }
void writeReal48(std::uint8_t* rec, std::size_t off, double value);

}  // namespace kvx
