// The import's line reader (line ends, cut lines, chunk borders) and record writer (limit, removal, the
// same calls and failures whether it writes in line or on its own thread).
#include <gtest/gtest.h>

#include "tests/support/fault_file_system.h"
#include "base/io_error.h"
#include "catalogue/import_files.h"
#include "tests/support/catalogue_ram_fs.h"

namespace kvx {
namespace {

std::vector<std::string> readLines(const std::string& contents, std::size_t maxLength = 255) {
    test::RamFileSystem fs;
    fs.put("f.js", contents);
    LineReader in(fs, "f.js");
    std::vector<std::string> lines;
    std::string line;
    while (in.next(line, maxLength)) lines.push_back(line);
    return lines;
}

TEST(LineReader, LineEndsAndCuts) {
    using Lines = std::vector<std::string>;
    struct Row {
        std::string contents;
        Lines lines;
    };
    const Row rows[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"\r\n\r\nx", {"", "", "x"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"abcdef\r\nxy", {"abc", "xy"}},
    };
    for (const Row& r : rows) EXPECT_EQ(readLines(r.contents, 3), r.lines) << r.contents;
}

TEST(LineReader, LineEndSplitAcrossReadChunks) {
    // The reader reads 64 KiB at a time: put the CR at the end of one chunk and the LF at the start of the next.
    const std::string first(65535, 'a');
    const auto lines = readLines(first + "\r\nb\r\n" + std::string(70000, 'c') + "\r\nd");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(255, 'a'));
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], std::string(255, 'c'));
    EXPECT_EQ(lines[3], "d");
}

TEST(LineReader, MissingFile) {
    test::RamFileSystem fs;
    LineReader in(fs, "fehlt.js");
    EXPECT_FALSE(in.isOpen());
    std::string line;
    EXPECT_FALSE(in.next(line, 255));
}

TEST(RecordWriter, WritesSyncsAndStopsAt65535) {
    test::RamFileSystem fs;
    {
        RecordWriter out(fs, "r.new", 2);
        ASSERT_TRUE(out.create());
        const std::uint8_t rec[2] = {1, 2};
        for (int i = 0; i < 65535; ++i) ASSERT_TRUE(out.append(rec));
        EXPECT_FALSE(out.append(rec)) << "a 16-bit count cannot address more";
        out.finish();
    }
    EXPECT_EQ(fs.get("r.new").size(), 2u * 65535);
    {
        RecordWriter out(fs, "s.new", 2);
        ASSERT_TRUE(out.create());
        const std::uint8_t rec[2] = {1, 2};
        ASSERT_TRUE(out.append(rec));
    }
    EXPECT_FALSE(fs.exists("s.new")) << "an unfinished file is removed";
}

// A file of more than a sync step written in line and on the writer's thread: the same bytes, the same calls
// in the same order (the fault sweeps count on that), and a write or sync failing at any of those calls
// is reported with the file's name and the reason, and the unfinished file is removed.
TEST(RecordWriter, InLineAndOnItsOwnThreadAlike) {
    constexpr std::size_t kSize = 329;
    const std::uint32_t records = static_cast<std::uint32_t>(RecordWriter::kSyncStep / kSize + 1000);
    const auto write = [&](FileSystem& fs, bool background) {
        RecordWriter out(fs, "art.dat.new", kSize, background);
        if (!out.create()) throw IoError("create: " + out.error());
        std::vector<std::uint8_t> rec(kSize);
        for (std::uint32_t i = 0; i < records; ++i) {
            for (std::size_t k = 0; k < 4; ++k) rec[k] = static_cast<std::uint8_t>(i >> (8 * k));
            EXPECT_TRUE(out.append(rec.data()));
        }
        out.finish();
    };
    std::string expected;
    long calls[2] = {0, 0};
    for (const bool background : {false, true}) {
        test::RamFileSystem ram;
        FaultyFileSystem counting(ram);
        write(counting, background);
        calls[background] = counting.calls();
        const std::string bytes = ram.get("art.dat.new");
        ASSERT_EQ(bytes.size(), std::size_t{records} * kSize) << background;
        if (expected.empty()) expected = bytes;
        EXPECT_TRUE(bytes == expected) << "background " << background;
    }
    // One open, the writes of 256 KB (rounded up to whole records), one interim sync, the last one, close.
    const long perChunk = ((1 << 18) + kSize - 1) / kSize;
    EXPECT_EQ(calls[0], calls[1]);
    EXPECT_EQ(calls[0], 1 + (records + perChunk - 1) / perChunk + 3);
    for (const bool background : {false, true}) {
        for (const FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull}) {
            for (long n = 2; n <= calls[0]; ++n) {
                test::RamFileSystem ram;
                FaultyFileSystem faulty(ram);
                faulty.failAt(n, kind);
                std::string thrown;
                try {
                    write(faulty, background);
                } catch (const IoError& e) {
                    thrown = e.what();
                }
                const std::string where = "background " + std::to_string(background) + " call " + std::to_string(n);
                EXPECT_EQ(thrown, std::string("Schreibfehler in art.dat.new: ") +
                                      (kind == FaultKind::DiskFull ? "Disk full" : "I/O error 5"))
                    << where;
                EXPECT_FALSE(ram.exists("art.dat.new")) << where;
            }
        }
    }
}

}  // namespace
}  // namespace kvx
