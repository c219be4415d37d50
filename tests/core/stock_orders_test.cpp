// Orders: the list with its sums and cost-centre selection, making and writing the current order, positions
// with the quantity input and the advice, the order command on a catalogue article, the automatic order,
// the guards, booking out and the goods receipt with their effect on My Articles, and the document pages.
#include "stock/orders.h"

#include <gtest/gtest.h>

#include "tests/core/order_test_world.h"

namespace kvx {
namespace {

using test::Cancel;
using test::kToday;
using test::OrderWorld;
using test::StockArticle;

void setSettingsByte(SettingsRecord& s, std::size_t offset, std::uint8_t value) {
    std::string bytes(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
    bytes[offset] = static_cast<char>(value);
    s.loadBytes(bytes);
}

std::vector<std::string> cells(const ListContent::Row& row) {
    return row.cells;
}

std::vector<std::string> infos(const test::FakeUi& ui) {
    return ui.linesStartingWith("info: ");
}

BookingDocument storedOrder(OrderWorld& w, std::uint32_t n) {
    StockSession again(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    EXPECT_TRUE(again.open().empty());
    return *again.readDocument(BookingFile::Orders, n);
}

MyArticleRecord storedRecord(OrderWorld& w, std::uint32_t n) {
    StockSession again(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    EXPECT_TRUE(again.open().empty());
    return *again.readMyArticle(n);
}

TEST(OrdersList, RowsFromLastToFirstWithTheSumAndTheCostCentreSelection) {
    OrderWorld w;
    w.putMyArticles({{2}, {5}});
    BookingDocument first = w.orderOf({{0, 9}});  // 9 x 5.00; net 37.81 -> 37.80
    first.costCentre = 1;
    first.textFile = "texte/Bestellung1.TXT";
    BookingDocument second = w.orderOf({{1, 2}}, 2);  // 2 x 1.07 at VAT key 2; net 2.00
    second.costCentre = 2;
    second.bookedDate = 1261205;
    second.eventDate = 1261207;
    second.positions[0].delivered = 2;
    second.grossDelivered = 2140;
    second.netDelivered = 2000;
    w.putOrders({first, second});
    w.open();
    EXPECT_EQ(w.number, 1u) << "the last order is current";

    struct Row {
        const char* name;
        bool net;
        std::uint16_t costCentre;
        std::vector<std::vector<std::string>> rows;
    };
    const std::vector<std::string> secondGross = {"2",          "01.12.26", "05.12.26", "07.12.26", "1",
                                                  "WE gebucht", "2",        "2.14",     "2.14",     ""};
    const std::vector<std::string> firstGross = {"1",         "01.12.26", "",     "",     "1",
                                                 "in Arbeit", "1",        "4.50", "0.00", "texte/Bestellung1.TXT"};
    const Row rows[] = {
        {"all, gross", false, 0, {secondGross, firstGross, {"", "Summe", "", "", "", "", "", "6.64", "", ""}}},
        {"cost centre 2", false, 2, {secondGross, {"", "Summe", "", "", "", "", "", "2.14", "", ""}}},
        {"cost centre 3 lists nothing", false, 3, {{"", "Summe", "", "", "", "", "", "0.00", "", ""}}},
        {"all, net",
         true,
         0,
         {{"2", "01.12.26", "05.12.26", "07.12.26", "1", "WE gebucht", "2", "2.00", "2.00", ""},
          {"1", "01.12.26", "", "", "1", "in Arbeit", "1", "3.78", "0.00", "texte/Bestellung1.TXT"},
          {"", "Summe", "", "", "", "", "", "5.78", "", ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setSettingsByte(w.settings, SettingsRecord::kPriceDisplay, row.net ? 1 : 0);
        OrderTotals totals;
        const ListContent list = ordersListContent(*w.session, w.settings, row.costCentre, totals);
        ASSERT_EQ(list.columns.size(), 10u);
        EXPECT_EQ(list.columns[7].title, "Best-€");
        EXPECT_EQ(list.columns[9].title, "Speicherort");
        ASSERT_EQ(list.rows.size(), row.rows.size());
        for (std::size_t i = 0; i < row.rows.size(); ++i) EXPECT_EQ(cells(list.rows[i]), row.rows[i]) << i;
        EXPECT_EQ(list.rows.back().datum, kNoOrderRow);
        EXPECT_EQ(totals.gross, 6640) << "the status line sums all orders";
        EXPECT_EQ(totals.net, 5780);
    }
    OrderTotals totals{6640, 5780};
    EXPECT_EQ(orderTotalsText(totals), "Summe Brutto: 6.64 €  Netto: 5.78 €");

    // "Auswahl": 0..number of cost centres; a cancelled input keeps the selection.
    std::uint16_t selected = 2;
    w.ui.answers = {std::int32_t{3}, Cancel{}};
    EXPECT_TRUE(chooseOrdersCostCentre(w.ui, 20, selected));
    EXPECT_EQ(selected, 3);
    EXPECT_EQ(w.ui.lastNumberRequest.caption, "Kostenstelle eingeben(0=ALLE)");
    EXPECT_EQ(w.ui.lastNumberRequest.prompt, "Kostenstelle");
    EXPECT_EQ(w.ui.lastNumberRequest.maximum, 20);
    EXPECT_FALSE(chooseOrdersCostCentre(w.ui, 20, selected));
    EXPECT_EQ(selected, 3);
}

TEST(CurrentOrder, NewOrdersAreAppendedAfterTheChangedOneIsWritten) {
    OrderWorld w;
    w.putMyArticles({{1}});
    w.putOrders({w.orderOf({{0, 1}})});
    w.open();
    OrderContext c = w.context();
    w.ui.answers = {false};
    EXPECT_FALSE(newOrder(c, w.ref()));
    EXPECT_EQ(w.session->documentCount(BookingFile::Orders), 1u);

    w.order.costCentre = 7;
    w.changed = true;
    w.ui.answers = {true};
    ASSERT_TRUE(newOrder(c, w.ref()));
    EXPECT_EQ(storedOrder(w, 0).costCentre, 7) << "the changed order was written first";
    EXPECT_EQ(w.session->documentCount(BookingFile::Orders), 2u);
    EXPECT_EQ(w.number, 1u);
    EXPECT_FALSE(w.changed);
    EXPECT_EQ(w.order, BookingDocument::initialised(kToday));
    EXPECT_EQ(storedOrder(w, 1), w.order);

    // Another order made current: the changed one is written at its own number.
    w.order.costCentre = 9;
    w.changed = true;
    ASSERT_TRUE(makeOrderCurrent(c, w.ref(), 0));
    EXPECT_EQ(storedOrder(w, 1).costCentre, 9);
    EXPECT_EQ(w.order.costCentre, 7);

    // Without My Articles the orders list is refused.
    OrderWorld empty;
    empty.open();
    OrderContext e = empty.context();
    EXPECT_FALSE(openOrders(e, empty.ref()));
    EXPECT_EQ(infos(empty.ui), std::vector<std::string>{"info: Keine Artikel in \"Meine Artikel\""});
}

TEST(OrderGuards, RefusalsChangeNothing) {
    enum class Op { Edit, BookOut, StartReceipt, BookReceipt, EnterDelivered };
    struct Row {
        const char* name;
        Op op;
        int orders;  // 0: bestell.dat empty
        std::uint8_t status;
        bool withPosition;
        const char* info;
    };
    const Row rows[] = {
        {"edit without order", Op::Edit, 0, 0, false, "Keine Bestellung"},
        {"edit ordered", Op::Edit, 1, 1, true, "Bestellung ist erfolgt"},
        {"edit received", Op::Edit, 1, 2, true, "Wareneingang bereits gebucht"},
        {"book out without positions", Op::BookOut, 1, 0, false, "Keine Artikel"},
        {"book out twice", Op::BookOut, 1, 1, true, "Bestellung ist bereits erfolgt!"},
        {"book out received", Op::BookOut, 1, 2, true, "Bestellung ist bereits erfolgt!"},
        {"receipt without order", Op::StartReceipt, 0, 0, false, "Keine Bestellung"},
        {"receipt in work", Op::StartReceipt, 1, 0, true, "Bestellung noch nicht erfolgt"},
        {"receipt twice", Op::StartReceipt, 1, 2, true, "Wareneingang bereits gebucht"},
        {"receipt without positions", Op::StartReceipt, 1, 1, false, "Keine Artikel"},
        {"booking a receipt twice", Op::BookReceipt, 1, 2, true, "Wareneingang bereits gebucht"},
        {"booking a receipt in work", Op::BookReceipt, 1, 0, true, "Bestellung noch nicht erfolgt"},
        {"delivered quantity after booking", Op::EnterDelivered, 1, 2, true, "Wareneingang bereits gebucht"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        w.putMyArticles({{2, 0, 0, 0, 5}});
        if (row.orders > 0) {
            BookingDocument d = row.withPosition ? w.orderOf({{0, 5}}, row.status) : w.orderOf({}, row.status);
            w.putOrders({d});
        }
        w.open();
        const auto before = w.snapshot();
        const BookingDocument order = w.order;
        OrderContext c = w.context();
        bool done = true;
        switch (row.op) {
            case Op::Edit:
                done = mayEditOrder(c, w.order, w.number);
                break;
            case Op::BookOut:
                done = bookOrderOut(c, w.ref());
                break;
            case Op::StartReceipt:
                done = startGoodsReceipt(c, w.ref()) != ReceiptStart::Refused;
                break;
            case Op::BookReceipt:
                done = bookGoodsReceipt(c, w.ref());
                break;
            case Op::EnterDelivered:
                done = enterDeliveredQuantity(c, w.ref(), 0);
                break;
        }
        EXPECT_FALSE(done);
        EXPECT_EQ(infos(w.ui), std::vector<std::string>{std::string("info: ") + row.info});
        EXPECT_TRUE(w.snapshot() == before);
        EXPECT_EQ(w.order, order);
        EXPECT_FALSE(w.changed);
    }
}

TEST(OrderPositions, QuantityInputWithMinimumAndCheaperQuantity) {
    struct Row {
        const char* name;
        StockArticle article;
        std::vector<test::Answer> answers;
        const char* caption;
        bool added;
        std::uint16_t quantity;
        Money gross;
    };
    const Row rows[] = {
        {"9 pieces, 10 are cheaper and taken", {2}, {std::int32_t{9}, true}, "ART2 Menge eingeben", true, 10, 4000},
        {"9 pieces, the advice declined", {2}, {std::int32_t{9}, false}, "ART2 Menge eingeben", true, 9, 4500},
        {"5 pieces, no advice", {2}, {std::int32_t{5}}, "ART2 Menge eingeben", true, 5, 2500},
        {"sold from 25 pieces", {6}, {std::int32_t{30}}, "ART6 Menge eingeben mind.:25", true, 30, 30180},
        {"below the minimum is not taken", {6}, {std::int32_t{3}}, "ART6 Menge eingeben mind.:25", false, 0, 0},
        {"per hundred", {3}, {std::int32_t{250}}, "ART3 Menge eingeben", true, 250, 30000},
        {"cancelled", {2}, {Cancel{}}, "ART2 Menge eingeben", false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        w.putMyArticles({row.article});
        w.putOrders({w.orderOf({})});
        w.open();
        OrderContext c = w.context();
        w.ui.answers.assign(row.answers.begin(), row.answers.end());
        const std::optional<std::size_t> index = addOrderPosition(c, w.ref(), 0);
        EXPECT_EQ(w.ui.lastNumberRequest.caption, row.caption);
        EXPECT_EQ(w.ui.lastNumberRequest.prompt, "Menge");
        EXPECT_EQ(index.has_value(), row.added);
        EXPECT_EQ(w.changed, row.added);
        if (!row.added) {
            EXPECT_EQ(w.order.validPositions(), 0u) << "a cancelled input removes the new position";
            continue;
        }
        const BookingPosition& p = w.order.positions[0];
        EXPECT_EQ(p.quantity, row.quantity);
        EXPECT_EQ(p.grossTotal, row.gross);
        EXPECT_EQ(w.order.grossOrdered, row.gross);
        EXPECT_EQ(w.order.netOrdered, p.netTotal);
    }
}

TEST(OrderPositions, FullOrderDeletingAndStepping) {
    OrderWorld w;
    w.putMyArticles({{1}, {2}, {5}});
    std::vector<std::pair<std::uint16_t, std::uint16_t>> fifty;
    for (int i = 0; i < 50; ++i) fifty.push_back({static_cast<std::uint16_t>(i % 3), 1});
    w.putOrders({w.orderOf(fifty)});
    w.open();
    OrderContext c = w.context();
    EXPECT_FALSE(addOrderPosition(c, w.ref(), 0));
    EXPECT_EQ(infos(w.ui), std::vector<std::string>{"info: Keine weiteren Positionen möglich"});
    EXPECT_FALSE(w.changed);

    std::size_t position = 49;
    nextPosition(w.order, position);
    EXPECT_EQ(position, 49u);
    w.ui.answers = {false, true};
    EXPECT_FALSE(deleteOrderPosition(w.ui, w.ref(), position));
    EXPECT_EQ(w.order.validPositions(), 50u);
    const Money last = w.order.positions[49].grossTotal;
    const Money sum = w.order.grossOrdered;
    ASSERT_TRUE(deleteOrderPosition(w.ui, w.ref(), position));
    EXPECT_EQ(w.ui.log.back(), "ask[]: Gewählte Position löschen? -> Ja");
    EXPECT_EQ(w.order.validPositions(), 49u);
    EXPECT_EQ(position, 48u) << "the current position stays on a valid one";
    EXPECT_EQ(w.order.grossOrdered, sum - last) << "the sums follow";
    EXPECT_TRUE(w.changed);
    previousPosition(w.order, position);
    EXPECT_EQ(position, 47u);
    position = 0;
    previousPosition(w.order, position);
    EXPECT_EQ(position, 0u);
}

TEST(OrderCatalogueArticle, TheLastOrderOrANewOne) {
    struct Row {
        const char* name;
        std::vector<int> orders;  // per order: its status, or 50 for a full order in work
        bool present;
        std::uint32_t count;    // orders afterwards
        std::size_t positions;  // of the current order afterwards
        std::vector<std::string> infos;
    };
    const char* present = "info: Der Artikel ist bereits in Meine Artikel";
    const char* added = "info: Artikel wurde zu Meine Artikel hinzugefügt";
    const char* created = "info: Bestellung wurde angelegt";
    const Row rows[] = {
        {"bestell.dat empty", {}, true, 1, 1, {present, created}},
        {"last order in work", {1, 0}, true, 2, 2, {present}},
        {"last order ordered", {0, 1}, true, 3, 1, {present, created}},
        {"last order received", {2}, true, 2, 1, {present, created}},
        {"last order full", {50}, true, 2, 1, {present, created}},
        {"the article added first", {0}, false, 1, 2, {added}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        w.putMyArticles(row.present ? std::vector<StockArticle>{{1}, {7}} : std::vector<StockArticle>{{7}});
        std::vector<BookingDocument> orders;
        for (int o : row.orders) {
            std::vector<std::pair<std::uint16_t, std::uint16_t>> positions(o == 50 ? 50 : 1, {0, 1});
            orders.push_back(w.orderOf(positions, static_cast<std::uint8_t>(o == 50 ? 0 : o)));
        }
        w.putOrders(orders);
        w.open();
        OrderContext c = w.context();
        w.ui.answers = {true, std::int32_t{3}};
        int insertions = 0;
        orderCatalogueArticle(c, w.ref(), 1, [&](ArticleNumber a) -> std::optional<std::uint32_t> {
            ++insertions;
            const InsertResult r = w.session->insertMyArticle(w.record({a}));
            if (!r.ok) return std::nullopt;
            renumberPositions(w.order, r.recordNumber);
            return r.recordNumber;
        });
        EXPECT_EQ(w.ui.log.front(), "ask[]: Artikel 1:ART1 verwenden? -> Ja");
        EXPECT_EQ(insertions, row.present ? 0 : 1);
        EXPECT_EQ(infos(w.ui), row.infos);
        EXPECT_EQ(w.session->documentCount(BookingFile::Orders), row.count);
        EXPECT_EQ(w.number, row.count - 1);
        ASSERT_EQ(w.order.validPositions(), row.positions);
        const BookingPosition& p = w.order.positions[row.positions - 1];
        EXPECT_EQ(p.catalogueNumber, 1);
        EXPECT_EQ(p.recordNumber, 0) << "article 1 is record 0";
        EXPECT_EQ(p.quantity, 3);
        EXPECT_FALSE(w.changed) << "the order was written";
        EXPECT_EQ(storedOrder(w, w.number), w.order);
    }
    // "verwenden?" answered no: nothing at all.
    OrderWorld w;
    w.putMyArticles({{1}});
    w.open();
    const auto before = w.snapshot();
    OrderContext c = w.context();
    w.ui.answers = {false};
    orderCatalogueArticle(c, w.ref(), 1, nullptr);
    EXPECT_TRUE(w.snapshot() == before);
    // An article number outside the catalogue: nothing, not even a question.
    orderCatalogueArticle(c, w.ref(), 70, nullptr);
    EXPECT_EQ(w.ui.log.size(), 1u);
}

// 60 articles to order: article 2 (need 9, silently raised to 10) and articles 10..68 (need 5 each).
void putSixtyToOrder(OrderWorld& w) {
    std::vector<StockArticle> articles = {{1}, {2, 0, 9}};
    for (ArticleNumber a = 10; a <= 68; ++a) articles.push_back({a, 0, 5});
    w.putMyArticles(articles);
}

TEST(AutomaticOrder, FiftyPositionsAndTheCountOfAll) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "created" : "declined");
        OrderWorld w;
        putSixtyToOrder(w);
        w.putOrders({w.orderOf({{0, 1}})});
        w.open();
        const BookingDocument previous = w.order;
        const auto before = w.snapshot();
        OrderContext c = w.context();
        w.ui.answers = {yes};
        int shown = 0;
        const AutomaticOrderResult r = automaticOrder(c, w.ref(), [&] {
            ++shown;
            EXPECT_EQ(w.order.validPositions(), 50u);
            EXPECT_EQ(w.number, 1u) << "the number after the last order";
        });
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(w.ui.log.back(), std::string("ask[]: 60 Bestellungen erforderlich. Bestellung erstellen? -> ") +
                                       (yes ? "Ja" : "Nein"));
        EXPECT_FALSE(w.changed);
        if (!yes) {
            EXPECT_EQ(r, AutomaticOrderResult::Declined);
            EXPECT_EQ(w.order, previous);
            EXPECT_EQ(w.number, 0u);
            EXPECT_TRUE(w.snapshot() == before);
            continue;
        }
        EXPECT_EQ(r, AutomaticOrderResult::Created);
        EXPECT_EQ(w.number, 1u);
        ASSERT_EQ(w.order.validPositions(), 50u);
        EXPECT_EQ(w.order.positions[0].recordNumber, 1);
        EXPECT_EQ(w.order.positions[0].quantity, 10) << "the advice is taken without a question";
        EXPECT_EQ(w.order.positions[0].unitPrice, 400);
        EXPECT_EQ(w.order.positions[1].quantity, 5);
        EXPECT_EQ(w.order.positions[49].recordNumber, 50) << "records beyond the 50th are only counted";
        EXPECT_EQ(w.order.grossOrdered, 4000 + 49 * 5 * 1001);
        EXPECT_EQ(storedOrder(w, 1), w.order);
    }
}

TEST(AutomaticOrder, NothingToOrderAndTheCheck) {
    OrderWorld w;
    w.putMyArticles({{1, 5, 3}, {2}});  // stock 5 above the minimum 3
    w.putOrders({w.orderOf({{0, 1}})});
    w.open();
    w.order.costCentre = 4;
    w.changed = true;
    OrderContext c = w.context();
    EXPECT_EQ(automaticOrder(c, w.ref(), nullptr), AutomaticOrderResult::NoneNeeded);
    EXPECT_EQ(storedOrder(w, 0).costCentre, 4) << "the changed order is written first";
    EXPECT_EQ(w.order.costCentre, 4);
    checkOrdering(c, w.ref());
    EXPECT_EQ(infos(w.ui), (std::vector<std::string>{"info: Keine Bestellungen erforderlich",
                                                     "info: Keine Bestellungen erforderlich"}));

    OrderWorld sixty;
    putSixtyToOrder(sixty);
    sixty.open();
    OrderContext s = sixty.context();
    checkOrdering(s, sixty.ref());
    EXPECT_EQ(infos(sixty.ui), std::vector<std::string>{"info: 60 Bestellungen erforderlich."});
    EXPECT_EQ(sixty.session->documentCount(BookingFile::Orders), 0u) << "the check keeps nothing";
}

TEST(BookingOut, AddsTheOrderedQuantityToQuantityOnOrder) {
    struct Row {
        const char* name;
        std::vector<test::Answer> answers;
        bool booked;
        DateNumber date;
        std::int16_t onOrder;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {"booked on a date",
         {true, std::int32_t{1261210}},
         true,
         1261210,
         14,
         {"ask[]: Bestellausgang buchen? -> Ja", "date: Bestelldatum", "info: Bestellung gebucht"}},
        {"a date of 0 is today",
         {true, std::int32_t{0}},
         true,
         kToday,
         14,
         {"ask[]: Bestellausgang buchen? -> Ja", "date: Bestelldatum", "error[FEHLER]: dat=0",
          "info: Bestellung gebucht"}},
        {"not confirmed", {false}, false, 0, 4, {"ask[]: Bestellausgang buchen? -> Nein"}},
        {"date cancelled",
         {true, Cancel{}},
         false,
         0,
         4,
         {"ask[]: Bestellausgang buchen? -> Ja", "date: Bestelldatum"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        w.putMyArticles({{1}, {2, 0, 20, 0, 4}});
        w.putOrders({w.orderOf({{1, 10}, {0, 2}})});
        w.open();
        const auto before = w.snapshot();
        OrderContext c = w.context();
        w.ui.answers.assign(row.answers.begin(), row.answers.end());
        EXPECT_EQ(bookOrderOut(c, w.ref()), row.booked);
        EXPECT_EQ(w.ui.log, row.log);
        const MyArticleRecord r = storedRecord(w, 1);
        EXPECT_EQ(r.onOrder, row.onOrder);
        if (!row.booked) {
            EXPECT_TRUE(w.snapshot() == before);
            EXPECT_EQ(w.order.status, 0);
            continue;
        }
        EXPECT_EQ(w.ui.lastDateRequest.value, kToday);
        EXPECT_EQ(w.ui.lastDateRequest.limitA, kToday);
        EXPECT_EQ(w.ui.lastDateRequest.limitB, 1261201) << "the creation date";
        EXPECT_EQ(r.quantityToOrder, 6) << "need 20 - 14 recomputed";
        EXPECT_EQ(storedRecord(w, 0).onOrder, 2);
        EXPECT_EQ(w.order.status, 1);
        EXPECT_EQ(w.order.bookedDate, row.date);
        EXPECT_FALSE(w.changed);
        EXPECT_EQ(storedOrder(w, 0), w.order);

        // A second attempt is refused and changes nothing.
        const auto after = w.snapshot();
        w.ui.log.clear();
        EXPECT_FALSE(bookOrderOut(c, w.ref()));
        EXPECT_EQ(w.ui.log, std::vector<std::string>{"info: Bestellung ist bereits erfolgt!"});
        EXPECT_TRUE(w.snapshot() == after);
    }
}

TEST(BookingOut, AQuantityOnOrderBeyondItsRangeRefusesTheWholeBooking) {
    OrderWorld w;
    w.putMyArticles({{1}, {2, 0, 0, 0, 32760}});
    w.putOrders({w.orderOf({{0, 5}, {1, 10}})});
    w.open();
    const auto before = w.snapshot();
    const BookingDocument order = w.order;
    OrderContext c = w.context();
    w.ui.answers = {true, std::int32_t{1261210}};
    EXPECT_FALSE(bookOrderOut(c, w.ref()));
    const std::vector<std::string> said = infos(w.ui);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("Bestellt wäre 32770"), std::string::npos) << said[0];
    EXPECT_TRUE(w.snapshot() == before);
    EXPECT_EQ(w.order, order);
}

// Article 2 with stock 5, demand 3 and 4 on order; an ordered order of 10 pieces.
void putReceiptWorld(OrderWorld& w, std::int16_t stock = 5) {
    w.putMyArticles({{2, stock, 0, 3, 4}});
    BookingDocument d = w.orderOf({{0, 10}}, 1);
    d.bookedDate = 1261205;
    w.putOrders({d});
}

TEST(GoodsReceipt, DeliveredQuantitiesEditedAndBooked) {
    struct Row {
        const char* name;
        std::int32_t delivered;
        std::int16_t stock, demand;
        Money deliveredGross;
    };
    const Row rows[] = {
        {"7 of 10 delivered", 7, 12, 0, 3500},
        {"all 10 delivered", 10, 15, 0, 4000},
        {"nothing came", 0, 5, 3, 0},
        {"2 came", 2, 7, 1, 1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OrderWorld w;
        putReceiptWorld(w);
        w.open();
        OrderContext c = w.context();
        w.ui.answers = {std::int32_t{1261209}, true};
        ASSERT_EQ(startGoodsReceipt(c, w.ref()), ReceiptStart::OpenView);
        EXPECT_EQ(w.ui.lastDateRequest.caption, "Wareneingangsdatum");
        EXPECT_EQ(w.ui.lastDateRequest.limitA, kToday);
        EXPECT_EQ(w.ui.lastDateRequest.limitB, 1261205) << "the order date";
        EXPECT_TRUE(w.changed);
        EXPECT_EQ(w.order.positions[0].delivered, 10) << "preset to the ordered quantity";
        EXPECT_EQ(w.order.grossDelivered, 4000);

        w.ui.answers = {row.delivered};
        ASSERT_TRUE(enterDeliveredQuantity(c, w.ref(), 0));
        EXPECT_EQ(w.ui.lastNumberRequest.caption, "ART2 Liefermenge eingeben");
        EXPECT_EQ(w.ui.lastNumberRequest.minimum, 0);
        EXPECT_EQ(w.ui.lastNumberRequest.maximum, 60000);
        const std::vector<std::string> page =
            textFileLines(orderDocumentPage(*w.session, w.settings, w.order, w.number, 0, true));
        EXPECT_EQ(page[0], "Wareneingang 1");
        EXPECT_EQ(page.size(), 8u) << "the position stays visible whatever was delivered";

        ASSERT_TRUE(bookGoodsReceipt(c, w.ref()));
        EXPECT_EQ(w.ui.log.back(), "info: Wareneingang gebucht");
        const MyArticleRecord r = storedRecord(w, 0);
        EXPECT_EQ(r.stock, row.stock);
        EXPECT_EQ(r.onOrder, 0) << "4 on order minus 10 stops at 0";
        EXPECT_EQ(r.demand, row.demand);
        EXPECT_EQ(r.cumulativeReceipt, row.delivered);
        EXPECT_EQ(w.order.status, 2);
        EXPECT_EQ(w.order.eventDate, 1261209);
        EXPECT_EQ(w.order.positions[0].deliveredGross, row.deliveredGross);
        EXPECT_EQ(w.order.grossDelivered, row.deliveredGross);
        EXPECT_FALSE(w.changed);
        EXPECT_EQ(storedOrder(w, 0), w.order);
        EXPECT_TRUE(leaveGoodsReceipt(c, w.ref())) << "a booked receipt leaves without a question";
    }
}

TEST(GoodsReceipt, BookedAtOnceOrLeftUnbooked) {
    {
        SCOPED_TRACE("no edits: booked at once");
        OrderWorld w;
        putReceiptWorld(w);
        w.open();
        OrderContext c = w.context();
        w.ui.answers = {std::int32_t{0}, false};
        EXPECT_EQ(startGoodsReceipt(c, w.ref()), ReceiptStart::Booked);
        EXPECT_EQ(w.ui.log,
                  (std::vector<std::string>{"date: Wareneingangsdatum", "error[FEHLER]: dat=0",
                                            "ask[]: Liefermengen bearbeiten? -> Nein", "info: Wareneingang gebucht"}));
        EXPECT_EQ(storedRecord(w, 0).stock, 15);
        EXPECT_EQ(w.order.eventDate, kToday);
    }
    {
        SCOPED_TRACE("left without booking");
        OrderWorld w;
        putReceiptWorld(w);
        w.open();
        const BookingDocument ordered = w.order;
        const auto before = w.snapshot();
        OrderContext c = w.context();
        w.ui.answers = {std::int32_t{1261209}, true, std::int32_t{7}, false, true};
        ASSERT_EQ(startGoodsReceipt(c, w.ref()), ReceiptStart::OpenView);
        ASSERT_TRUE(enterDeliveredQuantity(c, w.ref(), 0));
        EXPECT_FALSE(leaveGoodsReceipt(c, w.ref())) << "no keeps the view";
        EXPECT_EQ(w.order.positions[0].delivered, 7);
        EXPECT_TRUE(leaveGoodsReceipt(c, w.ref()));
        EXPECT_EQ(w.ui.log.back(), "ask[]: Wareneingang nicht gebucht! Dennoch beenden? -> Ja");
        EXPECT_EQ(w.order, ordered) << "no receipt date, no delivered quantities";
        EXPECT_EQ(w.order.eventDate, 0);
        EXPECT_FALSE(w.changed);
        EXPECT_TRUE(w.snapshot() == before);
    }
    {
        SCOPED_TRACE("a stock beyond its range refuses the receipt");
        OrderWorld w;
        putReceiptWorld(w, 32760);
        w.open();
        const auto before = w.snapshot();
        OrderContext c = w.context();
        w.ui.answers = {std::int32_t{1261209}, false};
        EXPECT_EQ(startGoodsReceipt(c, w.ref()), ReceiptStart::Failed);
        ASSERT_EQ(infos(w.ui).size(), 1u);
        EXPECT_NE(infos(w.ui)[0].find("Bestand wäre 32770"), std::string::npos) << infos(w.ui)[0];
        EXPECT_TRUE(w.snapshot() == before);
        EXPECT_EQ(w.order.status, 1);
        EXPECT_EQ(w.order.eventDate, 0) << "the refused receipt left no date behind";
    }
}

TEST(OrderPages, DocumentViewWithStatusPricesAndSums) {
    OrderWorld w;
    w.putMyArticles({{2}, {3}, {4}});
    BookingDocument d = w.orderOf({{0, 9}, {1, 250}, {2, 1}}, 2);
    d.bookedDate = 1261203;
    d.eventDate = 1261207;
    d.positions[0].delivered = 7;
    w.putOrders({w.orderOf({}), d});
    w.open();
    struct Row {
        const char* name;
        bool net;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"gross",
         false,
         {"Bestellung 2", "Status:    WE gebucht", "Angelegt:  01.12.26", "Bestellt:  03.12.26", "Geliefert: 07.12.26",
          "", "     Nr Art-Nr Name                  Beschreibung         EBrutto Best-M Liefer-M GesPreis",
          std::string(90, '-'),
          "      1      2 ART2                  Beschreibung 2          0.50      9        7     4.50",
          "      2      3 ART3                  Beschreibung 3        12.00%    250        0    30.00",
          "      3      4 Kondensator-Sortiment Beschreibung 4          1.00      1        0     1.00",
          std::string(90, '-'),
          "               BruttoSumme                                                           35.50",
          "               NettoSumme                                                            29.83"}},
        {"net",
         true,
         {"Bestellung 2", "Status:    WE gebucht", "Angelegt:  01.12.26", "Bestellt:  03.12.26", "Geliefert: 07.12.26",
          "", "     Nr Art-Nr Name                  Beschreibung          ENetto Best-M Liefer-M GesPreis",
          std::string(90, '-'),
          "      1      2 ART2                  Beschreibung 2          0.42      9        7     3.78",
          "      2      3 ART3                  Beschreibung 3        10.08%    250        0    25.21",
          "      3      4 Kondensator-Sortiment Beschreibung 4          0.84      1        0     0.84",
          std::string(90, '-'),
          "               BruttoSumme                                                           35.50",
          "               NettoSumme                                                            29.83"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setSettingsByte(w.settings, SettingsRecord::kPriceDisplay, row.net ? 1 : 0);
        const TextPage page = orderDocumentPage(*w.session, w.settings, w.order, w.number, 1, false);
        EXPECT_EQ(textFileLines(page), row.lines);
        EXPECT_EQ(page.highlightedLine, 10) << "the current position";
    }
    // In work: no order date, no delivery date.
    const std::vector<std::string> inWork =
        textFileLines(orderDocumentPage(*w.session, w.settings, w.orderOf({}), 0, 0, false));
    EXPECT_EQ(std::vector<std::string>(inWork.begin(), inWork.begin() + 4),
              (std::vector<std::string>{"Bestellung 1", "Status:    in Arbeit", "Angelegt:  01.12.26", ""}));
    EXPECT_EQ(inWork.size(), 7u) << "no sums without positions";

    OrderContext c = w.context();
    const InfoPage details = orderDetailsPage(c, w.order, w.number);
    EXPECT_EQ(details.type, kInfoOrder);
    EXPECT_EQ(details.lines, 13);
    EXPECT_EQ(details.page.highlightedLine, 0);
}

}  // namespace
}  // namespace kvx
