// The My Articles operations: the list with its columns, adding an article with both questions and the entry
// dialog, editing, the datasheet and link commands with their questions and informations, the link offered
// for an article without one, the recent links, and the current documents held by the session.
#include "stock/my_article_commands.h"

#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "tests/support/fake_ui.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

struct World : test::StockWorld {
    std::unique_ptr<StockSession> session;
    test::FakeUi ui;

    World() {
        settings.setStockMode(true);
        open();
    }
    void open() {
        session = std::make_unique<StockSession>(ram, clock, settings, catalogue, "meinart", "dirbest.dat");
        EXPECT_TRUE(session->open().empty());
    }
    // Adds article a through "Zu meine Artikel" with the dialog confirming `edit`.
    void add(
        ArticleNumber a, std::function<bool(MyArticleRecord&)> edit = [](MyArticleRecord&) { return true; }) {
        ui.answers.push_back(true);
        ui.answers.push_back(test::EntryDialogAnswer{std::move(edit)});
        ASSERT_TRUE(addToMyArticles(*session, ui, ui, a));
    }
};

TEST(MyArticlesList, ColumnsAndRows) {
    World w;
    w.add(5, [](MyArticleRecord& r) {
        r.stock = 0;
        r.minimumStock = 10;
        r.remark = "Regal \xE4";  // Windows-1252
        r.datasheet = "/daten/r.pdf";
        return true;
    });
    w.add(2);
    const ListContent gross = myArticlesListContent(*w.session, w.catalogue.groups(), false);
    std::vector<std::string> titles;
    for (const ListColumn& c : gross.columns) titles.push_back(c.title + "/" + std::to_string(c.width));
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Nr/5", "Art-Nr/7", "Ort/12", "Name/22", "Beschreibung/35", "BPreis(€)/9",
                                        "Bestand/8", "Bestellen/10", "Bestellt/8", "Bedarf/8", "MinBstd/8", "MinBMen/8",
                                        "Lieferzeit/8", "Datenbl/9", "Bemerkung/60"}));
    ASSERT_EQ(gross.rows.size(), 2u);
    EXPECT_EQ(gross.rows[0].cells, (std::vector<std::string>{"1", "2", "W2 Metallf", "ART2", "Beschreibung 2", "1.00",
                                                             "0", "", "", "", "", "1", "0", "-", ""}));
    EXPECT_EQ(gross.rows[0].datum, 0u);
    // Quantity to order computed on OK: minimum stock 10 against stock 0.
    EXPECT_EQ(gross.rows[1].cells, (std::vector<std::string>{"2", "5", "K1 Keramik", "ART5", "Beschreibung 5", "1.01",
                                                             "0", "10", "", "", "10", "1", "0", "X", "Regal ä"}));
    const ListContent net = myArticlesListContent(*w.session, w.catalogue.groups(), true);
    EXPECT_EQ(net.columns[5].title, "NPreis(€)");
    EXPECT_EQ(net.rows[0].cells[5], "0.84") << "1.002 / 1.19 = 0.842, whole cents";
}

TEST(MyArticlesList, PricePerHundredDamagedBreakAndUnknownGroup) {
    World w;
    w.add(3);
    MyArticleRecord r = *w.session->readMyArticle(0);
    CatalogueArticle a = r.article();
    a.stkvpe = 100;
    Bytes copy(CatalogueArticle::kRecordSize, 0);
    a.encode(copy.data());
    std::copy_n(copy.begin(), MyArticleRecord::kCopySize, r.articleCopy.begin());
    r.goodsGroup = 99;
    ASSERT_TRUE(w.session->writeMyArticle(0, r).ok);
    ListContent c = myArticlesListContent(*w.session, w.catalogue.groups(), false);
    EXPECT_EQ(c.rows[0].cells[5], "1.00%");
    EXPECT_EQ(c.rows[0].cells[2], "?");
    r.priceBreakIndex = 7;
    ASSERT_TRUE(w.session->writeMyArticle(0, r).ok);
    c = myArticlesListContent(*w.session, w.catalogue.groups(), false);
    EXPECT_EQ(c.rows[0].cells[5], "") << "no price of a break that does not exist";
}

TEST(MyArticlesCommands, AddingAsksAndInsertsInOrderOrEditsThePresentOne) {
    World w;
    // Declined, then cancelled in the dialog: nothing is added.
    w.ui.answers = {false, true, test::Cancel{}};
    EXPECT_FALSE(addToMyArticles(*w.session, w.ui, w.ui, 4));
    EXPECT_FALSE(addToMyArticles(*w.session, w.ui, w.ui, 4));
    EXPECT_EQ(w.session->myArticleCount(), 0u);
    EXPECT_EQ(w.ui.log, (std::vector<std::string>{"ask[]: Artikel 4:ART4 zu Meine Artikel hinzufügen? -> Nein",
                                                  "ask[]: Artikel 4:ART4 zu Meine Artikel hinzufügen? -> Ja",
                                                  "dialog: ART4 -> Abbruch"}));
    EXPECT_EQ(w.ui.lastEntryRequest.caption, "ART4");
    w.add(4);
    w.add(1);
    EXPECT_EQ(w.session->index().numbers(), (std::vector<ArticleNumber>{1, 4}));
    // Present already: asks to change, and the edit goes to the record in place.
    w.ui.log.clear();
    w.ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord& r) {
                        r.stock = -1000;
                        return true;
                    }}};
    EXPECT_TRUE(addToMyArticles(*w.session, w.ui, w.ui, 4));
    EXPECT_EQ(w.ui.log.front(), "ask[]: Artikel 4:ART4 bereits vorhanden. Ändern? -> Ja");
    EXPECT_EQ(w.session->myArticleCount(), 2u);
    EXPECT_EQ(w.session->readMyArticle(1)->stock, -1000);
    // Numbers outside the catalogue do nothing (record 0 is a real article).
    const std::size_t said = w.ui.log.size();
    for (ArticleNumber a : {10, 65535}) EXPECT_FALSE(addToMyArticles(*w.session, w.ui, w.ui, a));
    EXPECT_EQ(w.ui.log.size(), said);
}

TEST(MyArticlesCommands, UsingAnArticleAddsItOnceAndNamesItsRecord) {
    World w;
    w.add(6);
    w.ui.log.clear();
    w.ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord&) { return true; }}, true, false};
    EXPECT_EQ(useArticle(*w.session, w.ui, w.ui, 2), std::optional<std::uint32_t>(0));
    EXPECT_EQ(useArticle(*w.session, w.ui, w.ui, 6), std::optional<std::uint32_t>(1));
    EXPECT_EQ(useArticle(*w.session, w.ui, w.ui, 6), std::nullopt);
    EXPECT_EQ(w.ui.log,
              (std::vector<std::string>{
                  "ask[]: Artikel 2:ART2 verwenden? -> Ja", "dialog: ART2 -> OK",
                  "info: Artikel wurde zu Meine Artikel hinzugefügt", "ask[]: Artikel 6:ART6 verwenden? -> Ja",
                  "info: Der Artikel ist bereits in Meine Artikel", "ask[]: Artikel 6:ART6 verwenden? -> Nein"}));
}

TEST(MyArticlesCommands, TheEntryDialogRecomputesTheQuantityToOrderAndKeepsRangesAndLinks) {
    World w;
    w.add(3, [](MyArticleRecord& r) {
        r.minimumStock = 60000;
        r.minimumOrderQuantity = 25;
        r.stock = -1000;
        return true;
    });
    MyArticleRecord r = *w.session->readMyArticle(0);
    EXPECT_EQ(r.quantityToOrder, 61000) << "60000 + 0 - (-1000) - 0, beyond 16-bit signed";
    // The generated link is offered first and selected, and OK stores it with the record and the settings.
    const std::string link = "https://duckduckgo.com/?q=ART3";
    EXPECT_EQ(w.ui.lastEntryRequest.links, (std::vector<std::string>{link}));
    EXPECT_EQ(w.ui.lastEntryRequest.selectedLink, 0);
    EXPECT_EQ(w.ui.lastEntryRequest.datasheetFolder, "c:\\download\\datenblatt");
    EXPECT_EQ(r.link, link);
    EXPECT_EQ(recentLinks(w.settings), (std::vector<std::string>{link}));
    // A record the dialog returned outside its ranges is not stored.
    w.ui.answers = {test::EntryDialogAnswer{[](MyArticleRecord& x) {
        x.deliveryTime = 251;
        return true;
    }}};
    EXPECT_FALSE(runEntryDialog(r, w.settings, w.ui));
    EXPECT_EQ(r.deliveryTime, 0);
}

TEST(MyArticlesCommands, EditingWritesOnlyOnOk) {
    World w;
    w.add(7);
    const Bytes before = w.session->readMyArticle(0)->encode();
    w.ui.answers = {test::Cancel{}};
    EXPECT_FALSE(editMyArticle(*w.session, w.ui, w.ui, 0));
    EXPECT_EQ(w.session->readMyArticle(0)->encode(), before);
    w.ui.answers = {test::EntryDialogAnswer{[](MyArticleRecord& r) {
        r.remark = "neu";
        return true;
    }}};
    EXPECT_TRUE(editMyArticle(*w.session, w.ui, w.ui, 0));
    EXPECT_EQ(w.session->readMyArticle(0)->remark, "neu");
    w.ui.log.clear();
    EXPECT_FALSE(editMyArticle(*w.session, w.ui, w.ui, 1));
    EXPECT_EQ(w.ui.log, (std::vector<std::string>{"info: Meine Artikel, Datensatz nicht vorhanden: 1"}));
}

TEST(MyArticlesCommands, DatasheetAndLinkAskBeforeTheShell) {
    World w;
    w.add(2);
    w.add(8, [](MyArticleRecord& r) {
        r.datasheet = "/daten/blatt.pdf";
        r.link = "";
        return true;
    });
    // The dialog stored the generated link for 8; clear it again to see the search address used.
    MyArticleRecord r8 = *w.session->readMyArticle(1);
    r8.link.clear();
    ASSERT_TRUE(w.session->writeMyArticle(1, r8).ok);
    w.ui.log.clear();
    struct Row {
        const char* what;
        std::uint32_t record;
        std::vector<test::Answer> answers;
        std::vector<std::string> said;
    };
    const Row rows[] = {
        {"datasheet", 0, {}, {"info: NR 1 Artnr:2 ART2 Kein Datenblatt"}},
        {"datasheet", 2, {}, {"info: NR 3 Kein Datenblatt"}},
        {"datasheet", 1, {false}, {"ask[]: ART8; Datenblatt zeigen: /daten/blatt.pdf -> Nein"}},
        {"datasheet",
         1,
         {true, false},
         {"ask[]: ART8; Datenblatt zeigen: /daten/blatt.pdf -> Ja",
          "ask[]: Internetverbindung erforderlich. Fortsetzen? -> Nein"}},
        {"datasheet",
         1,
         {true, true},
         {"ask[]: ART8; Datenblatt zeigen: /daten/blatt.pdf -> Ja",
          "ask[]: Internetverbindung erforderlich. Fortsetzen? -> Ja", "shell: /daten/blatt.pdf"}},
        {"link", 2, {}, {"info: NR 3 Kein Link"}},
        {"link",
         0,
         {true, true},
         {"ask[]: ART2; Internetlink zeigen/suchen: https://duckduckgo.com/?q=ART2 -> Ja",
          "ask[]: Internetverbindung erforderlich. Fortsetzen? -> Ja", "shell: https://duckduckgo.com/?q=ART2"}},
        {"link",
         1,
         {true, true},
         {"ask[]: ART8; Internetlink zeigen/suchen: https://duckduckgo.com/?q= -> Ja",
          "ask[]: Internetverbindung erforderlich. Fortsetzen? -> Ja", "shell: https://duckduckgo.com/?q="}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.what) + " " + std::to_string(row.record));
        w.ui.log.clear();
        w.ui.answers.assign(row.answers.begin(), row.answers.end());
        if (std::string(row.what) == "datasheet")
            showDatasheet(*w.session, w.ui, row.record);
        else
            showLink(*w.session, w.ui, row.record);
        std::vector<std::string> said;
        for (const std::string& l : w.ui.log)
            if (l.rfind("shell", 0) == 0 || l.rfind("ask", 0) == 0 || l.rfind("info", 0) == 0) said.push_back(l);
        EXPECT_EQ(said, row.said);
        EXPECT_TRUE(w.ui.answers.empty());
    }
}

TEST(MyArticleLinks, DefaultLinkAndRecentList) {
    struct Row {
        std::string address, name, link;
    };
    const Row rows[] = {
        {"https://duckduckgo.com/?q=", "BC547", "https://duckduckgo.com/?q=BC547"},
        {"https://www.example.org", "R 10k \xB5", "https://www.example.org/search?q=R%2010k%20%C2%B5"},
        {"https://www.example.org/", "a&b", "https://www.example.org/search?q=a%26b"},
        {"https://s.example/find?name=", "x", "https://s.example/find?name=x"},
    };
    for (const Row& r : rows) EXPECT_EQ(defaultLink(r.address, r.name), r.link) << r.name;
    EXPECT_EQ(defaultLink("https://x/?q=", std::string(200, 'a')).size(), 120u);

    SettingsRecord s;
    enterRecentLink(s, "");
    EXPECT_FALSE(s.dirty()) << "an empty link changes nothing";
    for (int i = 1; i <= 20; ++i) enterRecentLink(s, "L" + std::to_string(i));
    EXPECT_EQ(recentLinks(s).size(), 20u);
    EXPECT_EQ(recentLinks(s).front(), "L20");
    s.setDirty(false);
    enterRecentLink(s, "L20");
    EXPECT_FALSE(s.dirty()) << "the first link again leaves the list as it is";
    enterRecentLink(s, "L5");
    std::vector<std::string> links = recentLinks(s);
    EXPECT_EQ(links[0], "L5");
    EXPECT_EQ(links[1], "L20");
    EXPECT_EQ(links.size(), 20u);
    EXPECT_TRUE(s.dirty());
    enterRecentLink(s, "NEW");
    links = recentLinks(s);
    EXPECT_EQ(links.size(), 20u);
    EXPECT_EQ(links.front(), "NEW");
    EXPECT_EQ(links.back(), "L2") << "the oldest one dropped off";

    const LinkChoices found = linkChoices({"a", "b", "a"}, "a");
    EXPECT_EQ(found.lines, (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_EQ(found.selected, 2) << "of equal entries the last counts";
    const LinkChoices missing = linkChoices({"a", "b"}, "c");
    EXPECT_EQ(missing.lines, (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(missing.selected, 0);
}

TEST(StockSessionCurrentDocuments, WrittenBackWhenAnotherBecomesCurrentAndRenumberedOnInsertion) {
    World w;
    w.add(5);
    w.add(7);
    // Order 0 is new: made current, given a position naming record 1 (article 7), then order 1 is made current.
    ASSERT_TRUE(w.session->makeCurrent(BookingFile::Orders, 0).ok);
    StockSession::CurrentDocument& order = w.session->current(BookingFile::Orders);
    EXPECT_EQ(order.document.createdDate, 1261208) << "initialised today";
    ASSERT_TRUE(addMyArticlePosition(order.document, 1, *w.session->readMyArticle(1), 3));
    w.session->markChanged(BookingFile::Orders);
    ASSERT_TRUE(w.session->makeCurrent(BookingFile::Orders, 1).ok);
    EXPECT_EQ(w.session->documentCount(BookingFile::Orders), 1u) << "order 0 was appended when it was left";
    ASSERT_TRUE(w.session->makeCurrent(BookingFile::Orders, 0).ok);
    EXPECT_EQ(w.session->current(BookingFile::Orders).document.positions[0].recordNumber, 1);
    // A changed demand document in memory naming record 0, not yet in its file: inserting article 1 writes it
    // first, then both it and the order follow the moved records.
    ASSERT_TRUE(w.session->makeCurrent(BookingFile::Demand, 0).ok);
    StockSession::CurrentDocument& demand = w.session->current(BookingFile::Demand);
    ASSERT_TRUE(addMyArticlePosition(demand.document, 0, *w.session->readMyArticle(0), 1));
    w.session->markChanged(BookingFile::Demand);
    w.add(1);
    EXPECT_EQ(w.session->current(BookingFile::Orders).document.positions[0].recordNumber, 2);
    EXPECT_EQ(w.session->current(BookingFile::Demand).document.positions[0].recordNumber, 1);
    EXPECT_FALSE(w.session->current(BookingFile::Demand).changed);
    EXPECT_EQ(w.session->readDocument(BookingFile::Demand, 0)->positions[0].recordNumber, 1);
    EXPECT_EQ(w.session->readDocument(BookingFile::Orders, 0)->positions[0].recordNumber, 2);
    // Deleting the user files drops the documents held in memory; the direct order stays, empty.
    w.session->current(BookingFile::DirectOrder).document.positionCount = 3;
    w.session->markChanged(BookingFile::DirectOrder);
    ASSERT_TRUE(w.session->deleteUserFiles().ok);
    EXPECT_FALSE(w.session->current(BookingFile::Orders).loaded);
    EXPECT_FALSE(w.session->current(BookingFile::Demand).changed);
    EXPECT_TRUE(w.session->current(BookingFile::DirectOrder).loaded);
    EXPECT_EQ(w.session->current(BookingFile::DirectOrder).document.positionCount, 0);
    EXPECT_TRUE(w.session->writeBackAllCurrent().ok);
    EXPECT_EQ(w.ram.get("meinart/bestell.dat").size(), 0u);
    EXPECT_EQ(w.session->makeCurrent(BookingFile::DirectOrder, 1).ok, false);
}

}  // namespace
}  // namespace kvx
