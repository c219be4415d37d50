// Text pages written as text-file lines.
#include "base/text_page.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(TextPage, FileLinesPlaceItemsAtTheirColumns) {
    TextPage page;
    page.put(10, 2, "Bestellung");
    page.put(1, 1, "Zelvo");
    page.put(3, 1, "lä");  // overwrites from column 3 on, counting characters
    page.put(1, 4, "Ende");
    const std::vector<std::string> lines = textFileLines(page);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Zeläo");
    EXPECT_EQ(lines[1], "         Bestellung");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Ende");
}

TEST(TextPage, ItemsBeyondTheLineBufferOrOffThePageAreDropped) {
    TextPage page;
    page.put(250, 1, "123456");  // would end at column 255: fits
    page.put(251, 2, "123456");  // would end at column 256: not copied
    page.put(1, 0, "unsichtbar");
    page.put(0, 2, "x");
    const std::vector<std::string> lines = textFileLines(page);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 255u);
    EXPECT_EQ(lines[0].substr(249), "123456");
    EXPECT_EQ(lines[1], "");
}

}  // namespace
}  // namespace kvx
