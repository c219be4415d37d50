// The program's menus: one main menu per view (401..424) and the sub-menus (10..21, 30).
#pragma once

#include "framework/model/menu_table.h"

namespace kvx {

struct MenuConditions {
    bool stockMode = false;      // items marked for stock keeping
    bool helpAvailable = false;  // the help engine exists (never on this platform)
};

// Fills `table` for `menuNumber`; every main menu but the start menu begins with "Zurück" (cmd::kBack).
// Returns the entry count.
int fillProgramMenu(int menuNumber, MenuTable& table, const MenuConditions& conditions);

// The main menu of a view number (the direct order's view 16 in simple mode uses 418).
int mainMenuOfView(int viewNumber, bool stockMode);

}  // namespace kvx
