// Start-up and quit of the program: the two idle phases that load the catalogue and the user's files,
// the failure paths that end the program, and the write-back at quit.
#pragma once

#include <functional>

#include "app/app_state.h"
#include "base/user_interface.h"

namespace kvx {

inline constexpr const char* kAskImportAtStart = "Dateien aus den Zelvo-Java-Dateien erzeugen?";
inline constexpr const char* kNoCatalogue = "art.dat Datei nicht vorhanden. Progamm wird beendet!!";
inline constexpr const char* kDataFaulty = "Daten fehlerhaft. Das Programm wird beendet";
inline constexpr const char* kAskQuit = "Programm beenden?";

// Runs the catalogue import and reopens the catalogue; true when the catalogue is available afterwards.
using CatalogueImporter = std::function<bool(AppState&, UserInterface&)>;

// Removes the temporary files a save interrupted by a crash left behind ("settings.dat.tmp", ...), before
// anything reads the files they belong to. Their targets are untouched: a save renames only a complete one.
void removeLeftoverTemporaries(AppState& app);

// Reads settings.dat and applies the load-time corrections (window creation). A settings.dat that exists but
// cannot be read is not replaced by defaults: false, forcedClose set and the reason kept in settingsFailure,
// which loadCatalogueAtStart reports before the program closes without writing anything.
[[nodiscard]] bool loadSettings(AppState& app);

// Idle phase 1, catalogue part: loads the group files and opens art.dat; when that fails, offers the import.
// Returns false (after the message, with forcedClose set) when the catalogue is still not available.
[[nodiscard]] bool loadCatalogueAtStart(AppState& app, UserInterface& ui, const CatalogueImporter& importer);

// Idle phase 1, user data: cost centres, search state, My Articles, booking files, direct order, current
// order, internet addresses. On failure shows the message, sets forcedClose and returns false.
[[nodiscard]] bool loadUserData(AppState& app, UserInterface& ui);

// The close query: true when the window may close. Asks "Programm beenden?" unless forcedClose is set;
// on Yes writes back and closes every open file in the fixed order.
[[nodiscard]] bool closeQuery(AppState& app, UserInterface& ui);

// The write-back at quit; failures are reported and the remaining steps still run.
void writeBackAndClose(AppState& app, UserInterface& ui);

}  // namespace kvx
