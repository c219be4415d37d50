// Replays the committed stock fuzz seeds (tests/fuzz/stock_corpus) through the stock fuzz entry point.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "stock_fuzz_entry.h"

namespace kvx {
namespace {

TEST(StockFuzzCorpus, EverySeedRunsClean) {
    const std::filesystem::path corpus =
        std::filesystem::absolute(std::filesystem::path(__FILE__).parent_path() / ".." / "fuzz" / "stock_corpus");
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        test::fuzzStockInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

}  // namespace
}  // namespace kvx
