// The availability filter dialog.
#include "search/ui/filter_dialog.h"

namespace kvx {

tzelfilterdlg::tzelfilterdlg(QWidget* owner, const std::array<std::uint8_t, 5>& filter)
    : Tkodialog(owner), m_filter(filter) {
    setHeader(50, 20, QStringLiteral("Filter"));
    computeMetrics(6, 1);
    const QString captions[] = {QStringLiteral("Lager"), QStringLiteral("Abverkauf"), QStringLiteral("Bestell"),
                                QStringLiteral("Auslauf")};
    for (int k = 1; k <= 4; ++k) declareCheckBox(4, 2 * k - 1, k, k, captions[k - 1], 10);
    declareButtonRow(50, 13, 5);
    setCounts(0, 4, 6);
}

void tzelfilterdlg::setupwindow() {
    Tkodialog::setupwindow();
    for (int k = 1; k <= 4; ++k) setChecked(dlgid::controlId(k), m_filter[static_cast<std::size_t>(k - 1)] != 0);
}

bool tzelfilterdlg::canclose() {
    for (int k = 1; k <= 4; ++k) m_filter[static_cast<std::size_t>(k - 1)] = isChecked(dlgid::controlId(k)) ? 1 : 0;
    return true;
}

bool runFilterDialog(QWidget* owner, std::array<std::uint8_t, 5>& filter) {
    tzelfilterdlg dialog(owner, filter);
    if (dialog.execute() != dlgid::kOk) return false;
    filter = dialog.result();
    return true;
}

}  // namespace kvx
