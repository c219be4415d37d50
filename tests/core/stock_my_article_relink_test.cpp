// Re-linking and removing a My Articles entry by hand: the refusals, the re-sort with the booking positions
// following their records (entries before and after the moved one), the uses that block a removal, each
// change under a fault at every file call, and the direct order's vanished positions.
#include "stock/my_article_relink.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "stock/direct_order.h"
#include "stock/order_form.h"
#include "tests/support/fake_ui.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

using test::StockWorld;

bool logged(const test::FakeUi& ui, const std::string& text) {
    return std::any_of(ui.log.begin(), ui.log.end(),
                       [&text](const std::string& l) { return l.find(text) != std::string::npos; });
}

// My Articles: articles 2, 4, 6, 8 and one whose article vanished (3, marked), records 0..4, stock 10..14.
// An order names every record, a demand records 4 and 1, a calculation record 3; each position carries its
// record's article number.
void fiveEntries(StockWorld& w) {
    std::vector<MyArticleRecord> records;
    int stock = 10;
    for (ArticleNumber a : {2, 4, 6, 8, 3}) records.push_back(w.record(a, stock++));
    records[4].articleNumber = kNotInCatalogue;
    w.putMyArticles(records);
    auto named = [&records](BookingDocument d) {
        for (std::size_t i = 0; i < d.validPositions(); ++i)
            d.positions[i].catalogueNumber = records[d.positions[i].recordNumber].articleNumber;
        return d;
    };
    w.putDocuments(BookingFile::Orders,
                   {named(StockWorld::document(0, 0, 0, 0, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}))});
    w.putDocuments(BookingFile::Demand, {named(StockWorld::document(0, 0, 0, 0, {})),
                                         named(StockWorld::document(0, 0, 0, 0, {{4, 7}, {1, 8}}))});
    w.putDocuments(BookingFile::Calculations, {named(StockWorld::document(0, 0, 0, 0, {{3, 9}}))});
}

struct Session {
    StockWorld w;
    StockSession s{w.ram, w.clock, w.settings, w.catalogue, "meinart"};
    test::FakeUi ui;
    explicit Session(const std::function<void(StockWorld&)>& setup = fiveEntries) {
        setup(w);
        EXPECT_TRUE(s.open().empty());
        s.loadCurrentDocuments(0);
    }
    std::vector<ArticleNumber> numbers() {
        std::vector<ArticleNumber> n;
        s.forEachMyArticle([&n](std::uint32_t, const MyArticleRecord& r) { n.push_back(r.articleNumber); });
        return n;
    }
    std::vector<int> stocks() {
        std::vector<int> n;
        s.forEachMyArticle([&n](std::uint32_t, const MyArticleRecord& r) { n.push_back(r.stock); });
        return n;
    }
    // {record number, catalogue number, quantity} of every position of document `d`.
    std::vector<std::array<int, 3>> positions(BookingFile f, std::uint32_t d) {
        std::vector<std::array<int, 3>> p;
        const BookingDocument doc = *s.readDocument(f, d);
        for (std::size_t i = 0; i < doc.validPositions(); ++i)
            p.push_back({doc.positions[i].recordNumber, doc.positions[i].catalogueNumber, doc.positions[i].quantity});
        return p;
    }
};

TEST(MyArticleRelink, RefusedWithoutAPickedArticleForAnotherEntrysOrItsOwnAndWhenDeclined) {
    struct Row {
        const char* what;
        std::uint32_t entry;
        std::optional<ArticleNumber> picked;
        bool answer;  // to the question, when it is asked
        std::string said;
    };
    const std::vector<Row> rows = {
        {"nothing picked", 4, std::nullopt, true, "info: Kein Artikel gewählt"},
        {"picked article not selectable", 4, ArticleNumber{60000}, true, "info: Kein Artikel gewählt"},
        {"another entry's article", 4, ArticleNumber{6}, true,
         "info: Der Artikel ist bereits in Meine Artikel: Katalogartikel 6 "},
        {"its own article", 1, ArticleNumber{4}, true, " ist bereits dem Katalogartikel 4 "},
        {"declined", 4, ArticleNumber{5}, false, "ask[]: "},
    };
    for (const Row& r : rows) {
        Session t;
        const std::map<std::string, std::string> before = t.w.snapshot();
        t.ui.answers.push_back(r.answer);
        EXPECT_FALSE(relinkMyArticle(t.s, t.ui, r.entry, r.picked)) << r.what;
        EXPECT_TRUE(logged(t.ui, r.said)) << r.what << ": " << testing::PrintToString(t.ui.log);
        EXPECT_EQ(t.w.snapshot(), before) << r.what;
    }
}

TEST(MyArticleRelink, EntryMovesToItsSortedPlaceAndThePositionsFollowInBothDirections) {
    struct Row {
        const char* what;
        std::uint32_t entry;
        ArticleNumber picked;
        std::vector<ArticleNumber> numbers;
        std::vector<int> stocks;
        std::vector<std::array<int, 3>> order, demand, calculation;
        std::uint32_t currentAfter;  // the entry, at its new place
    };
    constexpr int kNone = kNotInCatalogue;
    const std::vector<Row> rows = {
        {"the marked entry forward between others",
         4,
         5,
         {2, 4, 5, 6, 8},
         {10, 11, 14, 12, 13},
         {{0, 2, 1}, {1, 4, 2}, {3, 6, 3}, {4, 8, 4}, {2, 5, 5}},
         {{2, 5, 7}, {1, 4, 8}},
         {{4, 8, 9}},
         2},
        {"the first entry backward past two",
         0,
         7,
         {4, 6, 7, 8, kNotInCatalogue},
         {11, 12, 10, 13, 14},
         {{2, 7, 1}, {0, 4, 2}, {1, 6, 3}, {3, 8, 4}, {4, kNone, 5}},
         {{4, kNone, 7}, {0, 4, 8}},
         {{3, 8, 9}},
         2},
        {"the first entry stays first",
         0,
         1,
         {1, 4, 6, 8, kNotInCatalogue},
         {10, 11, 12, 13, 14},
         {{0, 1, 1}, {1, 4, 2}, {2, 6, 3}, {3, 8, 4}, {4, kNone, 5}},  // the article number follows
         {{4, kNone, 7}, {1, 4, 8}},
         {{3, 8, 9}},
         0},
    };
    for (const Row& r : rows) {
        Session t;
        t.s.setCurrentMyArticle(r.entry);
        t.ui.answers.push_back(true);
        ASSERT_TRUE(relinkMyArticle(t.s, t.ui, r.entry, r.picked)) << r.what << testing::PrintToString(t.ui.log);
        EXPECT_EQ(t.numbers(), r.numbers) << r.what;
        EXPECT_EQ(t.stocks(), r.stocks) << r.what << ": stock stays with its entry";
        EXPECT_EQ(t.s.index().numbers(), r.numbers) << r.what;
        EXPECT_EQ(t.positions(BookingFile::Orders, 0), r.order) << r.what;
        EXPECT_EQ(t.positions(BookingFile::Demand, 1), r.demand) << r.what;
        EXPECT_EQ(t.positions(BookingFile::Calculations, 0), r.calculation) << r.what;
        EXPECT_EQ(t.s.current(BookingFile::Orders).document, *t.s.readDocument(BookingFile::Orders, 0)) << r.what;
        EXPECT_EQ(t.s.currentMyArticle(), r.currentAfter) << r.what;
        // The entry took the article's copy and groups.
        const MyArticleRecord e = *t.s.readMyArticle(r.currentAfter);
        const CatalogueArticle a = t.w.catalogue.articles().read(r.picked);
        EXPECT_EQ(articleName(e.article()), articleName(a)) << r.what;
        EXPECT_EQ(e.goodsGroup, a.productGroupNumber()) << r.what;
        EXPECT_TRUE(
            logged(t.ui, "dem Katalogartikel " + std::to_string(r.picked) + " " + articleName(a) + " zuordnen? -> Ja"))
            << r.what << testing::PrintToString(t.ui.log);
        // What the files say after a restart.
        StockSession again(t.w.ram, t.w.clock, t.w.settings, t.w.catalogue, "meinart");
        EXPECT_TRUE(again.open().empty());
        EXPECT_EQ(again.index().numbers(), r.numbers) << r.what;
    }
}

TEST(MyArticleRemove, RefusedWhileADocumentNamesTheEntryAndSaysWhere) {
    Session t;
    // Record 1 is in the order and in demand 2; the current order in memory names it too, unsaved.
    test::FakeUi ui;
    EXPECT_FALSE(removeMyArticle(t.s, ui, 1));
    EXPECT_TRUE(logged(ui, " wird noch verwendet: Bestellung 1, Bedarf 2. Bitte zuerst die Positionen löschen."))
        << testing::PrintToString(ui.log);
    EXPECT_EQ(t.s.myArticleCount(), 5u);

    // Deleted from the order in memory only: still named by the demand.
    StockSession::CurrentDocument& order = t.s.current(BookingFile::Orders);
    ASSERT_TRUE(order.loaded);
    ASSERT_TRUE(deletePosition(order.document, 1));
    t.s.markChanged(BookingFile::Orders);
    EXPECT_EQ(myArticleUses(t.s, 1), std::vector<std::string>{"Bedarf 2"});
    // A direct-order position naming a My Articles record counts as well.
    BookingDocument direct = BookingDocument::initialised(1261101);
    direct.positionCount = 1;
    direct.positions[0].recordNumber = 3;
    t.s.current(BookingFile::DirectOrder).document = direct;
    t.s.current(BookingFile::DirectOrder).loaded = true;
    EXPECT_EQ(myArticleUses(t.s, 3), (std::vector<std::string>{"Bestellung 1", "Kalkulation 1", "Direktbestellung"}));
    EXPECT_EQ(myArticleUses(t.s, 0), std::vector<std::string>{"Bestellung 1"});
}

TEST(MyArticleRemove, LaterEntriesMoveUpAndThePositionsFollow) {
    // Record 2 (article 6) is named only by the order; its position is deleted first.
    Session t;
    StockSession::CurrentDocument& order = t.s.current(BookingFile::Orders);
    ASSERT_TRUE(deletePosition(order.document, 2));
    t.s.markChanged(BookingFile::Orders);
    t.s.setCurrentMyArticle(4);
    t.ui.answers.push_back(true);
    ASSERT_TRUE(removeMyArticle(t.s, t.ui, 2)) << testing::PrintToString(t.ui.log);
    EXPECT_TRUE(logged(t.ui, " aus Meine Artikel löschen? -> Ja"));
    const std::vector<ArticleNumber> numbers = {2, 4, 8, kNotInCatalogue};
    EXPECT_EQ(t.numbers(), numbers);
    EXPECT_EQ(t.stocks(), (std::vector<int>{10, 11, 13, 14}));
    EXPECT_EQ(t.s.index().numbers(), numbers);
    constexpr int kNone = kNotInCatalogue;
    EXPECT_EQ(t.positions(BookingFile::Orders, 0),
              (std::vector<std::array<int, 3>>{{0, 2, 1}, {1, 4, 2}, {2, 8, 4}, {3, kNone, 5}}));
    EXPECT_EQ(t.positions(BookingFile::Demand, 1), (std::vector<std::array<int, 3>>{{3, kNone, 7}, {1, 4, 8}}));
    EXPECT_EQ(t.positions(BookingFile::Calculations, 0), (std::vector<std::array<int, 3>>{{2, 8, 9}}));
    EXPECT_EQ(t.s.currentMyArticle(), 3u) << "the current entry follows its record";

    // The last one, once nothing names it: only the size changes. Declining changes nothing.
    Session last([](StockWorld& w) { w.putMyArticles({w.record(2, 1), w.record(5, 2)}); });
    last.ui.answers.push_back(false);
    EXPECT_FALSE(removeMyArticle(last.s, last.ui, 1));
    EXPECT_EQ(last.s.myArticleCount(), 2u);
    last.ui.answers.push_back(true);
    ASSERT_TRUE(removeMyArticle(last.s, last.ui, 1));
    EXPECT_EQ(last.numbers(), std::vector<ArticleNumber>{2});
    EXPECT_EQ(last.w.ram.get("meinart/artikel.dat").size(), MyArticleRecord::kSize);
    last.ui.answers.push_back(true);
    ASSERT_TRUE(removeMyArticle(last.s, last.ui, 0));
    EXPECT_EQ(last.s.myArticleCount(), 0u);
    EXPECT_TRUE(last.s.index().empty());
}

// Each change under an I/O error, a full disk and a crash at every file call: all before or all after.
TEST(MyArticleRelinkFaults, ReLinkIsOneChange) {
    test::sweepStockChange(fiveEntries, [](StockSession& s, StockWorld&) {
        s.loadCurrentDocuments(0);
        test::FakeUi ui;
        ui.answers.push_back(true);
        return relinkMyArticle(s, ui, 4, ArticleNumber{5});
    });
}

TEST(MyArticleRelinkFaults, RemovalIsOneChange) {
    // Record 0 (article 2) unused once the order no longer names it; the later four move up.
    const auto setup = [](StockWorld& w) {
        fiveEntries(w);
        BookingDocument order = StockWorld::document(0, 0, 0, 0, {{1, 2}, {2, 3}, {3, 4}, {4, 5}});
        w.putDocuments(BookingFile::Orders, {order});
    };
    test::sweepStockChange(setup, [](StockSession& s, StockWorld&) {
        test::FakeUi ui;
        ui.answers.push_back(true);
        return removeMyArticle(s, ui, 0);
    });
}

// ---- the direct order with a position whose article vanished ----

TEST(DirectOrderVanishedPosition, PrintSaveAndOrderAreRefusedNamingThePosition) {
    Session t([](StockWorld&) {});
    BookingDocument direct = freshDirectOrder(t.w.clock);
    for (ArticleNumber a : {3, 5}) ASSERT_TRUE(addCataloguePosition(direct, a, t.w.catalogue.articles().read(a)));
    direct.positions[1].recordNumber = kNotInCatalogue;
    direct.positions[1].catalogueNumber = kNotInCatalogue;
    const std::string name = direct.positions[1].name;
    std::uint32_t number = 0;
    bool changed = false;
    const std::string refusal = "info: Position 2 (" + name + ") ist nicht mehr im Katalog";
    struct Row {
        const char* what;
        std::function<bool(OrderContext&)> run;
    };
    const std::vector<Row> rows = {
        {"print", [&](OrderContext& c) { return printOrder(c, direct, 0); }},
        {"save as text",
         [&](OrderContext& c) {
             return saveOrderText(c, t.w.ram, DocumentRef{direct, number, changed});
         }},
        {"order",
         [&](OrderContext& c) {
             return openDirectOrder(c, DocumentRef{direct, number, changed});
         }},
    };
    for (const Row& r : rows) {
        test::FakeUi ui;
        ui.answers.assign(5, test::Answer{true});
        OrderContext c{t.s, t.w.settings, t.w.clock, ui};
        EXPECT_FALSE(r.run(c)) << r.what;
        ASSERT_FALSE(ui.log.empty()) << r.what;
        EXPECT_EQ(ui.log[0].rfind(refusal, 0), 0u) << r.what << ": " << ui.log[0];
        EXPECT_NE(ui.log[0].find("\"Position löschen\""), std::string::npos) << r.what;
        EXPECT_EQ(ui.log.size(), 1u) << r.what << ": nothing asked or done after it";
    }
    // Once the position is deleted, ordering goes ahead.
    ASSERT_TRUE(deletePosition(direct, 1));
    test::FakeUi ui;
    OrderContext c{t.s, t.w.settings, t.w.clock, ui};
    EXPECT_TRUE(openDirectOrder(c, DocumentRef{direct, number, changed}));
}

}  // namespace
}  // namespace kvx
