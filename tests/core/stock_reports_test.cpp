// The reports: stock history (order of the events, documents that have not taken effect, several positions
// of one article), the stock value report (groups beyond 30, prices per hundred, groups without stock), the
// cost centre overview and details, and the information page of a record that cannot be read.
#include "stock/stock_reports.h"

#include <gtest/gtest.h>

#include "stock/cost_reports.h"
#include "tests/support/fake_ui.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

using test::StockWorld;

struct Fixture {
    StockWorld w;
    StockSession s{w.ram, w.clock, w.settings, w.catalogue, "meinart"};
    explicit Fixture(const std::function<void(StockWorld&)>& setup) {
        setup(w);
        EXPECT_TRUE(s.open().empty());
    }
};

std::vector<std::string> lines(const TextPage& page) {
    return textFileLines(page);
}

TEST(StockHistory, EventsInDateAndKindOrderWithRunningValues) {
    Fixture f([](StockWorld& w) {
        // Record 1 (article 5): stock 12, demand 4 today.
        w.putMyArticles({w.record(3), w.record(5, 12, 4)});
        w.putDocuments(BookingFile::Orders,
                       {StockWorld::document(2, 1261120, 1261201, 0, {{1, 10, 10}}),       // ordered 20.11., in 1.12.
                        StockWorld::document(1, 1261201, 0, 0, {{1, 3}, {0, 9}, {1, 2}}),  // ordered 1.12.
                        StockWorld::document(0, 0, 0, 0, {{1, 8}})});                      // in work: skipped
        w.putDocuments(BookingFile::Demand, {StockWorld::document(2, 1261201, 1261205, 3, {{1, 6}}),  // applied 1.12.
                                             StockWorld::document(2, 0, 1270301, 3, {{1, 50}})});  // deferred: skipped
        w.putDocuments(BookingFile::Consumption,
                       {StockWorld::document(2, 0, 1261201, 4, {{1, 2}}),    // 1.12. at offset 8
                        StockWorld::document(2, 0, 1261203, 0, {{0, 7}}),    // another article
                        StockWorld::document(0, 0, 1261204, 4, {{1, 1}})});  // in work: skipped
    });
    const std::vector<HistoryEvent> events = historyEvents(f.s, 1);
    ASSERT_EQ(events.size(), 5u);
    const HistoryKind kinds[] = {HistoryKind::Receipt, HistoryKind::Demand, HistoryKind::Consumption,
                                 HistoryKind::Order, HistoryKind::Order};
    const std::int64_t quantities[] = {10, 6, 2, 5, 10};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, kinds[i]) << i;
        EXPECT_EQ(events[i].quantity, quantities[i]) << i;
    }
    const std::vector<std::string> page = lines(stockHistoryPage(f.s, f.w.centres, f.w.clock, 1));
    const std::vector<std::string> expected = {
        "Artikel 2: (ArtNr.:5) ART5",
        " Datum     Art          Kst-St.     Menge  Bestand   Bedarf",
        " 08.12.26                                       12        4",
        " 01.12.26  Lieferung 1                 10       12        4",
        " 01.12.26  Bedarf 1     Projekt3        6        2       14",
        " 01.12.26  Verbrauch 1  Projekt4        2        2        8",
        " 01.12.26  Bestellung 2                 5        4       10",
        " 20.11.26  Bestellung 1                10        4       10",
        "",
        kHistoryDemandNote,
    };
    EXPECT_EQ(page, expected);
}

TEST(StockHistory, WithoutBookingsOnlyToday) {
    Fixture f([](StockWorld& w) { w.putMyArticles({w.record(3, -2, 7)}); });
    const std::vector<std::string> page = lines(stockHistoryPage(f.s, f.w.centres, f.w.clock, 0));
    ASSERT_EQ(page.size(), 5u);
    EXPECT_EQ(page[2], " 08.12.26                                       -2        7");
    EXPECT_EQ(lines(stockHistoryPage(f.s, f.w.centres, f.w.clock, 5))[0],
              "Meine Artikel, Datensatz nicht vorhanden: 5");
}

TEST(StockValue, GroupsOfTheCatalogueWithStockOnly) {
    Fixture f([](StockWorld& w) {
        MyArticleRecord perHundred = w.record(9, 250);  // group 2, 12000 per hundred
        putI16(perHundred.articleCopy.data(), 238, 100);
        putI32(perHundred.articleCopy.data(), 264, 12000);
        MyArticleRecord farGroup = w.record(8, 5);
        farGroup.mainGroup = 3;  // beyond the two main groups of the catalogue: left out
        w.putMyArticles({w.record(1, 2), w.record(3, 0), w.record(4, -3), w.record(5, 1), farGroup, perHundred});
    });
    const StockValue v = stockValue(f.s, f.w.catalogue.groups());
    ASSERT_EQ(v.groups.size(), 3u);
    EXPECT_EQ(v.groups[1].articles, 2);
    EXPECT_EQ(v.groups[1].pieces, 3);
    EXPECT_EQ(v.groups[1].gross, 2 * 1001 + 1005);
    EXPECT_EQ(v.groups[2].articles, 1);
    EXPECT_EQ(v.groups[2].gross, 250 * 12000 / 100);
    EXPECT_EQ(v.groups[2].net, 25210) << "30000 / 1.19, whole cents";
    const std::vector<std::string> page = lines(stockValuePage(f.s, f.w.catalogue.groups(), f.w.clock));
    EXPECT_EQ(page[0], "Waren-Bestand per 08.12.26");
    EXPECT_EQ(page[2], " Gruppe                 Posit.   Artikel Brutto(€)  Netto(€)");
    // Net per article (2002 -> 1.68, 1005 -> 0.84), summed.
    EXPECT_EQ(page[4], " 1 A Bauelemente             2         3      3.01      2.52");
    EXPECT_EQ(page[5], " 2 B Mechanik                1       250     30.00     25.21");
    EXPECT_EQ(page[7], " Summe                                       33.01     27.73");

    // Written as a text file in Windows-1252 with CR LF.
    test::RamFileSystem textFs;
    test::FakeUi ui;
    ui.answers = {std::string("TEXTE/Warenbestand.TXT")};
    ASSERT_TRUE(saveStockValueAsText(f.s, textFs, f.w.catalogue.groups(), f.w.clock, f.w.settings, ui));
    EXPECT_EQ(ui.lastFileRequest.title, "Daten als Text speichern");
    const std::string bytes = textFs.get("TEXTE/Warenbestand.TXT");
    EXPECT_EQ(bytes.substr(0, 28), "Waren-Bestand per 08.12.26\r\n");
    EXPECT_NE(bytes.find("Brutto(\x80)  Netto(\x80)\r\n"), std::string::npos);
}

TEST(CostReports, OverviewAndDetailsOfTheSelectedCostCentre) {
    Fixture f([](StockWorld& w) {
        MyArticleRecord perHundred = w.record(9);
        putI16(perHundred.articleCopy.data(), 238, 100);
        putI32(perHundred.articleCopy.data(), 264, 12000);
        w.putMyArticles({w.record(3), w.record(5), perHundred});
        w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 2, {{0, 3}, {2, 250}}),
                                             StockWorld::document(2, 1261201, 0, 2, {{0, 1}}),
                                             StockWorld::document(2, 1261201, 0, 450, {{1, 1}})});
        w.putDocuments(BookingFile::Consumption, {StockWorld::document(2, 0, 1261201, 6, {{1, 4}}),
                                                  StockWorld::document(0, 0, 0, 2, {{0, 2}, {7, 5}})});
        w.centres.setActive(6, true, w.settings);
    });
    f.w.centres.select(6);
    const ListContent overview = costCentreOverview(f.s, f.w.centres, f.w.settings);
    ASSERT_EQ(overview.rows.size(), 4u);
    EXPECT_EQ(overview.rows[0].cells, (std::vector<std::string>{"2 Projekt2", "Inaktiv", "254.00", "7.00"}));
    EXPECT_EQ(overview.rows[1].cells, (std::vector<std::string>{"6 Projekt6", "Aktiv", "0.00", "4.00"}));
    EXPECT_EQ(overview.rows[2].cells, (std::vector<std::string>{"450 ", "Inaktiv", "1.00", "0.00"}))
        << "a cost centre beyond the names is still counted";
    EXPECT_EQ(overview.rows[3].cells, (std::vector<std::string>{"Summe", "", "255.00", "11.00"}));
    EXPECT_EQ(overview.selectedRow, 1);

    f.w.centres.select(2);
    std::vector<std::string> page = lines(costDetailsPage(f.s, f.w.centres, f.w.settings));
    EXPECT_EQ(page[0], "Kostenstelle 2 Projekt2  Positionen:2");
    // Record 0: planned 4 (in work and booked alike), actual 2 at 1003; record 2: 250 at 12000 per hundred.
    EXPECT_EQ(page[3], "      1      3 ART3           Beschreibung 3             4      2   4.01   2.01");
    EXPECT_EQ(page[4], "      3      9 ART9           Beschreibung 9           250      0  30.00   0.00");
    EXPECT_EQ(page[5], "               Summe                                               34.01   2.01");
    // With the net-price display the values are net amounts; the total stays gross.
    std::string block(reinterpret_cast<const char*>(f.w.settings.data()), SettingsRecord::kSize);
    block[SettingsRecord::kPriceDisplay] = 1;
    f.w.settings.loadBytes(block);
    page = lines(costDetailsPage(f.s, f.w.centres, f.w.settings));
    EXPECT_EQ(page[3].substr(page[3].size() - 14), "   3.37   1.69");
    EXPECT_EQ(page[5].substr(page[5].size() - 14), "  34.01   2.01");
    stepCostCentre(f.w.centres, -1);
    stepCostCentre(f.w.centres, -1);
    stepCostCentre(f.w.centres, -1);
    EXPECT_EQ(f.w.centres.selected(), 0);
    page = lines(costDetailsPage(f.s, f.w.centres, f.w.settings));
    EXPECT_EQ(page[0], "Kostenstelle 0 Allgemein  Positionen:0");
    EXPECT_EQ(page.size(), 3u) << "no rows, no total";
}

TEST(InfoPage, RecordAndMissingRecord) {
    Fixture f([](StockWorld& w) { w.putMyArticles({w.record(3, 5, 1, 2)}); });
    const std::vector<std::string> page = lines(myArticleInfoPage(f.s, f.w.catalogue.groups(), 0));
    EXPECT_EQ(page[0].substr(0, 2), "Nr");
    EXPECT_NE(std::find(page.begin(), page.end(), "Bestand        5"), page.end());
    EXPECT_EQ(lines(myArticleInfoPage(f.s, f.w.catalogue.groups(), 1)),
              std::vector<std::string>{"Meine Artikel, Datensatz nicht vorhanden: 1"});
}

}  // namespace
}  // namespace kvx
