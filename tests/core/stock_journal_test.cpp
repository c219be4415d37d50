// The journal of after-images: its file form, the commit, and the replay or drop at start.
#include "stock/journal.h"

#include <gtest/gtest.h>

#include "tests/support/fault_file_system.h"
#include "tests/support/catalogue_ram_fs.h"

namespace kvx {
namespace {

ChangeSet sampleChange() {
    ChangeSet c;
    const std::string abc = "abc", def = "def", xyz = "xyz";
    c.write("m/a.dat", 12, 3, reinterpret_cast<const std::uint8_t*>(abc.data()), 3);
    c.write("m/a.dat", 12, 6, reinterpret_cast<const std::uint8_t*>(def.data()), 3);  // merged with the first
    c.write("m/a.dat", 12, 0, reinterpret_cast<const std::uint8_t*>(xyz.data()), 3);
    c.file("m/b.dat", 0);  // emptied
    return c;
}

std::set<std::string> allowed() {
    return {"m/a.dat", "m/b.dat"};
}

TEST(Journal, EncodesAndDecodesTheChange) {
    const ChangeSet c = sampleChange();
    ASSERT_EQ(c.files().size(), 2u);
    ASSERT_EQ(c.files()[0].writes.size(), 2u) << "adjacent writes merge";
    EXPECT_EQ(c.files()[0].writes[0].bytes, (Bytes{'a', 'b', 'c', 'd', 'e', 'f'}));
    EXPECT_EQ(c.payloadBytes(), 9u);
    const Bytes j = c.encode();
    ChangeSet back;
    ASSERT_TRUE(ChangeSet::decode(j.data(), j.size(), back));
    ASSERT_EQ(back.files().size(), 2u);
    EXPECT_EQ(back.files()[0].path, "m/a.dat");
    EXPECT_EQ(back.files()[0].finalSize, 12u);
    EXPECT_EQ(back.files()[0].writes[1].offset, 0u);
    EXPECT_EQ(back.files()[1].finalSize, 0u);
    EXPECT_TRUE(back.files()[1].writes.empty());
    EXPECT_EQ(back.encode(), j);
    const auto* digits = reinterpret_cast<const std::uint8_t*>("123456789123456789");
    EXPECT_EQ(crc32(digits, 9), 0xE3069283u) << "the standard check value";
    EXPECT_EQ(crc32Update(crc32(digits, 5), digits + 5, 13), crc32(digits, 18)) << "continued over pieces";
    EXPECT_EQ(crc32Portable(digits, 9), 0xE3069283u);
    EXPECT_EQ(crc32Portable(j.data(), j.size()), crc32(j.data(), j.size()));
}

TEST(Journal, OnlyACompleteSoundJournalDecodes) {
    const Bytes j = sampleChange().encode();
    ChangeSet out;
    for (std::size_t cut = 0; cut < j.size(); ++cut)
        EXPECT_FALSE(ChangeSet::decode(j.data(), cut, out)) << "cut at " << cut;
    for (std::size_t i = 0; i < j.size(); ++i) {
        Bytes bad = j;
        bad[i] ^= 0x10;
        EXPECT_FALSE(ChangeSet::decode(bad.data(), bad.size(), out)) << "flipped byte " << i;
    }
    Bytes longer = j;
    longer.push_back(0);
    EXPECT_FALSE(ChangeSet::decode(longer.data(), longer.size(), out));

    // Well-formed checksum around a body that lies: a write beyond the final size, a count beyond the bytes.
    ChangeSet beyond;
    const std::uint8_t x[4] = {1, 2, 3, 4};
    beyond.write("m/a.dat", 2, 0, x, 4);
    const Bytes b = beyond.encode();
    EXPECT_FALSE(ChangeSet::decode(b.data(), b.size(), out));
    ChangeSet one;
    one.file("m/a.dat", 0);
    Bytes many = one.encode();
    putU32(many.data(), 20, 1000000);  // number of files
    putU32(many.data(), 16, crc32(many.data() + 20, many.size() - 20));
    EXPECT_FALSE(ChangeSet::decode(many.data(), many.size(), out));
    EXPECT_TRUE(out.empty());
}

TEST(Journal, CommitAppliesAndRemovesTheJournal) {
    test::RamFileSystem ram;
    ram.put("m/a.dat", "0123456789ABCDEF");
    ram.put("m/b.dat", "old");
    const CommitResult r = commitChange(ram, "m/journal.dat", sampleChange());
    EXPECT_TRUE(r.applied);
    EXPECT_TRUE(r.settled);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(ram.get("m/a.dat"), "xyzabcdef9AB") << "written, then cut to the final size";
    EXPECT_TRUE(ram.exists("m/b.dat"));
    EXPECT_EQ(ram.get("m/b.dat"), "");
    EXPECT_FALSE(ram.exists("m/journal.dat"));
}

TEST(Journal, RecoveryReplaysCompleteAndDropsTheRest) {
    struct Row {
        const char* name;
        Bytes journal;
        RecoveryOutcome outcome;
        std::string a;
    };
    const Bytes good = sampleChange().encode();
    ChangeSet foreign;
    foreign.file("settings.dat", 0);
    const Row rows[] = {
        {"complete", good, RecoveryOutcome::Replayed, "xyzabcdef9AB"},
        {"torn", Bytes(good.begin(), good.end() - 1), RecoveryOutcome::Dropped, "0123456789ABCDEF"},
        {"empty", Bytes{}, RecoveryOutcome::Dropped, "0123456789ABCDEF"},
        {"naming a file that is not ours", foreign.encode(), RecoveryOutcome::Dropped, "0123456789ABCDEF"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::RamFileSystem ram;
        ram.put("m/a.dat", "0123456789ABCDEF");
        ram.put("settings.dat", "keep");
        ram.put("m/journal.dat", std::string(row.journal.begin(), row.journal.end()));
        const RecoveryResult r = recoverJournal(ram, "m/journal.dat", allowed());
        EXPECT_EQ(r.outcome, row.outcome);
        EXPECT_EQ(ram.get("m/a.dat"), row.a);
        EXPECT_EQ(ram.get("settings.dat"), "keep");
        EXPECT_FALSE(ram.exists("m/journal.dat"));
        EXPECT_EQ(recoverJournal(ram, "m/journal.dat", allowed()).outcome, RecoveryOutcome::NoJournal);
    }
    // Replaying twice (a crash during the replay) gives the same files.
    test::RamFileSystem ram;
    ram.put("m/a.dat", "0123456789ABCDEF");
    ram.put("m/journal.dat", std::string(good.begin(), good.end()));
    FaultyFileSystem faulty(ram);
    faulty.failAt(6, FaultKind::Crash);  // part-way through the replay
    EXPECT_EQ(recoverJournal(faulty, "m/journal.dat", allowed()).outcome, RecoveryOutcome::Failed);
    faulty.dropUnsyncedWrites();
    ASSERT_TRUE(ram.exists("m/journal.dat"));
    EXPECT_EQ(recoverJournal(ram, "m/journal.dat", allowed()).outcome, RecoveryOutcome::Replayed);
    EXPECT_EQ(ram.get("m/a.dat"), "xyzabcdef9AB");
    EXPECT_EQ(ram.get("m/b.dat"), "");
}

// A fault at every call of a commit: the failure is reported with the file and reason, and after recovery the
// files are all before or all after; a reported success is durable.
TEST(Journal, CommitUnderFaultsIsAllOrNothingAfterRecovery) {
    const std::string before = "0123456789ABCDEF", after = "xyzabcdef9AB";
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            const std::string where = "kind " + std::to_string(static_cast<int>(kind)) + " call " + std::to_string(n);
            test::RamFileSystem ram;
            ram.put("m/a.dat", before);
            ram.put("m/b.dat", "old");
            FaultyFileSystem fs(ram);
            fs.failAt(n, kind);
            const CommitResult r = commitChange(fs, "m/journal.dat", sampleChange());
            const bool reached = fs.calls() >= n;
            fs.dropUnsyncedWrites();
            if (!r.applied || !r.settled) {
                EXPECT_NE(r.error.find("m/"), std::string::npos) << where << ": " << r.error;
                EXPECT_TRUE(r.error.find("I/O error 5") != std::string::npos ||
                            r.error.find("Disk full") != std::string::npos)
                    << where << ": " << r.error;
            }
            EXPECT_NE(recoverJournal(ram, "m/journal.dat", allowed()).outcome, RecoveryOutcome::Failed) << where;
            const bool isBefore = ram.get("m/a.dat") == before && ram.get("m/b.dat") == "old";
            const bool isAfter = ram.get("m/a.dat") == after && ram.exists("m/b.dat") && ram.get("m/b.dat").empty();
            EXPECT_TRUE(isBefore || isAfter) << where;
            if (r.applied) {
                EXPECT_TRUE(isAfter) << "reported done but lost, " << where;
            }
            if (!reached) {
                EXPECT_TRUE(r.applied && r.settled) << where;
                break;
            }
        }
    }
}

}  // namespace
}  // namespace kvx
