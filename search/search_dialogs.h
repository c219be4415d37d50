// The search subsystem's own dialogs, as the search operations ask for them. search/ui implements them
// with tzelsuchdlg and tzelfilterdlg; core tests answer them from a queue.
#pragma once

#include <array>
#include <cstdint>

#include "search/search_dialog_context.h"
#include "search/search_parameter_set.h"

namespace kvx {

class SearchDialogs {
  public:
    virtual ~SearchDialogs() = default;

    // The search dialog (tzelsuchdlg) on a copy of the active set; true on OK with `set` replaced.
    virtual bool editSearchParameters(SearchParameterSet& set, SearchDialogContext& context) = 0;
    // The availability filter dialog (tzelfilterdlg) on the five filter bytes; true on OK.
    virtual bool editStatusFilter(std::array<std::uint8_t, 5>& filter) = 0;
};

}  // namespace kvx
