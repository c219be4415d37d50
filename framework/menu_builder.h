// Turns a built menu tree into the window's menu bar: every item carries its command id as action data
// and its hint as status tip, and every item reaches the same click handler with that command id.
// Pull-downs are named "Pulldown" + running number; captions keep their "&" accelerator and no other
// shortcut is added.
#pragma once

#include <QIcon>
#include <QString>
#include <functional>

#include "framework/model/menu_table.h"

class QAction;
class QMenu;
class QMenuBar;

namespace kvx {

using MenuClickHandler = std::function<void(int command)>;
// Bitmap of a glyph number 1..glyph count; may be empty.
using MenuGlyphProvider = std::function<QIcon(int glyph)>;

// Replaces the contents of `bar` with the items of `root` (its children become the top-level entries).
void buildMenuBar(QMenuBar& bar, const MenuNode& root, const MenuClickHandler& onClick,
                  const MenuGlyphProvider& glyphs = {});

// The action of `bar` (at any depth) with the command id, or nullptr.
QAction* findMenuAction(const QMenuBar& bar, int command);

// Triggers the item with the command id as a click would; false when there is no enabled such item.
bool triggerMenuCommand(const QMenuBar& bar, int command);

// The tree as indented lines ("  " per level): caption, then " [command]" for items and " »menu" for
// pull-downs, then " | " and the hint.
QString menuTreeText(const MenuNode& root);

}  // namespace kvx
