// Replays the committed fuzz seed corpus (tests/fuzz/corpus) through the fuzz entry point.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue_fuzz_entry.h"

namespace kvx {
namespace {

TEST(CatalogueFuzzCorpus, EverySeedRunsClean) {
    const std::filesystem::path corpus =
        std::filesystem::absolute(std::filesystem::path(__FILE__).parent_path() / ".." / "fuzz" / "corpus");
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        test::fuzzCatalogueInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}

}  // namespace
}  // namespace kvx
