// The catalogue fuzz entry: line parsers, record decoders, loading damaged files, importing bad sources.
#include "catalogue_fuzz_entry.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/article_pages.h"
#include "catalogue/catalogue.h"
#include "catalogue/dimensions.h"
#include "catalogue/group_tree.h"
#include "catalogue/import.h"
#include "catalogue/import_parsers.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/fake_ui.h"

namespace kvx::test {

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> splitParts(std::string_view rest) {
    std::vector<std::string> parts;
    for (int i = 0; i < 4; ++i) {
        const std::size_t sep = rest.find("#|#");
        parts.emplace_back(rest.substr(0, sep));
        if (sep == std::string_view::npos) break;
        rest = rest.substr(sep + 3);
    }
    return parts;
}

void fuzzLine(std::string_view line) {
    CatalogueArticle a;
    if (parseArticleLine(line, a)) {
        check(a.wgId.size() <= 5 && a.beschreib1.size() <= 25 && a.kurzbez[0].size() <= 24);
        check(a.additionalCount >= 1 && a.additionalCount <= 6);
        check(CatalogueArticle::decode(a.encode()) == a);
    }
    KeyedGroup g;
    parseKeyedGroupLine(line, g);
    check(g.key.size() <= 5 && g.name.size() <= 40);
    MainGroup m;
    parseMainGroupLine(line, m);
    check(m.name.size() <= 40);
    parseCatalogueDate(line);
    const Dimensions d = extractDimensions(line);
    check(d.count >= 0 && d.count <= 3);
    check(importText(line, 24).size() <= 24);
    parseImportInteger(line);
    parseHexValue(line);
    double v = 0;
    parseDecimalNumber(line, v);
}

void fuzzRecordBytes(const std::uint8_t* data, std::size_t size) {
    if (size >= MainGroup::kSize) {
        const MainGroup m = MainGroup::decode(data);
        check(MainGroup::decode(m.encode().data()) == m);
    }
    if (size >= KeyedGroup::kSize) {
        const KeyedGroup g = KeyedGroup::decode(data);
        check(KeyedGroup::decode(g.encode().data()) == g);
    }
    if (size >= CatalogueArticle::kWorkingSize) {
        const CatalogueArticle a = CatalogueArticle::decode(data, size);
        check(CatalogueArticle::decode(a.encode()).kurzbez == a.kurzbez);
        GroupTables empty;
        catalogueArticlePage(empty, 1, a);
        listPriceText(a, true);
        descriptionText(a);
    }
}

void showCatalogue(Catalogue& c, FakeUi& ui) {
    const GroupTree tree = buildGroupTree(c.groups());
    CatalogueListRange range;
    int nodes = 0;
    for (const GroupTreeNode& root : tree.roots) {
        if (++nodes > 50) break;
        selectGroupNode(range, root.data, ui);
        if (range.size() <= kMaxCatalogueListRows)
            catalogueListRows(c.articles(), range.first, range.last, StatusFilter{1, 1, 1, 1, 1}, true);
    }
    const std::uint32_t shown = std::min<std::uint32_t>(c.articleCount(), 20);
    for (std::uint32_t n = 0; n <= shown; ++n) {
        const CatalogueArticle a = c.articles().read(n);
        catalogueArticlePage(c.groups(), static_cast<ArticleNumber>(n), a);
        const ArticleGroupLocation loc = locateArticleGroup(c.groups(), tree, a.productGroupNumber());
        check(!loc.found || loc.path.size() == 3);
    }
}

void fuzzFiles(std::string_view rest, const char* const names[4], bool import) {
    const std::vector<std::string> parts = splitParts(rest);
    RamFileSystem fs;
    for (std::size_t i = 0; i < parts.size(); ++i) fs.put(names[i], parts[i]);
    FakeUi ui;
    Catalogue c;
    if (import) {
        const ImportResult r = runImport(fs, ui, c);
        check(r.ok == c.isLoaded());
        if (r.ok) check(c.articleCount() <= kMaxImportArticles);
    } else {
        (void)c.load(fs);  // garbage may not load; what did load is shown below
    }
    if (c.isLoaded()) showCatalogue(c, ui);
}

}  // namespace

void fuzzCatalogueInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    static const char* const kRecordFiles[4] = {"whg.dat", "wog.dat", "wgg.dat", "art.dat"};
    static const char* const kSourceFiles[4] = {"zelvodaten/wh.js", "zelvodaten/wo.js", "zelvodaten/wg.js",
                                                "zelvodaten/art.js"};
    switch (data[0]) {
        case 1:
            fuzzFiles(rest, kRecordFiles, false);
            break;
        case 2:
            fuzzFiles(rest, kSourceFiles, true);
            break;
        default:
            fuzzLine(rest.substr(0, kMaxSourceLine));
            fuzzRecordBytes(data + 1, size - 1);
            break;
    }
}

}  // namespace kvx::test
