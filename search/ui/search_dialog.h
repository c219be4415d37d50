// tzelsuchdlg: the search dialog. Three text criteria, four numeric criteria with two alternatives each,
// the dimension-search flag and the set's name, declared as a code-built dialog; its combos offer the word
// and unit histories. It works on its own copy of the set and hands it back only on a valid OK.
#pragma once

#include "framework/tkodialog.h"
#include "search/search_dialog_context.h"
#include "search/search_parameter_set.h"

namespace kvx {

class tzelsuchdlg final : public Tkodialog {
    Q_OBJECT
  public:
    tzelsuchdlg(QWidget* owner, const SearchParameterSet& set, SearchDialogContext& context);
    void setupwindow() override;
    bool canclose() override;
    const SearchParameterSet& result() const { return m_set; }

    // Field number of alternative a (1, 2) of numeric criterion r (1..4); its items are k0 .. k0 + 4.
    static int numericField(int r, int a) { return 12 + 10 * (r - 1) + 5 * (a - 1); }

  private:
    void declareTextCriterion(int r);
    void declareNumericAlternative(int r, int a);
    void fillCombo(int k, const std::string& value, const std::vector<std::string>& history);

    SearchParameterSet m_set;
    SearchDialogContext& m_context;
};

// Runs the dialog; true on OK with `set` replaced.
bool runSearchDialog(QWidget* owner, SearchParameterSet& set, SearchDialogContext& context);

}  // namespace kvx
