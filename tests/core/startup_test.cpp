// Start-up and quit: the failure paths with their messages, the user files created at start, and the
// write-back that touches settings.dat only when a setting changed.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/io_error.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

struct Fixture {
    test::TempDir dir;
    PosixFileSystem fs;
    FixedClock clock{{2026, 12, 8}, 9 * 3600};
    AppState app{fs, clock, dir.path().string() + "/"};
    test::FakeUi ui;
};

TEST(Startup, NoCatalogueAndImportDeclinedEndsWithOneMessageAndNoQuitQuestion) {
    Fixture f;
    loadSettings(f.app);
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
                             "meinart/verbrauch.dat", "meinart/kalku.dat", "inetadr.dat"}) {
        EXPECT_TRUE(f.dir.exists(name)) << name;
    }
    EXPECT_EQ(f.app.costCentres.count(), 21);
    EXPECT_EQ(f.app.costCentres.name(0), "Allgemein");
    EXPECT_EQ(f.app.costCentres.name(7), "Projekt7");
    EXPECT_EQ(f.app.search.index.bytes.size(), kSearchResultListSize);
    EXPECT_FALSE(f.app.currentOrderLoaded);
}

TEST(Startup, AUserFileThatCannotBeCreatedEndsTheStart) {
    Fixture f;
    // A directory where the file should be: it can be neither opened nor created.
    std::filesystem::create_directories(f.dir.path() / "meinart" / "bedarf.dat");
    EXPECT_FALSE(loadUserData(f.app, f.ui));
    EXPECT_TRUE(f.app.forcedClose);
    EXPECT_EQ(f.ui.log, (std::vector<std::string>{"error[FEHLER]: Die Datei meinart/bedarf.dat ist nicht anlegbar!",
                                                  "info: Daten fehlerhaft. Das Programm wird beendet"}));
}

TEST(Startup, AFileThatExistsButCannotBeReadIsNotTakenForAMissingOne) {
    // Taken for missing, its contents would be replaced by defaults at the next save.
    for (const char* name : {"dirbest.dat", "suchidx.dat", "meinart/kstst.dat"}) {
        SCOPED_TRACE(name);
        Fixture f;
        std::filesystem::create_directories(f.dir.path() / name);  // exists, but reading it fails
        EXPECT_THROW((void)loadUserData(f.app, f.ui), IoError);
    }
}

TEST(Startup, QuitAnsweredNoWritesNothing) {
    Fixture f;
    loadSettings(f.app);
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    f.app.settings.setDirty();
    f.ui.answers = {false};
    EXPECT_FALSE(closeQuery(f.app, f.ui));
    EXPECT_FALSE(f.dir.exists("settings.dat"));
    EXPECT_TRUE(f.app.myArticles.isOpen()) << "the program keeps running with its files open";
}

TEST(Startup, QuitWritesSettingsOnlyWhenChanged) {
    {
        Fixture f;
        loadSettings(f.app);
        ASSERT_TRUE(loadUserData(f.app, f.ui));
        f.ui.answers = {true};
        EXPECT_TRUE(closeQuery(f.app, f.ui));
        EXPECT_FALSE(f.dir.exists("settings.dat")) << "unchanged settings are not written";
        EXPECT_FALSE(f.dir.exists("suchidx.dat"));
        EXPECT_FALSE(f.dir.exists("dirbest.dat"));
    }
    {
        Fixture f;
        loadSettings(f.app);
        ASSERT_TRUE(loadUserData(f.app, f.ui));
        f.app.settings.setStockMode(true);
        f.app.settings.setDirty();
        f.app.currentOrderNumber = 3;
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
    std::string orders(2 * kBookingDocumentSize, '\0');
    orders[kBookingDocumentSize] = 'B';  // order 1
    f.dir.write("meinart/bestell.dat", orders);
    f.app.settings.setCurrentOrder(1);
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    ASSERT_TRUE(f.app.currentOrderLoaded);
    EXPECT_EQ(f.app.currentOrder[0], 'B');
    f.app.currentOrder[1] = 'X';
    f.app.currentOrderChanged = true;
    writeBackAndClose(f.app, f.ui);
    const std::string after = f.dir.read("meinart/bestell.dat");
    ASSERT_EQ(after.size(), 2 * kBookingDocumentSize);
    EXPECT_EQ(after[kBookingDocumentSize + 1], 'X');
}

TEST(Startup, ACurrentOrderThatCannotBeWrittenBackIsReported) {
    Fixture f;
    ASSERT_TRUE(loadUserData(f.app, f.ui));
    f.app.currentOrderNumber = 5;  // bestell.dat is empty: record 5 would leave a gap
    f.app.currentOrder = Bytes(kBookingDocumentSize, 'B');
    f.app.currentOrderChanged = true;
    writeBackAndClose(f.app, f.ui);
    const std::vector<std::string> errors = f.ui.linesStartingWith("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("bestell.dat"), std::string::npos);
    EXPECT_FALSE(f.app.orders.isOpen()) << "closed all the same";
    EXPECT_EQ(f.dir.read("meinart/bestell.dat").size(), 0u);
}

// The write-back with a fault at every call: every failure is reported, and settings.dat and dirbest.dat are
// each either absent (the old state) or complete.
TEST(Startup, WriteBackUnderFaultsReportsEveryFailureAndLeavesWholeFiles) {
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull}) {
        for (long n = 1; n <= 40; ++n) {
            test::TempDir dir;
            PosixFileSystem real;
            FaultyFileSystem fs(real);
            FixedClock clock{{2026, 12, 8}, 0};
            AppState app(fs, clock, dir.path().string() + "/");
            test::FakeUi ui;
            app.settings.load(fs, app.programDir());
            ASSERT_TRUE(loadUserData(app, ui));
            app.settings.setDirty();
            app.directOrder.changed = true;
            fs.failAt(n, kind);  // counts from here on
            writeBackAndClose(app, ui);
            const bool faultHit = fs.calls() >= n;
            EXPECT_EQ(ui.linesStartingWith("error").size(), faultHit ? 1u : 0u) << "call " << n;
            if (dir.exists("settings.dat")) {
                EXPECT_EQ(dir.read("settings.dat").size(), SettingsRecord::kSize);
            }
            if (dir.exists("dirbest.dat")) {
                EXPECT_EQ(dir.read("dirbest.dat").size(), kBookingDocumentSize);
            }
            EXPECT_FALSE(dir.exists("settings.dat.tmp"));
            EXPECT_FALSE(app.settingsSession.internetAddresses.isOpen());
            EXPECT_FALSE(app.myArticles.isOpen());
            if (!faultHit) {
                EXPECT_TRUE(dir.exists("settings.dat") && dir.exists("dirbest.dat")) << "call " << n;
                break;
            }
        }
    }
}

}  // namespace
}  // namespace kvx
