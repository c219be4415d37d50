// Money in thousandths of a euro: VAT keys, the net amount of a gross price and the decimal text form.
#include "base/money.h"

#include <limits>

namespace kvx {

namespace {

// num / den rounded to the nearest integer, halves to the even neighbour; den > 0.
std::int64_t divideHalfEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {  // floor division, so that the remainder lies in [0, den)
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q % 2 != 0))) ++q;
    return q;
}

}  // namespace

int vatPercent(int vatKey) {
    switch (vatKey) {
        case 1:
            return 19;
        case 2:
            return 7;
        default:
            return 0;
    }
}

Money netFromGross(Money gross, int vatKey) {
    // g / ((1 + p/100) * 10) = g * 100 / ((100 + p) * 10), kept in integers so that ties are exact.
    const std::int64_t den = (100 + vatPercent(vatKey)) * 10;
    const std::int64_t net = 10 * divideHalfEven(std::int64_t{gross} * 100, den);
    // Without VAT the rounding to whole hundredths can step just past the 32-bit range; such an amount is
    // held at the outermost whole hundredth instead of wrapping round.
    constexpr std::int64_t kLimit = std::numeric_limits<Money>::max() / 10 * 10;
    if (net > kLimit) return static_cast<Money>(kLimit);
    if (net < -kLimit) return static_cast<Money>(-kLimit);
    return static_cast<Money>(net);
}

std::int64_t netFromGross64(std::int64_t gross, int vatKey) {
    // gross * 100 stays far inside 64 bits for any amount a report can sum from 32-bit fields.
    const std::int64_t den = (100 + vatPercent(vatKey)) * 10;
    return 10 * divideHalfEven(gross * 100, den);
}

std::string formatMoney(std::int64_t thousandths, int decimals) {
    if (decimals < 0) decimals = 0;
    const bool negative = thousandths < 0;
    // Magnitude as unsigned so that the most negative value does not overflow.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(thousandths) : static_cast<std::uint64_t>(thousandths);
    int places = 3;
    if (decimals < 3) {
        std::uint64_t divisor = 1;
        for (int i = decimals; i < 3; ++i) divisor *= 10;
        magnitude = magnitude / divisor + (magnitude % divisor >= divisor / 2 ? 1 : 0);
        places = decimals;
    }
    std::string digits = std::to_string(magnitude);
    for (; places < decimals; ++places) digits += '0';
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string out;
    // A value that rounds to zero is shown without a sign.
    if (negative && magnitude != 0) out += '-';
    const std::size_t intLength = digits.size() - static_cast<std::size_t>(decimals);
    out += digits.substr(0, intLength);
    if (decimals > 0) out += "." + digits.substr(intLength);
    return out;
}

}  // namespace kvx
