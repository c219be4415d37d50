// Positions of the current document and its write-back.
#include "stock/document_positions.h"

#include "base/cp1252.h"

namespace kvx {

StockWriteResult makeDocumentCurrent(StockSession& session, BookingFile file, DocumentRef current, std::uint32_t n) {
    if (current.changed) {
        const StockWriteResult w = session.writeDocument(file, current.number, current.document);
        if (!w.ok) return w;
        current.changed = false;
    }
    current.document = session.readOrInitialise(file, n);
    current.number = n;
    current.changed = false;
    return {true, {}};
}

PriceLookup priceLookup(StockSession& session) {
    return [&session](const BookingPosition& p) { return session.priceDataFor(p); };
}

namespace {

// Asks for the quantity of position `index` and prices it by quantity; false when cancelled or refused.
bool enterQuantity(StockSession& session, BookingDocument& doc, std::size_t index, UserInterface& ui) {
    BookingPosition& p = doc.positions[index];
    const std::optional<std::int32_t> q = ui.askNumber(bookingQuantityRequest(cp1252ToUtf8(p.name), p.quantity));
    if (!q || *q < 1 || *q > 60000) return false;
    const std::optional<PriceData> prices = session.priceDataFor(p);
    BookingDocument changed = doc;
    changed.positions[index].quantity = static_cast<std::uint16_t>(*q);
    if (prices) {
        std::string refusal;
        if (!pricePosition(changed, index, *prices, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal)) {
            ui.inform(refusal);
            return false;
        }
    }
    doc = std::move(changed);
    return true;
}

}  // namespace

bool addPosition(StockSession& session, DocumentRef current, std::size_t& cursor, std::uint32_t record,
                 UserInterface& ui) {
    BookingDocument& doc = current.document;
    if (doc.validPositions() >= BookingDocument::kMaxPositions) {
        ui.inform(kNoMorePositions);
        return false;
    }
    const std::optional<MyArticleRecord> r = record <= 0xFFFF ? session.readMyArticle(record) : std::nullopt;
    if (!r) {
        ui.inform("Meine Artikel, Datensatz nicht vorhanden: " + std::to_string(record));
        return false;
    }
    BookingDocument trial = doc;
    const std::optional<std::size_t> index = addMyArticlePosition(trial, static_cast<std::uint16_t>(record), *r, 0);
    if (!index) {
        ui.inform(kNoMorePositions);
        return false;
    }
    // A cancelled input leaves the document as it was: the position is not kept.
    if (!enterQuantity(session, trial, *index, ui)) return false;
    doc = std::move(trial);
    current.changed = true;
    cursor = *index;
    return true;
}

bool changePositionQuantity(StockSession& session, DocumentRef current, std::size_t cursor, UserInterface& ui) {
    if (cursor >= current.document.validPositions()) return false;
    if (!enterQuantity(session, current.document, cursor, ui)) return false;
    current.changed = true;
    return true;
}

bool deletePositionAtCursor(DocumentRef current, std::size_t& cursor, UserInterface& ui) {
    if (cursor >= current.document.validPositions()) return false;
    if (!ui.ask("Gewählte Position löschen?")) return false;
    if (!deletePosition(current.document, cursor)) return false;
    // The sums follow the remaining positions; they fit, being a part of sums that fitted.
    (void)updateSums(current.document);
    current.changed = true;
    if (cursor > 0 && cursor >= current.document.validPositions()) --cursor;
    return true;
}

void stepPosition(const BookingDocument& document, std::size_t& cursor, int step) {
    const std::size_t n = document.validPositions();
    if (n == 0) {
        cursor = 0;
        return;
    }
    if (step > 0 && cursor + 1 < n) ++cursor;
    if (step < 0 && cursor > 0) --cursor;
    if (cursor >= n) cursor = n - 1;
}

StockWriteResult leaveDocument(StockSession& session, BookingFile file, DocumentRef current, PricingMode mode) {
    BookingDocument repriced = current.document;
    std::string refusal;
    if (!repriceDocument(repriced, priceLookup(session), mode, false, refusal)) return {false, refusal};
    if (!(repriced == current.document)) {
        current.document = std::move(repriced);
        current.changed = true;
    }
    if (!current.changed) return {true, {}};
    const StockWriteResult w = session.writeDocument(file, current.number, current.document);
    if (w.ok) current.changed = false;
    return w;
}

}  // namespace kvx
