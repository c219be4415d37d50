// Application state.
#include "app/app_state.h"

namespace kvx {

AppState::AppState(FileSystem& fs, const Clock& clock, std::string programDir)
    : myArticles(fs, files.myArticles, kMyArticleRecordSize),
      orders(fs, files.orders, kBookingDocumentSize),
      demand(fs, files.demand, kBookingDocumentSize),
      consumption(fs, files.consumption, kBookingDocumentSize),
      calculations(fs, files.calculations, kBookingDocumentSize),
      search(fs, clock, settings, catalogue, SearchFileNames{files.searchParameters, files.searchIndex}),
      settingsSession(fs, settings, files.internetAddresses),
      m_fs(fs),
      m_clock(clock),
      m_programDir(std::move(programDir)) {
    trace.attach(fs);
}

AppState::~AppState() = default;

}  // namespace kvx
