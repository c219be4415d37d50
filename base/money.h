// Money: signed 32-bit thousandths of a euro. Catalogue prices are gross.
#pragma once

#include <cstdint>
#include <string>

namespace kvx {

using Money = std::int32_t;

// VAT rate of a VAT key in percent: 19 for key 1, 7 for key 2, 0 otherwise.
int vatPercent(int vatKey);

// Net of a gross amount g: 10 * round(g / ((1 + r) * 10)), halves to the even neighbour,
// r = 0.19 for key 1, 0.07 for key 2, 0 otherwise. Computed in exact integer arithmetic; a result beyond the
// 32-bit range (only without VAT, for |g| near 2^31) is held at +-2147483640.
Money netFromGross(Money gross, int vatKey);

// The same rule on a 64-bit amount (sums and values of reports that may leave the 32-bit range).
std::int64_t netFromGross64(std::int64_t gross, int vatKey);

// Thousandths as a decimal text with `decimals` places and a point: 1250 -> "1.25" (decimals 2).
// Dropped digits are rounded half away from zero; a value that rounds to zero has no sign ("0.00").
std::string formatMoney(std::int64_t thousandths, int decimals = 2);

}  // namespace kvx
