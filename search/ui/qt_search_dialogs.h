// The search subsystem's dialogs on Qt: tzelsuchdlg and tzelfilterdlg, owned by the main window.
#pragma once

#include "search/search_dialogs.h"

class QWidget;

namespace kvx {

class QtSearchDialogs final : public SearchDialogs {
  public:
    explicit QtSearchDialogs(QWidget* owner) : m_owner(owner) {}

    bool editSearchParameters(SearchParameterSet& set, SearchDialogContext& context) override;
    bool editStatusFilter(std::array<std::uint8_t, 5>& filter) override;

  private:
    QWidget* m_owner;
};

}  // namespace kvx
