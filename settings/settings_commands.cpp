// Settings operations.
#include "settings/settings_commands.h"

#include "settings/folders.h"

namespace kvx {

bool editFolders(SettingsRecord& settings, SettingsDialogs& dialogs) {
    FolderSettings folders{settings.datasheetFolder(), settings.textFolder()};
    if (!dialogs.editFolders(folders)) return false;
    // The dialog has applied the rule already; applied again it changes nothing, and a text it would not
    // have let through keeps the old folder.
    if (auto f = folderFromInput(folders.datasheetFolder, SettingsRecord::kFolderCapacity))
        settings.setDatasheetFolder(*f);
    if (auto f = folderFromInput(folders.textFolder, SettingsRecord::kFolderCapacity)) settings.setTextFolder(*f);
    settings.setDirty();
    return true;
}

bool editBasicSettings(SettingsRecord& settings, SettingsDialogs& dialogs) {
    BasicSettings basic{settings.netPrices() ? 1 : 0, settings.stockMode() ? 1 : 0};
    if (!dialogs.editBasicSettings(basic)) return false;
    settings.setNetPrices(basic.priceDisplay != 0);
    settings.setStockMode(basic.workingMode != 0);
    settings.setDirty();
    return true;
}

bool chooseProgramFont(SettingsRecord& settings, SettingsDialogs& dialogs, FontSlot slot) {
    const FontDescription previous = settings.font(slot);
    ChosenFont chosen = chosenFontOf(previous);
    if (!dialogs.chooseFont(slot, chosen)) return false;
    settings.setFont(slot, describeChosenFont(chosen, previous));
    settings.setDirty();
    return true;
}

bool editDeliveryData(SettingsRecord& settings, SettingsDialogs& dialogs) {
    DeliveryData data = settings.deliveryData();
    if (!dialogs.editDeliveryData(data)) return false;
    settings.setDeliveryData(data);
    settings.setDirty();
    return true;
}

bool editCompanyData(SettingsRecord& settings, SettingsDialogs& dialogs) {
    CompanyData data = settings.companyData();
    if (!dialogs.editCompanyData(data) || data.name.empty()) return false;
    settings.setCompanyData(data);
    settings.setDirty();
    return true;
}

namespace {

bool writeEntry(SettingsSession& s, UserInterface& ui, std::uint32_t index, const InternetAddress& entry) {
    std::string error;
    if (!s.writeAddress(index, entry, error)) {
        ui.error(error);
        return false;
    }
    return true;
}

}  // namespace

bool changeInternetAddress(SettingsSession& s, SettingsDialogs& dialogs, UserInterface& ui) {
    const int index = s.selectedAddress();
    // Writing at the count would append: a change where there is nothing to change would add an entry.
    if (index < 0 || index >= s.addressCount()) return false;
    s.editBuffer = s.readAddress(static_cast<std::uint32_t>(index));
    InternetAddress entry = s.editBuffer;
    if (!dialogs.editInternetAddress(entry)) return false;
    if (!writeEntry(s, ui, static_cast<std::uint32_t>(index), entry)) return false;
    s.editBuffer = entry;
    return true;
}

bool newInternetAddress(SettingsSession& s, SettingsDialogs& dialogs, UserInterface& ui) {
    InternetAddress entry = s.editBuffer;
    if (!dialogs.editInternetAddress(entry)) return false;
    if (!writeEntry(s, ui, s.addressCount(), entry)) return false;
    s.editBuffer = entry;
    return true;
}

}  // namespace kvx
