// Command rules of the commands without an operation yet.
#include "app/pending_command_rows.h"

#include "base/command_numbers.h"

namespace kvx {

namespace {

CommandRow anyMode(int number, std::vector<int> views, std::optional<std::vector<int>> simpleModeViews = {}) {
    return {number, false, std::move(views), std::move(simpleModeViews), {}};
}

}  // namespace

std::vector<CommandRow> pendingCommandRows() {
    return {
        anyMode(cmd::kDeletePosition, {21}),
    };
}

}  // namespace kvx
