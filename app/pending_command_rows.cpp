// Command rules of the commands without an operation yet.
#include "app/pending_command_rows.h"

namespace kvx {

// Every command of the menus has its operation now. A command put into the menus before its operation is
// built gets its rule here ({number, stock-only, views, simple-mode views} without a handler), so that it is
// refused in the right views and modes until then.
std::vector<CommandRow> pendingCommandRows() {
    return {};
}

}  // namespace kvx
