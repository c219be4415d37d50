// Record files: append, torn tail, the 16-bit bound, and every file left whole under injected faults.
#include "base/record_file.h"

#include <gtest/gtest.h>

#include "base/io_error.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

Bytes recordOf(std::uint8_t fill, std::size_t size = 8) {
    return Bytes(size, fill);
}

TEST(RecordFile, AppendReadAndRewrite) {
    test::TempDir dir;
    PosixFileSystem fs;
    RecordFile file(fs, "r.dat", 8);
    ASSERT_FALSE(file.open()) << "a missing file is not created by open()";
    ASSERT_TRUE(file.openOrCreate());
    EXPECT_EQ(file.count(), 0);
    file.writeOrThrow(0, recordOf(1));
    file.writeOrThrow(1, recordOf(2));
    file.writeOrThrow(0, recordOf(3));
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(file.read(0), recordOf(3));
    EXPECT_EQ(file.read(1), recordOf(2));
    EXPECT_THROW(file.read(2), IoError);
    EXPECT_THROW(file.writeOrThrow(5, recordOf(9)), IoError) << "a gap would leave undefined records";
    file.close();
    EXPECT_EQ(dir.read("r.dat").size(), 16u);
}

TEST(RecordFile, TornTailIsIgnoredAndOverwrittenByAppend) {
    test::TempDir dir;
    dir.write("r.dat", std::string(8, 'a') + std::string(8, 'b') + "xyz");
    PosixFileSystem fs;
    RecordFile file(fs, "r.dat", 8);
    ASSERT_TRUE(file.open());
    EXPECT_EQ(file.count(), 2);
    file.writeOrThrow(2, recordOf('c'));
    file.close();
    EXPECT_EQ(dir.read("r.dat"), std::string(8, 'a') + std::string(8, 'b') + std::string(8, 'c'));
}

TEST(RecordFile, CountNeverWrapsPast65535) {
    test::TempDir dir;
    {
        // A sparse file of 65535 one-byte records, then one beyond the bound.
        dir.write("full.dat", std::string(65535, 'x'));
        dir.write("over.dat", std::string(70000, 'x'));
    }
    PosixFileSystem fs;
    RecordFile full(fs, "full.dat", 1);
    ASSERT_TRUE(full.open());
    EXPECT_EQ(full.count(), 65535);
    EXPECT_FALSE(full.overflowed());
    std::string error;
    EXPECT_FALSE(full.write(65535, recordOf('y', 1), error));
    EXPECT_NE(error.find("65535"), std::string::npos);
    EXPECT_EQ(full.count(), 65535);
    full.close();
    EXPECT_EQ(dir.read("full.dat").size(), 65535u) << "a refused append writes nothing";

    RecordFile over(fs, "over.dat", 1);
    ASSERT_TRUE(over.open());
    EXPECT_TRUE(over.overflowed());
    EXPECT_EQ(over.count(), 65535);
}

// A record write under a fault at every call: afterwards the file holds either the old or the new record
// in full, never a mix, and the failure was reported (never a silent success).
TEST(RecordFile, RewriteUnderFaultsLeavesOldOrNewRecord) {
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull}) {
        for (long n = 1; n < 12; ++n) {
            test::TempDir dir;
            dir.write("r.dat", std::string(8, 'a') + std::string(8, 'b'));
            PosixFileSystem real;
            FaultyFileSystem fs(real);
            fs.failAt(n, kind);
            bool reported = false;
            try {
                RecordFile file(fs, "r.dat", 8);
                if (!file.open()) throw IoError("open");
                file.writeOrThrow(1, recordOf('n'));
                file.sync();
                file.close();
            } catch (const IoError&) {
                reported = true;
            }
            const std::string after = dir.read("r.dat");
            const std::string oldFile = std::string(8, 'a') + std::string(8, 'b');
            const std::string newFile = std::string(8, 'a') + std::string(8, 'n');
            if (kind == FaultKind::IoError) {
                EXPECT_TRUE(after == oldFile || after == newFile) << "fault at call " << n;
            } else {
                // A disk-full write stores half the record: it must have been reported.
                EXPECT_TRUE(after == oldFile || after == newFile || reported) << "fault at call " << n;
            }
            if (after != newFile) {
                EXPECT_TRUE(reported) << "an unwritten record was reported as written, call " << n;
            }
        }
    }
}

// After writeAndSync() a record survives a power loss, also in a file this object created (its directory entry
// is synced too); a record only written is lost with the name of the new file.
TEST(RecordFile, WriteAndSyncSurvivesACrash) {
    struct Row {
        const char* what;
        bool fileExisted;
        bool synced;
        const char* after;  // nullptr: the file is gone
    };
    const Row rows[] = {{"new file, synced", false, true, "nnnnnnnn"},
                        {"new file, written only", false, false, nullptr},
                        {"rewrite, synced", true, true, "aaaaaaaannnnnnnn"},
                        {"rewrite, written only", true, false, "aaaaaaaabbbbbbbb"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        test::TempDir dir;
        if (r.fileExisted) dir.write("r.dat", std::string(8, 'a') + std::string(8, 'b'));
        PosixFileSystem real;
        FaultyFileSystem fs(real);
        fs.failAt(1000, FaultKind::Crash);  // a run that tracks durability without reaching the fault
        RecordFile file(fs, "r.dat", 8);
        ASSERT_TRUE(file.openOrCreate());
        const std::uint32_t n = r.fileExisted ? 1 : 0;
        if (r.synced)
            file.writeAndSync(n, recordOf('n'));
        else
            file.writeOrThrow(n, recordOf('n'));
        fs.dropUnsyncedWrites();  // the power goes now
        if (r.after == nullptr) {
            EXPECT_FALSE(dir.exists("r.dat"));
        } else {
            ASSERT_TRUE(dir.exists("r.dat"));
            EXPECT_EQ(dir.read("r.dat"), r.after);
        }
    }
}

TEST(RecordFile, AFailedSyncIsReportedWithFileAndReason) {
    for (long n = 1; n <= 3; ++n) {  // after the open: the write, the file's sync, the directory's sync
        test::TempDir dir;
        PosixFileSystem real;
        FaultyFileSystem fs(real);
        RecordFile file(fs, "r.dat", 8);
        ASSERT_TRUE(file.openOrCreate());
        fs.failAt(n, FaultKind::IoError);
        try {
            file.writeAndSync(0, recordOf('n'));
            ADD_FAILURE() << "no failure reported at call " << n;
        } catch (const IoError& e) {
            EXPECT_EQ(std::string(e.what()), "I/O error 5: r.dat") << "call " << n;
        }
    }
}

}  // namespace
}  // namespace kvx
