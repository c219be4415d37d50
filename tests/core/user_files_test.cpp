// "User-Files löschen": every user file emptied, the direct order and the current order dropped, and a
// file that cannot be recreated keeping its records while the others are still emptied.
#include "app/user_files.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

struct Fixture {
    test::TempDir dir;
    PosixFileSystem real;
    FaultyFileSystem fs{real};
    FixedClock clock{{2026, 12, 8}, 0};
    AppState app{fs, clock, dir.path().string() + "/"};
    test::FakeUi ui;

    Fixture() {
        fs.makeDirectory(FileSet::kUserDir);
        for (RecordFile* f : {&app.myArticles, &app.orders, &app.demand, &app.consumption, &app.calculations}) {
            EXPECT_TRUE(f->openOrCreate());
            f->writeOrThrow(0, Bytes(f->recordSize(), 7));
            f->writeOrThrow(1, Bytes(f->recordSize(), 8));
        }
        app.directOrder.bytes.assign(kBookingDocumentSize, 5);
        app.currentOrderNumber = 1;
        app.currentOrder = Bytes(kBookingDocumentSize, 8);
        app.currentOrderLoaded = true;
        app.currentOrderChanged = true;
    }
};

TEST(DeleteUserFiles, EmptiesEveryFileAndDropsTheCurrentOrder) {
    Fixture f;
    EXPECT_TRUE(deleteUserFiles(f.app, f.ui));
    EXPECT_TRUE(f.ui.log.empty());
    for (RecordFile* file :
         {&f.app.myArticles, &f.app.orders, &f.app.demand, &f.app.consumption, &f.app.calculations}) {
        EXPECT_TRUE(file->isOpen()) << file->path();
        EXPECT_EQ(file->count(), 0) << file->path();
        EXPECT_EQ(f.dir.read(file->path()).size(), 0u) << file->path();
    }
    EXPECT_TRUE(f.app.directOrder.changed);
    EXPECT_EQ(f.app.directOrder.bytes, Bytes(kBookingDocumentSize, 0));
    EXPECT_FALSE(f.app.currentOrderChanged) << "the old order must not be written into the new file";
    EXPECT_EQ(f.app.currentOrderNumber, 0);
    EXPECT_TRUE(f.app.settings.dirty());
    // The emptied files take new records from 0 on.
    f.app.orders.writeOrThrow(0, Bytes(kBookingDocumentSize, 1));
    EXPECT_EQ(f.dir.read(f.app.files.orders).size(), kBookingDocumentSize);
}

TEST(DeleteUserFiles, AFileThatCannotBeRecreatedKeepsItsRecords) {
    // Fail each call of the run in turn: the file hit keeps its two records, is open, and is reported;
    // every other file is emptied.
    for (long n = 1; n <= 40; ++n) {
        SCOPED_TRACE("fault at call " + std::to_string(n));
        Fixture f;
        f.fs.failAt(n, FaultKind::IoError);
        const bool ok = deleteUserFiles(f.app, f.ui);
        f.fs.failAt(0, FaultKind::IoError);
        int kept = 0;
        for (RecordFile* file :
             {&f.app.myArticles, &f.app.orders, &f.app.demand, &f.app.consumption, &f.app.calculations}) {
            const std::size_t size = f.dir.read(file->path()).size();
            ASSERT_TRUE(size == 0 || size == 2 * file->recordSize()) << file->path() << " is torn";
            EXPECT_TRUE(file->isOpen()) << file->path();
            EXPECT_EQ(file->count() * file->recordSize(), size) << file->path();
            if (size != 0) ++kept;
            EXPECT_FALSE(f.dir.exists(file->path() + ".tmp"));
        }
        // A file replaced whose directory could not be synced is empty but still reported: the
        // replacement may not survive a power loss.
        const int errors = static_cast<int>(f.ui.linesStartingWith("error").size());
        EXPECT_EQ(ok, errors == 0);
        EXPECT_GE(errors, kept);
        EXPECT_LE(errors, 1) << "one fault costs at most one file";
        if (!f.ui.log.empty()) {
            EXPECT_NE(f.ui.log[0].find("ist nicht anlegbar!"), std::string::npos);
        }
        const bool ordersKept = f.dir.read(f.app.files.orders).size() != 0;
        EXPECT_EQ(f.app.currentOrderLoaded, ordersKept) << "the current order stays with a kept bestell.dat";
    }
}

}  // namespace
}  // namespace kvx
