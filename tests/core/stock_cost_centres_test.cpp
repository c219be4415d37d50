// Cost centres: the names made and kept, the states of the settings block and of the states file, the
// choice with its closed check, and the management list's changes.
#include "stock/cost_centres.h"

#include <gtest/gtest.h>

#include "base/short_string.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/fake_ui.h"

namespace kvx {
namespace {

// A kstst.dat of `count` records named "K<n>", record `empty` left without a name.
std::string namesFile(int count, int empty = -1) {
    std::string data(static_cast<std::size_t>(count) * kCostCentreNameSize, '\0');
    for (int i = 0; i < count; ++i) {
        if (i == empty) continue;
        writeShortString(reinterpret_cast<std::uint8_t*>(data.data()) + i * kCostCentreNameSize, 0,
                         kCostCentreNameSize - 1, "K" + std::to_string(i));
    }
    return data;
}

TEST(CostCentres, NamesAfterLoading) {
    struct Row {
        int records;  // records in the file, -1 = no file
        int empty;    // record without a name
        int last;     // N afterwards
        int probe;    // a name to check
        const char* name;
    };
    const Row rows[] = {
        {-1, -1, 20, 0, "Allgemein"}, {-1, -1, 20, 20, "Projekt20"}, {0, -1, 20, 3, "Projekt3"},
        {5, 0, 20, 0, "Allgemein"},   {5, 2, 20, 2, "Projekt2"},     {5, -1, 20, 4, "K4"},
        {60, -1, 59, 59, "K59"},      {60, 45, 59, 45, "Projekt45"}, {401, -1, 400, 400, "K400"},
        {450, -1, 400, 400, "K400"},  {21, -1, 20, 20, "K20"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.records) + " records");
        test::RamFileSystem fs;
        if (r.records >= 0) fs.put("kstst.dat", namesFile(r.records, r.empty));
        CostCentres names;
        names.load(fs, "kstst.dat", "kststat.dat");
        EXPECT_EQ(names.last(), r.last);
        EXPECT_EQ(names.name(r.probe), r.name);
        EXPECT_EQ(names.name(r.last + 1), "") << "beyond N there is no name";
        EXPECT_FALSE(names.changed());
    }
}

TEST(CostCentres, EveryShownNameIsWrittenAndReadBack) {
    test::RamFileSystem fs;
    fs.put("kstst.dat", namesFile(60));
    CostCentres names;
    names.load(fs, "kstst.dat", "kststat.dat");
    names.setName(59, "Neubau Halle 2 und noch mehr");
    ASSERT_TRUE(names.namesChanged());
    std::string error;
    ASSERT_TRUE(names.save(fs, "kstst.dat", "kststat.dat", error)) << error;
    EXPECT_FALSE(fs.exists("kststat.dat")) << "no state changed";

    std::string expected = namesFile(60);
    writeShortString(reinterpret_cast<std::uint8_t*>(expected.data()) + 59 * kCostCentreNameSize, 0,
                     kCostCentreNameSize - 1, "Neubau Halle 2 und n");
    EXPECT_EQ(fs.get("kstst.dat"), expected) << "names 41..58 must survive the rewrite";

    // Without a file: the 21 default names, of which the last one changed, all come back.
    test::RamFileSystem fresh;
    CostCentres defaults;
    defaults.load(fresh, "kstst.dat", "kststat.dat");
    defaults.setName(20, "Letzte");
    ASSERT_TRUE(defaults.save(fresh, "kstst.dat", "kststat.dat", error)) << error;
    EXPECT_EQ(fresh.get("kstst.dat").size(), 21u * kCostCentreNameSize);
    CostCentres again;
    again.load(fresh, "kstst.dat", "kststat.dat");
    EXPECT_EQ(again.last(), 20);
    EXPECT_EQ(again.name(20), "Letzte");
    EXPECT_EQ(again.label(20), "20 Letzte");
}

TEST(CostCentres, StatesAbove40LiveInTheirOwnFile) {
    test::RamFileSystem fs;
    fs.put("kstst.dat", namesFile(100));
    SettingsRecord settings;
    const std::string after(reinterpret_cast<const char*>(settings.data()) + 262, 100);
    CostCentres c;
    c.load(fs, "kstst.dat", "kststat.dat");
    EXPECT_FALSE(c.isActive(3, settings)) << "new cost centres start closed";
    c.setActive(3, true, settings);
    c.setActive(40, true, settings);
    c.setActive(41, true, settings);
    c.setActive(99, true, settings);
    EXPECT_TRUE(settings.dirty());
    EXPECT_EQ(settings.costCentreState(40), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(settings.data()) + 262, 100), after)
        << "the fields after the 41 state bytes were written";
    EXPECT_TRUE(c.statesChanged());
    EXPECT_FALSE(c.namesChanged());
    std::string error;
    ASSERT_TRUE(c.save(fs, "kstst.dat", "kststat.dat", error)) << error;
    const std::string states = fs.get("kststat.dat");
    ASSERT_EQ(states.size(), 59u) << "one byte for each of 41..99";
    EXPECT_EQ(states[0], 1);
    EXPECT_EQ(states[58], 1);
    EXPECT_EQ(states[1], 0);

    CostCentres again;
    again.load(fs, "kstst.dat", "kststat.dat");
    for (int n : {3, 40, 41, 99}) EXPECT_TRUE(again.isActive(n, settings)) << n;
    for (int n : {4, 42, 98, 100}) EXPECT_FALSE(again.isActive(n, settings)) << n;
}

TEST(CostCentres, ChoiceWithTheClosedCheckAsksAgain) {
    test::RamFileSystem fs;
    SettingsRecord settings;
    CostCentres c;
    c.load(fs, "kstst.dat", "kststat.dat");
    c.setActive(2, true, settings);
    struct Row {
        bool closedCheck;
        std::vector<test::Answer> answers;
        std::optional<int> result;
        int closedMessages;
    };
    const Row rows[] = {
        {true, {std::int32_t{1}, std::int32_t{2}}, 2, 1},
        {true, {std::int32_t{1}, test::Cancel{}}, std::nullopt, 1},
        {true, {std::int32_t{2}}, 2, 0},
        {false, {std::int32_t{1}}, 1, 0},
        {true, {std::int32_t{21}}, std::nullopt, 0},
    };
    for (const Row& r : rows) {
        test::FakeUi ui;
        ui.answers.assign(r.answers.begin(), r.answers.end());
        EXPECT_EQ(chooseCostCentre(c, settings, ui, "Bedarf", 0, r.closedCheck), r.result);
        EXPECT_EQ(ui.linesStartingWith("info: Diese Kostenstelle ist abgeschlossen").size(),
                  static_cast<std::size_t>(r.closedMessages));
    }
}

TEST(CostCentres, ManagementListRenamesAndChangesTheSelectedOne) {
    test::RamFileSystem fs;
    SettingsRecord settings;
    CostCentres c;
    c.load(fs, "kstst.dat", "kststat.dat");
    c.select(5);
    ListContent list = costCentreManagementList(c, settings);
    ASSERT_EQ(list.rows.size(), 21u);
    EXPECT_EQ(list.selectedRow, 5);
    EXPECT_EQ(list.rows[5].cells, (std::vector<std::string>{"5", "Projekt5", "Inaktiv"}));

    test::FakeUi ui;
    ui.answers = {std::string("Werkstatt €"), std::int32_t{1}};
    EXPECT_TRUE(renameSelectedCostCentre(c, ui));
    EXPECT_EQ(c.name(5), "Werkstatt \x80");
    EXPECT_TRUE(changeSelectedCostCentreState(c, settings, ui));
    list = costCentreManagementList(c, settings);
    EXPECT_EQ(list.rows[5].cells, (std::vector<std::string>{"5", "Werkstatt €", "Aktiv"}));
    c.select(400);
    EXPECT_EQ(c.selected(), 5) << "a number without a name is not selected";
}

}  // namespace
}  // namespace kvx
