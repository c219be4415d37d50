// Catalogue commands that change the application's state as a whole.
#pragma once

#include "app/app_state.h"
#include "base/user_interface.h"

namespace kvx {

// Runs the catalogue import; on success stores the catalogue date in the settings (marking them dirty).
// True when the catalogue is loaded afterwards.
[[nodiscard]] bool importCatalogue(AppState& app, UserInterface& ui);

}  // namespace kvx
