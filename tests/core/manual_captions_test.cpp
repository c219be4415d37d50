// The manual names every command of the menus by its caption: a new menu item without a word in
// docs/handbuch fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/menus.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

fs::path sourceTree() {
    if (const char* dir = std::getenv("KVX_SOURCE_DIR")) return dir;
    return KVX_SOURCE_TREE;
}

std::string manualText() {
    std::string all;
    for (const auto& entry : fs::directory_iterator(sourceTree() / "docs" / "handbuch")) {
        if (entry.path().extension() != ".md") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        all += text.str();
        all += '\n';
    }
    return all;
}

// Every caption any menu shows, in any mode and with or without the help engine (UTF-8, as in the manual).
std::set<std::string> allCaptions() {
    std::set<std::string> captions;
    const int menus[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 30};
    std::vector<int> numbers(std::begin(menus), std::end(menus));
    for (int m = 400; m <= 424; ++m) numbers.push_back(m);
    for (int m : numbers) {
        for (bool stock : {false, true}) {
            for (bool help : {false, true}) {
                MenuTable table;
                const int count = fillProgramMenu(m, table, {stock, help});
                for (int i = 1; i <= count; ++i) {
                    const std::string& caption = table.entry(i).caption;
                    if (!caption.empty() && caption != "-") captions.insert(caption);
                }
            }
        }
    }
    return captions;
}

TEST(ManualCaptions, EveryMenuCaptionIsInTheManual) {
    const std::string manual = manualText();
    ASSERT_FALSE(manual.empty()) << "no chapters in " << (sourceTree() / "docs" / "handbuch");
    const std::set<std::string> captions = allCaptions();
    // The menus hold far more than a handful of distinct captions; fewer means the walk above missed them.
    ASSERT_GT(captions.size(), 80U);
    for (const std::string& caption : captions)
        EXPECT_NE(manual.find(caption), std::string::npos) << "the manual does not mention \"" << caption << "\"";
}

}  // namespace
}  // namespace kvx
