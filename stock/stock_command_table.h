// Stock keeping's rows of the command table: the My Articles view (205), adding a catalogue article (126,
// 151), the entry dialog (127), datasheet (144) and internet link (155), each with what the main window shows
// afterwards. The rows of orders, demand and calculations join them here as those parts are built.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "base/command_table.h"
#include "base/file_system.h"
#include "base/list_refill.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "stock/booking_command_rows.h"
#include "stock/cost_centres.h"
#include "stock/order_command_rows.h"
#include "stock/stock_dialogs.h"
#include "stock/stock_session.h"

namespace kvx {

// What the stock commands work with; every reference must outlive the rows. `currentArticle` is the catalogue
// article last chosen in the catalogue or search list, nothing before one was chosen.
struct StockCommandContext {
    StockSession& session;
    UserInterface& ui;
    StockDialogs& dialogs;
    ViewPort& window;
    ListRefill& refill;
    std::function<std::optional<ArticleNumber>()> currentArticle;
    // Demand, consumption, calculations, cost centres and reports.
    CostCentres& costCentres;
    FileSystem& fs;
    BookingViews& bookingViews;
    OrderViewState* orders = nullptr;  // what the order views show; the order rows need it
};

std::vector<CommandRow> stockCommandRows(const StockCommandContext& context);

// The booking kind whose current document a view edits (views 5, 7 and 21: orders and the direct order; 8:
// demand; 11: consumption; 18: calculations), or nothing. Its document is written back when the view is left.
std::optional<BookingFile> documentOfView(int view);

}  // namespace kvx
