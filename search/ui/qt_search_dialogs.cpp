// The search dialogs of the search subsystem's port.
#include "search/ui/qt_search_dialogs.h"

#include "search/ui/filter_dialog.h"
#include "search/ui/search_dialog.h"

namespace kvx {

bool QtSearchDialogs::editSearchParameters(SearchParameterSet& set, SearchDialogContext& context) {
    return runSearchDialog(m_owner, set, context);
}

bool QtSearchDialogs::editStatusFilter(std::array<std::uint8_t, 5>& filter) {
    return runFilterDialog(m_owner, filter);
}

}  // namespace kvx
