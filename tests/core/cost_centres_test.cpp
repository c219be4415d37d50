// Cost-centre names: the default names, and a rewrite that keeps every name the file held.
#include "app/cost_centres.h"

#include <gtest/gtest.h>

#include "app/file_set.h"
#include "base/short_string.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

// A kstst.dat of `count` records named "K<n>", record `empty` left without a name.
std::string namesFile(int count, int empty = -1) {
    std::string data(static_cast<std::size_t>(count) * kCostCentreRecordSize, '\0');
    for (int i = 0; i < count; ++i) {
        if (i == empty) continue;
        writeShortString(reinterpret_cast<std::uint8_t*>(data.data()) + i * kCostCentreRecordSize, 0,
                         kCostCentreRecordSize - 1, "K" + std::to_string(i));
    }
    return data;
}

TEST(CostCentres, CountsAndNamesAfterLoading) {
    struct Row {
        int records;  // records in the file, -1 = no file
        int empty;    // record without a name
        int count;    // names afterwards
        int probe;    // a name to check
        const char* name;
    };
    const Row rows[] = {
        {-1, -1, 20, 0, "Allgemein"}, {-1, -1, 20, 19, "Projekt19"}, {0, -1, 20, 3, "Projekt3"},
        {5, 0, 20, 0, "Allgemein"},   {5, 2, 20, 2, "Projekt2"},     {5, -1, 20, 4, "K4"},
        {60, -1, 60, 59, "K59"},      {60, 45, 60, 45, "Projekt45"}, {450, -1, 400, 399, "K399"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.records) + " records");
        test::TempDir dir;
        PosixFileSystem fs;
        if (r.records >= 0) dir.write("kstst.dat", namesFile(r.records, r.empty));
        CostCentres names;
        names.load(fs, "kstst.dat");
        EXPECT_EQ(names.count(), r.count);
        EXPECT_EQ(names.name(r.probe), r.name);
        EXPECT_FALSE(names.changed());
    }
}

TEST(CostCentres, ChangingOneNameRewritesEveryName) {
    test::TempDir dir;
    PosixFileSystem fs;
    dir.write("kstst.dat", namesFile(60));
    CostCentres names;
    names.load(fs, "kstst.dat");
    names.setName(50, "Neubau Halle 2 und noch mehr");
    ASSERT_TRUE(names.changed());
    std::string error;
    ASSERT_TRUE(names.save(fs, "kstst.dat", error)) << error;

    std::string expected = namesFile(60);
    writeShortString(reinterpret_cast<std::uint8_t*>(expected.data()) + 50 * kCostCentreRecordSize, 0,
                     kCostCentreRecordSize - 1, "Neubau Halle 2 und n");
    EXPECT_EQ(dir.read("kstst.dat"), expected) << "names 41..59 must survive the rewrite";
}

}  // namespace
}  // namespace kvx
