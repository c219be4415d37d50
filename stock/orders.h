// Orders in stock mode: the orders list with its sums and cost-centre selection, the current order made,
// changed and written back, order positions with the quantity input and the cheaper-quantity advice, the
// automatic order, the order document and goods receipt pages, and the two bookings (booking out, goods
// receipt) that change My Articles. Every booking is planned with planStockChanges first and written with
// the changed My Articles records as one StockSession::commit; a refused or failed booking leaves the
// current order as it was.
//
// Messages go through the UserInterface; a write failure is shown as an error naming the file and the
// reason. Read errors throw IoError (the run-time error ends the command).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/clock.h"
#include "base/text_page.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "settings/settings_record.h"
#include "stock/document_ref.h"
#include "stock/stock_session.h"

namespace kvx {

inline constexpr const char* kNoMyArticlesToOrder = "Keine Artikel in \"Meine Artikel\"";
inline constexpr const char* kNoArticles = "Keine Artikel";
inline constexpr const char* kNoOrder = "Keine Bestellung";
inline constexpr const char* kNoArticleChosen = "Kein Artikel gewählt";
inline constexpr const char* kOrderCreated = "Bestellung wurde angelegt";
inline constexpr const char* kAlreadyOrdered = "Bestellung ist bereits erfolgt!";
inline constexpr const char* kOrderIsOrdered = "Bestellung ist erfolgt";
inline constexpr const char* kReceiptAlreadyBooked = "Wareneingang bereits gebucht";
inline constexpr const char* kNotYetOrdered = "Bestellung noch nicht erfolgt";
inline constexpr const char* kOrderBooked = "Bestellung gebucht";
inline constexpr const char* kReceiptBooked = "Wareneingang gebucht";
inline constexpr const char* kNoOrdersNeeded = "Keine Bestellungen erforderlich";
inline constexpr const char* kLeaveUnbookedReceipt = "Wareneingang nicht gebucht! Dennoch beenden?";
inline constexpr const char* kDateZero = "dat=0";

// What the order operations work with; every reference must outlive the call.
struct OrderContext {
    StockSession& session;
    SettingsRecord& settings;
    const Clock& clock;
    UserInterface& ui;
};

// Shows a failed write as an error; true when the write was done. A done write whose journal stayed behind
// is shown too (later writes are stopped) and counts as done.
bool reportWrite(UserInterface& ui, const StockWriteResult& result);

// "in Arbeit", "erfolgt", "WE gebucht" for status 0, 1, 2; "?" otherwise.
std::string orderStatusText(int status);

// --- the current order ---

// Writes the order at its number when it is changed (a direct order is never written into bestell.dat).
// False after a failed write, which was shown.
[[nodiscard]] bool saveCurrentOrder(OrderContext& c, DocumentRef order);
// Makes order n current: the changed current order is written first (nothing else happens when that
// fails); an order n beyond the end gives an initialised document. False when the old one could not be
// written.
[[nodiscard]] bool makeOrderCurrent(OrderContext& c, DocumentRef order, std::uint32_t n);
// The last order of bestell.dat becomes current (an initialised one when the file is empty).
[[nodiscard]] bool makeLastOrderCurrent(OrderContext& c, DocumentRef order);

// --- the orders list (view 6) ---

struct OrderTotals {
    std::int64_t gross = 0;  // thousandths, over all orders
    std::int64_t net = 0;
};

// "Bestellung" in My Articles: refused with kNoMyArticlesToOrder while My Articles is empty; otherwise the last
// order becomes current. True when the list may be shown.
[[nodiscard]] bool openOrders(OrderContext& c, DocumentRef order);
// The rows from the last order to the first (only those of `costCentre` unless it is 0), then the "Summe"
// row (datum kNoOrderRow). `totals` gets the gross and net sums over all orders for the status line.
inline constexpr std::uint32_t kNoOrderRow = 0xFFFFFFFFu;
std::vector<ListColumn> ordersListColumns();
ListContent ordersListContent(StockSession& session, const SettingsRecord& settings, std::uint16_t costCentre,
                              OrderTotals& totals);
// The status line text of the totals: "Summe Brutto: <gross> €  Netto: <net> €".
std::string orderTotalsText(const OrderTotals& totals);
// "Auswahl": asks for the cost centre, 0..`costCentreCount` (0 = all). True when `selected` was set.
[[nodiscard]] bool chooseOrdersCostCentre(UserInterface& ui, int costCentreCount, std::uint16_t& selected);
// "Neu" in the orders list and "Bestellen" in My Articles: the question, then a new order appended and made
// current. True when it was made.
[[nodiscard]] bool newOrder(OrderContext& c, DocumentRef order);
// "Bearbeiten..": true when the current order is an order of bestell.dat in work (view 5 may open);
// otherwise the information why.
[[nodiscard]] bool mayEditOrder(OrderContext& c, const BookingDocument& order, std::uint32_t number);
// "neu berechnen": every position repriced for both quantities, the sums rebuilt, the order written.
void recomputeOrder(OrderContext& c, DocumentRef order);
// "Details": the information page of the current order.
InfoPage orderDetailsPage(OrderContext& c, const BookingDocument& order, std::uint32_t number);

// --- positions ---

// Quantity input of an order position (prompt with the minimum order quantity, the advice question), then
// the position priced and the document marked changed. False when cancelled or refused (nothing changed).
[[nodiscard]] bool enterOrderQuantity(OrderContext& c, DocumentRef doc, std::size_t position);
// "Position neu": a position for My Articles record `record` with the quantity input; a cancelled input
// removes it again. Refused with kNoMorePositions at 50. Returns the new position's index.
std::optional<std::size_t> addOrderPosition(OrderContext& c, DocumentRef order, std::uint32_t record);
// "Position löschen": the question, then position `position` removed; `position` stays on a valid one.
[[nodiscard]] bool deleteOrderPosition(UserInterface& ui, DocumentRef doc, std::size_t& position);
// "Pos.+" / "Pos.-" within the positions.
void nextPosition(const BookingDocument& doc, std::size_t& position);
void previousPosition(const BookingDocument& doc, std::size_t& position);
// Leaving the order document view: every position repriced by quantity, the sums rebuilt, the order written
// when changed.
[[nodiscard]] bool leaveOrderDocument(OrderContext& c, DocumentRef order);

// The order command on catalogue article `a` in stock mode: "Artikel a:name verwenden?"; the article put
// into My Articles by `addToMyArticles` (entry dialog, insertion, renumbering of the documents held in
// memory; nothing when cancelled or refused) unless it is there; the last order made current, a new one
// made when there is none, it is not in work or it is full ("Bestellung wurde angelegt"); a position with
// the quantity input; the order written.
using AddToMyArticles = std::function<std::optional<std::uint32_t>(ArticleNumber)>;
void orderCatalogueArticle(OrderContext& c, DocumentRef order, ArticleNumber a, const AddToMyArticles& addToMyArticles);

// --- automatic order ---

// Records of My Articles with a quantity to order; the first 50 as positions (silent advice, priced).
struct OrderProposal {
    BookingDocument order;
    std::uint32_t needed = 0;  // every record with a quantity to order, also beyond the 50th
};
[[nodiscard]] std::optional<OrderProposal> proposeOrder(OrderContext& c);
enum class AutomaticOrderResult { NoneNeeded, Created, Declined, Failed };
// "autom. Bestellung": the changed current order written, the proposal made current and shown through
// `showProposal` (view 5), then the question with the count. Yes appends it; no reloads the previous order.
AutomaticOrderResult automaticOrder(OrderContext& c, DocumentRef order, const std::function<void()>& showProposal);
// "Bestellung erforderlich?": the count, nothing kept.
void checkOrdering(OrderContext& c, DocumentRef order);

// --- bookings ---

// A date input: cancelled is nothing; a confirmed 0 gives the error "dat=0" and today.
std::optional<DateNumber> askBookingDate(OrderContext& c, const std::string& caption, DateNumber otherLimit);
// "Bestellausgang buchen". True when booked (the My Articles list is to be rebuilt, view 5 closed).
bool bookOrderOut(OrderContext& c, DocumentRef order);
enum class ReceiptStart { Refused, OpenView, Booked, Failed };
// "Wareneingang buchen..": guards, the date, the delivered quantities preset to the ordered ones, then
// "Liefermengen bearbeiten?": yes leaves the order changed for the goods receipt view, no books at once.
ReceiptStart startGoodsReceipt(OrderContext& c, DocumentRef order);
// "Liefermenge ändern": 0..60000 pieces (goods that never came are booked as 0).
[[nodiscard]] bool enterDeliveredQuantity(OrderContext& c, DocumentRef order, std::size_t position);
// "Wareneingang buchen" in the goods receipt view. True when booked.
bool bookGoodsReceipt(OrderContext& c, DocumentRef order);
// Leaving the goods receipt view: an unbooked receipt asks kLeaveUnbookedReceipt; yes reads the order again
// (its receipt date and delivered quantities are dropped), no keeps the view (false).
[[nodiscard]] bool leaveGoodsReceipt(OrderContext& c, DocumentRef order);

// --- pages ---

// The unit price of a position as the views and the form show it: net when `net`, two decimals, "%" for
// prices per hundred pieces; and its total (gross or net). Without price data (the position names nothing)
// the stored gross values are shown.
std::string positionUnitPriceText(const BookingPosition& p, const std::optional<PriceData>& prices, bool net);
std::string positionTotalText(const BookingPosition& p, bool net);

// The order document view (view 5; the direct order's view 21 too) or the goods receipt view (view 7):
// head lines, the title row, one row per position with `position` highlighted, the sums.
TextPage orderDocumentPage(StockSession& session, const SettingsRecord& settings, const BookingDocument& doc,
                           std::uint32_t number, std::size_t position, bool goodsReceipt);

// A direct-order position whose catalogue article vanished with an import (article number kNotInCatalogue)
// cannot be printed, saved or ordered: the first such position is named with the way to delete it, and the
// result is true (refused). False when every position names an article.
[[nodiscard]] bool refuseVanishedPositions(UserInterface& ui, const BookingDocument& document);

}  // namespace kvx
