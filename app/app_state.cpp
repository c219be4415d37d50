// Application state.
#include "app/app_state.h"

namespace kvx {

AppState::AppState(FileSystem& fs, const Clock& clock, std::string programDir)
    : myArticles(fs, files.myArticles, kMyArticleRecordSize),
      orders(fs, files.orders, kBookingDocumentSize),
      demand(fs, files.demand, kBookingDocumentSize),
      consumption(fs, files.consumption, kBookingDocumentSize),
      calculations(fs, files.calculations, kBookingDocumentSize),
      internetAddresses(fs, files.internetAddresses, kInternetAddressRecordSize),
      searchParameters(fs, files.searchParameters, kSearchParameterSetSize),
      m_fs(fs),
      m_clock(clock),
      m_programDir(std::move(programDir)) {
    trace.attach(fs);
}

AppState::~AppState() = default;

}  // namespace kvx
