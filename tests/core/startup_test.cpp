// Start-up and quit: the failure paths with their messages, the user files created at start, and the
// write-back that touches settings.dat only when a setting changed.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/io_error.h"
#include "search/search_parameter_set.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

std::string toString(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

struct Fixture {
    test::TempDir dir;
    PosixFileSystem fs;
    FixedClock clock{{2026, 12, 8}, 9 * 3600};
    AppState app{fs, clock, dir.path().string() + "/"};
    test::FakeUi ui;
};

TEST(Startup, NoCatalogueAndImportDeclinedEndsWithOneMessageAndNoQuitQuestion) {
    Fixture f;
    ASSERT_TRUE(loadSettings(f.app));
    f.ui.answers = {false};
    bool importerCalled = false;
    EXPECT_FALSE(loadCatalogueAtStart(f.app, f.ui, [&](AppState&, UserInterface&) {
        importerCalled = true;
        return true;
    }));
    EXPECT_FALSE(importerCalled);
    EXPECT_TRUE(f.app.forcedClose);
    EXPECT_EQ(f.ui.log, (std::vector<std::string>{"ask[]: Dateien aus den Zelvo-Java-Dateien erzeugen? -> Nein",
                                                  "info: art.dat Datei nicht vorhanden. Progamm wird beendet!!"}));
    // The forced close asks nothing and writes nothing.
    EXPECT_TRUE(closeQuery(f.app, f.ui));
    EXPECT_EQ(f.ui.log.size(), 2u);
    EXPECT_TRUE(std::filesystem::is_empty(f.dir.path()));
}

TEST(Startup, FailedImportEndsLikeADeclinedOne) {
    Fixture f;
    f.ui.answers = {true};
    EXPECT_FALSE(loadCatalogueAtStart(f.app, f.ui, [](AppState&, UserInterface&) { return false; }));
    EXPECT_EQ(f.ui.linesStartingWith("info: ").size(), 1u);
    EXPECT_TRUE(f.app.forcedClose);
}

TEST(Startup, UserFilesAreCreatedEmptyAndCostCentresGetTheirDefaultNames) {
    Fixture f;
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    EXPECT_TRUE(f.ui.log.empty());
    for (const char* name : {"meinart/artikel.dat", "meinart/bestell.dat", "meinart/bedarf.dat",
                             "meinart/verbrauch.dat", "meinart/kalku.dat", "dirbest.dat", "inetadr.dat"}) {
        EXPECT_TRUE(f.dir.exists(name)) << name;
        EXPECT_EQ(f.dir.read(name).size(), 0u) << name;
    }
    EXPECT_EQ(f.app.costCentres.count(), 21);
    EXPECT_EQ(f.app.costCentres.name(0), "Allgemein");
    EXPECT_EQ(f.app.costCentres.name(7), "Projekt7");
    EXPECT_EQ(f.app.search.index.bytes.size(), kSearchResultListSize);
    EXPECT_FALSE(f.app.stock.current(BookingFile::Orders).loaded) << "bestell.dat has no order 0";
    EXPECT_TRUE(f.app.stock.current(BookingFile::DirectOrder).loaded) << "the direct order always exists";
}

TEST(Startup, AStockFileThatCannotBeCreatedIsReportedAndTheProgramGoesOnWithoutIt) {
    // A directory where the file should be: it can be neither opened nor created (nor replaced at quit).
    for (const char* name : {"meinart/artikel.dat", "meinart/bedarf.dat", "dirbest.dat"}) {
        SCOPED_TRACE(name);
        Fixture f;
        std::filesystem::create_directories(f.dir.path() / name);
        EXPECT_TRUE(loadUserData(f.app, f.ui));
        EXPECT_FALSE(f.app.forcedClose);
        ASSERT_EQ(f.ui.log.size(), 1u);
        EXPECT_EQ(f.ui.log[0].rfind(std::string("error[FEHLER]: Die Datei ") + name + " ist nicht anlegbar!\n", 0), 0u)
            << f.ui.log[0];
        f.ui.answers = {true};
        f.app.stock.markChanged(BookingFile::DirectOrder);
        EXPECT_TRUE(closeQuery(f.app, f.ui));
        EXPECT_TRUE(std::filesystem::is_directory(f.dir.path() / name)) << "left as it was";
    }
}

TEST(Startup, AFileThatExistsButCannotBeReadIsNotTakenForAMissingOne) {
    // Taken for missing, its contents would be replaced by defaults at the next save.
    for (const char* name : {"suchidx.dat", "meinart/kstst.dat"}) {
        SCOPED_TRACE(name);
        Fixture f;
        std::filesystem::create_directories(f.dir.path() / name);  // exists, but reading it fails
        EXPECT_THROW((void)loadUserData(f.app, f.ui), IoError);
    }
}

// A settings.dat that is there but cannot be read is reported and the program closes without writing: taken
// for a missing one, its company data and catalogue date would be replaced by defaults at quit.
TEST(Startup, AnUnreadableSettingsFileEndsTheStartAndNothingIsWritten) {
    struct Row {
        const char* name;
        long failAt;  // the fault file system's call that fails; 0: settings.dat is a directory
        const char* reason;
    };
    const Row rows[] = {{"directory in its place", 0, "Is a directory"},
                        {"open fails", 1, "I/O error 5"},
                        {"read fails", 2, "I/O error 5"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        test::TempDir dir;
        if (r.failAt == 0)
            std::filesystem::create_directories(dir.path() / "settings.dat");
        else
            dir.write("settings.dat", std::string(SettingsRecord::kSize, 'S'));
        test::writeSmallCatalogueFiles(dir);
        PosixFileSystem real;
        FaultyFileSystem fs(real);
        FixedClock clock{{2026, 12, 8}, 0};
        AppState app(fs, clock, dir.path().string() + "/");
        test::FakeUi ui;
        fs.failAt(r.failAt, FaultKind::IoError);
        EXPECT_FALSE(loadSettings(app));
        EXPECT_TRUE(app.forcedClose);
        EXPECT_FALSE(app.settings.dirty());
        fs.failAt(0, FaultKind::IoError);
        EXPECT_FALSE(loadCatalogueAtStart(app, ui, [](AppState&, UserInterface&) { return true; }));
        EXPECT_EQ(ui.log, (std::vector<std::string>{
                              "error[FEHLER]: Die Datei settings.dat ist nicht lesbar: " + std::string(r.reason),
                              "info: Daten fehlerhaft. Das Programm wird beendet"}));
        EXPECT_FALSE(app.catalogue.isLoaded()) << "nothing else is loaded";
        EXPECT_TRUE(closeQuery(app, ui)) << "a forced close asks nothing";
        EXPECT_EQ(ui.log.size(), 2u);
        EXPECT_EQ(fs.calls(), 0) << "and writes nothing";
        if (r.failAt != 0) {
            EXPECT_EQ(dir.read("settings.dat"), std::string(SettingsRecord::kSize, 'S'));
        }
        EXPECT_FALSE(dir.exists("meinart"));
    }
}

// Temporary files of saves a crash interrupted are removed at the next start; the files they were to replace
// are kept as they are.
TEST(Startup, LeftoverTemporaryFilesAreRemovedAtStart) {
    Fixture f;
    SettingsRecord saved;
    saved.setStockMode(true);
    std::string error;
    ASSERT_TRUE(saved.save(f.fs, error)) << error;
    const std::string before = f.dir.read("settings.dat");
    const char* temps[] = {"settings.dat.tmp",      "suchidx.dat.tmp",         "dirbest.dat.tmp",
                           "meinart/kstst.dat.tmp", "meinart/artikel.dat.tmp", "inetadr.dat.tmp"};
    for (const char* t : temps) f.dir.write(t, "half a save");
    f.dir.write("notes.tmp", "not ours");
    ASSERT_TRUE(loadSettings(f.app));
    for (const char* t : temps) EXPECT_FALSE(f.dir.exists(t)) << t;
    EXPECT_TRUE(f.dir.exists("notes.tmp")) << "only the temporaries of the program's own saves";
    EXPECT_EQ(f.dir.read("settings.dat"), before);
    EXPECT_TRUE(f.app.settings.stockMode());
}

TEST(Startup, ATextFolderTooLongForItsFieldIsSaidOnceAtStart) {
    test::TempDir dir;
    test::writeSmallCatalogueFiles(dir);
    PosixFileSystem fs;
    FixedClock clock{{2026, 12, 8}, 0};
    const std::string programDir = "/" + std::string(300, 'p') + "/";
    AppState app(fs, clock, programDir);
    test::FakeUi ui;
    ASSERT_TRUE(loadSettings(app));
    ASSERT_TRUE(loadCatalogueAtStart(app, ui, nullptr));
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0].rfind("info: Der Ordner " + programDir + "TEXTE/ ist als Textordner zu lang", 0), 0u)
        << ui.log[0];
    EXPECT_EQ(app.settings.textFolder(), "./");
    EXPECT_FALSE(app.settings.dirty()) << "a correction made at every start is not saved";
    ASSERT_TRUE(loadUserData(app, ui));
    EXPECT_EQ(ui.log.size(), 1u) << "said once";
}

TEST(Startup, QuitAnsweredNoWritesNothing) {
    Fixture f;
    ASSERT_TRUE(loadSettings(f.app));
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    f.app.settings.setDirty();
    f.ui.answers = {false};
    EXPECT_FALSE(closeQuery(f.app, f.ui));
    EXPECT_FALSE(f.dir.exists("settings.dat"));
    EXPECT_TRUE(f.app.stock.myArticlesOpen()) << "the program keeps running with its files open";
}

TEST(Startup, QuitWritesSettingsOnlyWhenChanged) {
    {
        Fixture f;
        ASSERT_TRUE(loadSettings(f.app));
        ASSERT_TRUE(loadUserData(f.app, f.ui));
        f.ui.answers = {true};
        EXPECT_TRUE(closeQuery(f.app, f.ui));
        EXPECT_FALSE(f.dir.exists("settings.dat")) << "unchanged settings are not written";
        EXPECT_FALSE(f.dir.exists("suchidx.dat"));
        EXPECT_EQ(f.dir.read("dirbest.dat").size(), 0u) << "an unchanged direct order is not written";
    }
    {
        Fixture f;
        ASSERT_TRUE(loadSettings(f.app));
        ASSERT_TRUE(loadUserData(f.app, f.ui));
        f.app.settings.setStockMode(true);
        f.app.settings.setDirty();
        f.app.stock.current(BookingFile::Orders).number = 3;
        f.ui.answers = {true};
        EXPECT_TRUE(closeQuery(f.app, f.ui));
        const std::string saved = f.dir.read("settings.dat");
        ASSERT_EQ(saved.size(), SettingsRecord::kSize);
        EXPECT_EQ(saved[SettingsRecord::kWorkingMode], 1);
        EXPECT_EQ(saved[SettingsRecord::kCurrentOrder], 3) << "the current order number is stored with the settings";
    }
}

TEST(Startup, CurrentOrderIsReadAtStartAndWrittenBackAtItsNumber) {
    Fixture f;
    BookingDocument order = BookingDocument::initialised(1261201);
    order.eventDate = 1261224;
    Bytes orders = BookingDocument::initialised(1261130).encode();
    const Bytes second = order.encode();
    orders.insert(orders.end(), second.begin(), second.end());
    f.dir.write("meinart/bestell.dat", std::string(orders.begin(), orders.end()));
    f.app.settings.setCurrentOrder(1);
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    StockSession::CurrentDocument& current = f.app.stock.current(BookingFile::Orders);
    ASSERT_TRUE(current.loaded);
    EXPECT_EQ(current.number, 1u);
    EXPECT_EQ(current.document, order);
    current.document.status = 1;
    f.app.stock.markChanged(BookingFile::Orders);
    writeBackAndClose(f.app, f.ui);
    EXPECT_TRUE(f.ui.log.empty());
    const std::string after = f.dir.read("meinart/bestell.dat");
    ASSERT_EQ(after.size(), 2 * BookingDocument::kSize);
    order.status = 1;
    EXPECT_EQ(BookingDocument::decode(reinterpret_cast<const std::uint8_t*>(after.data()) + BookingDocument::kSize,
                                      BookingDocument::kSize),
              order);
    EXPECT_FALSE(f.dir.exists("meinart/journal.dat"));
}

TEST(Startup, ACurrentOrderThatCannotBeWrittenBackIsReported) {
    Fixture f;
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    StockSession::CurrentDocument& current = f.app.stock.current(BookingFile::Orders);
    current.number = 5;  // bestell.dat is empty: record 5 would leave a gap
    current.loaded = true;
    f.app.stock.markChanged(BookingFile::Orders);
    writeBackAndClose(f.app, f.ui);
    const std::vector<std::string> errors = f.ui.linesStartingWith("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("bestell.dat"), std::string::npos);
    EXPECT_FALSE(f.app.stock.isOpen(BookingFile::Orders)) << "closed all the same";
    EXPECT_EQ(f.dir.read("meinart/bestell.dat").size(), 0u);
}

// The write-back with a fault at every call, a crash included: every failure is reported, and each file the
// quit writes (kstst.dat, suchpar.dat, settings.dat, suchidx.dat, dirbest.dat) is afterwards either as
// before or as written, never torn or half-named; what the quit reported done survives the power loss.
TEST(Startup, WriteBackUnderFaultsReportsEveryFailureAndLeavesWholeFiles) {
    SearchParameterSet oldSet;
    oldSet.name = "Alt";
    const std::string oldSlot = toString(oldSet.encode());
    SearchParameterSet newSet;
    newSet.name = "Neu";
    const std::string newSlot = toString(newSet.encode());
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + " at call " + std::to_string(n));
            ASSERT_LT(n, 100);
            test::TempDir dir;
            dir.write("suchpar.dat", oldSlot);
            PosixFileSystem real;
            FaultyFileSystem fs(real);
            FixedClock clock{{2026, 12, 8}, 0};
            test::FakeUi ui;
            bool faultHit = false;
            {
                AppState app(fs, clock, dir.path().string() + "/");
                ASSERT_TRUE(loadSettings(app));
                ASSERT_TRUE(loadUserData(app, ui));
                app.settings.setDirty();
                app.stock.current(BookingFile::DirectOrder).document.positionCount = 1;
                app.stock.markChanged(BookingFile::DirectOrder);
                app.costCentres.setName(3, "Labor");
                app.search.state.active = newSet;
                app.search.state.modified = true;
                app.search.index.changed = true;
                fs.failAt(n, kind);  // counts from here on
                writeBackAndClose(app, ui);
                faultHit = fs.calls() >= n;
                // The power goes after the quit, whether it failed or not: what it left must be durable.
                fs.dropUnsyncedWrites();
                EXPECT_FALSE(app.settingsSession.internetAddresses.isOpen());
                EXPECT_FALSE(app.stock.myArticlesOpen());
                EXPECT_FALSE(app.search.parameters.isOpen());
                // The next start settles the direct order to all before or all after.
                StockSession next(real, clock, app.settings, app.catalogue, FileSet::kUserDir, "dirbest.dat");
                EXPECT_TRUE(next.recover().empty());
            }
            const std::size_t errors = ui.linesStartingWith("error").size();
            if (kind == FaultKind::Crash)
                EXPECT_GE(errors, faultHit ? 1u : 0u) << "after a crash every later call fails too";
            else
                EXPECT_EQ(errors, faultHit ? 1u : 0u);
            for (const auto& [file, size] : {std::pair<const char*, std::size_t>{"settings.dat", SettingsRecord::kSize},
                                             {"suchidx.dat", kSearchResultListSize},
                                             {"meinart/kstst.dat", 21 * kCostCentreNameSize}}) {
                if (dir.exists(file)) {
                    EXPECT_EQ(dir.read(file).size(), size) << file;
                }
                EXPECT_FALSE(dir.exists(std::string(file) + ".tmp")) << file;
            }
            // dirbest.dat is created empty at start and written through the stock journal.
            const std::size_t direct = dir.exists("dirbest.dat") ? dir.read("dirbest.dat").size() : 0;
            EXPECT_TRUE(direct == 0 || direct == BookingDocument::kSize) << direct;
            const std::string slot = dir.read("suchpar.dat");
            EXPECT_TRUE(slot == oldSlot || slot == newSlot) << "suchpar.dat torn: " << slot.size() << " bytes";
            if (!faultHit) {
                EXPECT_EQ(slot, newSlot);
                EXPECT_EQ(direct, BookingDocument::kSize);
                for (const char* file : {"settings.dat", "suchidx.dat", "meinart/kstst.dat"})
                    EXPECT_TRUE(dir.exists(file)) << file;
                break;
            }
        }
    }
}

}  // namespace
}  // namespace kvx
