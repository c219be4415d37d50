// The crash model of the test file system: after a crash only synced data under names made durable by a
// directory sync survive, so that a save which forgets a sync fails its sweep.
#include "tests/support/fault_file_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>

#include "tests/support/catalogue_ram_fs.h"

namespace kvx {
namespace {

using Steps = std::function<void(FileSystem&)>;

void writeFile(FileSystem& fs, const std::string& path, const std::string& text, OpenMode mode, bool sync) {
    auto f = fs.open(path, mode);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->writeAt(0, text.data(), text.size()));
    if (sync) {
        ASSERT_TRUE(f->sync());
    }
    ASSERT_TRUE(f->close());
}

struct CrashCase {
    const char* name;
    Steps steps;
    std::optional<std::string> a;    // "a.dat" after the power loss; nothing = no file
    std::optional<std::string> tmp;  // "a.tmp"
    std::optional<std::string> sub;  // "d/x.dat"
};

TEST(FaultyFileSystemCrash, KeepsOnlyWhatWasMadeDurable) {
    const std::vector<CrashCase> cases = {
        {"write without sync", [](FileSystem& fs) { writeFile(fs, "a.dat", "new", OpenMode::ReadWrite, false); }, "old",
         std::nullopt, std::nullopt},
        {"write and sync", [](FileSystem& fs) { writeFile(fs, "a.dat", "new", OpenMode::ReadWrite, true); }, "new",
         std::nullopt, std::nullopt},
        {"emptied without sync", [](FileSystem& fs) { writeFile(fs, "a.dat", "", OpenMode::CreateTruncate, false); },
         "old", std::nullopt, std::nullopt},
        {"created and synced, directory not synced",
         [](FileSystem& fs) { writeFile(fs, "a.tmp", "new", OpenMode::CreateTruncate, true); }, "old", std::nullopt,
         std::nullopt},
        {"created, synced, directory synced",
         [](FileSystem& fs) {
             writeFile(fs, "a.tmp", "new", OpenMode::CreateTruncate, true);
             ASSERT_TRUE(fs.syncDirectory("."));
         },
         "old", "new", std::nullopt},
        {"created, directory synced, data not synced",
         [](FileSystem& fs) {
             writeFile(fs, "a.tmp", "new", OpenMode::CreateTruncate, false);
             ASSERT_TRUE(fs.syncDirectory("."));
         },
         "old", "", std::nullopt},
        {"rename without directory sync",
         [](FileSystem& fs) {
             writeFile(fs, "a.tmp", "new", OpenMode::CreateTruncate, true);
             ASSERT_TRUE(fs.rename("a.tmp", "a.dat"));
         },
         "old", std::nullopt, std::nullopt},
        {"rename after the temporary was durable, directory not synced again",
         [](FileSystem& fs) {
             writeFile(fs, "a.tmp", "new", OpenMode::CreateTruncate, true);
             ASSERT_TRUE(fs.syncDirectory("."));
             ASSERT_TRUE(fs.rename("a.tmp", "a.dat"));
         },
         "old", "new", std::nullopt},
        {"rename and directory sync",
         [](FileSystem& fs) {
             writeFile(fs, "a.tmp", "new", OpenMode::CreateTruncate, true);
             ASSERT_TRUE(fs.rename("a.tmp", "a.dat"));
             ASSERT_TRUE(fs.syncDirectory("."));
         },
         "new", std::nullopt, std::nullopt},
        {"remove without directory sync", [](FileSystem& fs) { ASSERT_TRUE(fs.remove("a.dat")); }, "old", std::nullopt,
         std::nullopt},
        {"remove and directory sync",
         [](FileSystem& fs) {
             ASSERT_TRUE(fs.remove("a.dat"));
             ASSERT_TRUE(fs.syncDirectory("./"));
         },
         std::nullopt, std::nullopt, std::nullopt},
        {"sync of another directory does not keep a new file",
         [](FileSystem& fs) {
             writeFile(fs, "d/x.dat", "new", OpenMode::CreateTruncate, true);
             ASSERT_TRUE(fs.syncDirectory("."));
         },
         "old", std::nullopt, std::nullopt},
        {"sync of its own directory does",
         [](FileSystem& fs) {
             writeFile(fs, "d/x.dat", "new", OpenMode::CreateTruncate, true);
             ASSERT_TRUE(fs.syncDirectory("d"));
         },
         "old", std::nullopt, "new"},
        {"data synced through a handle opened before the rename",
         [](FileSystem& fs) {
             auto f = fs.open("a.tmp", OpenMode::CreateTruncate);
             ASSERT_TRUE(f);
             ASSERT_TRUE(fs.rename("a.tmp", "a.dat"));
             ASSERT_TRUE(fs.syncDirectory("."));
             ASSERT_TRUE(f->writeAt(0, "late", 4));
             ASSERT_TRUE(f->sync());
         },
         "late", std::nullopt, std::nullopt},
    };
    for (const CrashCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::RamFileSystem ram;
        ram.put("a.dat", "old");
        FaultyFileSystem fs(ram);
        fs.failAt(0, FaultKind::Crash);
        c.steps(fs);
        fs.dropUnsyncedWrites();
        auto state = [&](const std::string& path) {
            return ram.exists(path) ? std::optional<std::string>(ram.get(path)) : std::nullopt;
        };
        EXPECT_EQ(state("a.dat"), c.a);
        EXPECT_EQ(state("a.tmp"), c.tmp);
        EXPECT_EQ(state("d/x.dat"), c.sub);
    }
}

// A whole-file save swept with a crash at every call (and a power loss after a finished run): the lines
// name every run that left neither the old nor the new file, or lost a save reported as done.
std::vector<std::string> crashSweep(
    const std::function<bool(FileSystem&, const std::string&, const std::string&)>& save) {
    std::vector<std::string> faults;
    for (long n = 1; n <= 12; ++n) {
        test::RamFileSystem ram;
        ram.put("a.dat", "old");
        FaultyFileSystem fs(ram);
        fs.failAt(n, FaultKind::Crash);
        const bool ok = save(fs, "a.dat", "new");
        fs.dropUnsyncedWrites();
        const std::string after = ram.get("a.dat");
        if (after != "old" && after != "new")
            faults.push_back("crash at call " + std::to_string(n) + ": a.dat holds \"" + after + "\"");
        else if (ok && after != "new")
            faults.push_back("crash at call " + std::to_string(n) + ": save reported done, a.dat is \"" + after + "\"");
    }
    return faults;
}

TEST(FaultyFileSystemCrash, CatchesAMissingDirectorySync) {
    const auto withoutDirectorySync = [](FileSystem& fs, const std::string& path, const std::string& text) {
        auto f = fs.open(path + ".tmp", OpenMode::CreateTruncate);
        if (!f || !f->writeAt(0, text.data(), text.size()) || !f->sync() || !f->close()) return false;
        return fs.rename(path + ".tmp", path);  // the directory sync is missing
    };
    const std::vector<std::string> planted = crashSweep(withoutDirectorySync);
    for (const std::string& line : planted) std::cout << "[planted fault] " << line << "\n";
    EXPECT_FALSE(planted.empty()) << "the crash model did not notice the missing directory sync";

    const auto sound = [](FileSystem& fs, const std::string& path, const std::string& text) {
        std::string error;
        return writeWholeFileAtomically(fs, path, text.data(), text.size(), error);
    };
    EXPECT_EQ(crashSweep(sound), std::vector<std::string>{});
}

}  // namespace
}  // namespace kvx
