// Rows of the stock pages: cells placed at their columns (numbers flagged to be drawn flush right), titles
// and cells cut or pushed on as the text file shows them.
#include "stock/report_text.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

const std::vector<ListColumn> kColumns = {
    {"Nr", 4, false}, {"Name", 8, false}, {"Menge", 6, true}, {"GesBrutto", 7, true}};

TEST(ReportRow, CellsAtTheirColumnsAndTheTextFileLine) {
    TextPage page;
    putTitleRow(page, 1, 1, kColumns);
    putRow(page, 1, 2, kColumns, {"12", "Widerstände", "5", "3.50"});
    // A right-aligned cell longer than its column pushes the rest on instead of being cut; a missing cell is
    // empty and puts nothing.
    putRow(page, 3, 3, kColumns, {"1", "R", "1234567"});
    const std::vector<std::string> lines = textFileLines(page);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], " Nr  Name    MengeGesBrutto");
    EXPECT_EQ(lines[1], " 12  Widerst     5   3.50");
    EXPECT_EQ(lines[2], "   1   R      1234567");

    // Line 2 cell by cell: the left-aligned cells from their column's start, the numbers where their text
    // starts and drawn flush right.
    std::vector<TextItem> row2;
    for (const TextItem& item : page.items)
        if (item.line == 2) row2.push_back(item);
    ASSERT_EQ(row2.size(), 4u);
    EXPECT_EQ(row2[0].column, 1);
    EXPECT_FALSE(row2[0].rightAligned);
    EXPECT_EQ(row2[1].column, 5);
    EXPECT_EQ(row2[1].text, " Widerst");
    EXPECT_EQ(row2[2].column, 18);
    EXPECT_EQ(row2[2].text, "5");
    EXPECT_TRUE(row2[2].rightAligned);
    EXPECT_EQ(row2[3].column, 22);
    EXPECT_TRUE(row2[3].rightAligned);
}

}  // namespace
}  // namespace kvx
