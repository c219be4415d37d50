// The quantities a booking changes in My Articles (stock, demand, quantity on order, the cumulative
// consumption and receipt), planned for all positions first: when any field would leave its range the
// whole booking is refused with an information naming the article and the field, and nothing is changed.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "stock/my_article_record.h"

namespace kvx {

enum class StockField { Stock, Demand, OnOrder, CumulativeConsumption, CumulativeReceipt };
enum class StockOperation {
    Add,                // f + amount
    Subtract,           // f - amount
    SaturatingSubtract  // f - amount when f > amount, else 0
};

struct StockChange {
    std::uint32_t record = 0;  // My Articles record number
    StockField field = StockField::Stock;
    StockOperation operation = StockOperation::Add;
    std::int32_t amount = 0;
};

struct StockPlan {
    bool ok = false;
    std::string refusal;                               // UTF-8, when !ok
    std::map<std::uint32_t, MyArticleRecord> records;  // the changed records, quantity to order recomputed
    std::vector<std::uint32_t> skipped;                // record numbers that name nothing
};

// Reads each record through `read` (nothing = the record cannot be read: its changes are skipped and its
// number listed), applies the changes in order (several may hit one record) and checks every result.
using RecordReader = std::function<std::optional<MyArticleRecord>(std::uint32_t)>;
[[nodiscard]] StockPlan planStockChanges(const std::vector<StockChange>& changes, const RecordReader& read);

// "Bestand", "Bedarf", "Bestellt", "Verbrauch gesamt", "Wareneingang gesamt".
std::string stockFieldName(StockField field);

}  // namespace kvx
