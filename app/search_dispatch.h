// The search commands as the dispatcher runs them: the operations of search/ plus what the main window
// shows afterwards (the result list in the article view, the status line, list refills).
#pragma once

#include "app/app_state.h"
#include "app/list_refill.h"
#include "app/window_port.h"
#include "base/user_interface.h"
#include "catalogue/group_tree.h"

namespace kvx {

// 170, 178, 179, 189, 190, 247, 248, 249.
bool isSearchCommand(int command);
// `range` is the group range last selected in the tree (command 247).
void runSearchCommand(int command, AppState& app, UserInterface& ui, WindowPort& window, ListRefill& refill,
                      const CatalogueListRange& range);
// The result list (kind 2): its columns and one row per hit.
ListContent searchListContent(AppState& app);

}  // namespace kvx
