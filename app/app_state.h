// The application's state for one run: settings, file set, open files, catalogue and the user's data.
// The main window owns one instance; every command's operation works on it.
#pragma once

#include <memory>
#include <string>

#include "app/cost_centres.h"
#include "app/file_set.h"
#include "base/clock.h"
#include "base/file_system.h"
#include "base/le_bytes.h"
#include "base/record_file.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "search/search_state.h"
#include "settings/settings_record.h"

namespace kvx {

// A block file read whole at start and written back whole (temporary file, rename) when it changed.
struct BlockFile {
    Bytes bytes;
    bool loaded = false;  // the file existed and was read
    bool changed = false;
};

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
    RecordFile internetAddresses;
    RecordFile searchParameters;

    BlockFile searchIndex;
    SearchState search;
    BlockFile directOrder;
    // The current order: a record of bestell.dat held in memory, written back at its number.
    std::uint16_t currentOrderNumber = 0;
    Bytes currentOrder;
    bool currentOrderLoaded = false;
    bool currentOrderChanged = false;

    bool searchParametersChanged = false;
    bool forcedClose = false;
    int startupPhase = 2;

  private:
    FileSystem& m_fs;
    const Clock& m_clock;
    std::string m_programDir;
};

}  // namespace kvx
