// The bookings of an order: booking out (quantity on order up) and the goods receipt (stock and cumulative
// receipt up by the delivered quantity, quantity on order down by the ordered one, demand down by the
// delivered one), each planned and range-checked for every position before one commit writes the order and
// the records it changes.
#include "stock/orders.h"

#include "base/cp1252.h"
#include "stock/position_pricing.h"
#include "stock/stock_changes.h"

namespace kvx {

namespace {

// Plans `changes`, then commits the changed records with the order at its number. On success the current
// order becomes `booked` and is no longer changed; otherwise it stays as it was.
bool commitBooking(OrderContext& c, DocumentRef order, const BookingDocument& booked,
                   const std::vector<StockChange>& changes) {
    const StockPlan plan = planStockChanges(changes, [&c](std::uint32_t n) { return c.session.readMyArticle(n); });
    if (!plan.ok) {
        c.ui.inform(plan.refusal);
        return false;
    }
    StockTransaction t;
    for (const auto& [n, record] : plan.records) t.myArticles.emplace_back(n, record);
    t.documents.push_back({BookingFile::Orders, order.number, booked});
    if (!reportWrite(c.ui, c.session.commit(t))) return false;
    order.document = booked;
    order.changed = false;
    return true;
}

bool bookReceipt(OrderContext& c, DocumentRef order, BookingDocument booked) {
    for (std::size_t i = 0; i < booked.validPositions(); ++i) {
        const std::optional<PriceData> prices = c.session.priceDataFor(booked.positions[i]);
        if (!prices) continue;  // names nothing: its totals stay as they are
        std::string refusal;
        if (!pricePosition(booked, i, *prices, PricedQuantity::Delivered, PricingMode::ByQuantity, refusal)) {
            c.ui.inform(refusal);
            return false;
        }
    }
    booked.status = 2;
    std::vector<StockChange> changes;
    for (std::size_t i = 0; i < booked.validPositions(); ++i) {
        const BookingPosition& p = booked.positions[i];
        if (p.catalogueDirect != 0) continue;
        changes.push_back({p.recordNumber, StockField::OnOrder, StockOperation::SaturatingSubtract, p.quantity});
        changes.push_back({p.recordNumber, StockField::Stock, StockOperation::Add, p.delivered});
        changes.push_back({p.recordNumber, StockField::CumulativeReceipt, StockOperation::Add, p.delivered});
        changes.push_back({p.recordNumber, StockField::Demand, StockOperation::SaturatingSubtract, p.delivered});
    }
    if (!commitBooking(c, order, booked, changes)) return false;
    c.ui.inform(kReceiptBooked);
    return true;
}

// The guards of a goods receipt on the current order.
bool mayReceive(OrderContext& c, const BookingDocument& d) {
    if (d.status == 2) {
        c.ui.inform(kReceiptAlreadyBooked);
        return false;
    }
    if (d.status == 0) {
        c.ui.inform(kNotYetOrdered);
        return false;
    }
    if (d.validPositions() == 0) {
        c.ui.inform(kNoArticles);
        return false;
    }
    return true;
}

}  // namespace

std::optional<DateNumber> askBookingDate(OrderContext& c, const std::string& caption, DateNumber otherLimit) {
    const DateNumber today = c.clock.todayNumber();
    const std::optional<DateNumber> date = c.ui.askDate({caption, today, today, otherLimit});
    if (!date) return std::nullopt;
    if (*date == 0) {
        c.ui.error(kDateZero);
        return today;
    }
    return date;
}

bool bookOrderOut(OrderContext& c, DocumentRef order) {
    const BookingDocument& d = order.document;
    if (d.validPositions() == 0) {
        c.ui.inform(kNoArticles);
        return false;
    }
    if (d.status != 0) {
        c.ui.inform(kAlreadyOrdered);
        return false;
    }
    if (!c.ui.ask("Bestellausgang buchen?")) return false;
    const std::optional<DateNumber> date = askBookingDate(c, "Bestelldatum", d.createdDate);
    if (!date) return false;
    BookingDocument booked = d;
    std::string refusal;
    if (!repriceDocument(
            booked, [&c](const BookingPosition& p) { return c.session.priceDataFor(p); }, PricingMode::ByQuantity,
            false, refusal)) {
        c.ui.inform(refusal);
        return false;
    }
    booked.status = 1;
    booked.bookedDate = *date;
    std::vector<StockChange> changes;
    for (std::size_t i = 0; i < booked.validPositions(); ++i) {
        const BookingPosition& p = booked.positions[i];
        if (p.catalogueDirect == 0)
            changes.push_back({p.recordNumber, StockField::OnOrder, StockOperation::Add, p.quantity});
    }
    if (!commitBooking(c, order, booked, changes)) return false;
    c.ui.inform(kOrderBooked);
    return true;
}

ReceiptStart startGoodsReceipt(OrderContext& c, DocumentRef order) {
    if (c.session.documentCount(BookingFile::Orders) == 0) {
        c.ui.inform(kNoOrder);
        return ReceiptStart::Refused;
    }
    if (!mayReceive(c, order.document)) return ReceiptStart::Refused;
    const std::optional<DateNumber> date = askBookingDate(c, "Wareneingangsdatum", order.document.bookedDate);
    if (!date) return ReceiptStart::Refused;
    BookingDocument receipt = order.document;
    receipt.eventDate = *date;
    for (std::size_t i = 0; i < receipt.validPositions(); ++i) {
        BookingPosition& p = receipt.positions[i];
        p.delivered = p.quantity;
        p.deliveredGross = p.grossTotal;
        p.deliveredNet = p.netTotal;
        p.deliveredBreakIndex = p.breakIndex;
    }
    receipt.grossDelivered = receipt.grossOrdered;
    receipt.netDelivered = receipt.netOrdered;
    if (c.ui.ask("Liefermengen bearbeiten?")) {
        order.document = std::move(receipt);
        order.changed = true;
        return ReceiptStart::OpenView;
    }
    return bookReceipt(c, order, std::move(receipt)) ? ReceiptStart::Booked : ReceiptStart::Failed;
}

bool enterDeliveredQuantity(OrderContext& c, DocumentRef order, std::size_t position) {
    BookingDocument& d = order.document;
    if (d.status == 2) {
        c.ui.inform(kReceiptAlreadyBooked);
        return false;
    }
    if (position >= d.validPositions()) return false;
    const BookingPosition& p = d.positions[position];
    NumberRequest request = deliveredQuantityRequest(cp1252ToUtf8(p.name), p.delivered);
    // Goods that never came are booked as 0; 1 as the least would put pieces into stock that are not there.
    request.minimum = 0;
    request.value = p.delivered;
    const std::optional<std::int32_t> answer = c.ui.askNumber(request);
    if (!answer || *answer < request.minimum || *answer > request.maximum) return false;
    BookingDocument changed = d;
    changed.positions[position].delivered = static_cast<std::uint16_t>(*answer);
    if (const std::optional<PriceData> prices = c.session.priceDataFor(p)) {
        std::string refusal;
        if (!pricePosition(changed, position, *prices, PricedQuantity::Delivered, PricingMode::ByQuantity, refusal)) {
            c.ui.inform(refusal);
            return false;
        }
    }
    d = std::move(changed);
    order.changed = true;
    return true;
}

bool bookGoodsReceipt(OrderContext& c, DocumentRef order) {
    if (!mayReceive(c, order.document)) return false;
    return bookReceipt(c, order, order.document);
}

bool leaveGoodsReceipt(OrderContext& c, DocumentRef order) {
    if (order.document.status == 2) return true;
    if (!c.ui.ask(kLeaveUnbookedReceipt)) return false;
    // The receipt date and delivered quantities of an unbooked receipt are dropped with the order read again.
    order.document = c.session.readOrInitialise(BookingFile::Orders, order.number);
    order.changed = false;
    return true;
}

}  // namespace kvx
