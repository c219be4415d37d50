// Catalogue commands that change the application's state as a whole.
#pragma once

#include <optional>

#include "app/app_state.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "stock/catalogue_relink.h"

namespace kvx {

// Runs the catalogue import; on success stores the catalogue date in the settings (marking them dirty).
// When the stock files are open, My Articles, the booking positions and the direct order are re-linked to
// the new catalogue in the same change; `relinked` then receives the report. True when the catalogue is
// loaded afterwards.
[[nodiscard]] bool importCatalogue(AppState& app, UserInterface& ui, std::optional<RelinkReport>* relinked = nullptr);

// The report after an import that re-linked anything: the page in the information form, saved as a text
// file on request, then "Preise übernehmen?" once for all when prices changed.
void presentRelinkReport(AppState& app, UserInterface& ui, ViewPort& window, const RelinkReport& report);

}  // namespace kvx
