// The search subsystem's rows of the command table: the availability filter, the criteria shown, the
// text export, loading and storing parameter sets and the three searches, each with what the main window
// shows afterwards (the result list beside the tree, the status line, list refills).
#pragma once

#include <vector>

#include "base/command_table.h"
#include "base/list_refill.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "catalogue/group_tree.h"
#include "search/search_dialogs.h"
#include "search/search_session.h"

namespace kvx {

// What the search commands work with; every reference must outlive the rows. `range` is the group range
// last selected in the catalogue tree ("Auswahl in gewählten Artikeln").
struct SearchCommandContext {
    SearchSession& session;
    UserInterface& ui;
    SearchDialogs& dialogs;
    ViewPort& window;
    ListRefill& refill;
    const CatalogueListRange& range;
};

std::vector<CommandRow> searchCommandRows(const SearchCommandContext& context);

// The result list (kind 2): its columns and one row per hit.
ListContent searchListContent(SearchSession& session);

}  // namespace kvx
