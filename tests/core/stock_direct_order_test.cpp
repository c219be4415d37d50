// The direct order of the simple mode: loading it (initialised when unreadable, dated and flagged), ordering a
// catalogue article with the question and the quantity input, opening the form, resetting it and writing it back; its
// positions name catalogue articles and are never renumbered.
#include "stock/direct_order.h"

#include <gtest/gtest.h>

#include "stock/order_form.h"
#include "tests/core/order_test_world.h"

namespace kvx {
namespace {

using test::Cancel;
using test::kToday;
using test::OrderWorld;

TEST(DirectOrder, LoadedOrInitialised) {
    struct Row {
        const char* name;
        std::string file;  // dirbest.dat
        std::size_t positions;
        DateNumber created;
    };
    BookingDocument stored = BookingDocument::initialised(1261101);
    stored.positionCount = 1;
    stored.positions[0].recordNumber = 3;
    stored.positions[0].catalogueDirect = 1;
    const Bytes b = stored.encode();
    const Row rows[] = {
        {"missing", "", 0, kToday},
        {"torn", std::string(100, 'x'), 0, kToday},
        {"stored without its flag", std::string(b.begin(), b.end()), 1, 1261101},
        {"emptied (all zeros)", std::string(BookingDocument::kSize, '\0'), 0, kToday},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        w.settings.setText(SettingsRecord::kTextFolder, 120, "texte");
        if (row.name != std::string("missing")) w.ram.put("dirbest.dat", row.file);
        w.open();
        EXPECT_EQ(w.direct.directOrder, 1);
        EXPECT_EQ(w.direct.validPositions(), row.positions);
        EXPECT_EQ(w.direct.createdDate, row.created);
        EXPECT_EQ(w.direct.textFile, "") << "named at its first save";
    }
}

TEST(DirectOrder, CatalogueArticlesOrderedDirectly) {
    struct Row {
        const char* name;
        ArticleNumber article;
        std::vector<test::Answer> answers;
        std::vector<std::string> log;
        std::uint16_t quantity;  // 0: nothing added
        Money gross;
    };
    const Row rows[] = {
        {"9 pieces, 10 are cheaper",
         2,
         {true, std::int32_t{9}, true},
         {"ask[]: Artikel 2:ART2 bestellen? -> Ja", "number: ART2 Menge eingeben",
          "ask[]: 10 sind günstiger als 9 Stück! Günstigere Menge bestellen? -> Ja"},
         10,
         4000},
        {"per hundred",
         3,
         {true, std::int32_t{250}},
         {"ask[]: Artikel 3:ART3 bestellen? -> Ja", "number: ART3 Menge eingeben"},
         250,
         30000},
        {"not wanted", 2, {false}, {"ask[]: Artikel 2:ART2 bestellen? -> Nein"}, 0, 0},
        {"quantity cancelled",
         2,
         {true, Cancel{}},
         {"ask[]: Artikel 2:ART2 bestellen? -> Ja", "number: ART2 Menge eingeben"},
         0,
         0},
        {"beyond the catalogue", 70, {}, {"info: Kein Artikel gewählt"}, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        w.settings.setStockMode(false);
        w.open();
        OrderContext c = w.context();
        w.ui.answers.assign(row.answers.begin(), row.answers.end());
        EXPECT_EQ(orderArticleDirectly(c, w.catalogue, w.directRef(), row.article), row.quantity != 0);
        EXPECT_EQ(w.ui.log, row.log);
        EXPECT_EQ(w.directChanged, row.quantity != 0);
        if (row.quantity == 0) {
            EXPECT_EQ(w.direct.validPositions(), 0u);
            continue;
        }
        ASSERT_EQ(w.direct.validPositions(), 1u);
        const BookingPosition& p = w.direct.positions[0];
        EXPECT_EQ(p.catalogueDirect, 1);
        EXPECT_EQ(p.recordNumber, row.article);
        EXPECT_EQ(p.catalogueNumber, row.article);
        EXPECT_EQ(p.quantity, row.quantity);
        EXPECT_EQ(w.direct.grossOrdered, row.gross);
    }
}

TEST(DirectOrder, OpenedResetAndWrittenBack) {
    OrderWorld w;
    w.settings.setStockMode(false);
    w.open();
    OrderContext c = w.context();
    EXPECT_FALSE(openDirectOrder(c, w.directRef()));
    EXPECT_EQ(w.ui.log, std::vector<std::string>{"info: Keine Artikel"});

    w.ui.answers = {true, std::int32_t{5}};
    ASSERT_TRUE(orderArticleDirectly(c, w.catalogue, w.directRef(), 2));
    ASSERT_TRUE(openDirectOrder(c, w.directRef()));
    EXPECT_EQ(w.direct.bookedDate, kToday) << "the form is dated today";
    ASSERT_TRUE(saveDirectOrder(c, w.directRef()));
    EXPECT_FALSE(w.directChanged);
    EXPECT_EQ(w.session->readDocument(BookingFile::DirectOrder, 0), w.direct);
    EXPECT_EQ(w.session->documentCount(BookingFile::Orders), 0u) << "never copied into bestell.dat";

    // A catalogue position is not a My Articles record: an insertion leaves it alone.
    const InsertResult inserted = w.session->insertMyArticle(w.record({1}));
    ASSERT_TRUE(inserted.ok) << inserted.message;
    EXPECT_FALSE(renumberPositions(w.direct, inserted.recordNumber));
    EXPECT_EQ(w.session->readDocument(BookingFile::DirectOrder, 0)->positions[0].recordNumber, 2);

    w.ui.answers = {false, true};
    EXPECT_FALSE(resetDirectOrder(c, w.directRef()));
    EXPECT_EQ(w.direct.validPositions(), 1u);
    ASSERT_TRUE(resetDirectOrder(c, w.directRef()));
    EXPECT_EQ(w.ui.log.back(), "ask[]: Bestellung rücksetzen? -> Ja");
    BookingDocument fresh = BookingDocument::initialised(kToday);
    fresh.directOrder = 1;
    EXPECT_EQ(w.direct, fresh);
    EXPECT_FALSE(w.directChanged);
    EXPECT_EQ(w.session->readDocument(BookingFile::DirectOrder, 0), fresh);
}

// An emptied dirbest.dat holds no direct-order flag: saving the order read from it as text must name it as the
// direct order and leave bestell.dat alone, not write it over the first order.
TEST(DirectOrder, EmptiedFileSavedAsTextOnlyAsTheDirectOrder) {
    OrderWorld w;
    w.settings.setStockMode(false);
    w.settings.setText(SettingsRecord::kTextFolder, 120, "texte/");
    w.putMyArticles({{1}});
    w.putOrders({w.orderOf({{0, 3}})});
    w.ram.put("dirbest.dat", std::string(BookingDocument::kSize, '\0'));
    w.open();
    const std::string orders = w.ram.get("meinart/bestell.dat");
    OrderContext c = w.context();
    w.ui.answers = {true, std::int32_t{5}, std::string("Bestell1.TXT")};
    ASSERT_TRUE(orderArticleDirectly(c, w.catalogue, w.directRef(), 2));
    ASSERT_TRUE(saveOrderText(c, w.ram, w.directRef()));
    EXPECT_EQ(w.ui.lastFileRequest.path, "texte/Bestell1.TXT");
    EXPECT_TRUE(w.ram.exists("texte/Bestell1.TXT"));
    EXPECT_TRUE(w.ram.get("meinart/bestell.dat") == orders) << "bestell.dat was written";
    ASSERT_TRUE(saveDirectOrder(c, w.directRef()));
    const std::optional<BookingDocument> stored = w.session->readDocument(BookingFile::DirectOrder, 0);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->textFile, "texte/Bestell1.TXT");
    EXPECT_EQ(stored->validPositions(), 1u);
    EXPECT_TRUE(w.ram.get("meinart/bestell.dat") == orders) << "bestell.dat was written";
}

}  // namespace
}  // namespace kvx
