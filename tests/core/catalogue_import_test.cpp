// The catalogue import end to end: messages of each step, skipped lines, limits, group assignment,
// and the old catalogue kept whole when the import fails or the file system fails under it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "base/io_error.h"
#include "catalogue/catalogue_commit.h"
#include "catalogue/group_tree.h"
#include "catalogue/import.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"

namespace kvx {
namespace {

const std::string kCrLf = "\r\n";
const char* const kCatalogueFiles[] = {"whg.dat", "wog.dat", "wgg.dat", "art.dat"};

std::string joinLines(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + kCrLf;
    return s;
}

// Every article's product group carries its WgID as key, lies inside that group's span, and the
// upper and main group numbers are those of the tree path above it.
void expectAgreement(const Catalogue& c) {
    const GroupTables& g = c.groups();
    const GroupTree tree = buildGroupTree(g);
    for (std::uint32_t n = 0; n < c.articleCount(); ++n) {
        const CatalogueArticle a = c.articles().read(n);
        const int p = a.productGroupNumber();
        ASSERT_EQ(g.productGroup(p).key, a.wgId) << "record " << n;
        const NumberSpan span = g.articleSpanOfProduct(p);
        ASSERT_GE(n + 1, span.first) << "record " << n;
        ASSERT_LE(n + 1, span.last) << "record " << n;
        ASSERT_EQ(a.upperGroupNumber(), g.upperOfProduct(p)) << "record " << n;
        ASSERT_EQ(a.mainGroupNumber(), g.mainOfUpper(a.upperGroupNumber())) << "record " << n;
        const std::vector<int> path = findProductGroupNode(tree, p);
        ASSERT_EQ(path.size(), 3u) << "record " << n;
        const auto& mainNode = tree.roots[static_cast<std::size_t>(path[0])];
        ASSERT_EQ(mainNode.groupNumber, a.mainGroupNumber()) << "record " << n;
        ASSERT_EQ(mainNode.children[static_cast<std::size_t>(path[1])].groupNumber, a.upperGroupNumber());
    }
    // The tree's counts add up to the article count.
    int total = 0;
    for (const auto& root : tree.roots) total += unpackSpan(root.data).size();
    EXPECT_EQ(total, c.articleCount());
}

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override { test::writeSmallCatalogueSources(m_dir); }
    ImportResult run() { return runImport(m_fs, m_ui, m_catalogue); }
    std::vector<std::string> infos() const { return m_ui.linesStartingWith("info: "); }
    std::string snapshot() const {
        std::string s;
        for (const char* f : kCatalogueFiles) s += std::string(f) + "=" + test::fileBytes(m_dir, f) + "|";
        return s;
    }
    void replaceSource(const std::string& name, const std::vector<std::string>& lines) {
        m_dir.write("zelvodaten/" + name, joinLines(lines));
    }

    test::TempDir m_dir;
    PosixFileSystem m_fs;
    test::FakeUi m_ui;
    Catalogue m_catalogue;
};

TEST_F(ImportTest, SmallCatalogueImportsAndAgrees) {
    const ImportResult r = run();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.filesDone, 4);
    EXPECT_EQ(r.articleCount, 10);
    EXPECT_EQ(r.catalogueDate, 1161030);
    EXPECT_EQ(infos(), (std::vector<std::string>{"info: Datenimport erfolgreich beendet."}));
    ASSERT_TRUE(m_catalogue.isLoaded());
    EXPECT_EQ(m_catalogue.groups().mainCount(), 2);
    EXPECT_EQ(m_catalogue.groups().upperCount(), 3);
    EXPECT_EQ(m_catalogue.groups().productCount(), 4) << "the blank line and the closing line are skipped";
    EXPECT_EQ(m_catalogue.groups().upperGroupName(1), "A1 Widerst\xE4nde");
    EXPECT_EQ(m_catalogue.groups().mainArticleRange(2), (NumberSpan{8, 10}));
    expectAgreement(m_catalogue);
    // The same records as the hand-made files.
    const test::SmallCatalogue expected = test::smallCatalogue();
    for (std::uint32_t n = 0; n < 10; ++n) EXPECT_EQ(m_catalogue.articles().read(n), expected.articles[n]) << n;
    for (const char* f : kCatalogueFiles) EXPECT_FALSE(m_dir.exists(std::string(f) + ".new"));
    EXPECT_FALSE(m_dir.exists(kImportMarkerFile));
}

TEST_F(ImportTest, MissingSourcesAreReportedInOrder) {
    std::filesystem::remove(m_dir.path() / "zelvodaten/wo.js");
    std::filesystem::remove(m_dir.path() / "zelvodaten/art.js");
    const ImportResult r = run();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.filesDone, 0);
    EXPECT_EQ(infos(), (std::vector<std::string>{"info: Die Datei zelvodaten/art.js ist nicht vorhanden"}));
}

struct StepCase {
    const char* name;
    const char* file;
    std::vector<std::string> lines;
    std::vector<std::string> messages;
    bool ok;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class ImportStepTest : public ImportTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ImportStepTest, MessagesAndResult) {
    const StepCase& c = GetParam();
    replaceSource(c.file, c.lines);
    test::writeSmallCatalogueFiles(m_dir);
    ASSERT_TRUE(m_catalogue.load(m_fs));
    const std::string before = snapshot();
    const ImportResult r = run();
    EXPECT_EQ(infos(), c.messages);
    EXPECT_EQ(r.ok, c.ok);
    if (!c.ok) {
        EXPECT_EQ(snapshot(), before) << "a failed import leaves the old catalogue";
        EXPECT_TRUE(m_catalogue.isLoaded());
        EXPECT_EQ(m_catalogue.articleCount(), 10);
    }
    for (const char* f : kCatalogueFiles) EXPECT_FALSE(m_dir.exists(std::string(f) + ".new"));
}

const std::string kHead1 = "// Kopf", kHead2 = "var x = [";
const std::string kFail0 = "info: Fehler beim Datenimport 0 von 4 Dateien erzeugt.";
const std::string kFail1 = "info: Fehler beim Datenimport 1 von 4 Dateien erzeugt.";
const std::string kFail2 = "info: Fehler beim Datenimport 2 von 4 Dateien erzeugt.";
const std::string kFail3 = "info: Fehler beim Datenimport 3 von 4 Dateien erzeugt.";
const std::string kDone = "info: Datenimport erfolgreich beendet.";

std::vector<std::string> mainGroupLines(int n) {
    std::vector<std::string> lines{kHead1, kHead2};
    for (int i = 0; i < n; ++i)
        lines.push_back("'" + std::string(1, static_cast<char>('A' + i % 26)) + "@G@" +
                        std::to_string(i < 2 ? 1 + 2 * i : 3) + "',");
    return lines;
}

const StepCase kStepCases[] = {
    {"ProductGroupLineInErrorInTheMiddle",
     "wg.js",
     {kHead1, kHead2, "'W1@Kohleschicht@1',", "'W2@Metallfilm@drei',", "'K1@Keramik@6',", "'G1@Alu@8'", "];"},
     {"info: Datei zelvodaten/wg.js:Fehler 1", kDone},
     true},
    {"ProductGroupLastLineInError",
     "wg.js",
     {kHead1, kHead2, "'W1@Kohleschicht@1',", "'W2@Metallfilm@3',", "'K1@Keramik@6',", "'G1@Alu'", "];"},
     {"info: Datei zelvodaten/wg.js:Fehler 1", kFail0},
     false},
    {"ProductGroupsEmpty", "wg.js", {kHead1, kHead2, "];"}, {"info: Datei zelvodaten/wg.js:Fehler 0", kFail0}, false},
    {"UpperGroupLastLineInError",
     "wo.js",
     {kHead1, kHead2, "'A1@Widerstände@1',", "'A2@Kondensatoren@3',", "'B1@Gehäuse'"},
     {kFail1},
     false},
    {"UpperGroupErrorLineIsLeftOut",
     "wo.js",
     {kHead1, kHead2, "'A1@Widerstände@1',", "'XX@kaputt',", "'A2@Kondensatoren@3',", "'B1@Gehäuse@4'"},
     {kDone},
     true},
    {"MainGroupLineInError",
     "wh.js",
     {kHead1, kHead2, "'A@Bauelemente@1',", "'BB@Mechanik@3'"},
     {"info: zelvodaten/wh.js Datei nicht vorhanden oder fehlerhaft", kFail2},
     false},
    {"MainGroupsEmpty", "wh.js", {}, {"info: zelvodaten/wh.js Datei nicht vorhanden oder fehlerhaft", kFail2}, false},
    {"ThirtyOneMainGroupsWarnAndGoOn", "wh.js", mainGroupLines(31), {"info: hauptfs31>30", kDone}, true},
    {"ArticleLastDataLineNotAnArticle",
     "art.js",
     {"Katalog/2016/10/30", kHead2, test::simpleArticleLine("W1", "a", "b"), "  'W1@eingerückt'"},
     {kFail3},
     false},
    {"ArticleSourceEmpty", "art.js", {}, {kFail3}, false},
    {"ArticleSourceWithoutArticles", "art.js", {"Katalog/2016/10/30", kHead2, "];"}, {kFail3}, false},
};

INSTANTIATE_TEST_SUITE_P(Steps, ImportStepTest, ::testing::ValuesIn(kStepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportTest, LongLinesAreCutAndOddBytesPassWithoutHarm) {
    std::vector<std::string> f(33);
    f[0] = "W1";
    f[1] =
        "Ung\xC3\xBC"
        "ltig\xC3";  // a lone lead byte at the end of the field
    f[2] = "\xFF\xFE\x80";
    f[8] = std::string(300, 'x');  // pushes the rest of the line beyond 255 characters
    f[15] = "999";
    std::vector<std::string> lines{"Katalog/2016/10/30", kHead2};
    for (int i = 0; i < 10; ++i) lines.push_back(test::articleLine(f));
    replaceSource("art.js", lines);
    const ImportResult r = run();
    ASSERT_TRUE(r.ok) << m_ui.log.back();
    const CatalogueArticle a = m_catalogue.articles().read(0);
    EXPECT_EQ(a.kurzbez[0], "Ung\xFCltig?");
    EXPECT_EQ(a.kurzbez[1], "???") << "bytes that are no UTF-8 become one question mark each";
    EXPECT_EQ(a.beschreib1, std::string(25, 'x'));
    EXPECT_EQ(a.prices[0], 0) << "the price field lay beyond the 255th character";
}

TEST_F(ImportTest, MoreThan60000ArticlesStopWithAMessage) {
    std::string art = "Katalog/2016/10/30" + kCrLf + kHead2 + kCrLf;
    const std::string line = "'W1@a'" + kCrLf;
    for (int i = 0; i < 60001; ++i) art += line;
    m_dir.write("zelvodaten/art.js", art);
    const ImportResult r = run();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(infos(), (std::vector<std::string>{
                           "info: Datei zelvodaten/art.js: mehr als 60000 Artikel, Import abgebrochen", kFail3}));
}

TEST_F(ImportTest, GroupAssignmentFollowsTheFirstArticleNumbers) {
    // Groups starting at articles 1, 4, 4 (an empty group) and 6; articles in order; the WgIDs here
    // deliberately disagree with the groups to show the numbers decide.
    replaceSource("wg.js", {kHead1, kHead2, "'P1@a@1'", "'P2@b@4'", "'P3@c@4'", "'P4@d@6'"});
    replaceSource("wo.js", {kHead1, kHead2, "'U1@u@1'", "'U2@v@3'"});
    replaceSource("wh.js", {kHead1, kHead2, "'A@m@1'", "'B@n@2'"});
    std::vector<std::string> lines{"Katalog/2016/10/30", kHead2};
    for (int i = 0; i < 7; ++i) lines.push_back(test::simpleArticleLine("X", "a" + std::to_string(i), ""));
    replaceSource("art.js", lines);
    ASSERT_TRUE(run().ok);
    const int product[] = {1, 1, 1, 3, 3, 4, 4};
    const int upper[] = {1, 1, 1, 2, 2, 2, 2};
    const int main[] = {1, 1, 1, 2, 2, 2, 2};
    for (std::uint32_t n = 0; n < 7; ++n) {
        const CatalogueArticle a = m_catalogue.articles().read(n);
        EXPECT_EQ(a.productGroupNumber(), product[n]) << n;
        EXPECT_EQ(a.upperGroupNumber(), upper[n]) << n;
        EXPECT_EQ(a.mainGroupNumber(), main[n]) << n;
    }
    EXPECT_EQ(m_catalogue.groups().articleSpanOfProduct(2).size(), 0);
    EXPECT_EQ(m_catalogue.groups().articleSpanOfProduct(3), (NumberSpan{4, 5}));
}

TEST_F(ImportTest, InterruptedCommitIsFinishedAtTheNextLoad) {
    test::writeSmallCatalogueFiles(m_dir);
    // A commit that stopped after the first rename: marker and three ".new" files are left.
    m_dir.write("wgg.dat", test::fileBytes(m_dir, "wgg.dat") + std::string(49, '\0'));
    for (const char* f : {"wog.dat", "whg.dat", "art.dat"})
        m_dir.write(std::string(f) + ".new", test::fileBytes(m_dir, f));
    m_dir.write("art.dat", "");
    m_dir.write(kImportMarkerFile, "");
    ASSERT_TRUE(m_catalogue.load(m_fs));
    EXPECT_EQ(m_catalogue.articleCount(), 10);
    EXPECT_FALSE(m_dir.exists(kImportMarkerFile));
    EXPECT_FALSE(m_dir.exists("art.dat.new"));
    // Without a marker, ".new" files are leftovers of an import that never committed.
    m_dir.write("art.dat.new", "halb");
    ASSERT_TRUE(m_catalogue.load(m_fs));
    EXPECT_FALSE(m_dir.exists("art.dat.new"));
    EXPECT_EQ(m_catalogue.articleCount(), 10);
}

// Every call of the import failing in turn, with each kind of fault: afterwards (and after a crash,
// once the unsynced writes are dropped and the catalogue loaded again) the four files are either all
// old or all new. Runs on the in-memory file system; the faults are the same.
TEST_F(ImportTest, FaultAtEveryCallLeavesOldOrNewCatalogue) {
    // The old catalogue differs from what the sources give: one more article.
    test::writeSmallCatalogueFiles(m_dir);
    m_dir.write("art.dat", test::fileBytes(m_dir, "art.dat") + std::string(329, '\0'));
    std::map<std::string, std::string> initial;
    for (const char* f : kCatalogueFiles) initial[f] = m_dir.read(f);
    for (const char* f : {"art.js", "wh.js", "wo.js", "wg.js"})
        initial[std::string("zelvodaten/") + f] = m_dir.read(std::string("zelvodaten/") + f);
    const auto fresh = [&initial] {
        auto ram = std::make_unique<test::RamFileSystem>();
        for (const auto& [path, contents] : initial) ram->put(path, contents);
        return ram;
    };
    const auto catalogueFiles = [](const test::RamFileSystem& ram) {
        std::string s;
        for (const char* f : kCatalogueFiles) s += ram.get(f) + "|";
        return s;
    };
    const std::string oldFiles = catalogueFiles(*fresh());
    std::string newFiles;
    long calls = 0;
    {
        auto ram = fresh();
        FaultyFileSystem counting(*ram);
        test::FakeUi ui;
        Catalogue c;
        ASSERT_TRUE(c.load(counting));
        counting.failAt(0, FaultKind::IoError);
        ASSERT_TRUE(runImport(counting, ui, c).ok);
        calls = counting.calls();
        newFiles = catalogueFiles(*ram);
    }
    ASSERT_TRUE(oldFiles != newFiles);
    ASSERT_GT(calls, 20);
    for (const FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1; n <= calls + 1; ++n) {
            auto ram = fresh();
            FaultyFileSystem faulty(*ram);
            test::FakeUi ui;
            Catalogue c;
            ASSERT_TRUE(c.load(faulty));
            faulty.failAt(n, kind);
            bool ok = false;
            try {
                ok = runImport(faulty, ui, c).ok;
            } catch (const IoError&) {
            }
            if (kind == FaultKind::Crash) faulty.dropUnsyncedWrites();
            Catalogue after;
            const bool loaded = after.load(*ram);
            const std::string files = catalogueFiles(*ram);
            const std::string where = "fault " + std::to_string(static_cast<int>(kind)) + " at " + std::to_string(n);
            EXPECT_TRUE(files == oldFiles || files == newFiles) << where;
            EXPECT_TRUE(loaded) << where;
            if (ok) {
                EXPECT_TRUE(files == newFiles) << "reported success with a " << where;
            }
            for (const char* f : kCatalogueFiles) EXPECT_FALSE(ram->exists(std::string(f) + ".new")) << where;
            EXPECT_FALSE(ram->exists(kImportMarkerFile)) << where;
        }
    }
}

TEST(ImportDemo, GeneratedCatalogueAgrees) {
    // The demo data lie in data/zelvodaten of the source tree; they are part of it, so their absence fails.
    const char* source = std::getenv("KVX_SOURCE_DIR");
    const std::filesystem::path root = source
                                           ? std::filesystem::path(source)
                                           : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    const std::filesystem::path demo = root / "data" / "zelvodaten";
    ASSERT_TRUE(std::filesystem::exists(demo / "art.js")) << "no demo catalogue in " << demo;
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "zelvodaten");
    for (const char* f : {"art.js", "wh.js", "wo.js", "wg.js"})
        std::filesystem::copy_file(demo / f, dir.path() / "zelvodaten" / f);
    PosixFileSystem fs;
    test::FakeUi ui;
    Catalogue c;
    const ImportResult r = runImport(fs, ui, c);
    ASSERT_TRUE(r.ok) << (ui.log.empty() ? "" : ui.log.front());
    EXPECT_EQ(ui.linesStartingWith("info: "), (std::vector<std::string>{kDone}));
    EXPECT_GT(r.catalogueDate, 0);
    EXPECT_GT(c.articleCount(), 1000);
    expectAgreement(c);
}

}  // namespace
}  // namespace kvx
