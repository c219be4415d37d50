// Replays the committed fuzz seeds (tests/fuzz/corpus, stock_corpus, files_corpus) through the entry points
// the fuzzers use, so that every seed that once found a fault keeps running clean in the ordinary tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue_fuzz_entry.h"
#include "files_fuzz_entry.h"
#include "stock_fuzz_entry.h"

namespace kvx {
namespace {

struct Corpus {
    const char* name;
    const char* folder;  // below tests/fuzz
    void (*entry)(const std::uint8_t*, std::size_t);
    int minimumSeeds;
};

const Corpus kCorpora[] = {
    {"Catalogue", "corpus", test::fuzzCatalogueInput, 10},
    {"Stock", "stock_corpus", test::fuzzStockInput, 5},
    {"UserFiles", "files_corpus", test::fuzzUserFilesInput, 5},
};

std::filesystem::path sourceDir() {
    // ctest names the source tree; run by hand, the tree the build was configured from.
    if (const char* dir = std::getenv("KVX_SOURCE_DIR")) return dir;
    return KVX_SOURCE_TREE;
}

class FuzzCorpus : public testing::TestWithParam<Corpus> {};

TEST_P(FuzzCorpus, EverySeedRunsClean) {
    const std::filesystem::path corpus = sourceDir() / "tests" / "fuzz" / GetParam().folder;
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        GetParam().entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++seeds;
    }
    EXPECT_GE(seeds, GetParam().minimumSeeds);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzCorpus, testing::ValuesIn(kCorpora),
                         [](const testing::TestParamInfo<Corpus>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvx
