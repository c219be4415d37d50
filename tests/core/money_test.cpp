// Money: VAT keys, the net rule with its ties and the decimal text form.
#include "base/money.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace kvx {
namespace {

TEST(Money, VatPercent) {
    const int rows[][2] = {{1, 19}, {2, 7}, {0, 0}, {3, 0}, {-1, 0}};
    for (const auto& row : rows) EXPECT_EQ(vatPercent(row[0]), row[1]) << row[0];
}

TEST(Money, NetFromGrossRows) {
    struct Row {
        Money gross;
        int key;
        Money net;
    };
    const Row rows[] = {
        {1190, 1, 1000},
        {1000, 1, 840},
        {-1000, 1, -840},
        {1070, 2, 1000},
        {1000, 2, 930},
        {1250, 0, 1250},
        {1255, 0, 1260},
        {1245, 0, 1240},
        {1265, 0, 1260},
        {-1255, 0, -1260},
        {-1245, 0, -1240},
        {5, 0, 0},
        {15, 0, 20},
        {-5, 0, 0},
        {-15, 0, -20},
        {1255, 3, 1260},
        {0, 1, 0},
        {INT_MAX, 1, 1804608110},
        {INT_MIN, 1, -1804608110},
        {INT_MAX, 2, 2006994060},
        {INT_MAX, 0, 2147483640},  // held inside the 32-bit range
        {INT_MIN, 0, -2147483640},
    };
    for (const auto& row : rows) EXPECT_EQ(netFromGross(row.gross, row.key), row.net) << row.gross << " " << row.key;
}

// The net is the nearest whole hundredth (ten thousandths) of g / (1 + r), an exact tie going to the even one.
TEST(Money, NetIsNearestWithTiesToEven) {
    for (int key : {0, 1, 2}) {
        const std::int64_t den = (100 + vatPercent(key)) * 10;
        for (Money g = -30000; g <= 30000; g += 7) {
            const std::int64_t q = netFromGross(g, key) / 10;
            const std::int64_t twiceError = 2 * (q * den - std::int64_t{g} * 100);
            ASSERT_LE(std::llabs(twiceError), den) << g << " key " << key;
            if (std::llabs(twiceError) == den) {
                ASSERT_EQ(q % 2, 0) << g << " key " << key;
            }
        }
    }
}

TEST(Money, FormatRows) {
    struct Row {
        std::int64_t thousandths;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {1250, 2, "1.25"},
        {1255, 2, "1.26"},
        {1254, 2, "1.25"},
        {-1255, 2, "-1.26"},
        {5, 2, "0.01"},
        {4, 2, "0.00"},
        {-4, 2, "0.00"},
        {0, 2, "0.00"},
        {1250, 3, "1.250"},
        {1250, 4, "1.2500"},
        {1500, 0, "2"},
        {-1500, 0, "-2"},
        {1499, 0, "1"},
        {999995, 2, "1000.00"},
        {-7, 3, "-0.007"},
        {123456789, 1, "123456.8"},
        {LLONG_MIN, 2, "-9223372036854775.81"},
        {LLONG_MAX, 3, "9223372036854775.807"},
    };
    for (const auto& row : rows) EXPECT_EQ(formatMoney(row.thousandths, row.decimals), row.text) << row.thousandths;
}

}  // namespace
}  // namespace kvx
