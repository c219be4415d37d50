// Menu tables and the menu tree built from them.
#include "framework/model/menu_table.h"

#include <algorithm>

namespace kvx {

namespace {

// Cuts a UTF-8 text after `maxChars` characters without splitting a multi-byte sequence.
std::string cutChars(const std::string& text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == maxChars) return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

std::size_t charCount(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string withoutAmpersands(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

// Removes the first word introduced by "#" (up to the next blank) together with one blank beside it,
// so that "Liste #x drucken" becomes "Liste drucken".
std::string withoutHashWord(std::string text) {
    const std::size_t start = text.find('#');
    if (start == std::string::npos) return text;
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    std::size_t from = start;
    if (end < text.size()) {
        ++end;  // the blank after the word
    } else if (from > 0 && text[from - 1] == ' ') {
        --from;  // the word ends the text: drop the blank before it
    }
    text.erase(from, end - from);
    return text;
}

int clampIndex(int index) {
    return std::clamp(index, 1, kMenuMaxEntries);
}

MenuNode blankItem(int glyphCount) {
    MenuEntry blank;
    blank.caption = " ";
    return menuItemFromEntry(blank, glyphCount);
}

void fillMenu(MenuNode& node, const MenuSource& source, int glyphCount, std::vector<int>& path) {
    MenuTable table;
    int count = source ? source(node.submenuNumber, table) : 0;
    node.children.clear();
    if (count <= 0) {
        node.children.push_back(blankItem(glyphCount));
        return;
    }
    count = std::min(count, kMenuMaxEntries);
    path.push_back(node.submenuNumber);
    for (int i = 1; i <= count; ++i) {
        MenuNode item = menuItemFromEntry(table.entry(i), glyphCount);
        if (item.pulldown) {
            const bool cyclic = std::find(path.begin(), path.end(), item.submenuNumber) != path.end();
            if (cyclic || static_cast<int>(path.size()) >= kMenuMaxDepth) {
                item.children.push_back(blankItem(glyphCount));
            } else {
                fillMenu(item, source, glyphCount, path);
            }
        }
        node.children.push_back(std::move(item));
    }
    path.pop_back();
}

}  // namespace

void MenuTable::clear() {
    m_entries.fill(MenuEntry{});
    m_next = 1;
    m_count = 0;
}

MenuEntry& MenuTable::slot(int index) {
    index = clampIndex(index);
    m_next = std::min(index + 1, kMenuMaxEntries);
    m_count = std::max(m_count, index);
    return m_entries[static_cast<std::size_t>(index - 1)];
}

const MenuEntry& MenuTable::entry(int index) const {
    return m_entries[static_cast<std::size_t>(clampIndex(index) - 1)];
}

void MenuTable::addEntry(int index, std::uint16_t command, const std::string& caption) {
    addEntryWithHint(index, command, caption, caption);
}

void MenuTable::addEntryWithHint(int index, std::uint16_t command, const std::string& caption,
                                 const std::string& hint) {
    MenuEntry& e = slot(index);
    e = MenuEntry{};
    e.command = command;
    e.caption = cutChars(caption, kMenuCaptionMax);
    e.hint = cutChars(hint.empty() ? caption : hint, kMenuHintMax);
}

void MenuTable::addDialogEntry(int index, std::uint16_t command, const std::string& caption, const std::string& hint) {
    addEntryWithHint(index, command, caption + "..", hint.empty() ? caption : hint);
}

void MenuTable::addSubmenuEntry(int index, std::uint16_t menuNumber, const std::string& caption) {
    addEntry(index, menuNumber, caption);
    m_entries[static_cast<std::size_t>(clampIndex(index) - 1)].flags = kMenuFlagSubmenu;
}

void MenuTable::addSeparator(int index) {
    MenuEntry& e = slot(index);
    e = MenuEntry{};
    e.flags = kMenuFlagSeparator;
}

void MenuTable::addHelpContextEntry(int index) {
    addEntryWithHint(index, kCommandHelpContext, "&Kontexthilfe F1",
                     "auf das gegenwärtige Menü bezogene Hilfe anzeigen");
    setGlyph(index, kGlyphHelpContext);
}

void MenuTable::addHelpIndexEntry(int index) {
    addEntryWithHint(index, kCommandHelpIndex, "Index F3", "Den Hilfeindex mit der Option suchen zeigen");
    setGlyph(index, kGlyphHelpIndex);
}

void MenuTable::setGlyph(int index, std::uint16_t glyph) {
    m_entries[static_cast<std::size_t>(clampIndex(index) - 1)].glyph = glyph;
}

void MenuTable::appendEntry(std::uint16_t command, const std::string& caption) {
    addEntry(m_next, command, caption);
}

void MenuTable::appendEntryWithHint(std::uint16_t command, const std::string& caption, const std::string& hint) {
    addEntryWithHint(m_next, command, caption, hint);
}

void MenuTable::appendDialogEntry(std::uint16_t command, const std::string& caption, const std::string& hint) {
    addDialogEntry(m_next, command, caption, hint);
}

void MenuTable::appendSubmenuEntry(std::uint16_t menuNumber, const std::string& caption) {
    addSubmenuEntry(m_next, menuNumber, caption);
}

void MenuTable::appendSeparator() {
    addSeparator(m_next);
}
void MenuTable::appendHelpContextEntry() {
    addHelpContextEntry(m_next);
}
void MenuTable::appendHelpIndexEntry() {
    addHelpIndexEntry(m_next);
}

std::string menuItemHint(const std::string& caption, const std::string& hint) {
    if (charCount(hint) > 3) return cutChars(withoutHashWord(hint), kMenuHintMax);
    return cutChars(withoutAmpersands(caption), kMenuHintMax);
}

MenuNode menuItemFromEntry(const MenuEntry& entry, int glyphCount) {
    MenuNode node;
    node.command = entry.command;
    node.glyph = entry.glyph;
    if (entry.glyph >= 1 && entry.glyph <= glyphCount) node.imageIndex = entry.glyph;
    if ((entry.flags & kMenuFlagSeparator) != 0) {
        node.caption = "-";
        node.separator = true;
        node.command = 0;
        return node;
    }
    node.caption = cutChars(entry.caption, kMenuCaptionMax);
    node.hint = menuItemHint(node.caption, entry.hint);
    if ((entry.flags & kMenuFlagSubmenu) != 0) {
        node.caption = cutChars(node.caption + "»", kMenuItemCaptionMax);
        node.pulldown = true;
        node.submenuNumber = entry.command;
        node.command = 0;
    }
    return node;
}

MenuNode buildMenuTree(int menuNumber, const MenuSource& source, int glyphCount) {
    MenuNode root;
    root.pulldown = true;
    root.submenuNumber = menuNumber;
    std::vector<int> path;
    fillMenu(root, source, glyphCount, path);
    return root;
}

}  // namespace kvx
