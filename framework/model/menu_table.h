// Menu tables and the menu tree built from them. The application describes each numbered menu by
// filling a MenuTable in its menu source; buildMenuTree turns the table of a top menu number, and
// recursively the tables of its submenus, into a plain tree that the Qt layer shows as a menu bar.
// Texts are UTF-8; lengths are counted in characters.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/command_numbers.h"

namespace kvx {

inline constexpr int kMenuMaxEntries = 25;
inline constexpr std::size_t kMenuCaptionMax = 40;
inline constexpr std::size_t kMenuHintMax = 120;
inline constexpr std::size_t kMenuItemCaptionMax = 80;

inline constexpr std::uint16_t kMenuFlagSubmenu = 0x0010;
inline constexpr std::uint16_t kMenuFlagSeparator = 0x0800;

inline constexpr std::uint16_t kCommandHelpContext = cmd::kHelpContext;
inline constexpr std::uint16_t kCommandHelpIndex = cmd::kHelpIndex;
inline constexpr std::uint16_t kGlyphHelpContext = 13;
inline constexpr std::uint16_t kGlyphHelpIndex = 17;

struct MenuEntry {
    std::uint16_t command = 0;  // for a submenu entry: the menu number of the submenu
    std::uint16_t flags = 0;
    std::string caption;  // "&" marks the accelerator letter
    std::string hint;
    std::uint16_t glyph = 0;  // 0 = none, else 1-based into the application's menu bitmaps
};

// Up to 25 entries numbered 1..25. Indexes outside that range are pulled into it, so a source that
// writes too many entries overwrites the last one instead of writing past the table.
class MenuTable final {
  public:
    MenuTable() { clear(); }

    // All entries zeroed; the running counter starts again at 1.
    void clear();

    void addEntry(int index, std::uint16_t command, const std::string& caption);
    // An empty hint becomes the caption.
    void addEntryWithHint(int index, std::uint16_t command, const std::string& caption, const std::string& hint);
    // Entries that open a dialog: ".." is appended to the caption.
    void addDialogEntry(int index, std::uint16_t command, const std::string& caption, const std::string& hint = {});
    void addSubmenuEntry(int index, std::uint16_t menuNumber, const std::string& caption);
    void addSeparator(int index);
    void addHelpContextEntry(int index);
    void addHelpIndexEntry(int index);

    // The same at the running counter, which every add moves to the entry after the one written.
    void appendEntry(std::uint16_t command, const std::string& caption);
    void appendEntryWithHint(std::uint16_t command, const std::string& caption, const std::string& hint);
    void appendDialogEntry(std::uint16_t command, const std::string& caption, const std::string& hint = {});
    void appendSubmenuEntry(std::uint16_t menuNumber, const std::string& caption);
    void appendSeparator();
    void appendHelpContextEntry();
    void appendHelpIndexEntry();

    void setGlyph(int index, std::uint16_t glyph);

    // Index the next append writes to (1..25).
    int nextIndex() const { return m_next; }
    // Highest index written since the last clear; what a menu source usually returns.
    int count() const { return m_count; }

    // Entry 1..25; other indexes are pulled into range.
    const MenuEntry& entry(int index) const;

  private:
    MenuEntry& slot(int index);

    std::array<MenuEntry, kMenuMaxEntries> m_entries;
    int m_next = 1;
    int m_count = 0;
};

// Fills `table` for `menuNumber` and returns the number of entries to build (0 = empty menu).
using MenuSource = std::function<int(int menuNumber, MenuTable& table)>;

// One built menu item or pull-down.
struct MenuNode {
    std::string caption;  // up to 80 characters; "-" for a separator
    std::string hint;
    std::uint16_t command = 0;  // the item's tag; 0 for pull-downs and separators
    std::uint16_t glyph = 0;
    int imageIndex = -1;    // the glyph when 1 <= glyph <= the number of bitmaps, else -1
    int submenuNumber = 0;  // menu number of a pull-down
    bool pulldown = false;
    bool separator = false;
    std::vector<MenuNode> children;  // the items of a pull-down
};

// The menu item record of one table entry: caption with "»" for submenus and "-" for separators,
// hint = the table hint when longer than 3 characters (without a "#word"), else the caption without "&".
MenuNode menuItemFromEntry(const MenuEntry& entry, int glyphCount);

// The hint rule alone.
std::string menuItemHint(const std::string& caption, const std::string& hint);

// Builds the menu of `menuNumber` (the root node, its children = the top-level items) with every
// submenu expanded. A source returning 0 entries yields one item " " with command 0; more than 25
// entries are cut to 25. A submenu that refers back to a menu already being built, or lies deeper
// than kMenuMaxDepth, is built as the empty menu instead of recursing without end.
inline constexpr int kMenuMaxDepth = 8;
MenuNode buildMenuTree(int menuNumber, const MenuSource& source, int glyphCount);

}  // namespace kvx
