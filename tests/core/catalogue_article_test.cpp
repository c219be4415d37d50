// The article table and the article's texts and list rows.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_article.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"

namespace kvx {
namespace {

TEST(ArticleTable, ReadsByPositionAndZeroBeyondTheCount) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem fs;
    ArticleTable t;
    EXPECT_FALSE(t.open(fs, "fehlt.dat"));
    ASSERT_TRUE(t.open(fs));
    EXPECT_EQ(t.count(), 10);
    EXPECT_GT(t.modificationTime(), 0);
    EXPECT_EQ(t.read(3).kurzbez[0], "ART3");
    EXPECT_EQ(t.read(10), CatalogueArticle{});
    EXPECT_EQ(t.read(65535), CatalogueArticle{});
    EXPECT_EQ(t.readWorkingCopy(10), Bytes(288, 0));
    const Bytes copy = t.readWorkingCopy(2);
    ASSERT_EQ(copy.size(), 288u);
    EXPECT_EQ(CatalogueArticle::decode(copy).kurzbez[0], "ART2");
}

TEST(ArticleTable, SelectableNumbersAndTheWrongNumberMessage) {
    test::FakeUi ui;
    struct Row {
        long n;
        bool rightClick;
        const char* message;  // nullptr: accepted
    };
    // Record 0 is the catalogue's first article: selectable like every other record below the count.
    const Row rows[] = {{0, false, nullptr},
                        {0, true, nullptr},
                        {1, false, nullptr},
                        {9, false, nullptr},
                        {10, false, "info: Falsche Artikelnr:10 10"},
                        {10, true, "info: Falsche Artikelnr:10"},
                        {-1, true, "info: Falsche Artikelnr:-1"},
                        {-1, false, "info: Falsche Artikelnr:-1 10"},
                        {65536, false, "info: Falsche Artikelnr:65536 10"}};
    for (const Row& r : rows) {
        ui.log.clear();
        EXPECT_EQ(checkArticleNumber(r.n, 10, r.rightClick, ui), r.message == nullptr) << r.n;
        if (r.message) {
            ASSERT_EQ(ui.log.size(), 1u);
            EXPECT_EQ(ui.log[0], r.message);
        } else {
            EXPECT_TRUE(ui.log.empty());
        }
    }
}

TEST(ArticleTable, SelectingAListRowTakesTheGroupNumbers) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem fs;
    ArticleTable t;
    ASSERT_TRUE(t.open(fs));
    test::FakeUi ui;
    ArticleSelection current{4, 1, 1, 2};
    ASSERT_TRUE(selectListArticle(t, 6, false, ui, current));
    EXPECT_EQ(current.number, 6);
    EXPECT_EQ(current.productGroup, 3);
    EXPECT_EQ(current.upperGroup, 2);
    EXPECT_EQ(current.mainGroup, 1);
    EXPECT_FALSE(selectListArticle(t, 10, false, ui, current));
    EXPECT_EQ(current.number, 6) << "a wrong number changes nothing";
    EXPECT_EQ(ui.log, (std::vector<std::string>{"info: Falsche Artikelnr:10 10"}));
    ui.log.clear();
    ASSERT_TRUE(selectListArticle(t, 0, false, ui, current)) << "the first record is the first article";
    EXPECT_EQ(current.number, 0);
    EXPECT_EQ(current.productGroup, 1);
    EXPECT_EQ(current.mainGroup, 1);
    EXPECT_TRUE(ui.log.empty());
    EXPECT_TRUE(t.isSelectable(0));
    EXPECT_TRUE(t.isSelectable(9));
    EXPECT_FALSE(t.isSelectable(10));
    EXPECT_FALSE(t.isSelectable(-1));
}

TEST(ArticleTexts, StatusVatAndDescription) {
    const std::pair<int, const char*> statuses[] = {{1, "Lager"},   {2, "Abverkauf"}, {3, "Bestell"},
                                                    {4, "Auslauf"}, {7, "Status 7"},  {0, "Status 0"}};
    for (const auto& [s, text] : statuses) EXPECT_EQ(statusText(s), text);
    EXPECT_EQ(vatText(1), "19% (St1)");
    EXPECT_EQ(vatText(2), "7% (St2)");
    EXPECT_EQ(vatText(0), "StSchlü 0");
    EXPECT_EQ(vatText(-3), "StSchlü -3");

    CatalogueArticle a;
    a.beschreib1 = "Kohleschicht 0,25W";
    EXPECT_EQ(descriptionText(a), "Kohleschicht 0,25W");
    a.beschreib2 = "5% \xB5";
    EXPECT_EQ(descriptionText(a), "Kohleschicht 0,25W; 5% µ");
}

TEST(ArticleTexts, ListPrice) {
    struct Row {
        std::array<Money, 6> prices;
        int vatKey;
        int stkvpe;
        bool net;
        const char* text;
    };
    const Row rows[] = {
        {{0, 0, 0, 0, 0, 0}, 1, 1, false, "0.00"},      {{0, 0, 0, 0, 0, 0}, 1, 100, false, "0.00%"},
        {{0, 1250, 900, 0, 0, 0}, 1, 1, false, "1.25"}, {{1190, 0, 0, 0, 0, 0}, 1, 1, true, "1.00"},
        {{1000, 0, 0, 0, 0, 0}, 2, 1, true, "0.93"},    {{1000, 0, 0, 0, 0, 0}, 5, 2, true, "1.00%"},
        {{-5, 0, 0, 0, 0, 0}, 0, 1, false, "-0.01"},
    };
    for (const Row& r : rows) {
        CatalogueArticle a;
        a.prices = r.prices;
        a.schlumwst = static_cast<std::int16_t>(r.vatKey);
        a.stkvpe = static_cast<std::int16_t>(r.stkvpe);
        EXPECT_EQ(listPriceText(a, r.net), r.text) << r.prices[0] << "/" << r.prices[1];
    }
}

TEST(CatalogueList, ColumnsRowsFilterAndCap) {
    const auto gross = catalogueListColumns(false);
    ASSERT_EQ(gross.size(), 7u);
    EXPECT_EQ(gross[5].title, "BPreis(€)");
    EXPECT_EQ(catalogueListColumns(true)[5].title, "NPreis(€)");
    EXPECT_EQ(gross[0].width, 4);
    EXPECT_TRUE(gross[1].rightAligned);
    EXPECT_FALSE(gross[4].rightAligned);
    EXPECT_EQ(gross[4].width, 40);

    test::TempDir dir;
    PosixFileSystem fs;
    std::vector<Bytes> recs;
    const int statuses[] = {1, 2, 7, 0, 3};
    for (int i = 0; i < 5; ++i) {
        CatalogueArticle a;
        a.wgId = "W" + std::to_string(i);
        a.kurzbez[0] = "N" + std::to_string(i);
        a.beschreib1 = "B\xE4" + std::to_string(i);
        if (i == 1) a.beschreib2 = "zwei";
        if (i == 4) a.dimensions[0] = doubleToReal48(5);
        a.artikelstat = static_cast<std::uint8_t>(statuses[i]);
        a.stkvpe = 100;
        recs.push_back(a.encode());
    }
    test::writeRecordFile(dir, "art.dat", recs);
    ArticleTable t;
    ASSERT_TRUE(t.open(fs));
    const StatusFilter all{1, 1, 1, 1, 1};
    auto rows = catalogueListRows(t, 0, 5, all, false);
    ASSERT_EQ(rows.size(), 6u) << "index 5 lies beyond the count and shows the zero record";
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2", "1", "W1", "N1", "Bä1; zwei", "0.00%", "Abverkauf"}));
    EXPECT_EQ(rows[2].cells[6], "Status 7");
    EXPECT_EQ(rows[4].cells[4], "Bä4 Maße!");
    EXPECT_EQ(rows[5].articleNumber, 5);

    // Lager and Bestell filtered out; status 0 and 7 always pass; "Nr" counts the rows shown.
    rows = catalogueListRows(t, 0, 4, StatusFilter{0, 1, 0, 1, 1}, false);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].articleNumber, 1);
    EXPECT_EQ(rows[2].articleNumber, 3);
    EXPECT_EQ(rows[2].cells[0], "3");

    EXPECT_TRUE(catalogueListRows(t, 0, 1001, all, false).empty()) << "1002 records are refused";
    EXPECT_EQ(catalogueListRows(t, 0, 1000, all, false).size(), 1001u);
    EXPECT_TRUE(catalogueListRows(t, 3, 2, all, false).empty());
    EXPECT_EQ(catalogueListRows(t, -1, 0, all, false).size(), 1u) << "a span starting at 0 gives index -1";
}

}  // namespace
}  // namespace kvx
