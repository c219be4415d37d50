// The order commands of the command table: the orders list (view 6), the order document view (view 5) with
// the My Articles list beside it, the goods receipt view (7), the order text view (16), and in simple mode the
// direct order (its form in view 16, its quantities in view 21). What the views show between commands is kept
// in OrderViewState, which the main window's dispatcher owns.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "base/command_table.h"
#include "base/file_system.h"
#include "base/text_page.h"
#include "base/view_port.h"
#include "stock/orders.h"

namespace kvx {

struct StockCommandContext;

inline constexpr int kOrderDocumentView = 5;
inline constexpr int kOrdersView = 6;
inline constexpr int kGoodsReceiptView = 7;
inline constexpr int kOrderTextView = 16;
inline constexpr int kEditDirectOrderView = 21;

struct OrderViewState {
    FileSystem* fs = nullptr;              // for the order text files
    std::size_t position = 0;              // highlighted position in views 5, 7 and 21
    std::uint16_t costCentre = 0;          // "Auswahl" of the orders list, 0 = all
    OrderTotals totals;                    // of the last filled orders list, for the status line
    TextPage page;                         // the painted page of views 7 and 21
    TextPage form;                         // the order form of view 16
    std::function<int()> costCentreCount;  // the highest cost centre "Auswahl" accepts
};

std::vector<CommandRow> orderCommandRows(const StockCommandContext& context);

// The orders list's content (view 6) with the totals kept for the status line.
ListContent ordersList(StockSession& session, OrderViewState& state);

// A click on row datum `n` of the orders list: order n becomes current (the "Summe" row selects nothing).
void selectOrderRow(StockSession& session, UserInterface& ui, long n);

// The painted views kept here (7, 16, 21).
std::vector<PaintedViewSource> orderPaintedViews(OrderViewState& state);

// Leaving view `view`: the order document view reprices and writes its order, the goods receipt view asks
// when the receipt is not booked. False when the view stays open.
[[nodiscard]] bool leaveOrderView(StockSession& session, UserInterface& ui, OrderViewState& state, int view);

}  // namespace kvx
