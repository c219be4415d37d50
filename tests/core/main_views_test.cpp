// Pages of the main window's views: start page, system information with this platform's fallbacks, text
// files, and the information form's height rule.
#include "app/main_views.h"

#include <gtest/gtest.h>

#include <map>

#include "base/clock.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

TEST(StartPage, LinesFontsAndStockBlock) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem fs;
    FixedClock clock({2026, 12, 8}, 0);
    AppState app(fs, clock, dir.path().string() + "/");
    ASSERT_TRUE(app.catalogue.load(fs));
    app.settings.setCatalogueDate(1161030);
    const std::string count = std::to_string(app.catalogue.articleCount());

    StartPage simple = startPage(app);
    ASSERT_EQ(simple.centred.size(), 5u);
    EXPECT_EQ(simple.centred[0].text, "KORVANEX");
    EXPECT_EQ(simple.centred[0].pointSize, 30);
    EXPECT_TRUE(simple.centred[0].italic);
    EXPECT_EQ(simple.centred[1].pointSize, 20);
    EXPECT_FALSE(simple.centred[2].italic);
    EXPECT_EQ(simple.centred[4].text, count + " Artikel, Datenbestand vom 30.10.16")
        << "art.dat has a positive time stamp";
    EXPECT_TRUE(simple.stockBlock.items.empty());
    app.settings.setCatalogueDate(0);
    EXPECT_EQ(articleCountLine(app), count + " Artikel") << "no date stored: no date shown";
    app.settings.setCatalogueDate(1161030);

    app.settings.setStockMode(true);
    ASSERT_TRUE(app.stock.open().empty());
    const std::optional<MyArticleRecord> record = app.stock.makeRecordFor(1);
    ASSERT_TRUE(record);
    ASSERT_TRUE(app.stock.insertMyArticle(*record).ok);
    const std::vector<std::string> lines = textFileLines(startPage(app).stockBlock);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[11], " Meine Artikel:");
    EXPECT_EQ(lines[12], "     Artikel             1");
    EXPECT_EQ(lines[15], "     Verbrauchbuchungen  0");
}

TEST(SystemInformation, WindowsVariablesFirstThenThisPlatformsValues) {
    std::map<std::string, std::string> env{{"USER", "anna"}, {"HOME", "/home/anna"}, {"SHELL", "/bin/bash"}};
    PlatformValues p;
    p.environment = [&](const std::string& name) {
        const auto it = env.find(name);
        return it == env.end() ? std::string() : it->second;
    };
    p.hostName = "werkstatt";
    p.processorCount = 4;
    p.processorName = "x86_64";
    p.osName = "Debian GNU/Linux 12";
    p.osVersion = "6.1.0";
    p.platformId = "linux";
    std::vector<std::string> lines = textFileLines(systemInformation(p));
    const std::vector<std::string> expected{" Prozessor:        x86_64",
                                            " ProzessorZahl:    4",
                                            " Windowsversion:   Debian GNU/Linux 12 Version 6.1.0",
                                            " Win-Plattform:    linux",
                                            " Computername:     werkstatt",
                                            " Windows-Verzeichnis:",
                                            " ComSpec:          /bin/bash",
                                            " Benutzer:         anna",
                                            " Benutzer-Dir:     /home/anna",
                                            " APPDATA-Dir:      "};  // an empty value still moves to column 20
    EXPECT_EQ(lines, expected);
    env["USERNAME"] = "Anna K";
    env["NUMBER_OF_PROCESSORS"] = "8";
    env["COMPUTERNAME"] = "PC1";
    lines = textFileLines(systemInformation(p));
    EXPECT_EQ(lines[1], " ProzessorZahl:    8");
    EXPECT_EQ(lines[4], " Computername:     PC1");
    EXPECT_EQ(lines[7], " Benutzer:         Anna K");
}

TEST(TextFilePage, EncodingsLineEndsAndTabs) {
    struct Row {
        std::string contents;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"", {}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nc\r\n", {"a", "", "c"}},
        {"Gr\xfc\xdf"
         "e 5 \x80",
         {"Grüße 5 €"}},                                // Windows-1252
        {"Grüße 5 €", {"Grüße 5 €"}},                   // already UTF-8
        {"ab\tc\t\td", {"ab      c               d"}},  // tab stops every 8
        {"\xc3", {"Ã"}},                                // a torn UTF-8 sequence is not UTF-8
    };
    for (const Row& r : rows) EXPECT_EQ(textFileLines(textFilePage(r.contents)), r.lines) << r.contents;
}

TEST(InfoForm, HeightRule) {
    struct Row {
        int type, positions, pageLines, lines;
    };
    const Row rows[] = {{kInfoCatalogueArticle, 0, 14, 17},
                        {kInfoMyArticle, 0, 20, 23},
                        {6, 5, 5, 12},
                        {kInfoOrder, 7, 0, 17},
                        {kInfoCalculation, 0, 0, 10},
                        {kInfoDirectOrder, 3, 9, 13},
                        {kInfoStockHistory, 50, 60, 30},
                        {kInfoDemand, -4, 0, 10}};
    for (const Row& r : rows) EXPECT_EQ(infoFormLines(r.type, r.positions, r.pageLines), r.lines) << r.type;
}

TEST(PaintedViews, LineSelection) {
    struct Row {
        int view, line, entries, entry;
    };
    const Row rows[] = {
        {9, 1, 20, -1},  {9, 2, 20, 0},  {9, 21, 20, 19}, {9, 22, 20, -1}, {14, 5, 20, 3},
        {15, 0, 20, -1}, {17, 2, 1, 0},  {17, 3, 1, -1},  {25, 4, 3, 2},   {25, 5, 3, -1},
        {30, 5, 99, -1}, {1, 3, 99, -1}, {13, 4, 20, -1}, {25, -7, 3, -1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(paintedLineEntry(r.view, r.line, r.entries), r.entry) << r.view << " line " << r.line;
}

TEST(Views, ListKindsAndHelpContexts) {
    const std::pair<int, int> kinds[] = {{1, kNoList}, {2, 2},   {3, 3},   {4, 4},        {5, kNoList},
                                         {6, 6},       {10, 10}, {12, 12}, {20, kNoList}, {30, kNoList}};
    for (const auto& [view, kind] : kinds) EXPECT_EQ(listKindOfView(view), kind) << view;
    const std::pair<int, int> contexts[] = {{1, 1},  {6, 6},   {7, 0},   {8, 8},  {12, 12},
                                            {13, 0}, {16, 16}, {18, 18}, {19, 0}, {30, 0}};
    for (const auto& [view, context] : contexts) EXPECT_EQ(helpContextOfView(view), context) << view;
}

}  // namespace
}  // namespace kvx
