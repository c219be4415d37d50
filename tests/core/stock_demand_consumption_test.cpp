// Demand and consumption bookings: the deferral in calendar days, the date limit, booking now and later, the
// consumption's effect, the refusals, the closed cost centre, the lists and pages, clearing demands, and
// every booking under a fault at every file call.
#include "stock/demand_consumption.h"

#include <gtest/gtest.h>

#include "tests/support/fake_ui.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

using test::FakeUi;
using test::StockWorld;

DateNumber d(int y, int m, int day) {
    return encodeDate({y, m, day});
}

struct Current {
    BookingDocument document;
    std::uint32_t number = 0;
    bool changed = false;
    DocumentRef ref() { return {document, number, changed}; }
};

TEST(DemandDates, DeferralIsCountedInTheCalendar) {
    struct Row {
        DateNumber today, date;
        int days;
        bool due;
    };
    const Row rows[] = {
        {d(2026, 12, 8), d(2026, 12, 21), 13, true}, {d(2026, 12, 8), d(2026, 12, 22), 14, false},
        {d(2026, 12, 20), d(2027, 1, 2), 13, true},  {d(2026, 12, 20), d(2027, 1, 3), 14, false},
        {d(2028, 2, 20), d(2028, 3, 4), 13, true},   {d(2028, 2, 20), d(2028, 3, 5), 14, false},
        {d(2027, 2, 20), d(2027, 3, 5), 13, true},   {d(2027, 2, 20), d(2027, 3, 6), 14, false},
        {d(2026, 1, 31), d(2026, 2, 13), 13, true},  {d(2026, 1, 31), d(2026, 2, 14), 14, false},
        {d(2026, 12, 8), d(2026, 11, 1), -37, true}, {d(2026, 12, 8), d(2026, 12, 8), 0, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.today) + " -> " + std::to_string(r.date));
        EXPECT_EQ(daysFromTo(r.today, r.date), r.days);
        EXPECT_EQ(demandIsDue(r.today, r.date), r.due);
    }
}

TEST(DemandDates, OneMonthAheadIsAlwaysACalendarDay) {
    const std::pair<DateNumber, DateNumber> rows[] = {
        {d(2026, 12, 8), d(2027, 1, 8)},    {d(2026, 12, 31), d(2027, 1, 31)}, {d(2027, 1, 31), d(2027, 2, 28)},
        {d(2028, 1, 31), d(2028, 2, 29)},   {d(2026, 3, 31), d(2026, 4, 30)},  {d(2028, 2, 29), d(2028, 3, 29)},
        {d(2026, 11, 30), d(2026, 12, 30)},
    };
    for (const auto& [today, limit] : rows) {
        EXPECT_EQ(oneMonthAhead(today), limit) << today;
        EXPECT_TRUE(isValidDate(oneMonthAhead(today)));
    }
}

// My Articles: article 3 (stock 3, demand 2, minimum stock 4) and article 5; one demand document in work
// naming both.
void standardWorld(StockWorld& w) {
    w.activateAll();
    w.putMyArticles({w.record(3, 3, 2, 4), w.record(5, 10, 0)});
    w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 1, {{0, 5}, {1, 7}})});
    w.putDocuments(BookingFile::Consumption, {StockWorld::document(0, 0, 0, 0, {{0, 5}})});
}

struct Fixture {
    StockWorld w;
    StockSession s{w.ram, w.clock, w.settings, w.catalogue, "meinart"};
    FakeUi ui;
    Current current;
    explicit Fixture(const std::function<void(StockWorld&)>& setup = standardWorld) {
        setup(w);
        EXPECT_TRUE(s.open().empty());
    }
    void makeCurrent(BookingFile f, std::uint32_t n) { ASSERT_TRUE(makeDocumentCurrent(s, f, current.ref(), n).ok); }
};

TEST(DemandBooking, ThirteenDaysAheadIsAppliedAtOnceFourteenLater) {
    for (int days : {13, 14}) {
        SCOPED_TRACE(days);
        Fixture f;
        f.makeCurrent(BookingFile::Demand, 0);
        f.ui.answers = {std::int32_t{addDays(f.w.clock.todayNumber(), days)}};
        ASSERT_TRUE(bookDemand(f.s, f.w.clock, f.current.ref(), f.ui));
        const BookingDocument stored = *f.s.readDocument(BookingFile::Demand, 0);
        EXPECT_EQ(stored.status, 2);
        EXPECT_EQ(stored.eventDate, addDays(f.w.clock.todayNumber(), days));
        EXPECT_EQ(stored, f.current.document);
        if (days == 13) {
            EXPECT_EQ(f.ui.log.back(), "info: Bedarf gebucht und Artikelbedarf aktualisiert");
            EXPECT_EQ(stored.bookedDate, f.w.clock.todayNumber());
            EXPECT_EQ(f.s.readMyArticle(0)->demand, 7);
            EXPECT_EQ(f.s.readMyArticle(0)->quantityToOrder, 8) << "4 + 7 - 3";
            EXPECT_EQ(f.s.readMyArticle(1)->demand, 7);
        } else {
            EXPECT_EQ(f.ui.log.back(), "info: Bedarf gebucht; Artikelbedarf wird 14 Tage vor Bedarf aktualisiert");
            EXPECT_EQ(stored.bookedDate, 0);
            EXPECT_EQ(f.s.readMyArticle(0)->demand, 2);
        }
    }
}

TEST(DemandBooking, DeferredDemandIsAppliedOnceWhenDue) {
    Fixture f;
    f.makeCurrent(BookingFile::Demand, 0);
    f.ui.answers = {std::int32_t{d(2026, 12, 31)}};
    ASSERT_TRUE(bookDemand(f.s, f.w.clock, f.current.ref(), f.ui));
    struct Step {
        DateNumber today;
        int applied;
        int demand;
    };
    // 31.12 is 23 days away, then 14, then 13 (applied), then nothing is left.
    const Step steps[] = {
        {d(2026, 12, 8), 0, 2}, {d(2026, 12, 17), 0, 2}, {d(2026, 12, 18), 1, 7}, {d(2027, 2, 1), 0, 7}};
    for (const Step& step : steps) {
        f.w.clock.set(decodeDate(step.today), 0);
        FakeUi ui;
        EXPECT_EQ(applyDueDemands(f.s, f.w.clock, ui, nullptr), step.applied) << step.today;
        EXPECT_EQ(f.s.readMyArticle(0)->demand, step.demand) << step.today;
        if (step.applied) {
            EXPECT_EQ(ui.log, std::vector<std::string>{"info: Bedarf aktualisiert:1"});
            EXPECT_EQ(f.s.readDocument(BookingFile::Demand, 0)->bookedDate, step.today);
        } else {
            EXPECT_TRUE(ui.log.empty());
        }
    }
}

TEST(DemandBooking, StartUpUpdateAppliesPastDatesAndSkipsWhatWouldOverflow) {
    Fixture f([](StockWorld& w) {
        w.putMyArticles({w.record(3, 0, 32000), w.record(5)});
        w.putDocuments(BookingFile::Demand,
                       {StockWorld::document(2, 0, 1261101, 0, {{1, 4}}),            // past: applied
                        StockWorld::document(2, 0, 1261130, 0, {{0, 1000}}),         // demand would pass 32767
                        StockWorld::document(2, 1261201, 1261202, 0, {{1, 50}}),     // applied before
                        StockWorld::document(0, 0, 1261202, 0, {{1, 60}}),           // in work
                        StockWorld::document(2, 0, 1261209, 0, {{1, 3}, {1, 2}})});  // due, two positions
    });
    Current current;
    current.number = 4;
    current.document = *f.s.readDocument(BookingFile::Demand, 4);
    DocumentRef ref = current.ref();
    EXPECT_EQ(applyDueDemands(f.s, f.w.clock, f.ui, &ref), 2);
    EXPECT_EQ(f.s.readMyArticle(1)->demand, 9);
    EXPECT_EQ(f.s.readMyArticle(0)->demand, 32000);
    EXPECT_EQ(f.s.readDocument(BookingFile::Demand, 1)->bookedDate, 0) << "left for a later start";
    EXPECT_EQ(current.document.bookedDate, f.w.clock.todayNumber()) << "the current document follows the file";
    ASSERT_EQ(f.ui.log.size(), 2u);
    EXPECT_NE(f.ui.log[0].find("Bedarf 2: Buchung nicht möglich"), std::string::npos) << f.ui.log[0];
    EXPECT_EQ(f.ui.log[1], "info: Bedarf aktualisiert:2");
}

TEST(ConsumptionBooking, TakesStockAndDemandAndRaisesTheQuantityToOrder) {
    Fixture f;
    f.makeCurrent(BookingFile::Consumption, 0);
    f.ui.answers = {std::int32_t{d(2026, 12, 7)}};
    ASSERT_TRUE(bookConsumption(f.s, f.w.clock, f.current.ref(), f.ui));
    const MyArticleRecord r = *f.s.readMyArticle(0);
    EXPECT_EQ(r.stock, -2);
    EXPECT_EQ(r.demand, 0);
    EXPECT_EQ(r.cumulativeConsumption, 5);
    EXPECT_EQ(r.quantityToOrder, 6) << "minimum stock 4 + 2";
    const BookingDocument stored = *f.s.readDocument(BookingFile::Consumption, 0);
    EXPECT_EQ(stored.eventDate, d(2026, 12, 7)) << "the consumption date is kept at offset 8";
    EXPECT_EQ(stored.bookedDate, 0);
    EXPECT_EQ(f.ui.log.back(), "info: Verbrauch gebucht");
    // The list and the page show that date.
    const BookingList list = bookingList(f.s, BookingKind::Consumption, f.w.centres, 0);
    EXPECT_EQ(list.content.columns[2].title, "Buch-Dat");
    EXPECT_EQ(list.content.rows[0].cells[2], "07.12.26");
    const std::vector<std::string> lines =
        textFileLines(bookingPage(f.s, BookingKind::Consumption, f.w.centres, stored, 0, 99));
    EXPECT_EQ(lines[2], "Datum          07.12.26");
}

TEST(Bookings, Refusals) {
    struct Row {
        const char* name;
        std::function<void(StockWorld&)> setup;
        BookingKind kind;
        const char* message;
    };
    const Row rows[] = {
        {"no demand", [](StockWorld& w) { w.putMyArticles({w.record(3)}); }, BookingKind::Demand, "Kein Bedarf"},
        {"no consumption", [](StockWorld& w) { w.putMyArticles({w.record(3)}); }, BookingKind::Consumption,
         "Kein Verbrauch"},
        {"no positions",
         [](StockWorld& w) {
             w.putMyArticles({w.record(3)});
             w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 0, {})});
         },
         BookingKind::Demand, "Keine Artikel"},
        {"demand booked",
         [](StockWorld& w) {
             w.putMyArticles({w.record(3)});
             w.putDocuments(BookingFile::Demand, {StockWorld::document(2, 0, 0, 0, {{0, 1}})});
         },
         BookingKind::Demand, "Bedarf bereits gebucht"},
        {"consumption booked",
         [](StockWorld& w) {
             w.putMyArticles({w.record(3)});
             w.putDocuments(BookingFile::Consumption, {StockWorld::document(2, 0, 0, 0, {{0, 1}})});
         },
         BookingKind::Consumption, "Verbrauch bereits gebucht"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Fixture f(r.setup);
        f.makeCurrent(bookingFileOf(r.kind), 0);
        const auto before = f.w.snapshot();
        const bool booked = r.kind == BookingKind::Demand ? bookDemand(f.s, f.w.clock, f.current.ref(), f.ui)
                                                          : bookConsumption(f.s, f.w.clock, f.current.ref(), f.ui);
        EXPECT_FALSE(booked);
        EXPECT_EQ(f.ui.log, std::vector<std::string>{std::string("info: ") + r.message});
        EXPECT_TRUE(f.w.snapshot() == before);
    }
    // A consumption that would take the stock below -32768 is refused as a whole.
    Fixture f([](StockWorld& w) {
        w.putMyArticles({w.record(3, -32000), w.record(5, 10)});
        w.putDocuments(BookingFile::Consumption, {StockWorld::document(0, 0, 0, 0, {{1, 5}, {0, 1000}})});
    });
    f.makeCurrent(BookingFile::Consumption, 0);
    const auto before = f.w.snapshot();
    f.ui.answers = {std::int32_t{f.w.clock.todayNumber()}};
    EXPECT_FALSE(bookConsumption(f.s, f.w.clock, f.current.ref(), f.ui));
    EXPECT_NE(f.ui.log.back().find("Bestand wäre -33000"), std::string::npos) << f.ui.log.back();
    EXPECT_TRUE(f.w.snapshot() == before);
    EXPECT_EQ(f.current.document.status, 0);
}

TEST(Bookings, ADateOfZeroIsTodayACancelledDateEndsTheBooking) {
    Fixture f;
    f.makeCurrent(BookingFile::Consumption, 0);
    f.ui.answers = {test::Cancel{}};
    EXPECT_FALSE(bookConsumption(f.s, f.w.clock, f.current.ref(), f.ui));
    EXPECT_EQ(f.s.readMyArticle(0)->stock, 3);
    f.ui.answers = {std::int32_t{0}};
    EXPECT_TRUE(bookConsumption(f.s, f.w.clock, f.current.ref(), f.ui));
    EXPECT_EQ(f.ui.linesStartingWith("error[FEHLER]: dat=0").size(), 1u);
    EXPECT_EQ(f.s.readDocument(BookingFile::Consumption, 0)->eventDate, f.w.clock.todayNumber());
}

TEST(Bookings, NewDemandAsksAgainForAClosedCostCentre) {
    Fixture f([](StockWorld& w) {
        w.putMyArticles({w.record(3)});
        w.centres.setActive(4, true, w.settings);
    });
    f.makeCurrent(BookingFile::Demand, 0);
    f.ui.answers = {true, std::int32_t{2}, std::int32_t{4}};
    ASSERT_TRUE(newBooking(f.s, BookingKind::Demand, f.w.centres, f.w.settings, f.w.clock, f.current.ref(), f.ui));
    EXPECT_EQ(f.ui.linesStartingWith("info: Diese Kostenstelle ist abgeschlossen").size(), 1u);
    EXPECT_EQ(f.s.documentCount(BookingFile::Demand), 1u);
    EXPECT_EQ(f.current.number, 0u);
    EXPECT_EQ(f.current.document.costCentre, 4);
    EXPECT_EQ(f.current.document.createdDate, f.w.clock.todayNumber());
    // A consumption is made for cost centre 0; its cost centre is chosen later and may not be closed either.
    Current consumption;
    f.ui.answers = {true};
    ASSERT_TRUE(
        newBooking(f.s, BookingKind::Consumption, f.w.centres, f.w.settings, f.w.clock, consumption.ref(), f.ui));
    f.ui.answers = {std::int32_t{3}, std::int32_t{4}};
    ASSERT_TRUE(
        chooseBookingCostCentre(f.s, BookingKind::Consumption, f.w.centres, f.w.settings, consumption.ref(), f.ui));
    EXPECT_EQ(f.s.readDocument(BookingFile::Consumption, 0)->costCentre, 4);
}

TEST(Bookings, ListsRunFromLastToFirstWithTheirTotals) {
    Fixture f([](StockWorld& w) {
        w.putMyArticles({w.record(3)});
        w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 3, {{0, 1}}),
                                             StockWorld::document(2, 1261207, 1261210, 0, {{0, 2}, {0, 3}})});
    });
    FakeUi ui;
    const std::optional<BookingList> list = openBookingList(f.s, BookingKind::Demand, f.w.centres, f.current.ref(), ui);
    ASSERT_TRUE(list);
    EXPECT_EQ(f.current.number, 1u) << "the last document becomes current";
    ASSERT_EQ(list->content.rows.size(), 2u);
    EXPECT_EQ(list->content.rows[0].cells,
              (std::vector<std::string>{"2", "01.11.26", "07.12.26", "0 Allgemein", "2", "gebucht", "5.00", "0.00"}));
    EXPECT_EQ(list->content.rows[1].cells,
              (std::vector<std::string>{"1", "01.11.26", "", "3 Projekt3", "1", "in Arbeit", "1.00", "0.00"}));
    EXPECT_EQ(list->content.selectedRow, 0);
    EXPECT_EQ(list->grossTotal, 6000);

    Fixture empty([](StockWorld&) {});
    EXPECT_FALSE(openBookingList(empty.s, BookingKind::Consumption, empty.w.centres, empty.current.ref(), ui));
    EXPECT_EQ(ui.log.back(), "info:  Keine Artikel in \"Meine Artikel\"");
}

TEST(Bookings, PositionsAreEnteredAndRepricedBySinglePieceOnLeaving) {
    // Article 4 with breaks 1 / 10 at 500 / 400.
    Fixture f([](StockWorld& w) {
        MyArticleRecord r = w.record(4);
        putI32(r.articleCopy.data(), 244, 10);
        putI32(r.articleCopy.data(), 264, 500);
        putI32(r.articleCopy.data(), 268, 400);
        w.putMyArticles({r});
        w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 0, {})});
    });
    f.makeCurrent(BookingFile::Demand, 0);
    std::size_t cursor = 0;
    f.ui.answers = {test::Cancel{}, std::int32_t{12}};
    EXPECT_FALSE(addPosition(f.s, f.current.ref(), cursor, 0, f.ui));
    EXPECT_EQ(f.current.document.positionCount, 0) << "a cancelled quantity keeps no position";
    ASSERT_TRUE(addPosition(f.s, f.current.ref(), cursor, 0, f.ui));
    EXPECT_EQ(f.current.document.positions[0].grossTotal, 4800) << "priced by quantity while entered";
    EXPECT_TRUE(f.current.changed);
    ASSERT_TRUE(leaveBookingView(f.s, BookingKind::Demand, f.current.ref()).ok);
    EXPECT_FALSE(f.current.changed);
    const BookingDocument stored = *f.s.readDocument(BookingFile::Demand, 0);
    EXPECT_EQ(stored.positions[0].grossTotal, 6000) << "by single piece when the view is left";
    EXPECT_EQ(stored.grossOrdered, 6000);
    const std::vector<std::string> lines =
        textFileLines(bookingPage(f.s, BookingKind::Demand, f.w.centres, stored, 0, 0));
    // The label 65 wide, then gross and net (6.00 / 1.19 = 5.042) 10 wide each.
    EXPECT_EQ(lines.back(), " Summe 12 Stück" + std::string(50, ' ') + "      6.00      5.04");
}

TEST(Bookings, DeletingAndSteppingPositions) {
    Fixture f([](StockWorld& w) {
        w.putMyArticles({w.record(3), w.record(5)});
        w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 0, {{0, 1}, {1, 2}, {0, 3}})});
    });
    f.makeCurrent(BookingFile::Demand, 0);
    std::size_t cursor = 0;
    stepPosition(f.current.document, cursor, -1);
    EXPECT_EQ(cursor, 0u);
    for (int i = 0; i < 5; ++i) stepPosition(f.current.document, cursor, +1);
    EXPECT_EQ(cursor, 2u) << "the cursor stops at the last position";
    f.ui.answers = {false, true};
    EXPECT_FALSE(deletePositionAtCursor(f.current.ref(), cursor, f.ui));
    EXPECT_EQ(f.current.document.positionCount, 3);
    ASSERT_TRUE(deletePositionAtCursor(f.current.ref(), cursor, f.ui));
    EXPECT_EQ(f.ui.linesStartingWith("ask[]: Gewählte Position löschen?").size(), 2u);
    EXPECT_EQ(f.current.document.positionCount, 2);
    EXPECT_EQ(cursor, 1u) << "the cursor stays on a position";
    EXPECT_EQ(f.current.document.grossOrdered, 3000) << "the sums follow";
    EXPECT_TRUE(f.current.changed);
}

TEST(Bookings, ClearingDemands) {
    Fixture f([](StockWorld& w) { w.putMyArticles({w.record(3, 0, 0, 2), w.record(5, 1, 0)}); });
    const auto before = f.w.snapshot();
    EXPECT_EQ(clearAllDemands(f.s, f.ui), 0);
    EXPECT_EQ(f.ui.log, std::vector<std::string>{"info: 0 Bedarfe Korrigiert"});
    EXPECT_TRUE(f.w.snapshot() == before);

    Fixture g([](StockWorld& w) { w.putMyArticles({w.record(3, 0, 5, 2), w.record(5, 1, 0), w.record(7, 0, 9)}); });
    EXPECT_EQ(clearAllDemands(g.s, g.ui), 2);
    EXPECT_EQ(g.ui.log, std::vector<std::string>{"info: 2 Bedarfe Korrigiert"});
    EXPECT_EQ(g.s.readMyArticle(0)->demand, 0);
    EXPECT_EQ(g.s.readMyArticle(0)->quantityToOrder, 2);
    EXPECT_EQ(g.s.readMyArticle(2)->quantityToOrder, 0);
}

TEST(Bookings, ATextFileThatCannotBeWrittenIsReported) {
    Fixture f;
    f.makeCurrent(BookingFile::Demand, 0);
    test::RamFileSystem textFs;
    FakeUi ui;
    ui.answers = {std::string("TEXTE/Bedarf1.TXT")};
    ASSERT_TRUE(
        saveBookingAsText(f.s, textFs, BookingKind::Demand, f.w.centres, f.w.settings, f.current.document, 0, ui));
    EXPECT_EQ(ui.lastFileRequest.title, "Bedarf 1 als Text speichern");
    const std::string text = textFs.get("TEXTE/Bedarf1.TXT");
    EXPECT_EQ(text.substr(0, 10), "Bedarf 1\r\n");
    EXPECT_NE(text.find("\r\n Summe 12 St\xFC"
                        "ck"),
              std::string::npos)
        << "Windows-1252, CR LF";

    struct FailingFs final : FileSystem {
        std::unique_ptr<File> open(const std::string&, OpenMode) override { return nullptr; }
        bool exists(const std::string&) override { return false; }
        bool rename(const std::string&, const std::string&) override { return false; }
        bool remove(const std::string&) override { return false; }
        bool makeDirectory(const std::string&) override { return false; }
        bool syncDirectory(const std::string&) override { return false; }
        std::string lastError() const override { return "Access denied"; }
    } failing;
    ui.answers = {std::string("X/Bedarf1.TXT")};
    EXPECT_FALSE(
        saveBookingAsText(f.s, failing, BookingKind::Demand, f.w.centres, f.w.settings, f.current.document, 0, ui));
    EXPECT_NE(ui.log.back().find("X/Bedarf1.TXT"), std::string::npos) << ui.log.back();
    EXPECT_NE(ui.log.back().find("Access denied"), std::string::npos) << ui.log.back();
}

// ---- every booking under a fault at every call ----

bool bookWith(StockSession& s, StockWorld& w, BookingKind kind, DateNumber date) {
    Current c;
    if (!makeDocumentCurrent(s, bookingFileOf(kind), c.ref(), 0).ok) return false;
    FakeUi ui;
    ui.answers = {std::int32_t{date}};
    return kind == BookingKind::Demand ? bookDemand(s, w.clock, c.ref(), ui) : bookConsumption(s, w.clock, c.ref(), ui);
}

TEST(BookingFaults, DemandAppliedAtOnce) {
    test::sweepStockChange(standardWorld, [](StockSession& s, StockWorld& w) {
        return bookWith(s, w, BookingKind::Demand, d(2026, 12, 10));
    });
}

TEST(BookingFaults, DemandDeferred) {
    test::sweepStockChange(standardWorld, [](StockSession& s, StockWorld& w) {
        return bookWith(s, w, BookingKind::Demand, d(2027, 1, 5));
    });
}

TEST(BookingFaults, Consumption) {
    test::sweepStockChange(standardWorld, [](StockSession& s, StockWorld& w) {
        return bookWith(s, w, BookingKind::Consumption, d(2026, 12, 8));
    });
}

TEST(BookingFaults, DemandUpdateAtStartUp) {
    test::sweepStockChange(
        [](StockWorld& w) {
            w.putMyArticles({w.record(3, 3, 2), w.record(5)});
            w.putDocuments(BookingFile::Demand, {StockWorld::document(2, 0, 1261215, 0, {{0, 4}, {1, 1}}),
                                                 StockWorld::document(2, 0, 1261220, 0, {{1, 6}})});
        },
        [](StockSession& s, StockWorld& w) {
            FakeUi ui;
            return applyDueDemands(s, w.clock, ui) == 2;
        });
}

TEST(BookingFaults, ClearingDemands) {
    test::sweepStockChange(
        [](StockWorld& w) {
            w.putMyArticles({w.record(3, 3, 2), w.record(5, 0, 4)});
        },
        [](StockSession& s, StockWorld&) {
            FakeUi ui;
            return clearAllDemands(s, ui) == 2;
        });
}

}  // namespace
}  // namespace kvx
