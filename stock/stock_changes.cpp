// Planning and checking the quantity changes of a booking.
#include "stock/stock_changes.h"

#include <limits>

namespace kvx {

namespace {

struct Range {
    std::int64_t low, high;
};

Range rangeOf(StockField field) {
    switch (field) {
        case StockField::Stock:
        case StockField::Demand:
        case StockField::OnOrder:
            return {std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()};
        default:
            return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    }
}

std::int64_t valueOf(const MyArticleRecord& r, StockField field) {
    switch (field) {
        case StockField::Stock:
            return r.stock;
        case StockField::Demand:
            return r.demand;
        case StockField::OnOrder:
            return r.onOrder;
        case StockField::CumulativeConsumption:
            return r.cumulativeConsumption;
        case StockField::CumulativeReceipt:
            return r.cumulativeReceipt;
    }
    return 0;
}

void store(MyArticleRecord& r, StockField field, std::int64_t v) {
    switch (field) {
        case StockField::Stock:
            r.stock = static_cast<std::int16_t>(v);
            break;
        case StockField::Demand:
            r.demand = static_cast<std::int16_t>(v);
            break;
        case StockField::OnOrder:
            r.onOrder = static_cast<std::int16_t>(v);
            break;
        case StockField::CumulativeConsumption:
            r.cumulativeConsumption = static_cast<std::int32_t>(v);
            break;
        case StockField::CumulativeReceipt:
            r.cumulativeReceipt = static_cast<std::int32_t>(v);
            break;
    }
}

}  // namespace

std::string stockFieldName(StockField field) {
    switch (field) {
        case StockField::Stock:
            return "Bestand";
        case StockField::Demand:
            return "Bedarf";
        case StockField::OnOrder:
            return "Bestellt";
        case StockField::CumulativeConsumption:
            return "Verbrauch gesamt";
        case StockField::CumulativeReceipt:
            return "Wareneingang gesamt";
    }
    return {};
}

StockPlan planStockChanges(const std::vector<StockChange>& changes, const RecordReader& read) {
    StockPlan plan;
    std::map<std::uint32_t, bool> unreadable;
    for (const StockChange& c : changes) {
        auto it = plan.records.find(c.record);
        if (it == plan.records.end()) {
            if (unreadable.count(c.record)) continue;
            std::optional<MyArticleRecord> r = read(c.record);
            if (!r) {
                unreadable[c.record] = true;
                plan.skipped.push_back(c.record);
                continue;
            }
            it = plan.records.emplace(c.record, std::move(*r)).first;
        }
        MyArticleRecord& r = it->second;
        const std::int64_t f = valueOf(r, c.field);
        std::int64_t v = f;
        switch (c.operation) {
            case StockOperation::Add:
                v = f + c.amount;
                break;
            case StockOperation::Subtract:
                v = f - c.amount;
                break;
            case StockOperation::SaturatingSubtract:
                v = f > c.amount ? f - c.amount : 0;
                break;
        }
        const Range range = rangeOf(c.field);
        if (v < range.low || v > range.high) {
            plan.refusal = "Buchung nicht möglich: Artikel " + std::to_string(r.articleNumber) + " " +
                           articleName(r.article()) + ", " + stockFieldName(c.field) + " wäre " + std::to_string(v) +
                           " (erlaubt " + std::to_string(range.low) + " bis " + std::to_string(range.high) +
                           "). Es wurde nichts geändert.";
            plan.records.clear();  // `r` lives there: cleared only after the text is made
            return plan;
        }
        store(r, c.field, v);
    }
    for (auto& [n, r] : plan.records) updateQuantityToOrder(r);
    plan.ok = true;
    return plan;
}

}  // namespace kvx
