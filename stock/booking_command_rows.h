// The rows of the demand and consumption bookings, calculations, cost centres and stock reports in the
// command table, the pages of their painted views and what their lists show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/command_table.h"
#include "base/text_page.h"
#include "base/view_port.h"
#include "stock/stock_session.h"

namespace kvx {

struct StockCommandContext;
class CostCentres;

// The gross and net sums over every document of a booking file (thousandths), as its list was filled last.
struct BookingListTotals {
    std::int64_t gross = 0;
    std::int64_t net = 0;
};

// What the booking views keep between commands: the pages of the painted views (calculation list, cost
// reports, management list, stock value), the position cursor of each document view and the totals of the
// demand and consumption lists for the status line.
struct BookingViews {
    std::map<int, TextPage> pages;
    std::map<int, std::vector<int>> entryCentres;  // views 9 and 14: the cost centre of each row
    std::size_t demandCursor = 0;
    std::size_t consumptionCursor = 0;
    std::size_t calculationCursor = 0;
    BookingListTotals demandTotals;
    BookingListTotals consumptionTotals;
};

std::vector<CommandRow> bookingCommandRows(const StockCommandContext& context);
// The painted views whose pages the booking commands keep (9, 13, 14, 15, 17, 24).
std::vector<PaintedViewSource> bookingPaintedViews(const StockCommandContext& context);
// The demand and consumption lists' content (views 10 and 12); their totals are kept in `views`.
ListContent bookingListContent(StockSession& session, const CostCentres& centres, BookingViews& views, int kind);
// The status line of the demand list (view 10) or the consumption list (view 12): the totals of its last fill,
// "Summe Brutto: <gross> €  Netto: <net> €"; nothing for any other view.
std::optional<std::string> bookingTotalsStatus(const BookingViews& views, int view);
std::vector<ListColumn> bookingListColumnsOf(int kind);
// A click on a row of the demand or consumption list: that document becomes current; a double click opens it.
void onBookingRow(const StockCommandContext& context, int kind, std::uint32_t document, bool open);
// "Info" of the current My Articles entry in the information form.
void showMyArticleInfo(const StockCommandContext& context);
// Leaving a document view of demand, consumption or calculations: the document repriced and written when
// changed. Other views: nothing to do.
[[nodiscard]] StockWriteResult leaveBookingDocumentView(StockSession& session, int view);

}  // namespace kvx
