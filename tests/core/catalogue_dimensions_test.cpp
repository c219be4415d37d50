// Dimension extraction and the decimal number rule shared with the search.
#include <gtest/gtest.h>

#include "catalogue/dimensions.h"

namespace kvx {
namespace {

TEST(DecimalNumber, Table) {
    struct Row {
        const char* text;
        bool ok;
        double value;
    };
    const Row rows[] = {{"4,7", true, 4.7}, {"+5", true, 5}, {" 12 ", true, 12},    {"-0.5", true, -0.5},
                        {".5", true, 0.5},  {"5.", true, 5}, {"1.000,5", false, 0}, {"10-20", false, 0},
                        {"", false, 0},     {"-", false, 0}, {"1,2,3", false, 0},   {"1E3", false, 0},
                        {"4 7", false, 0},  {",", false, 0}};
    for (const Row& r : rows) {
        double v = -99;
        EXPECT_EQ(parseDecimalNumber(r.text, v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_DOUBLE_EQ(v, r.value) << r.text;
        }
    }
}

TEST(Dimensions, Table) {
    struct Row {
        const char* text;  // Windows-1252
        int count;
        double d1, d2, d3;
        bool complete;
    };
    const Row rows[] = {
        {"Geh\xE4use 12,5x8x3mm", 3, 12.5, 8, 3, true},
        {"Geh\xE4use 10x20x5mm", 3, 10, 20, 5, true},
        {"5x7 mm", 0, 0, 0, 0, false},
        {"12.5x8x3mm", 3, 5, 8, 3, true},
        {"HAMMER", 0, 0, 0, 0, false},
        {"MM am Anfang", 0, 0, 0, 0, false},
        {"Kabel 25mm", 1, 25, 0, 0, false},
        {"Platte 100X60mm", 2, 100, 60, 0, false},
        {"Gr\xF6\xDF"
         "e 3x4x5mm",
         3, 3, 4, 5, true},
        {"Ma\xDF\xE4mm", 0, 0, 0, 0, false},   // a letter in front of MM
        {"10x20x5x7mm", 2, 10, 20, 0, false},  // four numbers are not three dimensions
        {"AX20X5MM", 3, 0, 20, 5, false},      // count 3, but the first token is no number
        {"(10x20x5mm)", 3, 10, 20, 5, true},   // a delimiter at the start ends the walk too
        {"x 3x4x5mm", 3, 3, 4, 5, true},
        {"Folie 0,5mm dick, 3x4x5mm", 1, 0.5, 0, 0, false},  // only the first MM counts
        {"&mm", 0, 0, 0, 0, false},
        {"1&2x3x4mm", 3, 2, 3, 4, true},
    };
    for (const Row& r : rows) {
        const Dimensions d = extractDimensions(r.text);
        EXPECT_EQ(d.count, r.count) << r.text;
        EXPECT_DOUBLE_EQ(d.values[0], r.d1) << r.text;
        EXPECT_DOUBLE_EQ(d.values[1], r.d2) << r.text;
        EXPECT_DOUBLE_EQ(d.values[2], r.d3) << r.text;
        EXPECT_EQ(d.complete(), r.complete) << r.text;
    }
}

TEST(Dimensions, TokensAreKeptCutTo20AndTheTextTo80) {
    const Dimensions d = extractDimensions("1x2x" + std::string(30, '3') + "mm");
    EXPECT_EQ(d.texts[0], "1");
    EXPECT_EQ(d.texts[2].size(), 20u);
    EXPECT_EQ(d.count, 3);
    // "MM" beyond the 80th character is not seen.
    EXPECT_EQ(extractDimensions(std::string(79, ' ') + "1x2x3mm").count, 0);
    EXPECT_EQ(extractDimensions(std::string(70, ' ') + "1x2x3mm").count, 3);
}

}  // namespace
}  // namespace kvx
