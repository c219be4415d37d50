// Command rules of the commands without an operation yet.
#include "app/pending_command_rows.h"

#include "base/command_numbers.h"

namespace kvx {

namespace {

// Commands on My Articles, orders, bookings, calculations and cost centres: their menus are offered only
// in stock mode, and sent by other means in simple mode they must not touch the stock files.
CommandRow stock(int number, std::vector<int> views = {}) {
    return {number, true, std::move(views), std::nullopt, {}};
}

CommandRow anyMode(int number, std::vector<int> views, std::optional<std::vector<int>> simpleModeViews = {}) {
    return {number, false, std::move(views), std::move(simpleModeViews), {}};
}

}  // namespace

std::vector<CommandRow> pendingCommandRows() {
    return {
        stock(cmd::kDetails, {6}),
        stock(cmd::kShowOrderText),
        // View 25 (internet addresses) has its row with the settings.
        anyMode(cmd::kChange, {5, 7, 21}),
        anyMode(cmd::kNew, {5, 6}),
        anyMode(cmd::kNext, {5, 7, 21}),
        anyMode(cmd::kPrevious, {5, 7, 21}),
        stock(cmd::kEditOrder),
        anyMode(cmd::kDeletePosition, {5, 21}),
        // Simple mode: the direct order is saved from the start view and from its own view.
        anyMode(cmd::kSaveAsText, {6, 16}, std::vector<int>{1, 16}),
        stock(cmd::kOrders),
        stock(cmd::kGoodsReceipt),
        stock(cmd::kBook, {7, 11}),
        stock(cmd::kAutomaticOrder),
        stock(cmd::kBookDispatch),
        stock(cmd::kRecompute, {6}),
        stock(cmd::kCheckOrdering),
        stock(cmd::kOrderMyArticle),
        stock(cmd::kOrdersFilter),
    };
}

}  // namespace kvx
