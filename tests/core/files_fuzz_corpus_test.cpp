// Replays the committed user-files fuzz seeds (tests/fuzz/files_corpus) through their fuzz entry point.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files_fuzz_entry.h"

namespace kvx {
namespace {

TEST(UserFilesFuzzCorpus, EverySeedRunsClean) {
    const std::filesystem::path corpus =
        std::filesystem::absolute(std::filesystem::path(__FILE__).parent_path() / ".." / "fuzz" / "files_corpus");
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        test::fuzzUserFilesInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

}  // namespace
}  // namespace kvx
