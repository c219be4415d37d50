// The import's line reader (line ends, cut lines, chunk borders) and record writer (limit, removal).
#include <gtest/gtest.h>

#include "base/io_error.h"
#include "catalogue/import_files.h"
#include "catalogue_ram_fs.h"

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

}  // namespace
}  // namespace kvx
