// The settings dialogs of the settings subsystem's port.
#include "settings/ui/qt_settings_dialogs.h"

#include "base/cp1252.h"
#include "framework/modal_runner.h"
#include "settings/ui/basic_settings_dialog.h"
#include "settings/ui/company_data_dialog.h"
#include "settings/ui/delivery_data_dialog.h"
#include "settings/ui/folder_dialog.h"
#include "settings/ui/internet_address_dialog.h"

namespace kvx {

QFont qFontOf(const ChosenFont& f) {
    QFont font(QString::fromStdString(cp1252ToUtf8(f.name)));
    font.setStyleHint(QFont::AnyStyle);
    font.setPointSize(std::max(1, f.pointSize));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

ChosenFont chosenFontFrom(const QFont& font) {
    ChosenFont f;
    f.name = utf8ToCp1252(font.family().toStdString());
    f.pointSize = font.pointSize();
    f.bold = font.bold();
    f.italic = font.italic();
    return f;
}

bool QtSettingsDialogs::editFolders(FolderSettings& folders) {
    return runFolderDialog(m_owner, folders);
}

bool QtSettingsDialogs::editBasicSettings(BasicSettings& settings) {
    return runBasicSettingsDialog(m_owner, settings);
}

bool QtSettingsDialogs::chooseFont(FontSlot slot, ChosenFont& font) {
    FontChoice choice;
    choice.title = QString::fromStdString(fontDialogTitle(slot));
    choice.initial = qFontOf(font);
    choice.fixedPitchOnly = slot == FontSlot::Print;
    choice.minSize = kFontDialogMinSize;
    choice.maxSize = kFontDialogMaxSize;
    const std::optional<QFont> chosen = modalRunner().chooseFont(choice);
    if (!chosen) return false;
    // The character set stays the one stored: Qt's fonts carry no Windows character set.
    const std::uint8_t charset = font.charset;
    font = chosenFontFrom(*chosen);
    font.charset = charset;
    return true;
}

bool QtSettingsDialogs::editInternetAddress(InternetAddress& entry) {
    return runInternetAddressDialog(m_owner, entry);
}

bool QtSettingsDialogs::editDeliveryData(DeliveryData& data) {
    return runDeliveryDataDialog(m_owner, data);
}

bool QtSettingsDialogs::editCompanyData(CompanyData& data) {
    return runCompanyDataDialog(m_owner, data);
}

}  // namespace kvx
