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
        stock(cmd::kDetails, {10, 12, 17}),
        // View 25 (internet addresses) has its row with the settings.
        anyMode(cmd::kChange, {8, 11, 15, 18}),
        anyMode(cmd::kNew, {8, 10, 11, 12, 17, 18}),
        anyMode(cmd::kNext, {8, 11, 13, 18}),
        anyMode(cmd::kPrevious, {8, 11, 13, 18}),
        stock(cmd::kStockReport),
        stock(cmd::kCalculations),
        stock(cmd::kEditCalculation),
        anyMode(cmd::kDeletePosition, {8, 11, 18, 21}),
        // The orders' rows serve views 6 and 16 (and the start view in simple mode).
        anyMode(cmd::kSaveAsText, {10, 12, 17}),
        stock(cmd::kBook, {10, 11, 12}),
        stock(cmd::kEditDemand),
        stock(cmd::kEditConsumption),
        stock(cmd::kDemand),
        stock(cmd::kConsumption),
        stock(cmd::kCostSums),
        stock(cmd::kCostCentreDetails),
        stock(cmd::kChooseCostCentre),
        stock(cmd::kManageCostCentres),
        stock(cmd::kRecompute, {10, 12, 17}),
        stock(cmd::kConsumptionCostCentre),
        stock(cmd::kDemandCostCentre),
        stock(cmd::kCalculationCostCentre),
        stock(cmd::kPieceCount),
        stock(cmd::kCalculationToDemand),
        stock(cmd::kStockHistory),
        stock(cmd::kCostCentres),
        stock(cmd::kCostCentreStatus),
        stock(cmd::kRecomputeDemand),
        stock(cmd::kSaveStockReport),
    };
}

}  // namespace kvx
