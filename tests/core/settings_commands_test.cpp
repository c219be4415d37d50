// The settings subsystem without Qt: the folder, font and option rules, inetadr.dat and its view, and the
// dialog operations answered by the fake dialogs.
#include "settings/settings_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/io_error.h"
#include "settings/delivery_options.h"
#include "settings/folders.h"
#include "settings/program_fonts.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

TEST(SettingsFolders, TypedFolderIsTrimmedAndEndsWithASeparator) {
    struct Row {
        std::string typed;
        std::optional<std::string> stored;
    };
    const Row rows[] = {
        {"/home/u/daten", "/home/u/daten/"},
        {"  /home/u/daten/  ", "/home/u/daten/"},
        {"", ""},
        {"    ", ""},
        {"daten", "daten/"},  // relative: below the program directory
        {"/", "/"},
        {"c:\\download\\datenblatt", "c:\\download\\datenblatt/"},
        {std::string(119, 'a'), std::string(119, 'a') + "/"},
        {std::string(119, 'a') + "/", std::string(119, 'a') + "/"},
        // No room for the separator: refused instead of storing a folder that a file name runs into.
        {std::string(120, 'a'), std::nullopt},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(folderFromInput(r.typed, 120), r.stored) << "\"" << r.typed << "\"";
        if (r.stored) {
            EXPECT_EQ(folderFromInput(*r.stored, 120), r.stored) << "applied twice, it changes nothing";
        }
    }
}

TEST(SettingsFolders, ChosenDirectoryIsStoredItselfWithASeparator) {
    // The directory choice returns the folder without a final separator; cutting after the last one
    // would store its parent.
    const std::pair<std::string, std::string> rows[] = {
        {"/home/u/datenblatt", "/home/u/datenblatt/"},
        {"datenblatt", "datenblatt/"},  // a path with no separator at all
        {"/", "/"},
        {"/home/u/", "/home/u/"},
        {"", ""},
    };
    for (const auto& [chosen, stored] : rows) EXPECT_EQ(folderFromChoice(chosen), stored) << chosen;
}

TEST(SettingsDeliveryOptions, IndexesOutsideTheTablesShowQuestionMarks) {
    struct Row {
        DeliveryOption option;
        int index;
        const char* text;
    };
    const Row rows[] = {
        {DeliveryOption::Payment, 3, "Auf Rechnung"},
        {DeliveryOption::Payment, 7, "??"},
        {DeliveryOption::Payment, 4, "??"},
        {DeliveryOption::Payment, -1, "??"},
        {DeliveryOption::OrderType, 2, "keine Rückstände"},
        {DeliveryOption::OrderType, 3, "??"},
        {DeliveryOption::Destination, 0, "Berlin"},
        {DeliveryOption::Destination, 3, "??"},
        {DeliveryOption::Shipping, 4, "Abholung"},
        {DeliveryOption::Shipping, 5, "??"},
        {DeliveryOption::Shipping, 255, "??"},
    };
    for (const Row& r : rows) EXPECT_EQ(deliveryOptionText(r.option, r.index), r.text) << r.index;
    EXPECT_EQ(deliveryOptionText(DeliveryOption::Payment, 7, "?"), "?") << "the order form's form";
    EXPECT_EQ(deliveryOptionTexts(DeliveryOption::Shipping).size(), 5u);
}

TEST(SettingsFonts, ChosenFontIsDescribedWithinTheDialogsLimits) {
    FontDescription previous;
    previous.angle = 90;
    previous.colour = 12;
    struct Row {
        std::string chosenName;
        int chosenSize;
        bool bold, italicChosen;
        std::string name;
        int size, weight, italic;
    };
    const std::vector<Row> rows = {
        {"Courier New", 10, false, false, "Courier New", 10, 1, 0},
        {"Arial", 12, true, true, "Arial", 12, 4, 1},
        {"Arial", 25, false, false, "Arial", 20, 1, 0},
        {"Arial", 5, false, false, "Arial", 8, 1, 0},
        {std::string(45, 'N'), 9, true, false, std::string(37, 'N'), 9, 4, 0},
    };
    for (const Row& r : rows) {
        ChosenFont chosen;
        chosen.name = r.chosenName;
        chosen.pointSize = r.chosenSize;
        chosen.bold = r.bold;
        chosen.italic = r.italicChosen;
        const FontDescription d = describeChosenFont(chosen, previous);
        EXPECT_EQ(d.name, r.name);
        EXPECT_EQ(d.size, r.size);
        EXPECT_EQ(d.weight, r.weight);
        EXPECT_EQ(d.italic, r.italic);
        EXPECT_EQ(d.angle, 90) << "not offered by the dialog: kept";
        EXPECT_EQ(d.colour, 12);
    }
    // The dialog opens on the stored font; a bold of weight 4 and above reads as bold.
    FontDescription stored;
    stored.name = "ARIAL";
    stored.size = 9;
    stored.weight = 3;
    stored.italic = 1;
    const ChosenFont opened = chosenFontOf(stored);
    EXPECT_EQ(opened.name, "ARIAL");
    EXPECT_EQ(opened.pointSize, 9);
    EXPECT_FALSE(opened.bold);
    EXPECT_TRUE(opened.italic);
}

TEST(SettingsFonts, FontViewShowsEachFontWithItsLabel) {
    SettingsRecord s;
    FontDescription print = s.font(FontSlot::Print);
    print.name = "abc";  // 3 characters: no font of its own
    s.setFont(FontSlot::Print, print);
    FontDescription list = s.font(FontSlot::List);
    list.weight = 4;
    s.setFont(FontSlot::List, list);
    const std::vector<FontViewLine> lines = fontViewLines(s);
    ASSERT_EQ(lines.size(), 5u);
    const std::pair<FontSlot, std::string> expected[] = {
        {FontSlot::Dialog, "Dialogfont(Schriftart für Dialoge): ARIAL 9 pt kursiv"},
        {FontSlot::Detail, "Detailfont(Schriftart für Listen): ARIAL 8 pt"},
        {FontSlot::List, "Listfont(Schriftart für Windows-Listen): ARIAL 10 pt fett kursiv"},
        {FontSlot::Tree, "Treefont(Schriftart für Baum-Listen): ARIAL 10 pt kursiv"},
        {FontSlot::Print, "Druckfont: keine eigene Schrift"},
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].slot, expected[i].first);
        EXPECT_EQ(lines[i].text, expected[i].second);
    }
}

TEST(InternetAddressRecord, FieldsLieAtTheirOffsetsAndRoundTrip) {
    const InternetAddress a{"ZEL", "Z2", "Zelvo Elektronik", "https://www.zelvo.de/katalog"};
    const Bytes r = encodeInternetAddress(a);
    ASSERT_EQ(r.size(), 154u);
    EXPECT_EQ(r[0], 3);
    EXPECT_EQ(r[1], 'Z');
    EXPECT_EQ(r[6], 2);
    EXPECT_EQ(r[12], 16);
    EXPECT_EQ(r[13], 'Z');
    EXPECT_EQ(r[33], 28);
    EXPECT_EQ(r[34], 'h');
    EXPECT_EQ(decodeInternetAddress(r), a);

    // Over-long texts are cut to their fields; a damaged length byte reads no further than its field.
    const InternetAddress longer{"ABCDEFG", "HIJKLMN", std::string(30, 'f'), std::string(130, 'u')};
    const InternetAddress cut = decodeInternetAddress(encodeInternetAddress(longer));
    EXPECT_EQ(cut, (InternetAddress{"ABCDE", "HIJKL", std::string(20, 'f'), std::string(120, 'u')}));
    Bytes damaged = r;
    damaged[0] = 200;
    damaged[12] = 250;
    const InternetAddress d = decodeInternetAddress(damaged);
    EXPECT_EQ(d.abbreviation1.size(), 5u);
    EXPECT_EQ(d.company.size(), 20u);
    EXPECT_EQ(d.url, a.url);
    EXPECT_EQ(decodeInternetAddress(Bytes(100, 7)), InternetAddress{}) << "a short record reads as empty";
}

InternetAddress entry(int n) {
    const std::string s = std::to_string(n);
    return {"A" + s, "B" + s, "Firma " + s, "https://example.de/" + s};
}

class InternetAddressFile : public ::testing::Test {
  protected:
    void writeEntries(int n, const std::string& tail = "") {
        std::string bytes;
        for (int i = 1; i <= n; ++i) {
            const Bytes r = encodeInternetAddress(entry(i));
            bytes.append(r.begin(), r.end());
        }
        dir.write("inetadr.dat", bytes + tail);
    }
    std::vector<std::string> pageLines() const {
        std::vector<std::string> out = textFileLines(session.addressPage());
        return out;
    }

    test::TempDir dir;
    PosixFileSystem fs;
    SettingsRecord settings;
    SettingsSession session{fs, settings};
    test::FakeUi ui;
};

TEST_F(InternetAddressFile, MissingFileIsCreatedAndNewAppendsEntryOne) {
    ASSERT_TRUE(session.openInternetAddresses());
    EXPECT_TRUE(dir.exists("inetadr.dat"));
    EXPECT_EQ(session.addressCount(), 0);
    EXPECT_FALSE(changeInternetAddress(session, ui, ui)) << "nothing to change";
    EXPECT_TRUE(ui.log.empty()) << "no dialog opened";
    EXPECT_EQ(session.addressCount(), 0) << "a change must not append";

    ui.answers.push_back(entry(1));
    ASSERT_TRUE(newInternetAddress(session, ui, ui));
    EXPECT_EQ(ui.log.back(), "dialog: Internetadresse wählen [|||] -> OK") << "opened on the empty buffer";
    EXPECT_EQ(session.addressCount(), 1);
    EXPECT_EQ(dir.read("inetadr.dat").size(), 154u);
    session.refreshAddressPage();
    const std::vector<std::string> lines = pageLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Nr    Firma                Abk1  Abk2  URL");
    EXPECT_EQ(lines[1], "    1 Firma 1              A1    B1    https://example.de/1");
    EXPECT_EQ(session.addressPage().highlightedLine, 2) << "the first entry is selected";
    EXPECT_EQ(session.addressPage().highlightColour, 12);
    EXPECT_FALSE(settings.dirty()) << "the record is written at once; the settings are not touched";

    // "Neu.." opens on the entry written last; cancelled, nothing is appended.
    ui.answers.push_back(test::Cancel{});
    EXPECT_FALSE(newInternetAddress(session, ui, ui));
    EXPECT_EQ(ui.log.back(), "dialog: Internetadresse wählen [Firma 1|https://example.de/1|A1|B1] -> Abbruch");
    EXPECT_EQ(session.addressCount(), 1);
}

TEST_F(InternetAddressFile, EditingEntryThreeOfFiveRewritesRecordTwoOnly) {
    writeEntries(5);
    ASSERT_TRUE(session.openInternetAddresses());
    const std::string before = dir.read("inetadr.dat");
    ASSERT_TRUE(session.selectAddress(2));
    EXPECT_FALSE(session.selectAddress(5)) << "no sixth entry";
    EXPECT_EQ(session.selectedAddress(), 2);
    ui.answers.push_back(InternetAddress{"NEU", "N", "Neue Firma", "https://neu.example/"});
    ASSERT_TRUE(changeInternetAddress(session, ui, ui));
    EXPECT_EQ(ui.log.back(), "dialog: Internetadresse wählen [Firma 3|https://example.de/3|A3|B3] -> OK");
    EXPECT_EQ(session.addressCount(), 5);
    const std::string after = dir.read("inetadr.dat");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 2 * 154), before.substr(0, 2 * 154));
    EXPECT_EQ(after.substr(3 * 154), before.substr(3 * 154));
    EXPECT_EQ(session.readAddress(2).company, "Neue Firma");

    // Cancelled, the entry stays; "Neu.." then offers the entry read last.
    ui.answers.push_back(test::Cancel{});
    EXPECT_FALSE(changeInternetAddress(session, ui, ui));
    EXPECT_EQ(dir.read("inetadr.dat"), after);
    ui.answers.push_back(test::Cancel{});
    EXPECT_FALSE(newInternetAddress(session, ui, ui));
    EXPECT_EQ(ui.log.back(), "dialog: Internetadresse wählen [Neue Firma|https://neu.example/|NEU|N] -> Abbruch");

    session.refreshAddressPage();
    EXPECT_EQ(session.addressPage().highlightedLine, 4);
    EXPECT_EQ(pageLines()[3], "    3 Neue Firma           NEU   N     https://neu.example/");
}

TEST_F(InternetAddressFile, TornTailIsIgnoredAndOverwrittenByTheNextAppend) {
    writeEntries(2, std::string(50, 'x'));
    ASSERT_TRUE(session.openInternetAddresses());
    EXPECT_EQ(session.addressCount(), 2);
    session.refreshAddressPage();
    EXPECT_EQ(pageLines().size(), 3u);
    ui.answers.push_back(entry(3));
    ASSERT_TRUE(newInternetAddress(session, ui, ui));
    EXPECT_EQ(dir.read("inetadr.dat").size(), 3 * 154u);
    EXPECT_EQ(session.readAddress(2), entry(3));
}

TEST_F(InternetAddressFile, LongTextsAreCutToTheirColumns) {
    session.refreshAddressPage();
    EXPECT_EQ(pageLines().size(), 1u) << "a closed file shows the titles";
    const std::vector<InternetAddress> entries = {{"ABCDE", "FGHIJ", std::string(20, 'f'), std::string(120, 'u')}};
    const TextPage page = internetAddressPage(entries, 0);
    const std::vector<std::string> lines = textFileLines(page);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "    1 " + std::string(20, 'f') + " ABCDE FGHIJ " + std::string(100, 'u'));
    EXPECT_EQ(internetAddressPage(entries, 1).highlightedLine, 0) << "a selection past the entries shows none";
}

TEST(InternetAddressFileFaults, FailedWriteOrSyncIsAnIoErrorAndNoSuccess) {
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull}) {
        for (long at = 1; at <= 5; ++at) {
            SCOPED_TRACE("fault at call " + std::to_string(at));
            test::TempDir dir;
            PosixFileSystem real;
            FaultyFileSystem fs(real);
            SettingsRecord settings;
            SettingsSession session(fs, settings);
            ASSERT_TRUE(session.openInternetAddresses());
            test::FakeUi ui;
            ui.answers.push_back(entry(1));
            fs.failAt(at, kind);
            bool appended = false;
            try {
                appended = newInternetAddress(session, ui, ui);
            } catch (const IoError& e) {
                EXPECT_NE(std::string(e.what()).find("inetadr.dat"), std::string::npos) << e.what();
            }
            // The append succeeds exactly when none of its calls failed.
            EXPECT_EQ(appended, at > fs.calls()) << "calls " << fs.calls();
        }
    }
}

TEST(SettingsDialogs, ConfirmedDialogsChangeTheBlockAndCancelChangesNothing) {
    struct Row {
        const char* what;
        test::Answer answer;
        std::function<bool(SettingsRecord&, test::FakeUi&)> run;
        std::function<void(const SettingsRecord&)> check;
    };
    const Row rows[] = {
        {"folder typed without separator", FolderSettings{"  /daten/blatt ", ""},
         [](SettingsRecord& s, test::FakeUi& ui) { return editFolders(s, ui); },
         [](const SettingsRecord& s) {
             EXPECT_EQ(s.datasheetFolder(), "/daten/blatt/");
             EXPECT_EQ(s.textFolder(), "") << "an empty field stays empty";
         }},
        {"basic settings", BasicSettings{1, 1},
         [](SettingsRecord& s, test::FakeUi& ui) { return editBasicSettings(s, ui); },
         [](const SettingsRecord& s) {
             EXPECT_TRUE(s.netPrices());
             EXPECT_TRUE(s.stockMode());
         }},
        {"list font", ChosenFont{"DejaVu Sans", 0, 14, true, false},
         [](SettingsRecord& s, test::FakeUi& ui) { return chooseProgramFont(s, ui, FontSlot::List); },
         [](const SettingsRecord& s) {
             EXPECT_EQ(s.font(FontSlot::List).name, "DejaVu Sans");
             EXPECT_EQ(s.font(FontSlot::List).size, 14);
             EXPECT_EQ(s.font(FontSlot::List).weight, 4);
             EXPECT_EQ(s.font(FontSlot::Tree).name, "ARIAL") << "the other fonts stay";
         }},
        {"delivery data", DeliveryData{2, 2, 4, 3, "123456789012345"},
         [](SettingsRecord& s, test::FakeUi& ui) { return editDeliveryData(s, ui); },
         [](const SettingsRecord& s) {
             EXPECT_EQ(s.deliveryData(), (DeliveryData{2, 2, 4, 3, "1234567890"}));
         }},
        {"company data", CompanyData{"a@b.de", "Neue GmbH", "Ort", "Weg 1", "0301"},
         [](SettingsRecord& s, test::FakeUi& ui) { return editCompanyData(s, ui); },
         [](const SettingsRecord& s) {
             EXPECT_EQ(s.companyData(), (CompanyData{"a@b.de", "Neue GmbH", "Ort", "Weg 1", "0301"}));
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord s;
        const std::string before(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
        test::FakeUi ui;
        ui.answers.push_back(test::Cancel{});
        EXPECT_FALSE(r.run(s, ui));
        EXPECT_FALSE(s.dirty());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize), before);
        ui.answers.push_back(r.answer);
        EXPECT_TRUE(r.run(s, ui));
        EXPECT_TRUE(s.dirty());
        r.check(s);
    }
}

TEST(SettingsDialogs, DialogsOpenOnTheStoredValues) {
    SettingsRecord s;
    s.setDeliveryData({0, 1, 2, 7, "K1"});
    s.setTextFolder("/t/");
    test::FakeUi ui;
    for (int i = 0; i < 4; ++i) ui.answers.push_back(test::Cancel{});
    EXPECT_FALSE(editDeliveryData(s, ui));
    EXPECT_FALSE(editFolders(s, ui));
    EXPECT_FALSE(chooseProgramFont(s, ui, FontSlot::Dialog));
    EXPECT_FALSE(editCompanyData(s, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "dialog: Einstellungen [0|1|2|7|K1] -> Abbruch",
                          "dialog: Verzeichnisse [c:\\download\\datenblatt|/t/] -> Abbruch",
                          "dialog: font 0 [ARIAL 9 italic] -> Abbruch",
                          "dialog: Firmendaten eingeben [Muster Elektronik GmbH|12345 Musterstadt|Musterstra\xDF"
                          "e "
                          "1|0123 456789|] -> Abbruch",
                      }));
}

TEST(SettingsDialogs, CompanyDataWithoutANameIsNotStored) {
    // An empty name would reset the company data (and empty the text folder) at the next start.
    SettingsRecord s;
    const CompanyData before = s.companyData();
    test::FakeUi ui;
    ui.answers.push_back(CompanyData{"x@y.de", "", "Ort", "", ""});
    EXPECT_FALSE(editCompanyData(s, ui));
    EXPECT_EQ(s.companyData(), before);
    EXPECT_FALSE(s.dirty());
}

TEST(SettingsDialogs, BasicSettingsOpenOnAnyNonZeroValueAsTheSecondEntry) {
    SettingsRecord s;
    std::string bytes(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
    bytes[SettingsRecord::kPriceDisplay] = 5;
    bytes[SettingsRecord::kWorkingMode] = 9;
    s.loadBytes(bytes);
    test::FakeUi ui;
    ui.answers.push_back(BasicSettings{1, 0});
    ASSERT_TRUE(editBasicSettings(s, ui));
    EXPECT_EQ(ui.log.back(), "dialog: Grundeinstellungen [1|1] -> OK");
    EXPECT_EQ(s.data()[SettingsRecord::kPriceDisplay], 1);
    EXPECT_EQ(s.data()[SettingsRecord::kWorkingMode], 0);
}

}  // namespace
}  // namespace kvx
