// Calculations: taken over as demand for their piece count (and then booked), the product limit, the piece
// count input, the page with its project columns, and the take-over under a fault at every call.
#include "stock/calculations.h"

#include <gtest/gtest.h>

#include "stock/demand_consumption.h"
#include "tests/support/fake_ui.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

using test::FakeUi;
using test::StockWorld;

struct Current {
    BookingDocument document;
    std::uint32_t number = 0;
    bool changed = false;
    DocumentRef ref() { return {document, number, changed}; }
};

// Article 4 with breaks 1 / 10 at 500 / 400 (record 0) and article 6 (record 1, price 1006); a calculation
// of 3 pieces with 7 of record 0 and 2 of record 1, made on 1.11.26 for cost centre 2.
void calculationWorld(StockWorld& w) {
    w.activateAll();
    MyArticleRecord r = w.record(4, 0, 1);
    putI32(r.articleCopy.data(), 244, 10);
    putI32(r.articleCopy.data(), 264, 500);
    putI32(r.articleCopy.data(), 268, 400);
    w.putMyArticles({r, w.record(6)});
    BookingDocument c = StockWorld::document(0, 1261101, 0, 2, {{0, 7}, {1, 2}});
    c.pieceCount = 3;
    c.textFile = "TEXTE/alt.txt";
    w.putDocuments(BookingFile::Calculations, {c});
    w.putDocuments(BookingFile::Demand, {StockWorld::document(0, 0, 0, 0, {{1, 1}})});
}

struct Fixture {
    StockWorld w;
    StockSession s{w.ram, w.clock, w.settings, w.catalogue, "meinart"};
    FakeUi ui;
    Current calc, demand;
    explicit Fixture(const std::function<void(StockWorld&)>& setup = calculationWorld) {
        setup(w);
        EXPECT_TRUE(s.open().empty());
        EXPECT_TRUE(openCalculationList(s, calc.ref(), ui));
        EXPECT_TRUE(makeDocumentCurrent(s, BookingFile::Demand, demand.ref(), 0).ok);
    }
};

TEST(Calculations, TakenOverAsDemandForItsPieceCountAndBooked) {
    Fixture f;
    f.demand.changed = true;  // a changed current demand is written back first
    f.demand.document.costCentre = 5;
    f.ui.answers = {true};
    ASSERT_TRUE(calculationToDemand(f.s, f.w.clock, f.calc.document, f.demand.ref(), f.ui));
    ASSERT_EQ(f.s.documentCount(BookingFile::Demand), 2u);
    EXPECT_EQ(f.s.readDocument(BookingFile::Demand, 0)->costCentre, 5);
    EXPECT_EQ(f.demand.number, 1u);
    const BookingDocument d = *f.s.readDocument(BookingFile::Demand, 1);
    EXPECT_EQ(d, f.demand.document);
    EXPECT_EQ(d.positions[0].quantity, 21);
    EXPECT_EQ(d.positions[1].quantity, 6);
    EXPECT_EQ(d.pieceCount, 1);
    EXPECT_EQ(d.bookedDate, 0) << "not applied yet";
    EXPECT_EQ(d.createdDate, f.w.clock.todayNumber());
    EXPECT_EQ(d.textFile, "");
    EXPECT_EQ(d.costCentre, 2);
    EXPECT_EQ(d.positions[0].grossTotal, 21 * 400) << "repriced by quantity";
    EXPECT_EQ(d.grossOrdered, 21 * 400 + 6 * 1006);

    // Booked 13 days ahead, it reaches My Articles at once.
    f.ui.answers = {std::int32_t{addDays(f.w.clock.todayNumber(), 13)}};
    ASSERT_TRUE(bookDemand(f.s, f.w.clock, f.demand.ref(), f.ui));
    EXPECT_EQ(f.ui.log.back(), "info: Bedarf gebucht und Artikelbedarf aktualisiert");
    EXPECT_EQ(f.s.readMyArticle(0)->demand, 22);
}

TEST(Calculations, AProductAbove60000IsRefusedAndNothingAppended) {
    struct Row {
        std::uint16_t pieces, quantity;
        bool accepted;
    };
    const Row rows[] = {{60000, 1, true}, {30000, 2, true}, {20001, 3, false}, {60000, 60000, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.pieces) + " x " + std::to_string(r.quantity));
        Fixture f;
        f.calc.document.pieceCount = r.pieces;
        f.calc.document.positions[0].quantity = 1;
        f.calc.document.positions[1].quantity = r.quantity;
        const auto before = f.w.snapshot();
        f.ui.answers = {true};
        EXPECT_EQ(calculationToDemand(f.s, f.w.clock, f.calc.document, f.demand.ref(), f.ui), r.accepted);
        if (r.accepted) {
            EXPECT_EQ(f.s.readDocument(BookingFile::Demand, 1)->positions[1].quantity, r.pieces * r.quantity);
            continue;
        }
        EXPECT_TRUE(f.w.snapshot() == before);
        EXPECT_EQ(f.demand.number, 0u);
        EXPECT_NE(f.ui.log.back().find("Position 2 (P1)"), std::string::npos) << f.ui.log.back();
    }
}

TEST(Calculations, PieceCountCostCentreAndNew) {
    Fixture f;
    f.ui.answers = {std::int32_t{4}};
    ASSERT_TRUE(changePieceCount(f.s, f.calc.ref(), f.ui));
    EXPECT_EQ(f.s.readDocument(BookingFile::Calculations, 0)->pieceCount, 4);
    f.ui.answers = {std::int32_t{4}};
    EXPECT_FALSE(changePieceCount(f.s, f.calc.ref(), f.ui)) << "unchanged: nothing written";

    f.w.centres.setActive(7, false, f.w.settings);
    f.ui.answers = {std::int32_t{7}, std::int32_t{8}};
    ASSERT_TRUE(chooseCalculationCostCentre(f.s, f.w.centres, f.w.settings, f.calc.ref(), f.ui));
    EXPECT_EQ(f.s.readDocument(BookingFile::Calculations, 0)->costCentre, 8);

    f.ui.answers = {true, std::int32_t{3}};
    ASSERT_TRUE(newCalculation(f.s, f.w.centres, f.w.settings, f.w.clock, f.calc.ref(), f.ui));
    EXPECT_EQ(f.calc.number, 1u);
    EXPECT_EQ(f.calc.document.bookedDate, f.w.clock.todayNumber());
    EXPECT_EQ(f.calc.document.pieceCount, 1);
    const std::vector<std::string> lines = textFileLines(calculationListPage(f.s, f.w.centres, f.calc.number));
    ASSERT_EQ(lines.size(), 3u);
    // Nr 10 and Erst-Dat 10 left, Kostenstelle 12 left, Positionen and Stückzahl 12, the sums 10, so that
    // neither the titles nor five-digit amounts run into each other.
    EXPECT_EQ(lines[0], " Nr        Erst-Dat  Kostenstell  Positionen   Stückzahl GesBrutto  GesNetto");
    EXPECT_EQ(lines[1], " 1         01.11.26  8 Projekt8            2           4      9.00      0.00");
    EXPECT_EQ(calculationAtLine(f.s, 3), 1u);
    EXPECT_FALSE(calculationAtLine(f.s, 1));
}

TEST(Calculations, PageShowsTheProjectColumnsAndSumPerPiece) {
    Fixture f;
    ASSERT_TRUE(recomputeCalculation(f.s, f.calc.ref(), f.ui));
    const std::vector<std::string> lines = textFileLines(calculationPage(f.s, f.w.centres, f.calc.document, 0, 0));
    EXPECT_EQ(lines[0], "Kalkulation 1");
    EXPECT_EQ(lines[5], "Stückzahl      3");
    // 7 pieces at 500 (below the 10 break), 21 at 400 for the project; 2 at 1006, 6 for the project.
    EXPECT_NE(lines[10].find("      3.50      2.94     1      8.40      7.06     2"), std::string::npos) << lines[10];
    EXPECT_EQ(lines[13],
              " Summe 3 Stück" + std::string(51, ' ') + "      5.51      4.63      " + "     14.44     12.13");
    EXPECT_EQ(lines[14], " Summe/Stück" + std::string(53, ' ') + std::string(26, ' ') + "      4.81      4.04");
}

TEST(CalculationFaults, TakingOverAsDemand) {
    test::sweepStockChange(calculationWorld, [](StockSession& s, StockWorld& w) {
        FakeUi ui;
        Current calc, demand;
        if (!openCalculationList(s, calc.ref(), ui)) return false;
        ui.answers = {true};
        return calculationToDemand(s, w.clock, calc.document, demand.ref(), ui);
    });
}

}  // namespace
}  // namespace kvx
