// What the document views of demand, consumption and calculations do to their current document: make
// another document current (writing back a changed one first), add, change, delete and step through
// positions, and reprice and write the document when its view is left. The current document is held by the
// caller; these functions get it as a DocumentRef (document_ref.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/user_interface.h"
#include "stock/booking_document.h"
#include "stock/document_ref.h"
#include "stock/position_pricing.h"
#include "stock/stock_session.h"

namespace kvx {

// Writes the current document back when it is changed, then reads document n (initialised when there is
// none). A failed write-back keeps the current document and is returned.
[[nodiscard]] StockWriteResult makeDocumentCurrent(StockSession& session, BookingFile file, DocumentRef current,
                                                   std::uint32_t n);

// "Position neu": a position for My Articles record `record`, proposed quantity its minimum order quantity
// (1 when that is 0), then the quantity input (1..60000); priced by quantity. A cancelled input removes the
// position again. The cursor moves to the new position. True when the document changed.
bool addPosition(StockSession& session, DocumentRef current, std::size_t& cursor, std::uint32_t record,
                 UserInterface& ui);
// "Menge ändern" / "Pos. ändern" of the position at the cursor; priced by quantity. True when changed.
bool changePositionQuantity(StockSession& session, DocumentRef current, std::size_t cursor, UserInterface& ui);
// "Position löschen": asks "Gewählte Position löschen?". True when removed.
bool deletePositionAtCursor(DocumentRef current, std::size_t& cursor, UserInterface& ui);
// "Pos.+" / "Pos.-": the cursor one position on or back, kept within the document.
void stepPosition(const BookingDocument& document, std::size_t& cursor, int step);

// Leaving a document view: every position repriced (`mode`), the sums rebuilt, and the document written
// when anything changed. A refusal of the pricing is returned as a failure and nothing is written.
[[nodiscard]] StockWriteResult leaveDocument(StockSession& session, BookingFile file, DocumentRef current,
                                             PricingMode mode);

// The price data of a position from the session (My Articles copy or catalogue).
PriceLookup priceLookup(StockSession& session);

}  // namespace kvx
