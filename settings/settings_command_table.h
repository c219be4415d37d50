// The settings subsystem's rows of the command table: the folders, basic settings, font, delivery data and
// company data dialogs, the font view (23) and the internet address view (25) with its "Ändern.." and
// "Neu..", each with what the main window shows afterwards.
#pragma once

#include <vector>

#include "base/command_table.h"
#include "base/list_refill.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "settings/settings_dialogs.h"
#include "settings/settings_session.h"

namespace kvx {

inline constexpr int kFontView = 23;
inline constexpr int kInternetAddressView = 25;

// What the settings commands work with; every reference must outlive the rows.
struct SettingsCommandContext {
    SettingsSession& session;
    UserInterface& ui;
    SettingsDialogs& dialogs;
    ViewPort& window;
    ListRefill& refill;
};

std::vector<CommandRow> settingsCommandRows(const SettingsCommandContext& context);
// The internet address view: its page and the selection of an entry by a click on its line.
std::vector<PaintedViewSource> settingsPaintedViews(SettingsSession& session);

}  // namespace kvx
