// The search and filter requests of the user-interface port: they run tzelsuchdlg and tzelfilterdlg.
#include "app/ui/qt_user_interface.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_dialog.h"

namespace kvx {

bool QtUserInterface::editSearchParameters(SearchParameterSet& set, SearchDialogContext& context) {
    return runSearchDialog(m_owner, set, context);
}

bool QtUserInterface::editStatusFilter(std::array<std::uint8_t, 5>& filter) {
    return runFilterDialog(m_owner, filter);
}

}  // namespace kvx
