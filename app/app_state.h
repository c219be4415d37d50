// The application's state for one run: settings, file set, trace, catalogue and the subsystem sessions.
// The main window owns one instance. Each subsystem keeps its own state and files in its session (search:
// SearchSession; settings: SettingsSession with inetadr.dat; stock keeping: StockSession with My Articles, the
// booking files and the current documents).
#pragma once

#include <memory>
#include <string>

#include "stock/cost_centres.h"
#include "app/file_set.h"
#include "base/block_file.h"
#include "base/clock.h"
#include "base/file_system.h"
#include "base/le_bytes.h"
#include "base/record_file.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "search/search_session.h"
#include "settings/settings_record.h"
#include "settings/settings_session.h"
#include "stock/stock_session.h"

namespace kvx {

class AppState final {
  public:
    AppState(FileSystem& fs, const Clock& clock, std::string programDir);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    FileSystem& fs() { return m_fs; }
    const Clock& clock() const { return m_clock; }
    // Directory of the program with a trailing '/'.
    const std::string& programDir() const { return m_programDir; }

    SettingsRecord settings;
    FileSet files;
    TraceLog trace;
    Catalogue catalogue;
    CostCentres costCentres;

    // User files kept open for random access.
    SearchSession search;
    // The settings dialogs' session: the block above and inetadr.dat.
    SettingsSession settingsSession;
    StockSession stock;

    bool forcedClose = false;
    // Why settings.dat could not be read at window creation; reported by the first idle phase, which closes.
    std::string settingsFailure;
    int startupPhase = 2;

  private:
    FileSystem& m_fs;
    const Clock& m_clock;
    std::string m_programDir;
};

}  // namespace kvx
