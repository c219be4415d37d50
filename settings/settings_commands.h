// The operations of the settings commands: the folders, basic settings, font, delivery data and company
// data dialogs on the settings block, and changing and adding internet addresses. Each talks to the user
// through the settings dialogs (and the generic port for messages); what the window shows afterwards is
// the command table's business. Confirming a dialog marks the settings dirty, so that settings.dat is
// written at quit; cancelling changes nothing.
#pragma once

#include "base/user_interface.h"
#include "settings/settings_dialogs.h"
#include "settings/settings_session.h"

namespace kvx {

// Each returns true when the dialog was confirmed and the block changed accordingly.
bool editFolders(SettingsRecord& settings, SettingsDialogs& dialogs);
bool editBasicSettings(SettingsRecord& settings, SettingsDialogs& dialogs);
bool chooseProgramFont(SettingsRecord& settings, SettingsDialogs& dialogs, FontSlot slot);
bool editDeliveryData(SettingsRecord& settings, SettingsDialogs& dialogs);
// A confirmed dialog that hands back an empty name changes nothing: an empty name would reset the
// company data at the next start.
bool editCompanyData(SettingsRecord& settings, SettingsDialogs& dialogs);

// "Ändern..": reads the selected entry into the edit buffer, opens the dialog on it and on OK writes it back
// at the same index. Without entries there is nothing to change. True when an entry was written; a full
// file is reported; an I/O error throws IoError.
bool changeInternetAddress(SettingsSession& session, SettingsDialogs& dialogs, UserInterface& ui);
// "Neu..": opens the dialog on the edit buffer and on OK appends the entry.
bool newInternetAddress(SettingsSession& session, SettingsDialogs& dialogs, UserInterface& ui);

}  // namespace kvx
