// The settings subsystem's own dialogs, as its operations ask for them. settings/ui implements them with
// tsettingsdlg, tsettingsdlg2, the system font dialog, tinetadrdlg, tlieferdatdlg and TfirmainputDlg;
// core tests answer them from a queue. Each works on the caller's copy and changes it only on OK.
#pragma once

#include <string>

#include "settings/internet_address.h"
#include "settings/program_fonts.h"
#include "settings/settings_record.h"

namespace kvx {

// The two folders, Windows-1252.
struct FolderSettings {
    std::string datasheetFolder;
    std::string textFolder;
};

// The selected entries of the basic settings: price display 0 "Brutto", 1 "Netto"; working mode
// 0 "Einfach", 1 "mit Lagerverwaltung".
struct BasicSettings {
    int priceDisplay = 0;
    int workingMode = 0;
};

class SettingsDialogs {
  public:
    virtual ~SettingsDialogs() = default;

    // "Verzeichnisse" (tsettingsdlg): on OK each folder trimmed and ending with "/" when not empty.
    virtual bool editFolders(FolderSettings& folders) = 0;
    // "Grundeinstellungen" (tsettingsdlg2).
    virtual bool editBasicSettings(BasicSettings& settings) = 0;
    // The system font dialog for one program font, opened on `font`; sizes 8..20 points, fixed-pitch fonts
    // only for the print font.
    virtual bool chooseFont(FontSlot slot, ChosenFont& font) = 0;
    // "Internetadresse wählen" (tinetadrdlg).
    virtual bool editInternetAddress(InternetAddress& entry) = 0;
    // The delivery data (tlieferdatdlg, caption "Einstellungen").
    virtual bool editDeliveryData(DeliveryData& data) = 0;
    // "Firmendaten eingeben" (TfirmainputDlg); OK only with a name.
    virtual bool editCompanyData(CompanyData& data) = 0;
};

}  // namespace kvx
