// Article information pages: the line order, the price lines, "g. Menge" and the net conversion.
#include <gtest/gtest.h>

#include "catalogue/article_pages.h"
#include "catalogue/catalogue.h"
#include "tests/support/catalogue_test_support.h"

namespace kvx {
namespace {

// The items of one line, "column:text" joined by " | ".
std::string lineText(const TextPage& page, int line) {
    std::string s;
    for (const TextItem& item : page.items) {
        if (item.line != line) continue;
        if (!s.empty()) s += " | ";
        s += std::to_string(item.column) + ":" + item.text;
    }
    return s;
}

TEST(ArticlePages, NetPriceExamples) {
    struct Row {
        Money gross;
        int key;
        Money net;
    };
    const Row rows[] = {{1190, 1, 1000}, {1000, 2, 930}, {1000, 0, 1000}, {1000, 9, 1000}, {0, 1, 0}};
    for (const Row& r : rows) {
        CatalogueArticle a;
        a.schlumwst = static_cast<std::int16_t>(r.key);
        EXPECT_EQ(netPrice(a, r.gross), r.net) << r.gross << " key " << r.key;
    }
}

TEST(ArticlePages, EquivalentQuantity) {
    CatalogueArticle a;
    a.quantities = {1, 10, 100, 50, 0, 7};
    a.prices = {1000, 800, 790, 0, 500, 400};
    EXPECT_EQ(equivalentQuantity(a, 2), 8);
    EXPECT_EQ(equivalentQuantityText(a, 2), "   8(0.80)");
    EXPECT_EQ(equivalentQuantity(a, 3), 99) << "100 * 790 / 800 = 98.75, rounded up";
    EXPECT_EQ(equivalentQuantityText(a, 3), "  99(0.79)");
    EXPECT_EQ(equivalentQuantity(a, 5), 0) << "break 4 has no price";
    EXPECT_EQ(equivalentQuantityText(a, 5), "");
    EXPECT_EQ(equivalentQuantityText(a, 6), "   6(0.43)") << "7 * 400 / 500 = 5.6 -> 6; 500 * 6 / 7 = 428";
    a.quantities[1] = -10;  // damaged threshold: no text, no division by it
    EXPECT_EQ(equivalentQuantityText(a, 2), "");
}

TEST(ArticlePages, BruttoNettoLinesWithoutFurtherBreaks) {
    CatalogueArticle a;
    a.quantities[0] = 1;
    a.prices[0] = 1190;
    a.schlumwst = 1;
    TextPage page;
    EXPECT_EQ(addPriceLines(page, 10, 14, a), 12);
    EXPECT_EQ(lineText(page, 10), "1:Brutto | 14:1.19 €");
    EXPECT_EQ(lineText(page, 11), "1:Netto | 14:1.00 €");
}

TEST(ArticlePages, PriceBreakTable) {
    CatalogueArticle a;
    a.quantities = {1, 10, 0, 0, 0, 100};
    a.prices = {1000, 800, 0, 0, 0, 500};
    a.schlumwst = 2;
    a.stkvpe = 1;
    TextPage page;
    EXPECT_EQ(addPriceLines(page, 1, 14, a), 5);
    EXPECT_EQ(lineText(page, 1), "1:Preisstaffel | 14:ab Menge | 24:Brutto(€) | 34:Netto[€] | 44:g. Menge");
    EXPECT_EQ(lineText(page, 2), "1:Preis1 | 14:1 | 24:1.00 | 34:0.93");
    EXPECT_EQ(lineText(page, 3), "1:Preis2 | 14:10 | 24:0.80 | 34:0.75 | 44:   8(0.80)");
    EXPECT_EQ(lineText(page, 4), "1:Preis6 | 14:100 | 24:0.50 | 34:0.47") << "break 5 has no price: no g. Menge";
}

TEST(ArticlePages, CataloguePage) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem fs;
    Catalogue c;
    ASSERT_TRUE(c.load(fs));
    CatalogueArticle a = c.articles().read(8);
    a.kurzbez = {"BC547", "", "BC547B", "", "TO92-Typ", ""};
    a.beschreib2 = "Geh\xE4use";
    a.artikelstat = 7;
    a.schlue100 = 42;
    a.stkvpe = 100;
    a.dimensions = {doubleToReal48(12.5), doubleToReal48(8), doubleToReal48(3)};
    const TextPage page = catalogueArticlePage(c.groups(), 8, a);
    const char* expected[] = {"1:Art-Nr | 14:8",
                              "1:Ort | 14:G1 Alu",
                              "1:Name | 14:BC547",
                              "1:Weitere Namen | 14:, BC547B, TO92-Typ",
                              "1:Beschreibung | 14:Beschreibung 8; Gehäuse",
                              "1:Status | 14:Status 7",
                              "1:Schlüsssel1 | 14:42",
                              "1:Schlüsssel2 | 14:100",
                              "1:Mwst | 14:19% (St1)",
                              "1:Brutto | 14:1.01% €",
                              "1:Netto | 14:0.85% €",
                              "1:Maße | 14:12.5x8x3"};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(lineText(page, i + 1), expected[i]) << "line " << i + 1;
    EXPECT_EQ(page.lineCount(), 12);

    a.dimensions = {};
    EXPECT_EQ(catalogueArticlePage(c.groups(), 8, a).lineCount(), 11) << "no Maße line without dimensions";
    a.productGroup = 2;
    EXPECT_EQ(lineText(catalogueArticlePage(c.groups(), 8, a), 2), "1:Ort | 14:W2 Metallf") << "cut to 10";
}

TEST(ArticlePages, MyArticlesPage) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem fs;
    Catalogue c;
    ASSERT_TRUE(c.load(fs));
    MyArticlePageValues v;
    v.entryIndex = 4;
    v.articleNumber = 3;
    v.productGroup = 2;
    v.copy = c.articles().read(3);
    v.minStock = 10;
    v.datasheet = "C:/daten/bc547.pdf";
    v.stock = 12;
    v.toOrder = 5;
    const TextPage page = myArticlePage(c.groups(), v);
    EXPECT_EQ(lineText(page, 1), "1:Nr | 16:5");
    EXPECT_EQ(lineText(page, 3), "1:Ort | 16:W2 Metallf");
    EXPECT_EQ(lineText(page, 7), "1:Minbestand | 16:10");
    EXPECT_EQ(lineText(page, 9), "1:Datenblatt | 16:C:/daten/bc547.pdf");
    EXPECT_EQ(lineText(page, 12), "1:Brutto | 16:1.00 €");
    EXPECT_EQ(lineText(page, 14), "1:Aktuell:");
    EXPECT_EQ(lineText(page, 15), "1:Bestand | 16:12");
    EXPECT_EQ(lineText(page, 18), "1:Bestellen | 16:5");
    EXPECT_EQ(lineText(missingMyArticlePage(7), 1), "1:Meine Artikel, Datensatz nicht vorhanden: 7");
}

}  // namespace
}  // namespace kvx
