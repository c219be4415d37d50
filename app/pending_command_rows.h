// Rows of the command table for commands whose operations are not built yet: those of stock keeping,
// the direct order and the settings dialogs that depend on the working mode or the view. Their rows
// already carry the rules (stock only, views served), so that the dispatcher answers them now as it will
// then; each row moves to its subsystem's table with its handler when that part is built.
#pragma once

#include <vector>

#include "base/command_table.h"

namespace kvx {

std::vector<CommandRow> pendingCommandRows();

}  // namespace kvx
