// The settings subsystem's dialogs on Qt: tsettingsdlg, tsettingsdlg2, the system font dialog,
// tinetadrdlg, tlieferdatdlg and TfirmainputDlg, owned by the main window.
#pragma once

#include <QFont>

#include "settings/settings_dialogs.h"

class QWidget;

namespace kvx {

class QtSettingsDialogs final : public SettingsDialogs {
  public:
    explicit QtSettingsDialogs(QWidget* owner) : m_owner(owner) {}

    bool editFolders(FolderSettings& folders) override;
    bool editBasicSettings(BasicSettings& settings) override;
    bool chooseFont(FontSlot slot, ChosenFont& font) override;
    bool editInternetAddress(InternetAddress& entry) override;
    bool editDeliveryData(DeliveryData& data) override;
    bool editCompanyData(CompanyData& data) override;

  private:
    QWidget* m_owner;
};

// The font a chosen font stands for, and back (the name in Windows-1252 on the core's side).
QFont qFontOf(const ChosenFont& font);
ChosenFont chosenFontFrom(const QFont& font);

}  // namespace kvx
