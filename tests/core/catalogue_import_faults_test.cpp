// The catalogue import when files fail under it: every message names the file and the reason of the call
// that failed; a catalogue that cannot be put in place is rolled back, also by the recovery at the next
// load; sources that are no regular files are refused instead of blocking; the settings block with the
// catalogue date is replaced together with the catalogue.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "tests/support/fault_file_system.h"
#include "base/io_error.h"
#include "base/le_bytes.h"
#include "catalogue/catalogue_commit.h"
#include "catalogue/import.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"

namespace kvx {
namespace {

enum class Op { Open, Read, Write, Sync, Rename, Remove };

// Fails one kind of call on one path with a given reason. Any other failure of the file system leaves
// "File not found" as its last error, and file-level failures clear it, so that a message built from the
// file system's last error instead of the failed call's own shows the wrong reason.
class PinpointFs final : public FileSystem {
  public:
    PinpointFs(FileSystem& inner, Op op, std::string path, std::string reason)
        : m_inner(inner), m_op(op), m_path(std::move(path)), m_reason(std::move(reason)) {}

    // The fault strikes once: a roll-back that repeats the call finds it working again.
    bool hits(Op op, const std::string& path) {
        if (m_fired || op != m_op || path != m_path) return false;
        m_fired = true;
        return true;
    }
    const std::string& reason() const { return m_reason; }
    void clearError() { m_error.clear(); }

    std::unique_ptr<File> open(const std::string& path, OpenMode mode) override;
    bool exists(const std::string& path) override { return m_inner.exists(path); }
    bool rename(const std::string& from, const std::string& to) override {
        if (hits(Op::Rename, to)) return fail(m_reason);
        return m_inner.rename(from, to) || fail(m_inner.lastError());
    }
    bool remove(const std::string& path) override {
        if (hits(Op::Remove, path)) return fail(m_reason);
        return m_inner.remove(path) || fail("File not found");
    }
    bool makeDirectory(const std::string& path) override { return m_inner.makeDirectory(path); }
    bool syncDirectory(const std::string& path) override { return m_inner.syncDirectory(path); }
    std::string lastError() const override { return m_error; }

  private:
    bool fail(std::string why) {
        m_error = std::move(why);
        return false;
    }
    FileSystem& m_inner;
    Op m_op;
    std::string m_path;
    std::string m_reason;
    std::string m_error;
    bool m_fired = false;
};

class PinpointFile final : public File {
  public:
    PinpointFile(PinpointFs& fs, std::unique_ptr<File> inner, std::string path)
        : m_fs(fs), m_inner(std::move(inner)), m_path(std::move(path)) {}
    long long readAt(std::uint64_t offset, void* buffer, std::size_t n) override {
        return failing(Op::Read) ? -1 : m_inner->readAt(offset, buffer, n);
    }
    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t n) override {
        return !failing(Op::Write) && m_inner->writeAt(offset, buffer, n);
    }
    bool truncate(std::uint64_t size) override { return m_inner->truncate(size); }
    bool sync() override { return !failing(Op::Sync) && m_inner->sync(); }
    long long size() override { return m_inner->size(); }
    long long modificationTime() override { return m_inner->modificationTime(); }
    bool close() override { return m_inner->close(); }
    std::string lastError() const override { return m_error; }

  private:
    bool failing(Op op) {
        if (!m_fs.hits(op, m_path)) return false;
        m_error = m_fs.reason();
        m_fs.clearError();
        return true;
    }
    PinpointFs& m_fs;
    std::unique_ptr<File> m_inner;
    std::string m_path;
    std::string m_error;
};

std::unique_ptr<File> PinpointFs::open(const std::string& path, OpenMode mode) {
    if (hits(Op::Open, path)) {
        fail(m_reason);
        return nullptr;
    }
    auto file = m_inner.open(path, mode);
    if (!file) {
        fail(m_inner.lastError());
        return nullptr;
    }
    return std::make_unique<PinpointFile>(*this, std::move(file), path);
}

const char* const kCatalogueFiles[] = {"whg.dat", "wog.dat", "wgg.dat", "art.dat"};
const std::string kSettings = "settings.dat";
constexpr std::size_t kDateOffset = 268;

// The small catalogue's sources and an older catalogue (one article more) with settings of an old date.
std::unique_ptr<test::RamFileSystem> sourcesAndOldCatalogue() {
    test::TempDir dir;
    test::writeSmallCatalogueSources(dir);
    test::writeSmallCatalogueFiles(dir);
    auto ram = std::make_unique<test::RamFileSystem>();
    for (const char* f : kCatalogueFiles) ram->put(f, dir.read(f));
    ram->put("art.dat", dir.read("art.dat") + std::string(329, '\0'));
    for (const char* f : {"art.js", "wh.js", "wo.js", "wg.js"})
        ram->put(std::string("zelvodaten/") + f, dir.read(std::string("zelvodaten/") + f));
    std::string settings(6478, 'S');
    putI32(reinterpret_cast<std::uint8_t*>(settings.data()), kDateOffset, 1000101);
    ram->put(kSettings, settings);
    return ram;
}

ImportSettingsFile settingsWith(const std::string& base) {
    return {kSettings, [base](DateNumber date) {
                std::string bytes = base;
                putI32(reinterpret_cast<std::uint8_t*>(bytes.data()), kDateOffset, date);
                return bytes;
            }};
}

std::string catalogueState(const test::RamFileSystem& ram) {
    std::string s;
    for (const char* f : kCatalogueFiles) s += ram.get(f) + "|";
    return s + ram.get(kSettings);
}

std::int32_t storedDate(const test::RamFileSystem& ram) {
    const std::string s = ram.get(kSettings);
    return s.size() < kDateOffset + 4 ? -1 : getI32(reinterpret_cast<const std::uint8_t*>(s.data()), kDateOffset);
}

struct FaultCase {
    const char* name;
    Op op;
    const char* path;
    const char* reason;
    std::string thrown;                 // IoError text, empty when none is expected
    std::vector<std::string> messages;  // what the user was told otherwise
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class ImportFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ImportFaultTest, NamesTheFileAndTheRealReasonAndKeepsTheOldCatalogue) {
    const FaultCase& c = GetParam();
    auto ram = sourcesAndOldCatalogue();
    const std::string before = catalogueState(*ram);
    PinpointFs fs(*ram, c.op, c.path, c.reason);
    test::FakeUi ui;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.load(fs));
    const ImportSettingsFile settings = settingsWith(ram->get(kSettings));
    std::string thrown;
    try {
        const ImportResult r = runImport(fs, ui, catalogue, {}, &settings);
        EXPECT_FALSE(r.ok);
    } catch (const IoError& e) {
        thrown = e.what();
    }
    EXPECT_EQ(thrown, c.thrown);
    EXPECT_EQ(ui.linesStartingWith("info: "), c.messages);
    EXPECT_EQ(catalogueState(*ram), before) << "the old catalogue and its date stay";
    EXPECT_TRUE(catalogue.isLoaded());
    EXPECT_EQ(catalogue.articleCount(), 11);
    for (const char* f : {"wgg.dat", "wog.dat", "whg.dat", "art.dat", "settings.dat"}) {
        EXPECT_FALSE(ram->exists(std::string(f) + ".new")) << f;
        EXPECT_FALSE(ram->exists(std::string(f) + ".old")) << f;
    }
    EXPECT_FALSE(ram->exists(kImportMarkerFile));
}

const std::string kFail0 = "info: Fehler beim Datenimport 0 von 4 Dateien erzeugt.";
const std::string kFail2 = "info: Fehler beim Datenimport 2 von 4 Dateien erzeugt.";
const std::string kFail3 = "info: Fehler beim Datenimport 3 von 4 Dateien erzeugt.";
const std::string kRestored = " Der bisherige Katalog ist wiederhergestellt.";

const FaultCase kFaultCases[] = {
    {"DiskFullWritingArticles", Op::Write, "art.dat.new", "Disk full", "Schreibfehler in art.dat.new: Disk full", {}},
    {"SyncOfArticlesFails", Op::Sync, "art.dat.new", "I/O error 5", "Schreibfehler in art.dat.new: I/O error 5", {}},
    {"SettingsCannotBeWritten",
     Op::Write,
     "settings.dat.new",
     "Disk full",
     "Schreibfehler in settings.dat.new: Disk full",
     {}},
    {"ReadErrorInSource",
     Op::Read,
     "zelvodaten/art.js",
     "I/O error 5",
     "Lesefehler in zelvodaten/art.js: I/O error 5",
     {}},
    {"MarkerCannotBeSynced",
     Op::Sync,
     "katalog.new",
     "I/O error 5",
     "Datei katalog.new kann nicht geschrieben werden: I/O error 5. Der bisherige Katalog bleibt erhalten.",
     {}},
    {"ReadOnlyDirectory",
     Op::Open,
     "wgg.dat.new",
     "File access denied",
     "",
     {"info: Die Datei wgg.dat.new ist nicht anlegbar: File access denied", kFail0}},
    {"ArticleFileCannotBeCreated",
     Op::Open,
     "art.dat.new",
     "Disk full",
     "",
     {"info: Die Datei art.dat.new ist nicht anlegbar: Disk full", kFail3}},
    {"SourceIsNoRegularFile",
     Op::Open,
     "zelvodaten/wg.js",
     "Not a regular file",
     "",
     {"info: Die Datei zelvodaten/wg.js kann nicht gelesen werden: Not a regular file", kFail0}},
    {"MainGroupSourceCannotBeOpened",
     Op::Open,
     "zelvodaten/wh.js",
     "File access denied",
     "",
     {"info: zelvodaten/wh.js Datei nicht vorhanden oder fehlerhaft: File access denied", kFail2}},
    // The third rename fails: the two files already replaced get their old versions back.
    {"TargetCannotBeReplaced",
     Op::Rename,
     "whg.dat",
     "Is a directory",
     "Datei whg.dat kann nicht ersetzt werden: Is a directory." + kRestored,
     {}},
    {"SettingsCannotBeReplaced",
     Op::Rename,
     "settings.dat",
     "File access denied",
     "Datei settings.dat kann nicht ersetzt werden: File access denied." + kRestored,
     {}},
    {"OldFileCannotBeMovedAside",
     Op::Rename,
     "art.dat.old",
     "File access denied",
     "Datei art.dat kann nicht ersetzt werden: File access denied." + kRestored,
     {}},
};

INSTANTIATE_TEST_SUITE_P(Faults, ImportFaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A backup left from an earlier commit that cannot be removed would be taken for the old file by a
// roll-back: the commit refuses before it replaces anything.
TEST(ImportCommit, StaleBackupThatCannotBeRemovedStopsTheCommit) {
    auto ram = sourcesAndOldCatalogue();
    PinpointFs fs(*ram, Op::Remove, "art.dat.old", "Is a directory");
    test::FakeUi ui;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.load(fs));
    ram->put("art.dat.old", "alt");
    const std::string before = catalogueState(*ram);
    try {
        (void)runImport(fs, ui, catalogue);
        ADD_FAILURE() << "the commit went on";
    } catch (const IoError& e) {
        EXPECT_STREQ(
            e.what(),
            "Datei art.dat.old kann nicht gelöscht werden: Is a directory. Der bisherige Katalog bleibt erhalten.");
    }
    EXPECT_EQ(catalogueState(*ram), before);
    EXPECT_FALSE(ram->exists("art.dat.new"));
    EXPECT_EQ(catalogue.articleCount(), 11);
}

// Backups left by a removal that failed or was cut short stay through a load (the catalogue is sound
// without them) and go with the next import, whose own backups are gone when it returns: in line on a
// test double, on a second thread on the real file system.
TEST(ImportCommit, BackupsGoWithTheImportAndStaleOnesWithTheNext) {
    for (const bool real : {false, true}) {
        SCOPED_TRACE(real ? "real file system" : "in memory");
        test::TempDir dir;
        auto ram = sourcesAndOldCatalogue();
        PosixFileSystem posix;
        if (real) {
            for (const char* f : {"whg.dat", "wog.dat", "wgg.dat", "art.dat", "settings.dat", "zelvodaten/art.js",
                                  "zelvodaten/wh.js", "zelvodaten/wo.js", "zelvodaten/wg.js"})
                dir.write(f, ram->get(f));
        }
        FileSystem& fs = real ? static_cast<FileSystem&>(posix) : *ram;
        const auto exists = [&](const std::string& f) { return real ? dir.exists(f) : ram->exists(f); };
        const std::string oldSettings = real ? dir.read(kSettings) : ram->get(kSettings);
        std::unique_ptr<File> stale = fs.open("art.dat.old", OpenMode::CreateTruncate);
        ASSERT_TRUE(stale && stale->writeAt(0, "alt", 3) && stale->close());
        Catalogue catalogue;
        ASSERT_TRUE(catalogue.load(fs));
        EXPECT_TRUE(exists("art.dat.old")) << "a load leaves backups alone";
        test::FakeUi ui;
        const ImportSettingsFile settings = settingsWith(oldSettings);
        const ImportResult r = runImport(fs, ui, catalogue, {}, &settings);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(ui.linesStartingWith("info: "), (std::vector<std::string>{"info: Datenimport erfolgreich beendet."}));
        EXPECT_EQ(catalogue.articleCount(), 10);
        for (const char* f : {"wgg.dat", "wog.dat", "whg.dat", "art.dat", "settings.dat"}) {
            EXPECT_FALSE(exists(std::string(f) + ".old")) << f;
            EXPECT_FALSE(exists(std::string(f) + ".new")) << f;
        }
        EXPECT_FALSE(exists(kImportMarkerFile));
    }
}

TEST(ImportSettings, SavedWithTheCatalogueAndItsDate) {
    auto ram = sourcesAndOldCatalogue();
    test::FakeUi ui;
    Catalogue catalogue;
    const ImportSettingsFile settings = settingsWith(ram->get(kSettings));
    const ImportResult r = runImport(*ram, ui, catalogue, {}, &settings);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(storedDate(*ram), 1161030);
    EXPECT_EQ(ram->get(kSettings).substr(0, 10), std::string(10, 'S')) << "the rest of the block as given";
    EXPECT_EQ(catalogue.articleCount(), 10);
    EXPECT_FALSE(ram->exists("settings.dat.new"));
    EXPECT_FALSE(ram->exists("art.dat.old"));
}

// A commit that cannot finish at the next load either (here: art.dat cannot be replaced) is rolled back
// to the old files; the load then accepts them and says what to fix, and the load after that is quiet.
TEST(ImportRecovery, RollsBackWhenTheNewFilesCannotBePutInPlace) {
    auto ram = sourcesAndOldCatalogue();
    const std::string oldState = catalogueState(*ram);
    // An interrupted commit: marker written, wgg.dat already replaced, the others still ".new".
    ram->put("wgg.dat.old", ram->get("wgg.dat"));
    ram->put("wgg.dat", ram->get("wgg.dat") + std::string(49, '\0'));
    for (const char* f : {"wog.dat", "whg.dat", "art.dat", "settings.dat"}) ram->put(std::string(f) + ".new", "neu");
    ram->put(kImportMarkerFile, "wgg.dat\nwog.dat\nwhg.dat\nart.dat\nsettings.dat\n");
    PinpointFs fs(*ram, Op::Rename, "art.dat", "Is a directory");
    Catalogue catalogue;
    EXPECT_TRUE(catalogue.load(fs));
    EXPECT_EQ(catalogue.recoveryMessage(),
              "Der neue Katalog kann nicht eingesetzt werden: Datei art.dat: Is a directory." + kRestored +
                  " Bitte art.dat prüfen und den Import wiederholen.");
    EXPECT_FALSE(catalogue.recoveryReplacedFiles());
    EXPECT_EQ(catalogueState(*ram), oldState);
    EXPECT_FALSE(ram->exists(kImportMarkerFile));
    for (const char* f : {"wgg.dat", "wog.dat", "whg.dat", "art.dat", "settings.dat"}) {
        EXPECT_FALSE(ram->exists(std::string(f) + ".new")) << f;
        EXPECT_FALSE(ram->exists(std::string(f) + ".old")) << f;
    }
    EXPECT_TRUE(catalogue.load(fs));
    EXPECT_EQ(catalogue.recoveryMessage(), "");
}

TEST(ImportRecovery, FinishesACommitThatNamedTheSettings) {
    auto ram = sourcesAndOldCatalogue();
    ram->put("settings.dat.new", "neue Einstellungen");
    ram->put("art.dat.old", ram->get("art.dat"));
    ram->put("art.dat", ram->get("art.dat").substr(329));
    ram->put(kImportMarkerFile, "art.dat\nsettings.dat\n");
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.load(*ram));
    EXPECT_TRUE(catalogue.recoveryReplacedFiles());
    EXPECT_EQ(catalogue.articleCount(), 10);
    EXPECT_EQ(ram->get(kSettings), "neue Einstellungen");
    EXPECT_FALSE(ram->exists("art.dat.old"));
    EXPECT_FALSE(ram->exists(kImportMarkerFile));
}

// Every call of an import with settings failing in turn, with each kind of fault: the four catalogue
// files and settings.dat are afterwards all old or all new, so the date never disagrees with the files.
TEST(ImportSettings, FaultAtEveryCallKeepsCatalogueAndDateTogether) {
    const auto initial = sourcesAndOldCatalogue();
    const std::string oldSettings = initial->get(kSettings);
    const auto fresh = [&initial] {
        auto ram = std::make_unique<test::RamFileSystem>();
        for (const char* f : {"whg.dat", "wog.dat", "wgg.dat", "art.dat", "settings.dat", "zelvodaten/art.js",
                              "zelvodaten/wh.js", "zelvodaten/wo.js", "zelvodaten/wg.js"})
            ram->put(f, initial->get(f));
        return ram;
    };
    const ImportSettingsFile settings = settingsWith(oldSettings);
    const std::string oldState = catalogueState(*fresh());
    std::string newState;
    long calls = 0;
    {
        auto ram = fresh();
        FaultyFileSystem counting(*ram);
        test::FakeUi ui;
        Catalogue c;
        ASSERT_TRUE(runImport(counting, ui, c, {}, &settings).ok);
        calls = counting.calls();
        newState = catalogueState(*ram);
    }
    ASSERT_NE(oldState, newState);
    for (const FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1; n <= calls + 1; ++n) {
            auto ram = fresh();
            FaultyFileSystem faulty(*ram);
            test::FakeUi ui;
            Catalogue c;
            faulty.failAt(n, kind);
            bool ok = false;
            try {
                ok = runImport(faulty, ui, c, {}, &settings).ok;
            } catch (const IoError&) {
            }
            if (kind == FaultKind::Crash) faulty.dropUnsyncedWrites();
            Catalogue after;
            const std::string where = "fault " + std::to_string(static_cast<int>(kind)) + " at " + std::to_string(n);
            EXPECT_TRUE(after.load(*ram)) << where;
            const std::string state = catalogueState(*ram);
            EXPECT_TRUE(state == oldState || state == newState) << where;
            if (ok) {
                EXPECT_EQ(state, newState) << "reported success with a " << where;
            }
        }
    }
}

// On the real file system: a FIFO as a source is refused at once instead of blocking the import.
TEST(ImportSources, FifoIsRefusedWithoutBlocking) {
    test::TempDir dir;
    test::writeSmallCatalogueSources(dir);
    std::filesystem::remove(dir.path() / "zelvodaten/art.js");
    ASSERT_EQ(::mkfifo((dir.path() / "zelvodaten/art.js").c_str(), 0644), 0);
    PosixFileSystem fs;
    test::FakeUi ui;
    Catalogue catalogue;
    const ImportResult r = runImport(fs, ui, catalogue);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(ui.linesStartingWith("info: "),
              (std::vector<std::string>{
                  "info: Die Datei zelvodaten/art.js kann nicht gelesen werden: Not a regular file", kFail3}));
}

// On the real file system: art.dat that is a directory does not block the import for ever. The import
// moves it aside and puts the new file in place; the next start loads the catalogue.
TEST(ImportSources, ArticleFileThatIsADirectoryIsReplaced) {
    test::TempDir dir;
    test::writeSmallCatalogueSources(dir);
    std::filesystem::create_directory(dir.path() / "art.dat");
    PosixFileSystem fs;
    test::FakeUi ui;
    Catalogue catalogue;
    EXPECT_FALSE(catalogue.load(fs));
    const ImportResult r = runImport(fs, ui, catalogue);
    EXPECT_TRUE(r.ok) << (ui.log.empty() ? "" : ui.log.back());
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "art.dat"));
    Catalogue next;
    EXPECT_TRUE(next.load(fs));
    EXPECT_EQ(next.articleCount(), 10);
}

}  // namespace
}  // namespace kvx
