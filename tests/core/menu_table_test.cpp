// Menu table construction, the item record rules and the recursive menu build.
#include "framework/model/menu_table.h"

#include <gtest/gtest.h>

#include <map>

namespace kvx {
namespace {

TEST(MenuTableTest, HintRule) {
    struct Row {
        const char* caption;
        const char* hint;
        const char* expected;
    };
    const Row rows[] = {
        {"&Datei", "ab", "Datei"},                                     // short hint: caption without "&"
        {"&A&b&c", "", "Abc"},                                         // every "&" goes
        {"Über..", "abc", "Über.."},                                   // exactly 3 characters is still short
        {"X", "abcd", "abcd"},                                         // 4 characters: the hint itself
        {"X", "äöü", "X"},                                             // counted in characters, not bytes
        {"X", "Liste #x12 drucken", "Liste drucken"},                  // "#word" removed with one blank
        {"X", "Liste drucken #x12", "Liste drucken"},                  // at the end
        {"X", "#top Hilfe", "Hilfe"},                                  // at the start
        {"&Kontexthilfe F1", "&Kontexthilfe F1", "&Kontexthilfe F1"},  // a long hint keeps its "&"
    };
    for (const Row& r : rows) EXPECT_EQ(menuItemHint(r.caption, r.hint), r.expected) << r.caption << "|" << r.hint;
}

TEST(MenuTableTest, ConstructionOperations) {
    MenuTable t;
    t.addEntryWithHint(1, 100, "Zurück", "Zurück zum aufrufenden Menü");
    EXPECT_EQ(t.nextIndex(), 2);
    t.appendEntry(142, "Details");
    t.appendDialogEntry(188, "Einstellungen");
    t.appendDialogEntry(207, "Bestellung erforderlich?", "Prüfen");
    t.appendSubmenuEntry(21, "Auswahl");
    t.appendSeparator();
    t.appendHelpContextEntry();
    t.appendHelpIndexEntry();
    t.appendEntryWithHint(116, "Firma", "");
    EXPECT_EQ(t.count(), 9);

    struct Row {
        int index;
        int command;
        int flags;
        const char* caption;
        const char* hint;
        int glyph;
    };
    const Row rows[] = {
        {1, 100, 0, "Zurück", "Zurück zum aufrufenden Menü", 0},
        {2, 142, 0, "Details", "Details", 0},
        {3, 188, 0, "Einstellungen..", "Einstellungen", 0},
        {4, 207, 0, "Bestellung erforderlich?..", "Prüfen", 0},
        {5, 21, kMenuFlagSubmenu, "Auswahl", "Auswahl", 0},
        {6, 0, kMenuFlagSeparator, "", "", 0},
        {7, 92, 0, "&Kontexthilfe F1", "auf das gegenwärtige Menü bezogene Hilfe anzeigen", 13},
        {8, 93, 0, "Index F3", "Den Hilfeindex mit der Option suchen zeigen", 17},
        {9, 116, 0, "Firma", "Firma", 0},  // empty hint becomes the caption
    };
    for (const Row& r : rows) {
        const MenuEntry& e = t.entry(r.index);
        EXPECT_EQ(e.command, r.command) << r.index;
        EXPECT_EQ(e.flags, r.flags) << r.index;
        EXPECT_EQ(e.caption, r.caption) << r.index;
        EXPECT_EQ(e.hint, r.hint) << r.index;
        EXPECT_EQ(e.glyph, r.glyph) << r.index;
    }

    t.clear();
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.nextIndex(), 1);
    EXPECT_EQ(t.entry(1).caption, "");
    EXPECT_EQ(t.entry(7).glyph, 0);
}

TEST(MenuTableTest, IndexesAndLengthsAreCapped) {
    MenuTable t;
    t.addEntry(40, 5, "zu weit");
    EXPECT_EQ(t.entry(25).command, 5);
    EXPECT_EQ(t.count(), 25);
    t.addEntry(-3, 6, "davor");
    EXPECT_EQ(t.entry(1).command, 6);
    EXPECT_EQ(t.nextIndex(), 2);

    // 45 two-byte characters: cut to 40 characters without splitting one.
    std::string longCaption;
    for (int i = 0; i < 45; ++i) longCaption += "ä";
    t.addEntry(2, 7, longCaption);
    EXPECT_EQ(t.entry(2).caption.size(), 80u);
    EXPECT_EQ(t.entry(2).hint.size(), 90u);  // the hint holds 120 characters
    t.addEntryWithHint(3, 8, "x", std::string(130, 'h'));
    EXPECT_EQ(t.entry(3).hint.size(), 120u);
}

TEST(MenuTableTest, ItemRecordFromEntry) {
    MenuTable t;
    t.addSubmenuEntry(1, 30, "&Hilfe");
    t.addSeparator(2);
    t.addHelpContextEntry(3);
    MenuNode sub = menuItemFromEntry(t.entry(1), 20);
    EXPECT_EQ(sub.caption, "&Hilfe»");
    EXPECT_EQ(sub.hint, "&Hilfe");  // the table hint (the caption) is longer than 3 characters
    EXPECT_TRUE(sub.pulldown);
    EXPECT_EQ(sub.submenuNumber, 30);

    MenuNode sep = menuItemFromEntry(t.entry(2), 20);
    EXPECT_TRUE(sep.separator);
    EXPECT_EQ(sep.caption, "-");

    // Glyph 13 shows only when at least 13 bitmaps are loaded.
    EXPECT_EQ(menuItemFromEntry(t.entry(3), 13).imageIndex, 13);
    EXPECT_EQ(menuItemFromEntry(t.entry(3), 12).imageIndex, -1);
    EXPECT_EQ(menuItemFromEntry(t.entry(3), 13).command, 92);
}

// A small menu family: 401 with a submenu 10, an empty submenu 11, a menu that fills 30 entries,
// a self-referencing menu and two menus referring to each other.
int testSource(int number, MenuTable& t) {
    switch (number) {
        case 401:
            t.appendSubmenuEntry(10, "Datei");
            t.appendEntry(121, "Artikel");
            t.appendSubmenuEntry(11, "Leer");
            return t.count();
        case 10:
            t.appendEntryWithHint(1, "Schließen", "Das Programm beenden");
            return t.count();
        case 50:
            for (int i = 0; i < 30; ++i) t.addEntry(i + 1, static_cast<std::uint16_t>(200 + i), "E");
            return 30;
        case 60:
            t.appendSubmenuEntry(60, "Ich");
            return 1;
        case 70:
            t.appendSubmenuEntry(71, "B");
            return 1;
        case 71:
            t.appendSubmenuEntry(70, "A");
            return 1;
        default:
            return 0;
    }
}

TEST(MenuTableTest, BuildTree) {
    const MenuNode root = buildMenuTree(401, testSource, 0);
    ASSERT_EQ(root.children.size(), 3u);
    const MenuNode& datei = root.children[0];
    EXPECT_EQ(datei.caption, "Datei»");
    ASSERT_EQ(datei.children.size(), 1u);
    EXPECT_EQ(datei.children[0].caption, "Schließen");
    EXPECT_EQ(datei.children[0].command, 1);
    EXPECT_EQ(datei.children[0].hint, "Das Programm beenden");
    EXPECT_EQ(root.children[1].command, 121);

    // A submenu without entries gets one blank item with command 0.
    const MenuNode& leer = root.children[2];
    ASSERT_EQ(leer.children.size(), 1u);
    EXPECT_EQ(leer.children[0].caption, " ");
    EXPECT_EQ(leer.children[0].command, 0);

    EXPECT_EQ(buildMenuTree(400, testSource, 0).children.size(), 1u);
    EXPECT_EQ(buildMenuTree(400, MenuSource{}, 0).children.size(), 1u);
}

TEST(MenuTableTest, MoreThan25EntriesAreCut) {
    const MenuNode root = buildMenuTree(50, testSource, 0);
    ASSERT_EQ(root.children.size(), 25u);
    EXPECT_EQ(root.children.front().command, 200);
    // The source wrote entries 26..30 into the last slot; the last one written stays there.
    EXPECT_EQ(root.children.back().command, 229);
}

TEST(MenuTableTest, CyclicSubmenusEndInABlankMenu) {
    const MenuNode self = buildMenuTree(60, testSource, 0);
    ASSERT_EQ(self.children.size(), 1u);
    ASSERT_EQ(self.children[0].children.size(), 1u);
    EXPECT_EQ(self.children[0].children[0].caption, " ");

    const MenuNode pair = buildMenuTree(70, testSource, 0);
    const MenuNode& b = pair.children.at(0);
    const MenuNode& a = b.children.at(0);
    EXPECT_EQ(a.caption, "A»");
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_EQ(a.children[0].caption, " ");
}

}  // namespace
}  // namespace kvx
