// The quantity changes of a booking: all positions checked first, a field leaving its range refuses the whole
// booking naming the article and the field, records naming nothing are skipped.
#include "stock/stock_changes.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

MyArticleRecord recordOf(ArticleNumber a, std::int16_t stock, std::int16_t demand, std::int16_t onOrder) {
    CatalogueArticle c;
    c.kurzbez[0] = "Art" + std::to_string(a);
    const Bytes b = c.encode();
    MyArticleRecord r = makeMyArticleRecord(a, Bytes(b.begin(), b.begin() + 288));
    r.stock = stock;
    r.demand = demand;
    r.onOrder = onOrder;
    r.minimumStock = 100;
    return r;
}

TEST(StockChanges, EveryPositionIsCheckedBeforeAnythingChanges) {
    const std::vector<MyArticleRecord> file = {recordOf(11, 0, 0, 0), recordOf(12, 32000, 5, 40000 - 65536),
                                               recordOf(13, -100, 0, 10)};
    const RecordReader read = [&file](std::uint32_t n) -> std::optional<MyArticleRecord> {
        if (n >= file.size()) return std::nullopt;
        return file[n];
    };
    using F = StockField;
    using O = StockOperation;
    struct Row {
        const char* name;
        std::vector<StockChange> changes;
        const char* refusal;  // nullptr: accepted
        std::vector<std::pair<std::uint32_t, std::int16_t>> stocks;
    };
    const Row rows[] = {
        {"goods receipt",
         {{0, F::Stock, O::Add, 30000}, {0, F::OnOrder, O::SaturatingSubtract, 5}},
         nullptr,
         {{0, 30000}}},
        {"stock would pass 32767",
         {{0, F::Stock, O::Add, 100}, {1, F::Stock, O::Add, 800}},
         "Buchung nicht möglich: Artikel 12 Art12, Bestand wäre 32800 (erlaubt -32768 bis 32767). Es wurde nichts "
         "geändert.",
         {}},
        {"two positions of one article add up",
         {{1, F::Stock, O::Add, 700}, {1, F::Stock, O::Add, 100}},
         "Buchung nicht möglich: Artikel 12 Art12, Bestand wäre 32800 (erlaubt -32768 bis 32767). Es wurde nichts "
         "geändert.",
         {}},
        {"consumption below -32768",
         {{2, F::Stock, O::Subtract, 32700}},
         "Buchung nicht möglich: Artikel 13 Art13, Bestand wäre -32800 (erlaubt -32768 bis 32767). Es wurde nichts "
         "geändert.",
         {}},
        {"demand wraps no more",
         {{0, F::Demand, O::Add, 60000}},
         "Buchung nicht möglich: Artikel 11 Art11, Bedarf wäre 60000 (erlaubt -32768 bis 32767). Es wurde nichts "
         "geändert.",
         {}},
        {"saturating subtraction floors at 0", {{2, F::OnOrder, O::SaturatingSubtract, 60000}}, nullptr, {{2, -100}}},
        {"positions naming nothing are skipped",
         {{7, F::Stock, O::Add, 1}, {0, F::Stock, O::Add, 3}},
         nullptr,
         {{0, 3}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const StockPlan plan = planStockChanges(row.changes, read);
        EXPECT_EQ(plan.ok, row.refusal == nullptr);
        if (row.refusal) {
            EXPECT_EQ(plan.refusal, row.refusal);
            EXPECT_TRUE(plan.records.empty()) << "nothing to write";
            continue;
        }
        for (const auto& [n, stock] : row.stocks) {
            ASSERT_TRUE(plan.records.count(n));
            EXPECT_EQ(plan.records.at(n).stock, stock);
            EXPECT_EQ(plan.records.at(n).quantityToOrder, quantityToOrder(plan.records.at(n)));
        }
    }
    const StockPlan skipped = planStockChanges({{7, F::Stock, O::Add, 1}, {7, F::Demand, O::Add, 1}}, read);
    EXPECT_EQ(skipped.skipped, std::vector<std::uint32_t>{7});
    const StockPlan receipt = planStockChanges(
        {{2, F::OnOrder, O::SaturatingSubtract, 60000}, {2, F::CumulativeReceipt, O::Add, 60000}}, read);
    ASSERT_TRUE(receipt.ok);
    EXPECT_EQ(receipt.records.at(2).onOrder, 0);
    EXPECT_EQ(receipt.records.at(2).cumulativeReceipt, 60000);
    EXPECT_EQ(receipt.records.at(2).quantityToOrder, 200) << "100 minimum + 100 short";
}

}  // namespace
}  // namespace kvx
