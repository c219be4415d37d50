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
        stock(cmd::kDetails, {6, 10, 12, 17}),
        stock(cmd::kShowOrderText),
        // View 25 (internet addresses) has its row with the settings.
        anyMode(cmd::kChange, {5, 7, 8, 11, 15, 18, 21}),
        anyMode(cmd::kNew, {5, 6, 8, 10, 11, 12, 17, 18}),
        stock(cmd::kToMyArticles),
        stock(cmd::kEditMyArticle),
        anyMode(cmd::kNext, {5, 7, 8, 11, 13, 18, 21}),
        anyMode(cmd::kPrevious, {5, 7, 8, 11, 13, 18, 21}),
        stock(cmd::kStockReport),
        stock(cmd::kCalculations),
        stock(cmd::kEditCalculation),
        stock(cmd::kEditOrder),
        stock(cmd::kDatasheet),
        anyMode(cmd::kDeletePosition, {5, 8, 11, 18, 21}),
        // Simple mode: the direct order is saved from the start view and from its own view.
        anyMode(cmd::kSaveAsText, {6, 10, 12, 16, 17}, std::vector<int>{1, 16}),
        stock(cmd::kOrders),
        stock(cmd::kAskToMyArticles),
        stock(cmd::kGoodsReceipt),
        stock(cmd::kBook, {7, 10, 11, 12}),
        stock(cmd::kInternetLink),
        stock(cmd::kEditDemand),
        stock(cmd::kEditConsumption),
        stock(cmd::kAutomaticOrder),
        stock(cmd::kDemand),
        stock(cmd::kConsumption),
        stock(cmd::kCostSums),
        stock(cmd::kCostCentreDetails),
        stock(cmd::kChooseCostCentre),
        stock(cmd::kManageCostCentres),
        stock(cmd::kBookDispatch),
        stock(cmd::kRecompute, {6, 10, 12, 17}),
        stock(cmd::kConsumptionCostCentre),
        stock(cmd::kDemandCostCentre),
        stock(cmd::kCalculationCostCentre),
        stock(cmd::kPieceCount),
        stock(cmd::kCalculationToDemand),
        stock(cmd::kStockHistory),
        stock(cmd::kCostCentres),
        stock(cmd::kCostCentreStatus),
        stock(cmd::kMyArticles),
        stock(cmd::kRecomputeDemand),
        stock(cmd::kCheckOrdering),
        stock(cmd::kOrderMyArticle),
        stock(cmd::kOrdersFilter),
        stock(cmd::kSaveStockReport),
    };
}

}  // namespace kvx
