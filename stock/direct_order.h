// The direct order of the simple mode: one document in dirbest.dat whose positions name catalogue articles
// directly, filled from the catalogue without My Articles and without bookings, shown as the order form,
// saved as text and reset. It is held in its own buffer for the whole run (never in the current order's)
// and written back when its view is left and at quit.
#pragma once

#include "catalogue/catalogue.h"
#include "stock/orders.h"

namespace kvx {

// The session reads it at start-up (StockSession::loadCurrentDocuments): document 0 of dirbest.dat, or an empty
// one created today when that cannot be read. Its text file name is chosen at its first save.

// An empty direct order created today.
BookingDocument freshDirectOrder(const Clock& clock);

// "Bestellen" on catalogue article `a`: "Kein Artikel gewählt" for an invalid number, the question
// "Artikel a:name bestellen?", a catalogue position with the quantity input; the direct order marked changed.
// True when a position was added.
bool orderArticleDirectly(OrderContext& c, const Catalogue& catalogue, DocumentRef direct, ArticleNumber a);
// "Bestellung": refused with kNoArticles without positions; otherwise the order date becomes today. True
// when the form view may open.
[[nodiscard]] bool openDirectOrder(OrderContext& c, DocumentRef direct);
// "Rücksetzen..": the question, then an empty direct order written to dirbest.dat. True when reset (the
// view is left).
[[nodiscard]] bool resetDirectOrder(OrderContext& c, DocumentRef direct);
// Write-back (leaving its view, quit): dirbest.dat record 0 when changed. False after a failed write (shown).
[[nodiscard]] bool saveDirectOrder(OrderContext& c, DocumentRef direct);

}  // namespace kvx
