// tsettingsdlg2 "Grundeinstellungen": price display ("Brutto", "Netto") and working mode ("Einfach",
// "mit Lagerverwaltung") as two list-only combos.
#pragma once

#include "framework/tkodialog.h"
#include "settings/settings_dialogs.h"

namespace kvx {

class tsettingsdlg2 final : public Tkodialog {
    Q_OBJECT
  public:
    static constexpr int kPriceCombo = 301, kModeCombo = 302;

    tsettingsdlg2(QWidget* owner, const BasicSettings& settings);
    void setupwindow() override;
    bool canclose() override;
    const BasicSettings& result() const { return m_settings; }

  private:
    BasicSettings m_settings;
};

bool runBasicSettingsDialog(QWidget* owner, BasicSettings& settings);

}  // namespace kvx
