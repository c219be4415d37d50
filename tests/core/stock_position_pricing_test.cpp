// Position pricing: the break for a quantity, the unit price walk, totals, sums, the advice and the inputs.
#include "stock/position_pricing.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

PriceData breaks(std::array<std::int32_t, 6> thresholds, std::array<Money, 6> prices, int vatKey = 1, int unit = 1) {
    PriceData d;
    d.thresholds = thresholds;
    d.prices = prices;
    d.vatKey = vatKey;
    d.priceUnit = unit;
    return d;
}

const PriceData kStaffel = breaks({1, 10, 100, 0, 0, 0}, {500, 400, 300, 0, 0, 0});

TEST(PositionPricing, ByQuantityWithAdvice) {
    struct Row {
        const char* name;
        PriceData d;
        std::uint32_t q;
        Money unit, gross;
        int breakIndex;
        std::optional<std::uint32_t> advice;
    };
    const Row rows[] = {
        {"9 pieces at break 1, 10 are cheaper", kStaffel, 9, 500, 4500, 1, 10},
        {"5 pieces, no advice", kStaffel, 5, 500, 2500, 1, std::nullopt},
        {"10 pieces at break 2", kStaffel, 10, 400, 4000, 2, std::nullopt},
        {"99 pieces, 100 are cheaper", kStaffel, 99, 400, 39600, 2, 100},
        {"100 pieces at break 3", kStaffel, 100, 300, 30000, 3, std::nullopt},
        {"per hundred: 250 x 12000 / 100", breaks({1, 0, 0, 0, 0, 0}, {12000, 0, 0, 0, 0, 0}, 1, 100), 250, 12000,
         30000, 1, std::nullopt},
        {"per hundred truncates", breaks({1, 0, 0, 0, 0, 0}, {333, 0, 0, 0, 0, 0}, 0, 2), 7, 333, 23, 1, std::nullopt},
        {"no priced break", breaks({1, 10, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}), 50, 0, 0, 1, std::nullopt},
        {"first breaks unpriced", breaks({1, 5, 10, 0, 0, 0}, {0, 0, 700, 0, 0, 0}), 1, 700, 700, 3, std::nullopt},
        {"threshold 100000 is not 34464", breaks({1, 100000, 0, 0, 0, 0}, {500, 100, 0, 0, 0, 0}), 40000, 500, 20000000,
         1, std::nullopt},
        {"nor 65535", breaks({1, 100000, 0, 0, 0, 0}, {500, 100, 0, 0, 0, 0}), 65535, 500, 32767500, 1, std::nullopt},
        {"an unpriced break between priced ones", breaks({1, 10, 100, 0, 0, 0}, {500, 0, 300, 0, 0, 0}), 200, 300,
         60000, 3, std::nullopt},
        {"below the first priced break", breaks({1, 5, 10, 0, 0, 0}, {0, 0, 700, 0, 0, 0}), 12, 700, 8400, 3,
         std::nullopt},
        {"no advice for a break beyond 60000", breaks({1, 60001, 0, 0, 0, 0}, {500, 1, 0, 0, 0, 0}), 50000, 500,
         25000000, 1, std::nullopt},
        {"advice up to 60000", breaks({1, 60000, 0, 0, 0, 0}, {500, 1, 0, 0, 0, 0}), 50000, 500, 25000000, 1, 60000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto p = priceByQuantity(row.d, row.q);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->unit, row.unit);
        EXPECT_EQ(p->gross, row.gross);
        EXPECT_EQ(p->breakIndex, row.breakIndex);
        EXPECT_EQ(p->net % 10, 0) << "net totals are whole cents";
        EXPECT_EQ(p->net, netFromGross(p->gross, row.d.vatKey));
        EXPECT_EQ(cheaperQuantity(row.d, row.q), row.advice);
    }
    EXPECT_EQ(cheaperQuantityQuestion(10, 9), "10 sind günstiger als 9 Stück! Günstigere Menge bestellen?");
}

TEST(PositionPricing, BreakIndexAndMinimumOrderQuantity) {
    struct Row {
        PriceData d;
        std::uint32_t q;
        int breakIndex;
        std::uint32_t minimumOrder;
    };
    const Row rows[] = {
        {kStaffel, 0, 1, 1},
        {kStaffel, 150, 3, 1},
        {breaks({0, 0, 20, 50, 0, 0}, {0, 0, 0, 900, 0, 0}), 5, 3, 50},  // no threshold reached: the lowest set
        {breaks({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}), 5, 1, 0},
        {breaks({0, 0, 0, 0, 0, 8}, {0, 0, 0, 0, 0, 0}), 5, 6, 8},  // nothing priced: threshold of break 6
        {breaks({70000, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}), 65535, 1, 65535},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(priceBreakIndex(row.d, row.q), row.breakIndex) << row.q;
        EXPECT_EQ(minimumOrderQuantity(row.d), row.minimumOrder) << row.q;
    }
}

TEST(PositionPricing, SinglePieceUsesTheFirstBreak) {
    const auto p = priceBySinglePiece(kStaffel, 100);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->unit, 500);
    EXPECT_EQ(p->gross, 50000);
    EXPECT_EQ(p->net, 42020);  // 50000 / 1.19 = 42016.8 -> 42020
}

TEST(PositionPricing, TotalsThatLeave32BitsAreRefused) {
    const PriceData dear = breaks({1, 0, 0, 0, 0, 0}, {2000000000, 0, 0, 0, 0, 0});
    EXPECT_FALSE(priceByQuantity(dear, 2));
    EXPECT_TRUE(priceByQuantity(dear, 1));
    EXPECT_TRUE(priceByQuantity(breaks({1, 0, 0, 0, 0, 0}, {2000000000, 0, 0, 0, 0, 0}, 0, 100), 107))
        << "per hundred the product may pass 32 bits on the way";
    EXPECT_FALSE(cheaperQuantity(breaks({1, 60000, 0, 0, 0, 0}, {2000000000, 2000000000, 0, 0, 0, 0}), 59999))
        << "the advice compares in 64 bits: 59999 x 2e9 is not cheaper than 60000 x 2e9";

    BookingDocument d = BookingDocument::initialised(1);
    d.positionCount = 2;
    d.positions[0].name = "Teuer\xC4";
    d.positions[0].quantity = 1;
    d.positions[1].quantity = 1;
    std::string refusal;
    ASSERT_TRUE(pricePosition(d, 0, dear, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal));
    EXPECT_EQ(d.grossOrdered, 2000000000);
    const BookingDocument before = d;
    // A second position of 2e9: each total fits, the sum does not.
    EXPECT_FALSE(pricePosition(d, 1, dear, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal));
    EXPECT_EQ(d, before);
    d.positions[0].quantity = 3;
    EXPECT_FALSE(pricePosition(d, 0, dear, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal));
    EXPECT_EQ(refusal, "Artikel Teuer\xC3\x84: der Betrag für 3 Stück ist zu groß. Die Menge wird nicht übernommen.");
    EXPECT_EQ(d.positions[0].grossTotal, 2000000000) << "nothing changed";
}

TEST(PositionPricing, PricingAPositionAndRepricingADocument) {
    BookingDocument d = BookingDocument::initialised(1);
    d.positionCount = 3;
    d.positions[0].quantity = 9;
    d.positions[0].delivered = 10;
    d.positions[1].quantity = 100;
    d.positions[1].recordNumber = 99;  // names nothing: keeps its totals
    d.positions[1].grossTotal = 7;
    d.positions[2].quantity = 1;
    std::string refusal;
    ASSERT_TRUE(pricePosition(d, 0, kStaffel, PricedQuantity::Delivered, PricingMode::ByQuantity, refusal));
    EXPECT_EQ(d.positions[0].deliveredGross, 4000);
    EXPECT_EQ(d.positions[0].deliveredBreakIndex, 2);
    EXPECT_EQ(d.positions[0].unitPrice, 400);
    EXPECT_EQ(d.grossDelivered, 4000);
    EXPECT_FALSE(pricePosition(d, 3, kStaffel, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal))
        << "no such position";

    const PriceLookup lookup = [](const BookingPosition& p) -> std::optional<PriceData> {
        if (p.recordNumber == 99) return std::nullopt;
        return kStaffel;
    };
    ASSERT_TRUE(repriceDocument(d, lookup, PricingMode::ByQuantity, true, refusal));
    EXPECT_EQ(d.positions[0].grossTotal, 4500);
    EXPECT_EQ(d.positions[0].breakIndex, 1);
    EXPECT_EQ(d.positions[0].deliveredGross, 4000);
    EXPECT_EQ(d.positions[1].grossTotal, 7);
    EXPECT_EQ(d.positions[2].grossTotal, 500);
    EXPECT_EQ(d.grossOrdered, 4500 + 7 + 500);
    EXPECT_EQ(d.netOrdered, d.positions[0].netTotal + d.positions[2].netTotal);
    ASSERT_TRUE(repriceDocument(d, lookup, PricingMode::BySinglePiece, false, refusal));
    EXPECT_EQ(d.positions[0].unitPrice, 500);
    EXPECT_EQ(d.positions[0].deliveredGross, 4000) << "the delivered quantity is left alone";
}

TEST(PositionPricing, QuantityInputs) {
    struct Row {
        NumberRequest request;
        std::string caption;
        std::int32_t minimum, value;
    };
    const Row rows[] = {
        {orderQuantityRequest("BC547", 25, 9), "BC547 Menge eingeben mind.:25", 25, 25},
        {orderQuantityRequest("BC547", 1, 9), "BC547 Menge eingeben", 1, 9},
        {orderQuantityRequest("BC547", 0, 0), "BC547 Menge eingeben", 1, 1},
        {orderQuantityRequest("BC547", 65535, 1), "BC547 Menge eingeben mind.:65535", 60000, 60000},
        {bookingQuantityRequest("R1", 70000), "R1 Menge eingeben", 1, 60000},
        {deliveredQuantityRequest("R1", 5), "R1 Liefermenge eingeben", 1, 5},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.request.caption, row.caption);
        EXPECT_EQ(row.request.prompt, "Menge");
        EXPECT_EQ(row.request.minimum, row.minimum) << row.caption;
        EXPECT_EQ(row.request.maximum, 60000);
        EXPECT_EQ(row.request.value, row.value) << row.caption;
    }
}

}  // namespace
}  // namespace kvx
