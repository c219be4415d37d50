// Length-prefixed record texts: clamping, cutting and the zeroed tail.
#include "base/short_string.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvx {
namespace {

TEST(ShortString, WriteThenReadRows) {
    struct Row {
        std::string text;
        std::size_t capacity;
        std::string expected;
    };
    const Row rows[] = {
        {"", 10, ""},
        {"BC547B", 10, "BC547B"},
        {"0123456789", 10, "0123456789"},
        {"0123456789ABC", 10, "0123456789"},
        {std::string(300, 'x'), 255, std::string(255, 'x')},
        {"x", 0, ""},
    };
    for (const auto& row : rows) {
        std::vector<std::uint8_t> rec(row.capacity + 3, 0xAA);
        writeShortString(rec.data(), 1, row.capacity, row.text);
        EXPECT_EQ(rec[0], 0xAA) << "byte before the field touched";
        EXPECT_EQ(rec[row.capacity + 2], 0xAA) << "byte after the field touched";
        EXPECT_EQ(rec[1], row.expected.size());
        for (std::size_t i = 2 + row.expected.size(); i < row.capacity + 2; ++i) EXPECT_EQ(rec[i], 0) << i;
        EXPECT_EQ(readShortString(rec.data(), 1, row.capacity), row.expected);
    }
}

TEST(ShortString, DamagedLengthIsClampedToTheCapacity) {
    std::vector<std::uint8_t> rec = {200, 'a', 'b', 'c', 'd', 'e'};
    EXPECT_EQ(readShortString(rec.data(), 0, 5), "abcde");
    rec[0] = 2;
    EXPECT_EQ(readShortString(rec.data(), 0, 5), "ab");
}

TEST(ShortString, CutText) {
    EXPECT_EQ(cutText("Kondensator", 5), "Konde");
    EXPECT_EQ(cutText("Kon", 5), "Kon");
    EXPECT_EQ(cutText("", 0), "");
}

}  // namespace
}  // namespace kvx
