// The search operations over the application state: histories, parameter slots in suchpar.dat, the search
// commands with the dialog answered by the fake port, the filter, the result rows and the text export.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/app_state.h"
#include "app/startup.h"
#include "base/clock.h"
#include "base/io_error.h"
#include "base/short_string.h"
#include "search/criteria_description.h"
#include "search/search_commands.h"
#include "search/search_dialog_context.h"
#include "search/search_history.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

using test::FakeUi;
using test::SearchDialogAnswer;

TEST(SearchHistory, MovesAndInserts) {
    SettingsRecord s;
    SearchHistory words(s, SearchHistory::Kind::Words);
    for (int i = 10; i >= 1; --i) words.put("W" + std::to_string(i));
    ASSERT_EQ(words.count(), 10);
    EXPECT_EQ(words.entry(1), "W1");
    s.setDirty(false);
    // Entry 7 moves to the front; entries 1..6 move to 2..7; the rest stays.
    words.put("W7");
    EXPECT_EQ(words.entries(), (std::vector<std::string>{"W7", "W1", "W2", "W3", "W4", "W5", "W6", "W8", "W9", "W10"}));
    EXPECT_TRUE(s.dirty());
    s.setDirty(false);
    words.put("W7");  // already first: nothing changes
    EXPECT_FALSE(s.dirty());
    words.put("");
    EXPECT_EQ(words.count(), 10);
    // A full history drops its last entry.
    for (int i = 0; i < 95; ++i) words.put("N" + std::to_string(i));
    ASSERT_EQ(words.count(), 100);
    EXPECT_EQ(words.entry(100), "W4");
    words.put("NEW");
    EXPECT_EQ(words.count(), 100);
    EXPECT_EQ(words.entry(1), "NEW");
    EXPECT_EQ(words.entry(100), "W3");
    // Stored where the settings block keeps it: entry k at 1241 + 21k, count at 3362.
    EXPECT_EQ(readShortString(s.data(), 1262, 20), "NEW");
    EXPECT_EQ(s.data()[3362], 100);
}

TEST(SearchHistory, UnitsAndDamagedCount) {
    SettingsRecord s;
    SearchHistory units(s, SearchHistory::Kind::Units);
    for (int i = 0; i < 45; ++i) units.put("U" + std::to_string(i));
    EXPECT_EQ(units.count(), 40);
    EXPECT_EQ(units.entry(1), "U44");
    EXPECT_EQ(readShortString(s.data(), 6038, 10), "U44");
    EXPECT_EQ(readShortString(s.data(), 6027 + 11 * 40, 10), "U5");
    std::string damaged(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
    damaged[6026] = static_cast<char>(250);  // a damaged count never reaches past the table
    s.loadBytes(damaged);
    EXPECT_EQ(units.count(), 40);
}

// A program directory with the small catalogue, loaded like the start does.
class SearchCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        test::SmallCatalogue c = test::smallCatalogue();
        c.articles[3].beschreib1 = "OPV 15V";
        c.articles[5].beschreib1 = "OPV 60V";
        c.articles[7].kurzbez[0] = "ABCDEFGHIJKLMNOPQRSTUVWX";  // 24 characters
        c.articles[7].beschreib1 = "OPV 5V";
        test::writeSmallCatalogueFiles(dir);
        std::vector<Bytes> recs;
        for (const auto& a : c.articles) recs.push_back(a.encode());
        test::writeRecordFile(dir, "art.dat", recs);
        start();
    }
    void start() {
        app = std::make_unique<AppState>(fs, clock, dir.path().string() + "/");
        ASSERT_TRUE(loadSettings(*app));
        app->settings.setText(SettingsRecord::kTextFolder, 120, "texte/");
        app->settings.setDirty(false);  // as if settings.dat had held that folder
        ASSERT_TRUE(app->catalogue.load(fs));
        ASSERT_TRUE(loadUserData(*app, ui));
    }
    void restart() {
        writeBackAndClose(*app, ui);
        start();
    }
    // A dialog answer that sets text criterion 1 and numeric criterion 1 as typed.
    static SearchDialogAnswer typed(const std::string& word, const std::string& unit, double lower, double upper) {
        return {[=](SearchParameterSet& set, SearchDialogContext& context) {
            set.text[0].inUse = set.text[0].inUseCopy = !word.empty();
            set.text[0].word1 = word;
            context.putWord(word);
            NumericAlternative& a = set.numeric[0].alternatives[0];
            a.inUse = !unit.empty();
            a.must = true;
            a.unit = unit;
            a.lower = doubleToReal48(lower);
            a.upper = doubleToReal48(upper);
            context.putUnit(unit);
            return true;
        }};
    }

    test::TempDir dir;
    PosixFileSystem fs;
    FixedClock clock{{2026, 12, 8}, 9 * 3600 + 5 * 60 + 7};
    FakeUi ui;
    std::unique_ptr<AppState> app;
};

TEST_F(SearchCommands, SearchAllWithTextAndNumericCriterion) {
    ui.answers.push_back(typed("opv", "V", 10, 50));
    ASSERT_TRUE(searchAllArticles(app->search, ui, ui));
    EXPECT_EQ(app->search.state.results.count, 1);
    EXPECT_EQ(app->search.state.results.slot(1), 3);
    EXPECT_EQ(app->search.state.counters.scanned, 10);
    EXPECT_EQ(app->search.state.counters.textMatches, 3);
    EXPECT_EQ(app->search.state.counters.numericMatches, 1);
    EXPECT_EQ(app->search.state.description, "(opv) u (10-50 V muss)");
    EXPECT_EQ(app->search.state.selectionStatus, "Auswahl:(opv) u (10-50 V muss)");
    EXPECT_EQ(app->search.state.active.text[0].word1, "OPV");  // normalised by the search
    EXPECT_TRUE(app->search.state.modified);
    EXPECT_TRUE(app->search.index.changed);
    EXPECT_EQ(SearchHistory(app->settings, SearchHistory::Kind::Words).entry(1), "opv");
    EXPECT_EQ(SearchHistory(app->settings, SearchHistory::Kind::Units).entry(1), "V");
    const auto rows = searchResultRows(app->search);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].articleNumber, 3);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"1", "3", "W2 Metallf", "ART3", "OPV 15V", "1.00", "Lager"}));
}

TEST_F(SearchCommands, NoHitShowsCountersAndEmptiesList) {
    ui.answers.push_back(typed("XYZ", "V", 10, 0));
    ASSERT_TRUE(searchSelectedArticles(app->search, ui, ui, 2, 6));
    EXPECT_EQ(app->search.state.results.count, 0);
    EXPECT_EQ(ui.log.back(),
              "info: Keine Artikel! Krit:(XYZ) u (10-0 V muss)\r Durchsucht:5 Textkrit. Ok:0 NumKrit. Ok:0");
    EXPECT_TRUE(searchResultRows(app->search).empty());
    // Cancel: nothing searched, nothing changed.
    app->search.index.changed = false;
    ui.answers.push_back(test::Cancel{});
    EXPECT_FALSE(searchAllArticles(app->search, ui, ui));
    EXPECT_FALSE(app->search.index.changed);
}

TEST_F(SearchCommands, StoreAsNewLoadAndRestart) {
    ui.answers.push_back(typed("opv", "V", 10, 50));
    ASSERT_TRUE(searchAllArticles(app->search, ui, ui));
    for (int i = 0; i < 3; ++i) {
        ui.answers.push_back(std::int32_t{i});  // slots 0, 1, 2: "NEU" each time
        storeParameterSet(app->search, ui);
    }
    EXPECT_EQ(app->search.state.storedCount, 3);
    EXPECT_EQ(fs.exists("suchpar.dat"), true);
    EXPECT_EQ(test::fileBytes(dir, "suchpar.dat").size(), 3u * 415);
    // "NEU" with three stored sets writes record 3 and makes slot 3 current; the next dialog says 4.
    app->search.state.active.name = "Vierter";
    ui.answers.push_back(std::int32_t{3});
    storeParameterSet(app->search, ui);
    EXPECT_EQ(app->settings.searchSet(), 3);
    EXPECT_EQ(test::fileBytes(dir, "suchpar.dat").size(), 4u * 415);
    ui.answers.push_back(SearchDialogAnswer{[](SearchParameterSet&, SearchDialogContext&) { return false; }});
    EXPECT_FALSE(editSearchParameters(app->search, ui));
    EXPECT_EQ(ui.log.back(), "dialog: Suchparameter 4 -> Abbruch");
    // Loading while modified stores the edits into the current slot first.
    ui.answers.push_back(typed("DIP", "", 0, 0));
    ASSERT_TRUE(editSearchParameters(app->search, ui));
    ui.answers.push_back(std::int32_t{0});
    loadParameterSet(app->search, ui);
    EXPECT_EQ(app->settings.searchSet(), 0);
    EXPECT_EQ(app->search.state.active.text[0].word1, "OPV");
    EXPECT_FALSE(app->search.state.modified);
    ui.answers.push_back(std::int32_t{3});
    loadParameterSet(app->search, ui);
    EXPECT_EQ(app->search.state.active.text[0].word1, "DIP");
    EXPECT_EQ(app->search.state.active.name, "Vierter");
    EXPECT_EQ(app->search.state.description, "(DIP)");
    // A restart reads the current slot and the last result list.
    restart();
    EXPECT_EQ(app->search.state.active.text[0].word1, "DIP");
    EXPECT_EQ(app->search.state.storedCount, 4);
    EXPECT_EQ(app->search.state.results.count, 1);
    EXPECT_EQ(app->search.state.results.slot(1), 3);
    EXPECT_EQ(test::fileBytes(dir, "suchidx.dat").size(), 2002u);
}

// suchpar.dat that cannot be opened or created (here a directory of that name): storing, loading another set
// and the quit each say so, naming the file and the reason, and the edited set is neither marked stored nor
// replaced by another one.
TEST_F(SearchCommands, ParameterFileUnusableIsReportedAndTheSetKept) {
    ui.answers.push_back(typed("opv", "V", 10, 50));
    ASSERT_TRUE(searchAllArticles(app->search, ui, ui));
    ASSERT_TRUE(app->search.state.modified);
    std::filesystem::create_directory(dir.path() / "suchpar.dat");
    app->settings.setDirty(false);
    struct Step {
        const char* what;
        std::function<void()> run;
        const char* message;  // the error's beginning; the reason follows
    };
    const Step steps[] = {
        {"store", [&] { storeParameterSet(app->search, ui); },
         "error[FEHLER]: Die Datei suchpar.dat ist nicht lesbar! "},
        // Loading stores the modified set first; it must not drop it for the one chosen.
        {"load another set", [&] { loadParameterSet(app->search, ui); },
         "error[FEHLER]: Die Datei suchpar.dat ist nicht anlegbar! "},
        {"quit", [&] { writeBackAndClose(*app, ui); }, "error[FEHLER]: Die Datei suchpar.dat ist nicht anlegbar! "},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ui.log.clear();
        step.run();
        const std::vector<std::string> errors = ui.linesStartingWith("error");
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].rfind(step.message, 0), 0u) << errors[0];
        EXPECT_GT(errors[0].size(), std::string(step.message).size()) << "the reason is missing";
        EXPECT_TRUE(ui.linesStartingWith("choice").empty()) << "no slot list for a file that cannot be used";
        EXPECT_TRUE(app->search.state.modified);
        EXPECT_EQ(app->search.state.active.text[0].word1, "OPV");
        EXPECT_EQ(app->settings.searchSet(), 0);
    }
}

// The slot chosen, then suchpar.dat cannot be created: the set stays modified and the current slot unchanged,
// where before the failure was dropped and the set counted as stored.
TEST(SearchParameterFile, CreationFailingAfterTheChoiceIsReported) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem real;
    FaultyFileSystem fs(real);
    FixedClock clock{{2026, 12, 8}, 0};
    test::FakeUi ui;
    AppState app(fs, clock, dir.path().string() + "/");
    ASSERT_TRUE(app.catalogue.load(fs));
    ASSERT_TRUE(loadUserData(app, ui));
    ui.answers.push_back(test::SearchDialogAnswer{[](SearchParameterSet& set, SearchDialogContext&) {
        set.name = "Neu";
        return true;
    }});
    ASSERT_TRUE(editSearchParameters(app.search, ui));
    ui.answers.push_back(std::int32_t{0});  // "NEU"
    // Calls 1 and 2 try the missing file for the slot list (read-write, then read-only); call 3 creates it.
    fs.failAt(3, FaultKind::IoError);
    storeParameterSet(app.search, ui);
    fs.failAt(0, FaultKind::IoError);
    ASSERT_EQ(ui.linesStartingWith("choice: Parameter speichern").size(), 1u);
    ASSERT_EQ(ui.log.back().rfind("error[FEHLER]: Die Datei suchpar.dat ist nicht anlegbar! ", 0), 0u) << ui.log.back();
    EXPECT_TRUE(app.search.state.modified);
    EXPECT_FALSE(real.exists(dir.path().string() + "/suchpar.dat"));
    // Stored once the file can be created.
    ui.answers.push_back(std::int32_t{0});
    storeParameterSet(app.search, ui);
    EXPECT_FALSE(app.search.state.modified);
    EXPECT_EQ(test::fileBytes(dir, "suchpar.dat").size(), 415u);
}

// Two stored sets, the second current, as settings.dat and suchpar.dat say before "Parameter speichern".
void writeTwoStoredSets(const test::TempDir& dir, int currentSlot) {
    std::vector<Bytes> sets;
    for (const char* name : {"Alt0", "Alt1"}) {
        SearchParameterSet set;
        set.name = name;
        sets.push_back(set.encode());
    }
    test::writeRecordFile(dir, "suchpar.dat", sets);
    SettingsRecord settings;
    settings.setSearchSet(static_cast<std::uint8_t>(currentSlot));
    PosixFileSystem fs;
    std::string error;
    ASSERT_TRUE(settings.save(fs, error)) << error;
}

// What a start reads from the files: the current slot and the name of the active set.
std::pair<int, std::string> startedSearch(const test::TempDir& dir) {
    PosixFileSystem fs;
    FixedClock clock{{2026, 12, 8}, 0};
    test::FakeUi ui;
    AppState app(fs, clock, dir.path().string() + "/");
    EXPECT_TRUE(loadSettings(app));
    EXPECT_TRUE(loadUserData(app, ui));
    EXPECT_LT(app.settings.searchSet(), std::max<int>(app.search.state.storedCount, 1));
    return {app.settings.searchSet(), app.search.state.active.name};
}

// "Parameter speichern" as a new slot with a crash at every call: a restart finds the old slot with the old
// set or the new slot with the new set, never a slot number the file does not hold; the stored sets are whole.
TEST(SearchParameterFile, StoreAgreesWithTheSettingsAfterACrashAtEveryCall) {
    bool ranThrough = false;
    for (long n = 1; !ranThrough; ++n) {
        ASSERT_LT(n, 100);
        test::TempDir dir;
        test::writeSmallCatalogueFiles(dir);
        writeTwoStoredSets(dir, 1);
        PosixFileSystem real;
        FaultyFileSystem fs(real);
        FixedClock clock{{2026, 12, 8}, 0};
        test::FakeUi ui;
        {
            AppState app(fs, clock, dir.path().string() + "/");
            ASSERT_TRUE(loadSettings(app));
            ASSERT_TRUE(app.catalogue.load(fs));
            ASSERT_TRUE(loadUserData(app, ui));
            ASSERT_EQ(app.search.state.active.name, "Alt1");
            app.search.state.active.name = "Neu";
            app.search.state.modified = true;
            ui.answers.push_back(std::int32_t{2});  // "NEU"
            fs.failAt(n, FaultKind::Crash);
            try {
                storeParameterSet(app.search, ui);
            } catch (const IoError&) {
                // the crash ends the command
            }
            ranThrough = fs.calls() < n;
            // Also without a crash: what the command reported done must be durable.
            fs.dropUnsyncedWrites();
            fs.failAt(0, FaultKind::IoError);
        }
        SCOPED_TRACE("crash at call " + std::to_string(n));
        const std::pair<int, std::string> started = startedSearch(dir);
        if (ranThrough)
            EXPECT_EQ(started, std::make_pair(2, std::string("Neu")));
        else
            EXPECT_TRUE(started == std::make_pair(1, std::string("Alt1")) ||
                        started == std::make_pair(2, std::string("Neu")))
                << started.first << " " << started.second;
        const std::string file = test::fileBytes(dir, "suchpar.dat");
        ASSERT_TRUE(file.size() == 2 * 415u || file.size() == 3 * 415u) << file.size();
        EXPECT_EQ(SearchParameterSet::decode(Bytes(file.begin() + 415, file.begin() + 830)).name, "Alt1");
    }
}

TEST(SearchParameterFile, ASlotNumberBeyondTheFileIsClampedAtStart) {
    struct Row {
        int slot;
        bool fileThere;
        int expectedSlot;
        const char* expectedName;
    };
    const Row rows[] = {{1, true, 1, "Alt1"}, {2, true, 1, "Alt1"}, {255, true, 1, "Alt1"}, {7, false, 0, ""}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.slot);
        test::TempDir dir;
        writeTwoStoredSets(dir, r.slot);
        if (!r.fileThere) std::filesystem::remove(dir.path() / "suchpar.dat");
        EXPECT_EQ(startedSearch(dir), std::make_pair(r.expectedSlot, std::string(r.expectedName)));
    }
}

// The hint after a search names the hits, and says when the limit of 500 ended the scan before the last
// article; 500 hits ending exactly at the last article are all there is.
TEST_F(SearchCommands, TheHintAfterASearchCountsTheHits) {
    struct Row {
        int articles;
        int matching;  // the first `matching` articles carry the word
        const char* hint;
    };
    const Row rows[] = {{10, 3, "status: 3 Treffer"},
                        {600, 500, "status: 500 Treffer – Suche bei 500 beendet"},  // the rest is not scanned
                        {500, 500, "status: 500 Treffer"},
                        {600, 501, "status: 500 Treffer – Suche bei 500 beendet"},
                        {10, 0, "status: 0 Treffer"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.articles) + " articles, " + std::to_string(r.matching) + " matching");
        std::vector<Bytes> recs;
        for (int i = 0; i < r.articles; ++i) {
            CatalogueArticle a = test::smallCatalogue().articles[static_cast<std::size_t>(i % 10)];
            a.beschreib1 = i < r.matching ? "OPV" : "DIODE";
            recs.push_back(a.encode());
        }
        test::writeRecordFile(dir, "art.dat", recs);
        restart();
        ui.log.clear();
        ui.answers.push_back(typed("opv", "", 0, 0));
        ASSERT_TRUE(searchAllArticles(app->search, ui, ui));
        const std::vector<std::string> hints = ui.linesStartingWith("status: ");
        ASSERT_EQ(hints.size(), 1u);
        EXPECT_EQ(hints[0], r.hint);
    }
}

TEST_F(SearchCommands, NoNewSlotBeyondWhatOneByteAddresses) {
    test::writeRecordFile(dir, "suchpar.dat", std::vector<Bytes>(256, Bytes(415, 0)));
    restart();
    ASSERT_EQ(app->search.state.storedCount, 256);
    // Index 256 would be "NEU" below 256 sets; here the list ends at 255 and the choice is refused.
    ui.answers.push_back(std::int32_t{256});
    storeParameterSet(app->search, ui);
    EXPECT_EQ(test::fileBytes(dir, "suchpar.dat").size(), 256u * 415);
    EXPECT_EQ(app->settings.searchSet(), 0);
    app->search.state.active.name = "Letzter";
    ui.answers.push_back(std::int32_t{255});
    storeParameterSet(app->search, ui);
    EXPECT_EQ(app->settings.searchSet(), 255);
    EXPECT_EQ(test::fileBytes(dir, "suchpar.dat").size(), 256u * 415);
    EXPECT_EQ(test::fileBytes(dir, "suchpar.dat").substr(255 * 415 + 293, 8), "\x07Letzter");
}

TEST_F(SearchCommands, LoadWithNothingStored) {
    loadParameterSet(app->search, ui);
    EXPECT_EQ(ui.log.back(), std::string("info: ") + kNoParameterSetStored);
    EXPECT_FALSE(fs.exists("suchpar.dat"));
    EXPECT_FALSE(app->settings.dirty());
}

TEST_F(SearchCommands, ExportBytes) {
    ui.answers.push_back(typed("OPV", "", 0, 0));
    ASSERT_TRUE(searchAllArticles(app->search, ui, ui));
    ui.answers.push_back(std::string("out.txt"));
    exportSearchResult(app->search, ui);
    EXPECT_EQ(ui.log.back(), "info: Suche wurde als Text gespeichert");
    const std::string expected =
        "Suche: 08.12.26 09:05:07\r\n"
        "\r\n"
        "Suchkriterium: (OPV)\r\n"
        "\r\n"
        "    NrArt-Nr Ort       Name" +
        std::string(15, ' ') + " Beschreibung" + std::string(17, ' ') +
        "BPreis(\x80) Status   \r\n"
        "     1     3 W2 Metall ART3" +
        std::string(15, ' ') + " OPV 15V" + std::string(22, ' ') +
        "     1.00 Lager    \r\n"
        "     2     5 K1 Kerami ART5" +
        std::string(15, ' ') + " OPV 60V" + std::string(22, ' ') +
        "     1.01 Lager    \r\n"
        // The 24-character name is cut to 19 characters.
        "     3     7 G1 Alu    ABCDEFGHIJKLMNOPQRS OPV 5V" +
        std::string(23, ' ') + "     1.01 Lager    \r\n";
    EXPECT_EQ(test::fileBytes(dir, "out.txt"), expected);
    EXPECT_EQ(ui.linesStartingWith("file: ").size(), 1u);
    ui.answers.push_back(test::Cancel{});
    exportSearchResult(app->search, ui);
    EXPECT_EQ(ui.log.back(), "file: Suchergebnis als Text speichern");
}

TEST_F(SearchCommands, FilterDialog) {
    ui.answers.push_back(test::FilterAnswer{1, 0, 1, 0, 1});
    ASSERT_TRUE(editAvailabilityFilter(app->search, ui));
    EXPECT_EQ(app->settings.statusFilterAbbreviations(), "La Be ");
    EXPECT_TRUE(app->settings.dirty());
    app->settings.setDirty(false);
    ui.answers.push_back(test::Cancel{});
    EXPECT_FALSE(editAvailabilityFilter(app->search, ui));
    EXPECT_FALSE(app->settings.dirty());
    // Status 1 no longer passes: the search finds nothing.
    ui.answers.push_back(SearchDialogAnswer{[](SearchParameterSet&, SearchDialogContext&) { return true; }});
    app->settings.setStatusFilter(1, false);
    ASSERT_TRUE(searchAllArticles(app->search, ui, ui));
    EXPECT_EQ(app->search.state.results.count, 0);
    EXPECT_EQ(ui.log.back(), "info: Keine Artikel! Krit:\r Durchsucht:10");
}

TEST(SearchFormat, Columns) {
    const std::vector<ListColumn> columns = {{"A", 6, true}, {"B", 4, false}};
    EXPECT_EQ(formatColumns(columns, {"12345", "xyz12"}), " 12345 xyz");
    EXPECT_EQ(formatColumns(columns, {"1234567", ""}), "123456    ");
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// The export under a fault at every call: the file is the old one or the complete new one, never a part,
// and a failure ends the command with the run-time error instead of the success message.
TEST(SearchExportFaults, OldOrNewFileAtEveryFault) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem real;
    FaultyFileSystem fs(real);
    FixedClock clock{{2026, 12, 8}, 0};
    test::FakeUi ui;
    AppState app(fs, clock, dir.path().string() + "/");
    ASSERT_TRUE(app.catalogue.load(fs));
    ASSERT_TRUE(loadUserData(app, ui));
    ui.answers.push_back(test::SearchDialogAnswer{[](SearchParameterSet&, SearchDialogContext&) { return true; }});
    ASSERT_TRUE(searchAllArticles(app.search, ui, ui));
    std::string expected;
    for (const std::string& line : searchResultTextLines(app.search)) expected += line + "\r\n";
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            dir.write("out.txt", "ALT");
            ui.answers.push_back(std::string("out.txt"));
            fs.failAt(n, kind);
            bool failed = false;
            try {
                exportSearchResult(app.search, ui);
            } catch (const IoError&) {
                failed = true;
            }
            if (fs.crashed()) fs.dropUnsyncedWrites();
            const long calls = fs.calls();
            fs.failAt(0, kind);
            const std::string got = test::fileBytes(dir, "out.txt");
            if (failed) {
                // A failed directory sync comes after the rename: the new file may stand, reported as failed.
                EXPECT_TRUE(got == "ALT" || got == expected) << "fault at call " << n;
            } else {
                EXPECT_EQ(got, expected) << "fault at call " << n;
                EXPECT_EQ(ui.log.back(), "info: Suche wurde als Text gespeichert");
            }
            if (calls < n) break;  // the export ran through without reaching the fault
        }
    }
}

}  // namespace
}  // namespace kvx
