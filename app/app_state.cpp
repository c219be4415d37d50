// Application state.
#include "app/app_state.h"

namespace kvx {

AppState::AppState(FileSystem& fs, const Clock& clock, std::string programDir)
    : search(fs, clock, settings, catalogue, SearchFileNames{files.searchParameters, files.searchIndex}),
      settingsSession(fs, settings, files.internetAddresses),
      stock(fs, clock, settings, catalogue, FileSet::kUserDir, files.directOrder),
      m_fs(fs),
      m_clock(clock),
      m_programDir(std::move(programDir)) {
    trace.attach(fs);
}

AppState::~AppState() = default;

}  // namespace kvx
