// "User-Files löschen": the user's record files are replaced by empty ones and the direct order is
// emptied. Each file is replaced as a whole (empty temporary file, rename), so a file that cannot be
// recreated keeps its records and stays open, and the others are not affected by its failure.
#pragma once

#include "app/app_state.h"
#include "base/user_interface.h"

namespace kvx {

// Empties artikel.dat, bestell.dat, bedarf.dat, verbrauch.dat and kalku.dat and the direct order. The
// current order goes with bestell.dat. Reports "Die Datei <name> ist nicht anlegbar!" for each file that
// could not be replaced; returns true when all were.
[[nodiscard]] bool deleteUserFiles(AppState& app, UserInterface& ui);

}  // namespace kvx
