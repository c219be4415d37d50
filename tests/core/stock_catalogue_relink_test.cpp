// My Articles after a catalogue import: the identity rule on ambiguous names, the re-link of the records,
// the booking positions and the direct order, the report, the data taken over, and the import with the
// re-link under a fault at every file call (old catalogue with old My Articles, or new with new, after
// the recovery at the next start).
#include <gtest/gtest.h>

#include <algorithm>

#include "base/io_error.h"
#include "catalogue/catalogue_commit.h"
#include "catalogue/import.h"
#include "stock/article_identity.h"
#include "stock/catalogue_relink.h"
#include "stock/orders.h"
#include "stock/stock_reports.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

using test::StockWorld;

// ---- the identity rule ----

ArticleIdentity id(std::string wg, std::string name, std::string d1 = "", std::string d2 = "") {
    return {std::move(wg), std::move(name), std::move(d1), std::move(d2)};
}

TEST(ArticleIdentityRule, AmbiguousNamesAreDecidedByTheDescriptionsOrNotAtAll) {
    struct Row {
        const char* what;
        ArticleIdentity old;
        std::vector<std::pair<ArticleNumber, ArticleIdentity>> fresh;
        std::optional<ArticleNumber> expected;
    };
    const std::vector<Row> rows = {
        {"one with group and name", id("W1", "BC547", "x"), {{7, id("W1", "BC547", "y")}, {8, id("W2", "BC547")}}, 7},
        {"name only in another group", id("W1", "BC547"), {{8, id("W2", "BC547")}}, std::nullopt},
        {"group only with another name", id("W1", "BC547"), {{8, id("W1", "BC548")}}, std::nullopt},
        {"nothing at all", id("W1", "BC547"), {}, std::nullopt},
        {"two by name, one by description",
         id("W1", "10K", "Metall 1%", "0,6W"),
         {{3, id("W1", "10K", "Kohle 5%", "0,25W")}, {4, id("W1", "10K", "Metall 1%", "0,6W")}},
         4},
        {"second description differs",
         id("W1", "10K", "Metall", "0,6W"),
         {{3, id("W1", "10K", "Metall", "0,25W")}, {4, id("W1", "10K", "Metall", "0,6W")}},
         4},
        {"two by name and both by description",
         id("W1", "10K", "Metall"),
         {{3, id("W1", "10K", "Metall")}, {4, id("W1", "10K", "Metall")}},
         std::nullopt},
        {"two by name, none by description",
         id("W1", "10K", "Metall"),
         {{3, id("W1", "10K", "Kohle")}, {4, id("W1", "10K", "Draht")}},
         std::nullopt},
        {"key parts do not run into each other",
         id("AB", "C1"),
         {{5, id("ABC", "1")}, {6, id("A", "BC1")}},
         std::nullopt},
        {"case counts", id("W1", "bc547"), {{7, id("W1", "BC547")}}, std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(chooseIdentical(r.old, r.fresh), r.expected) << r.what;
}

TEST(ArticleIdentityRule, MatcherKeepsOnlyTheWantedRecordsAndAppliesTheRule) {
    auto record = [](const char* wg, const char* name, const char* d1, Money price) {
        CatalogueArticle a;
        a.wgId = wg;
        a.kurzbez[0] = name;
        a.beschreib1 = d1;
        a.prices[0] = price;
        return a.encode();
    };
    IdentityMatcher m;
    m.want(id("W1", "10K", "Metall"));
    m.want(id("K1", "100N"));
    const std::vector<Bytes> fresh = {record("W1", "4K7", "Metall", 1), record("W1", "10K", "Kohle", 2),
                                      record("W1", "10K", "Metall", 3), record("K1", "100N", "X7R", 4),
                                      record("K1", "100N", "X7R", 5)};
    for (std::size_t i = 0; i < fresh.size(); ++i)
        m.offer(static_cast<ArticleNumber>(i), fresh[i].data(), fresh[i].size());
    EXPECT_EQ(m.find(id("W1", "10K", "Metall")), ArticleNumber{2});
    EXPECT_EQ(m.find(id("K1", "100N")), std::nullopt) << "two alike, descriptions equal";
    EXPECT_EQ(m.find(id("W1", "4K7", "Metall")), std::nullopt) << "not wanted, not kept";
    EXPECT_EQ(CatalogueArticle::decode(m.workingCopy(2)).prices[0], 3);
    EXPECT_TRUE(m.workingCopy(0).empty());
}

// ---- the re-link through the import ----

struct Art {
    std::string wg, name, description;
    int price;
};

// The small catalogue's articles as sources; the product groups' first numbers follow the article list.
const std::vector<Art> kOriginal = {{"W1", "ART0", "Beschreibung 0", 100}, {"W1", "ART1", "Beschreibung 1", 101},
                                    {"W2", "ART2", "Beschreibung 2", 102}, {"W2", "ART3", "Beschreibung 3", 103},
                                    {"W2", "ART4", "Beschreibung 4", 104}, {"K1", "ART5", "Beschreibung 5", 105},
                                    {"K1", "ART6", "Beschreibung 6", 106}, {"G1", "ART7", "Beschreibung 7", 107},
                                    {"G1", "ART8", "Beschreibung 8", 108}, {"G1", "ART9", "Beschreibung 9", 109}};

// Two articles inserted at the front, ART3 dearer, ART6 gone.
std::vector<Art> changedCatalogue() {
    std::vector<Art> a = kOriginal;
    a.insert(a.begin(), {{"W1", "NEU1", "Neu 1", 90}, {"W1", "NEU2", "Neu 2", 91}});
    for (Art& x : a)
        if (x.name == "ART3") x.price = 125;
    a.erase(std::find_if(a.begin(), a.end(), [](const Art& x) { return x.name == "ART6"; }));
    return a;
}

void putSources(test::RamFileSystem& ram, const std::vector<Art>& articles) {
    const std::string crlf = "\r\n";
    ram.put("zelvodaten/wh.js",
            "// H" + crlf + "var wh = [" + crlf + "'A@Bauelemente@1'," + crlf + "'B@Mechanik@3'" + crlf + "];" + crlf);
    ram.put("zelvodaten/wo.js", "// O" + crlf + "var wo = [" + crlf + "'A1@Widerstaende@1'," + crlf +
                                    "'A2@Kondensatoren@3'," + crlf + "'B1@Gehaeuse@4'" + crlf + "];" + crlf);
    std::string wg = "// W" + crlf + "var wg = [" + crlf;
    const char* groups[] = {"W1", "W2", "K1", "G1"};
    for (const char* g : groups) {
        const auto first = std::find_if(articles.begin(), articles.end(), [g](const Art& x) { return x.wg == g; });
        wg += std::string("'") + g + "@Gruppe " + g + "@" + std::to_string(first - articles.begin() + 1) + "'," + crlf;
    }
    ram.put("zelvodaten/wg.js", wg + "];" + crlf);
    std::string art = "// Zelvo Artikel http://www.zelvo.de/Katalog/2016/10/30 Stand" + crlf + "var art = [" + crlf;
    for (const Art& a : articles) art += test::simpleArticleLine(a.wg, a.name, a.description, 1, 1, a.price) + crlf;
    ram.put("zelvodaten/art.js", art + "];" + crlf);
}

ArticleNumber numberOf(const Catalogue& c, const std::string& name) {
    for (std::uint32_t n = 0; n < c.articleCount(); ++n)
        if (c.articles().read(n).kurzbez[0] == name) return static_cast<ArticleNumber>(n);
    ADD_FAILURE() << name << " not in the catalogue";
    return 0;
}

// The world of the story: the original catalogue imported; My Articles holds ART1, ART6 and ART8 (records
// 0, 1, 2) with stock; an order names all three, a demand ART8 and ART6, the direct order ART3 and ART6;
// the changed sources wait in zelvodaten/.
void storyWorld(StockWorld& w, const std::vector<Art>& next = changedCatalogue()) {
    putSources(w.ram, kOriginal);
    test::FakeUi ui;
    ASSERT_TRUE(runImport(w.ram, ui, w.catalogue).ok);
    std::vector<MyArticleRecord> records;
    int stock = 5;
    for (const char* name : {"ART1", "ART6", "ART8"}) {
        const ArticleNumber a = numberOf(w.catalogue, name);
        MyArticleRecord r = makeMyArticleRecord(a, w.catalogue.articles().readWorkingCopy(a));
        r.stock = static_cast<std::int16_t>(stock++);
        records.push_back(r);
    }
    w.putMyArticles(records);
    auto named = [&](BookingDocument d) {
        for (std::size_t i = 0; i < d.validPositions(); ++i)
            d.positions[i].catalogueNumber = records[d.positions[i].recordNumber].articleNumber;
        return d;
    };
    w.putDocuments(BookingFile::Orders, {named(StockWorld::document(0, 0, 0, 0, {{0, 3}, {1, 4}, {2, 5}}))});
    w.putDocuments(BookingFile::Demand, {named(StockWorld::document(0, 0, 0, 0, {{2, 7}, {1, 8}}))});
    BookingDocument direct = BookingDocument::initialised(1261101);
    for (const char* name : {"ART3", "ART6"}) {
        const ArticleNumber a = numberOf(w.catalogue, name);
        ASSERT_TRUE(addCataloguePosition(direct, a, w.catalogue.articles().read(a)));
    }
    w.putDocuments(BookingFile::DirectOrder, {direct});
    putSources(w.ram, next);
}

struct Outcome {
    bool ok = false;
    RelinkReport report;
};

Outcome importWithRelink(FileSystem& fs, StockSession& s, Catalogue& c, test::FakeUi& ui) {
    CatalogueRelink relink(fs, s, c);
    Outcome o;
    o.ok = runImport(fs, ui, c, {}, nullptr, &relink).ok;
    o.report = relink.report();
    return o;
}

TEST(CatalogueRelink, EntriesFollowTheirArticlesAndTheVanishedOneIsMarked) {
    StockWorld w;
    storyWorld(w);
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    ASSERT_TRUE(s.open().empty());
    s.loadCurrentDocuments(0);
    test::FakeUi ui;
    const Outcome o = importWithRelink(w.ram, s, w.catalogue, ui);
    ASSERT_TRUE(o.ok);
    ASSERT_TRUE(o.report.done) << o.report.error;
    EXPECT_FALSE(w.ram.exists(kRelinkJournalFile));
    EXPECT_FALSE(w.ram.exists("zuordnung.dat.new"));

    // Sorted by the new numbers: ART1, ART8, then ART6 without an article; stock and groups follow.
    const ArticleNumber art1 = numberOf(w.catalogue, "ART1"), art8 = numberOf(w.catalogue, "ART8");
    EXPECT_EQ(art1, 3);
    ASSERT_EQ(s.myArticleCount(), 3u);
    const MyArticleRecord r0 = *s.readMyArticle(0), r1 = *s.readMyArticle(1), r2 = *s.readMyArticle(2);
    EXPECT_EQ(r0.articleNumber, art1);
    EXPECT_EQ(r0.stock, 5);
    EXPECT_EQ(r1.articleNumber, art8);
    EXPECT_EQ(r1.stock, 7);
    EXPECT_EQ(r1.goodsGroup, w.catalogue.articles().read(art8).productGroupNumber());
    EXPECT_TRUE(r2.notInCatalogue());
    EXPECT_EQ(r2.stock, 6);
    EXPECT_EQ(articleName(r2.article()), "ART6") << "the record keeps its data";
    EXPECT_EQ(s.index().numbers(), (std::vector<ArticleNumber>{art1, art8, kNotInCatalogue}));

    // Positions name the moved records, and the articles' new numbers.
    const BookingDocument order = *s.readDocument(BookingFile::Orders, 0);
    const std::vector<std::pair<int, int>> orderPositions = {{0, 3}, {2, 4}, {1, 5}};
    for (std::size_t i = 0; i < orderPositions.size(); ++i) {
        EXPECT_EQ(order.positions[i].recordNumber, orderPositions[i].first) << i;
        EXPECT_EQ(order.positions[i].quantity, orderPositions[i].second) << i;
        EXPECT_EQ(order.positions[i].catalogueNumber, s.readMyArticle(order.positions[i].recordNumber)->articleNumber);
    }
    const BookingDocument demand = *s.readDocument(BookingFile::Demand, 0);
    EXPECT_EQ(demand.positions[0].recordNumber, 1);
    EXPECT_EQ(demand.positions[1].recordNumber, 2);
    // The current order held in memory was taken from the file again.
    EXPECT_EQ(s.current(BookingFile::Orders).document, order);

    // The direct order: ART3 found at its new number, ART6 names nothing.
    const BookingDocument direct = *s.readDocument(BookingFile::DirectOrder, 0);
    EXPECT_EQ(direct.positions[0].recordNumber, numberOf(w.catalogue, "ART3"));
    EXPECT_EQ(direct.positions[0].catalogueNumber, numberOf(w.catalogue, "ART3"));
    EXPECT_EQ(direct.positions[1].recordNumber, kNotInCatalogue);
    EXPECT_EQ(s.current(BookingFile::DirectOrder).document, direct);

    EXPECT_EQ(o.report.moved(), 2u);
    EXPECT_EQ(o.report.notFound(), 1u);
    EXPECT_EQ(o.report.priceChanges(), 0u) << "none of My Articles got dearer";
    ASSERT_EQ(o.report.direct.size(), 2u);
}

TEST(CatalogueRelink, ReportNamesNumbersPricesAndPositionsAndPricesAreTakenOverOnRequest) {
    StockWorld w;
    std::vector<Art> next = changedCatalogue();
    for (Art& x : next)
        if (x.name == "ART8") x.price = 216;  // twice as dear
    storyWorld(w, next);
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    ASSERT_TRUE(s.open().empty());
    s.loadCurrentDocuments(0);
    const Money before = s.readMyArticle(2)->article().prices[0];
    test::FakeUi ui;
    const Outcome o = importWithRelink(w.ram, s, w.catalogue, ui);
    ASSERT_TRUE(o.ok && o.report.done);
    ASSERT_EQ(o.report.priceChanges(), 1u);

    std::vector<std::string> lines = textFileLines(relinkReportPage(o.report));
    auto has = [&lines](const std::string& text) {
        return std::any_of(lines.begin(), lines.end(),
                           [&text](const std::string& l) { return l.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(has("neu zugeordnet: 2")) << testing::PrintToString(lines);
    EXPECT_TRUE(has("      1 ->     3  ART1"));
    EXPECT_TRUE(has("      6  ART6"));
    EXPECT_TRUE(has("Preisstaffel 1: " + formatMoney(before) + " -> " + formatMoney(2 * before) + " (+100,0 %)"));
    EXPECT_TRUE(has("Position 2 ART6: 6 -> nicht im Katalog"));

    // The copy kept the old price until now; then all copies take the new catalogue's data at once.
    const MyArticleRecord art8 = *s.readMyArticle(1);
    EXPECT_EQ(art8.article().prices[0], before);
    ASSERT_TRUE(takeOverCatalogueData(s, o.report).ok);
    EXPECT_EQ(s.readMyArticle(1)->article().prices[0], 2 * before);
    EXPECT_EQ(s.readMyArticle(1)->stock, art8.stock);
    EXPECT_EQ(articleName(s.readMyArticle(2)->article()), "ART6") << "the vanished one keeps its copy";
}

TEST(CatalogueRelink, EveryEntryVanishedKeepsRecordsAndBookingsAndRefusesOrders) {
    StockWorld w;
    std::vector<Art> other;
    for (const Art& a : kOriginal) other.push_back({a.wg, "X" + a.name, a.description, a.price});
    storyWorld(w, other);
    const std::string ordersBefore = w.ram.get("meinart/bestell.dat");
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    ASSERT_TRUE(s.open().empty());
    s.loadCurrentDocuments(0);
    test::FakeUi ui;
    const Outcome o = importWithRelink(w.ram, s, w.catalogue, ui);
    ASSERT_TRUE(o.ok && o.report.done);
    EXPECT_EQ(o.report.notFound(), 3u);
    ASSERT_EQ(s.myArticleCount(), 3u);
    const char* names[] = {"ART1", "ART6", "ART8"};
    for (std::uint32_t n = 0; n < 3; ++n) {
        const MyArticleRecord r = *s.readMyArticle(n);
        EXPECT_TRUE(r.notInCatalogue()) << n;
        EXPECT_EQ(articleName(r.article()), names[n]) << "kept in its place";
        EXPECT_EQ(r.stock, static_cast<int>(5 + n));
    }
    // The positions still name the same records; only the catalogue numbers say "none".
    const BookingDocument order = *s.readDocument(BookingFile::Orders, 0);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(order.positions[i].recordNumber, i);
        EXPECT_EQ(order.positions[i].catalogueNumber, kNotInCatalogue);
    }
    EXPECT_NE(w.ram.get("meinart/bestell.dat"), ordersBefore);

    // Their stock is worth what it was, counted apart from the groups that now carry their old numbers.
    const StockValue value = stockValue(s, w.catalogue.groups());
    EXPECT_EQ(value.groups[0].articles, 3);
    EXPECT_EQ(value.groups[0].pieces, 5 + 6 + 7);
    for (std::size_t g = 1; g < value.groups.size(); ++g) EXPECT_EQ(value.groups[g].articles, 0) << g;
    EXPECT_EQ(value.grossTotal, value.groups[0].gross);
    EXPECT_GT(value.grossTotal, 0);

    // Neither by hand nor by the automatic order.
    test::FakeUi orderUi;
    OrderContext c{s, w.settings, w.clock, orderUi};
    BookingDocument doc = BookingDocument::initialised(1261101);
    std::uint32_t number = 0;
    bool changed = false;
    EXPECT_FALSE(addOrderPosition(c, DocumentRef{doc, number, changed}, 0));
    EXPECT_EQ(doc.validPositions(), 0u);
    EXPECT_NE(std::find(orderUi.log.begin(), orderUi.log.end(), std::string("info: ") + kNotInCatalogueRefusal),
              orderUi.log.end());
}

// ---- one change with the catalogue ----

std::string catalogueState(const test::RamFileSystem& ram) {
    std::string s;
    for (const char* f : {"whg.dat", "wog.dat", "wgg.dat", "art.dat"}) s += ram.get(f) + "|";
    return s;
}

// The import with the re-link, failing at every file call in turn with each kind of fault: after the next
// start (catalogue recovery, then the stock files' recovery) the catalogue and the stock files are both
// old or both new, and a success reported is durable.
TEST(CatalogueRelink, FaultAtEveryCallLeavesOldWithOldOrNewWithNew) {
    std::string oldCatalogue, newCatalogue;
    std::map<std::string, std::string> oldStock, newStock;
    long calls = 0;
    {
        StockWorld w;
        storyWorld(w);
        oldCatalogue = catalogueState(w.ram);
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        ASSERT_TRUE(s.open().empty());
        s.loadCurrentDocuments(0);
        oldStock = w.snapshot();
        FaultyFileSystem counting(w.ram);
        test::FakeUi ui;
        ASSERT_TRUE(importWithRelink(counting, s, w.catalogue, ui).ok);
        calls = counting.calls();
        newCatalogue = catalogueState(w.ram);
        newStock = w.snapshot();
        w.catalogue.close();  // its files were opened through the counting file system
    }
    ASSERT_NE(oldCatalogue, newCatalogue);
    ASSERT_NE(oldStock, newStock);
    int crashesAfterCommit = 0;
    for (const FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1; n <= calls + 1; ++n) {
            const std::string where = "fault " + std::to_string(static_cast<int>(kind)) + " at " + std::to_string(n);
            StockWorld w;
            storyWorld(w);
            bool ok = false;
            {
                StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
                ASSERT_TRUE(s.open().empty());
                s.loadCurrentDocuments(0);
                FaultyFileSystem faulty(w.ram);
                faulty.failAt(n, kind);
                test::FakeUi ui;
                try {
                    ok = importWithRelink(faulty, s, w.catalogue, ui).ok;
                } catch (const IoError&) {
                }
                faulty.dropUnsyncedWrites();
                std::string error;
                (void)s.close(error);
                w.catalogue.close();
            }
            // The next start.
            Catalogue c;
            EXPECT_TRUE(c.load(w.ram)) << where;
            StockSession restart(w.ram, w.clock, w.settings, c, "meinart");
            EXPECT_TRUE(restart.open().empty()) << where;
            const std::string catalogue = catalogueState(w.ram);
            const std::map<std::string, std::string> stock = w.snapshot();
            const bool allOld = catalogue == oldCatalogue && stock == oldStock;
            const bool allNew = catalogue == newCatalogue && stock == newStock;
            EXPECT_TRUE(allOld || allNew)
                << "a mix, " << where << (catalogue == newCatalogue ? " (new catalogue)" : "");
            if (ok) {
                EXPECT_TRUE(allNew) << "reported done but lost, " << where;
            }
            if (kind == FaultKind::Crash && allNew && !ok) ++crashesAfterCommit;
            EXPECT_FALSE(w.ram.exists(kRelinkJournalFile)) << where;
            EXPECT_FALSE(w.ram.exists(newCatalogueFileName(kRelinkJournalFile))) << where;
            EXPECT_FALSE(w.ram.exists(kImportMarkerFile)) << where;
        }
    }
    // The sweep reached the window in which only the next start can finish the re-link.
    EXPECT_GT(crashesAfterCommit, 0);
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// At the start: a re-link in place is replayed only once the catalogue's commit is settled; one written
// ahead of a commit that never came is dropped.
TEST(CatalogueRelinkRecovery, WaitsForTheCatalogueCommitAndDropsWhatNeverCame) {
    StockWorld w;
    w.putMyArticles({w.record(2, 4)});
    ChangeSet change;
    MyArticleRecord moved = w.record(2, 4);
    moved.articleNumber = 5;
    const Bytes bytes = moved.encode();
    change.write("meinart/artikel.dat", MyArticleRecord::kSize, 0, bytes.data(), bytes.size());
    std::string error;
    ASSERT_TRUE(writeJournalFile(w.ram, kRelinkJournalFile, change, error)) << error;
    ASSERT_TRUE(writeJournalFile(w.ram, newCatalogueFileName(kRelinkJournalFile), change, error)) << error;
    w.ram.put(kImportMarkerFile, "art.dat\nzuordnung.dat\n");
    {
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        const std::vector<std::string> messages = s.open();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("zuordnung.dat"), std::string::npos) << messages[0];
        EXPECT_TRUE(s.writesStopped());
        EXPECT_EQ(s.readMyArticle(0)->articleNumber, 2) << "not replayed while the commit is open";
    }
    ASSERT_TRUE(w.ram.remove(kImportMarkerFile));
    {
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        EXPECT_TRUE(s.open().empty());
        EXPECT_FALSE(s.writesStopped());
        EXPECT_EQ(s.readMyArticle(0)->articleNumber, 5);
        EXPECT_EQ(s.index().numbers(), std::vector<ArticleNumber>{5});
    }
    EXPECT_FALSE(w.ram.exists(kRelinkJournalFile));
    EXPECT_FALSE(w.ram.exists(newCatalogueFileName(kRelinkJournalFile)));
}

}  // namespace
}  // namespace kvx
