// The application's state for one run: settings, file set, trace, catalogue and the subsystem sessions.
// The main window owns one instance. Each subsystem keeps its own state and files in its session (search:
// SearchSession, settings: SettingsSession with inetadr.dat); the stock files below move into stock
// keeping's session the same way.
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
    RecordFile myArticles;
    RecordFile orders;
    RecordFile demand;
    RecordFile consumption;
    RecordFile calculations;

    SearchSession search;
    // The settings dialogs' session: the block above and inetadr.dat.
    SettingsSession settingsSession;

    BlockFile directOrder;
    // The current order: a record of bestell.dat held in memory, written back at its number.
    std::uint16_t currentOrderNumber = 0;
    Bytes currentOrder;
    bool currentOrderLoaded = false;
    bool currentOrderChanged = false;

    bool forcedClose = false;
    int startupPhase = 2;

  private:
    FileSystem& m_fs;
    const Clock& m_clock;
    std::string m_programDir;
};

}  // namespace kvx
