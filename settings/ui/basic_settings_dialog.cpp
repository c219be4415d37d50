// The basic settings dialog.
#include "settings/ui/basic_settings_dialog.h"

namespace kvx {

tsettingsdlg2::tsettingsdlg2(QWidget* owner, const BasicSettings& settings) : Tkodialog(owner), m_settings(settings) {
    setHeader(52, 12, QStringLiteral("Grundeinstellungen"));
    computeMetrics(6, 1);
    declareLabel(1, 1, 1, 1, QStringLiteral("Preisangaben"), 15);
    declareLabel(1, 3, 2, 2, QStringLiteral("Modus"), 15);
    declareListCombo(17, 1, 1, 3, 20, 30);
    declareListCombo(17, 3, 2, 4, 20, 30);
    declareButtonRow(52, 7, 5);
    setCounts(2, 2, 6);
}

void tsettingsdlg2::setupwindow() {
    Tkodialog::setupwindow();
    addEntry(kPriceCombo, QStringLiteral("Brutto"));
    addEntry(kPriceCombo, QStringLiteral("Netto"));
    addEntry(kModeCombo, QStringLiteral("Einfach"));
    addEntry(kModeCombo, QStringLiteral("mit Lagerverwaltung"));
    // Any non-zero stored value counts as the second entry.
    setCurrentIndex(kPriceCombo, m_settings.priceDisplay != 0 ? 1 : 0);
    setCurrentIndex(kModeCombo, m_settings.workingMode != 0 ? 1 : 0);
}

bool tsettingsdlg2::canclose() {
    if (const int price = selectedIndex(kPriceCombo); price >= 0) m_settings.priceDisplay = price;
    if (const int mode = selectedIndex(kModeCombo); mode >= 0) m_settings.workingMode = mode;
    return true;
}

bool runBasicSettingsDialog(QWidget* owner, BasicSettings& settings) {
    tsettingsdlg2 dialog(owner, settings);
    if (dialog.execute() != dlgid::kOk) return false;
    settings = dialog.result();
    return true;
}

}  // namespace kvx
