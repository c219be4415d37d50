// The prepared search form against the record-by-record scan: the same hits and counters on the demo
// catalogue, on random searches over a generated catalogue and on hand-made records at the edges of the
// number-before-unit and word rules; the bytes of art.dat mapped or read; the form rebuilt after the
// catalogue is reopened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/clock.h"
#include "base/cp1252.h"
#include "base/io_error.h"
#include "catalogue/catalogue.h"
#include "catalogue/import.h"
#include "search/article_matcher.h"
#include "search/search_index.h"
#include "search/search_scan.h"
#include "search/search_session.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"
#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/js_writer.h"

namespace kvx {
namespace {

using Filter = std::array<std::uint8_t, 5>;
constexpr Filter kAllStatuses = {1, 1, 1, 1, 1};

struct Query {
    SearchParameterSet set;
    Filter filter = kAllStatuses;
    bool all = true;
    std::uint32_t first = 0, last = 0;
    int maxHits = kMaxSearchHits;

    Query(SearchParameterSet s = {}, Filter f = kAllStatuses, bool a = true, std::uint32_t from = 0,
          std::uint32_t to = 0, int limit = kMaxSearchHits)
        : set(std::move(s)), filter(f), all(a), first(from), last(to), maxHits(limit) {}
};

struct Outcome {
    int returned = 0;
    std::vector<std::uint16_t> hits;
    SearchCounters counters;
    SearchParameterSet normalised;
};

template <typename Source>
Outcome run(Source& source, const Query& q) {
    Outcome o;
    o.normalised = q.set;
    SearchResultList results;
    o.returned = q.all ? searchAll(source, q.maxHits, o.normalised, q.filter, results, o.counters)
                       : searchRange(source, q.first, q.last, q.maxHits, o.normalised, q.filter, results, o.counters);
    o.hits.assign(results.positions.begin(), results.positions.begin() + results.count);
    return o;
}

// Runs `q` both ways; true when hits, counters and the normalised set agree (failures say how).
::testing::AssertionResult sameOutcome(ArticleSource& records, const SearchIndex& form, const Query& q) {
    const Outcome a = run(records, q);
    const Outcome b = run(form, q);
    if (a.returned != b.returned || a.hits != b.hits)
        return ::testing::AssertionFailure() << "hits " << a.returned << " by record, " << b.returned << " by form";
    if (a.counters.scanned != b.counters.scanned || a.counters.textMatches != b.counters.textMatches ||
        a.counters.numericMatches != b.counters.numericMatches)
        return ::testing::AssertionFailure()
               << "counters " << a.counters.scanned << "/" << a.counters.textMatches << "/" << a.counters.numericMatches
               << " by record, " << b.counters.scanned << "/" << b.counters.textMatches << "/"
               << b.counters.numericMatches << " by form";
    if (!(a.normalised == b.normalised)) return ::testing::AssertionFailure() << "normalised sets differ";
    return ::testing::AssertionSuccess() << a.returned << " hits";
}

TextCriterion words(const std::string& w1, const std::string& w2 = "") {
    TextCriterion t;
    t.inUse = t.inUseCopy = true;
    t.word1 = w1;
    t.word2 = w2;
    return t;
}

NumericAlternative alternative(const std::string& unit, double lower, double upper, bool must) {
    NumericAlternative a;
    a.inUse = true;
    a.must = must;
    a.unit = unit;
    a.lower = doubleToReal48(lower);
    a.upper = doubleToReal48(upper);
    return a;
}

// ---- hand-made records ----

struct Article {
    std::string b1, b2, k1, k2;
    std::array<double, 3> dims{};
    std::uint8_t status = 1;

    Article(std::string d1 = "", std::string d2 = "", std::string n1 = "", std::string n2 = "",
            std::array<double, 3> d = {})
        : b1(std::move(d1)), b2(std::move(d2)), k1(std::move(n1)), k2(std::move(n2)), dims(d) {}
};

Bytes encodeAll(const std::vector<Article>& articles) {
    Bytes out;
    for (const Article& a : articles) {
        CatalogueArticle c;
        c.beschreib1 = a.b1;
        c.beschreib2 = a.b2;
        c.kurzbez[0] = a.k1;
        c.kurzbez[1] = a.k2;
        c.artikelstat = a.status;
        for (std::size_t i = 0; i < 3; ++i) c.dimensions[i] = doubleToReal48(a.dims[i]);
        const Bytes r = c.encode();
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

// The records as art.dat in a file system that cannot map (so the view is read), and the form built on it.
struct HandMade {
    test::RamFileSystem fs;
    MemoryArticleSource records;
    std::shared_ptr<const SearchIndex> form;

    explicit HandMade(const std::vector<Article>& articles) : records(encodeAll(articles)) {
        const Bytes bytes = encodeAll(articles);
        fs.put("art.dat", std::string(bytes.begin(), bytes.end()));
        auto file = fs.open("art.dat", OpenMode::ReadOnly);
        const auto count = static_cast<std::uint32_t>(articles.size());
        form = SearchIndex::build(FileView::of(*file, bytes.size(), "art.dat"), count);
    }
};

TEST(SearchForm, EdgesOfTheRulesAgreeWithTheRecords) {
    struct Row {
        const char* what;
        Article article;
        SearchParameterSet set;
        bool hit;
    };
    auto text = [](TextCriterion a, TextCriterion b = {}) {
        SearchParameterSet s;
        s.text[0] = std::move(a);
        s.text[1] = std::move(b);
        return s;
    };
    auto numeric = [](NumericAlternative a, NumericAlternative b = {}) {
        SearchParameterSet s;
        s.numeric[0].alternatives[0] = std::move(a);
        s.numeric[0].alternatives[1] = std::move(b);
        return s;
    };
    auto dims = [](double l1, double h1, double l2, double h2, double l3, double h3) {
        SearchParameterSet s;
        s.dimensionSearch = true;
        s.numeric[0].alternatives[0] = alternative("", l1, h1, true);
        s.numeric[1].alternatives[0] = alternative("", l2, h2, true);
        s.numeric[2].alternatives[0] = alternative("", l3, h3, true);
        return s;
    };
    SearchParameterSet zeroWord = text(words(std::string("A\0B", 3)));
    const Row rows[] = {
        {"word over two fields", {"XA", "BY"}, text(words("AB")), false},
        {"word in the second field", {"XA", "ABY"}, text(words("AB")), true},
        {"blanks vanish both sides", {"4 7 K", ""}, text(words("47 k")), true},
        {"word in designation 2", {"", "", "", "TL 071"}, text(words("l07")), true},
        {"second word of a line", {"OPV"}, text(words("XYZ", "opv")), true},
        {"criteria joined by and", {"OPV SMD"}, text(words("OPV"), words("DIP")), false},
        {"umlaut upper-cased", {"geh\xE4use"}, text(words("GEH\xC4USE")), true},
        {"word holding a zero byte", {std::string("A\0B", 3)}, zeroWord, true},
        {"word over a field end is no zero byte", {"A", "B"}, zeroWord, false},
        {"unit behind one blank", {"MAX 2,5 V"}, numeric(alternative("V", 2.5, 2.5, true)), true},
        {"two blanks: next occurrence decides", {"1,5  V 3V"}, numeric(alternative("V", 3, 3, true)), true},
        {"failed number stops the field", {"12-24V 5V"}, numeric(alternative("V", 5, 5, true)), false},
        {"failed number counts in the next field", {"12-24V", "5V"}, numeric(alternative("V", 5, 5, true)), true},
        {"unit at the first character", {"V 10V"}, numeric(alternative("V", 10, 10, true)), true},
        {"unit alone", {"V"}, numeric(alternative("V", 0, 0, false)), true},
        {"unit starting with a blank", {"12 V"}, numeric(alternative(" V", 12, 12, true)), true},
        {"unit starting with a digit", {"12,5V"}, numeric(alternative("5V", 12, 12, true)), true},
        {"unit starting with a point", {"3.3V"}, numeric(alternative(".3V", 3, 3, true)), true},
        {"unit over a field end", {"10", "V"}, numeric(alternative("V", 0, 0, true)), false},
        {"number at the end of a field", {"LAENGE 10"}, numeric(alternative("V", 0, 0, false)), true},
        {"must clear, one field out of range", {"30V", "", "60V"}, numeric(alternative("V", 0, 50, false)), false},
        {"must set, any field in range", {"60V", "", "30V"}, numeric(alternative("V", 0, 50, true)), true},
        {"bound at real48 precision", {"4,7UF"}, numeric(alternative("UF", 4.7, 4.7, true)), true},
        {"second alternative",
         {"1,5A 12V"},
         numeric(alternative("V", 100, 0, true), alternative("A", 1, 2, true)),
         true},
        {"unit inside a longer unit", {"5MV"}, numeric(alternative("V", 5, 5, true)), false},
        {"one blank then a number", {"5 6V"}, numeric(alternative("V", 6, 6, true)), true},
        {"dimensions greedy", {"X", "", "", "", {10, 20, 5}}, dims(5, 6, 0, 0, 19, 21), true},
        {"dimensions greedy fails", {"X", "", "", "", {20, 50, 10}}, dims(0, 100, 15, 25, 1, 12), false},
        {"one dimension zero", {"X", "", "", "", {20, 0, 10}}, dims(0, 0, 0, 0, 0, 0), false},
    };
    for (const Row& r : rows) {
        // The row's article between two neutral ones, so that record borders are crossed too.
        HandMade m({{"A"}, r.article, {"B"}});
        Query q;
        q.set = r.set;
        EXPECT_TRUE(sameOutcome(m.records, *m.form, q)) << r.what;
        SearchParameterSet set = r.set;
        SearchResultList results;
        SearchCounters counters;
        EXPECT_EQ(searchRange(*m.form, 1, 1, kMaxSearchHits, set, kAllStatuses, results, counters), r.hit ? 1 : 0)
            << r.what;
    }
}

TEST(SearchForm, RangesLimitsAndRecordsBeyondTheCount) {
    std::vector<Article> list(700, Article{"X 5V"});
    for (std::size_t i = 0; i < list.size(); i += 7) list[i].status = 2;
    list[10].b1 = "Y 7V";
    HandMade m(list);
    SearchParameterSet none;
    SearchParameterSet word;
    word.text[0] = words("x");
    SearchParameterSet volts;
    volts.numeric[0].alternatives[0] = alternative("V", 5, 5, true);
    const Filter noSale = {1, 0, 1, 1, 1};
    const Query rows[] = {
        {none},
        {word},
        {volts, noSale},
        {volts, kAllStatuses, false, 5, 20, 3},  // the limit stops the scan
        {none, kAllStatuses, false, 690, 720},   // beyond the count: empty records pass without criteria
        {word, kAllStatuses, false, 695, 800},   // and fail a present word
        {volts, noSale, false, 650, 60000},
        {none, kAllStatuses, false, 20, 10},  // first after last: nothing scanned
        {none, kAllStatuses, false, 800, 900, 1000},
        {word, kAllStatuses, true, 0, 0, 0},  // no hit allowed
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_TRUE(sameOutcome(m.records, *m.form, rows[i])) << i;
    // Beyond the count the positions follow on, and only up to the limit.
    SearchParameterSet set;
    SearchResultList results;
    SearchCounters counters;
    EXPECT_EQ(searchRange(*m.form, 698, 5000, 4, set, kAllStatuses, results, counters), 4);
    EXPECT_EQ(results.slot(4), 701);
    EXPECT_EQ(counters.scanned, 4);
}

// ---- whole catalogues ----

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// An imported catalogue in the test's directory, its form and its records read by position.
struct Imported {
    PosixFileSystem fs;
    Catalogue catalogue;
    std::shared_ptr<const SearchIndex> form;

    void import() {
        test::FakeUi ui;
        ASSERT_TRUE(runImport(fs, ui, catalogue).ok) << (ui.log.empty() ? "" : ui.log.front());
        form = SearchIndex::build(catalogue.articles().view(), catalogue.articleCount());
        ASSERT_TRUE(catalogue.articles().view()->isMapped());  // the real file system maps art.dat
    }
    FileArticleSource records() { return FileArticleSource(fs, kArticleFile, catalogue.articleCount()); }
};

std::string pick(std::mt19937& rng, const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

// A piece of a text of a random record, so that most random words and units are found somewhere.
std::string pieceOfSomeText(std::mt19937& rng, const SearchIndex& form, std::size_t maxLength) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::uint32_t i = std::uniform_int_distribution<std::uint32_t>(0, form.count() - 1)(rng);
        const ArticleTexts texts = ArticleTexts::of(form.record(i));
        const std::string_view field =
            texts.fields[std::uniform_int_distribution<std::size_t>(0, texts.count - 1)(rng)];
        if (field.empty()) continue;
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, field.size() - 1)(rng);
        const std::size_t n = std::uniform_int_distribution<std::size_t>(1, maxLength)(rng);
        return std::string(field.substr(at, n));
    }
    return "R";
}

Query randomQuery(std::mt19937& rng, const SearchIndex& form) {
    auto chance = [&rng](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    static const std::vector<std::string> units = {"V",
                                                   "UF",
                                                   "\xB5"
                                                   "F",
                                                   "MHZ",
                                                   "OHM",
                                                   "K",
                                                   "MM",
                                                   "W",
                                                   "A",
                                                   "%",
                                                   " V",
                                                   "NF",
                                                   "PF",
                                                   "MA",
                                                   "X",
                                                   "-",
                                                   "5V",
                                                   "KHZ",
                                                   "H"};
    static const std::vector<double> lowers = {0, 0.1, 1, 4.7, 10, 16, 50, 100, 1000};
    static const std::vector<double> uppers = {0, 0, 1, 5, 25, 50, 100, 470, 1e4};
    Query q;
    for (TextCriterion& t : q.set.text) {
        if (!chance(35)) continue;
        t.inUse = true;
        t.inUseCopy = chance(70);
        t.word1 = chance(85) ? pieceOfSomeText(rng, form, 6) : "ZQXJ";
        if (chance(40)) t.word2 = pieceOfSomeText(rng, form, 4);
    }
    q.set.dimensionSearch = chance(15);
    for (NumericCriterion& n : q.set.numeric) {
        for (NumericAlternative& a : n.alternatives) {
            if (!chance(q.set.dimensionSearch ? 80 : 25)) continue;
            a.inUse = true;
            a.must = chance(60);
            a.unit = chance(75) ? pick(rng, units) : cp1252UpperCase(pieceOfSomeText(rng, form, 3));
            a.lower = doubleToReal48(lowers[std::uniform_int_distribution<std::size_t>(0, lowers.size() - 1)(rng)]);
            a.upper = doubleToReal48(uppers[std::uniform_int_distribution<std::size_t>(0, uppers.size() - 1)(rng)]);
        }
    }
    for (std::uint8_t& f : q.filter) f = chance(80) ? 1 : 0;
    if (chance(30)) {
        q.all = false;
        q.first = std::uniform_int_distribution<std::uint32_t>(0, form.count() + 5)(rng);
        q.last = q.first + std::uniform_int_distribution<std::uint32_t>(0, form.count() / 2)(rng);
    }
    if (chance(20)) q.maxHits = std::uniform_int_distribution<int>(0, 40)(rng);
    return q;
}

class SearchFormCatalogue : public ::testing::Test {
  protected:
    test::TempDir dir;
    Imported imported;
};

TEST_F(SearchFormCatalogue, DemoCatalogueAgrees) {
    const char* source = std::getenv("KVX_SOURCE_DIR");
    const std::filesystem::path root = source
                                           ? std::filesystem::path(source)
                                           : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    const std::filesystem::path demo = root / "data" / "zelvodaten";
    ASSERT_TRUE(std::filesystem::exists(demo / "art.js")) << "no demo catalogue in " << demo;
    std::filesystem::create_directories(dir.path() / "zelvodaten");
    for (const char* f : {"art.js", "wh.js", "wo.js", "wg.js"})
        std::filesystem::copy_file(demo / f, dir.path() / "zelvodaten" / f);
    ASSERT_NO_FATAL_FAILURE(imported.import());
    const SearchIndex& form = *imported.form;
    ASSERT_GT(form.count(), 1000u);
    // The searches a user of the demo would type, then random ones.
    std::vector<Query> queries(6);
    queries[1].set.text[0] = words("OPV");
    queries[2].set.text[0] = words("kondensator", "ELKO");
    queries[2].set.numeric[0].alternatives[0] = alternative("V", 16, 63, true);
    queries[3].set.numeric[0].alternatives[0] = alternative("V", 0, 50, false);
    queries[3].set.numeric[1].alternatives[0] = alternative("MHZ", 1, 0, true);
    queries[4].set.dimensionSearch = true;
    queries[4].set.numeric[0].alternatives[0] = alternative("", 0, 0, true);
    queries[5].set.text[0] = words("SMD");
    queries[5].filter = {1, 0, 0, 0, 0};
    std::mt19937 rng(20261208);
    for (int k = 0; k < 150; ++k) queries.push_back(randomQuery(rng, form));
    FileArticleSource records = imported.records();
    int withHits = 0;
    for (std::size_t k = 0; k < queries.size(); ++k) {
        EXPECT_TRUE(sameOutcome(records, form, queries[k])) << "query " << k;
        withHits += run(form, queries[k]).returned > 0;
    }
    EXPECT_GT(withHits, 30);  // the random searches are not all empty ones
}

TEST_F(SearchFormCatalogue, RandomSearchesOverAGeneratedCatalogueAgree) {
    const catgen::GeneratedCatalogue c = catgen::buildCatalogue(3000, 7);
    writeFile(dir.path() / "zelvodaten/wh.js", catgen::mainGroupFile(c));
    writeFile(dir.path() / "zelvodaten/wo.js", catgen::upperGroupFile(c));
    writeFile(dir.path() / "zelvodaten/wg.js", catgen::productGroupFile(c));
    writeFile(dir.path() / "zelvodaten/art.js", catgen::articleFile(c, {}));
    ASSERT_NO_FATAL_FAILURE(imported.import());
    const SearchIndex& form = *imported.form;
    FileArticleSource records = imported.records();
    std::mt19937 rng(4711);
    int withHits = 0, limited = 0;
    for (int k = 0; k < 400; ++k) {
        const Query q = randomQuery(rng, form);
        EXPECT_TRUE(sameOutcome(records, form, q)) << "query " << k;
        const int hits = run(form, q).returned;
        withHits += hits > 0;
        limited += hits == std::clamp(q.maxHits, 0, 1000) && hits > 0;
    }
    EXPECT_GT(withHits, 80);
    EXPECT_GT(limited, 5);  // some searches end at their hit limit
}

// ---- the view of art.dat and the session's form ----

TEST(SearchFormView, ReadWhenTheFileCannotBeMappedAndFailuresNamed) {
    test::TempDir dir;
    dir.write("art.dat", std::string(2 * 329, 'a'));
    PosixFileSystem real;
    {
        auto file = real.open("art.dat", OpenMode::ReadOnly);
        const auto view = FileView::of(*file, 2 * 329, "art.dat");
        EXPECT_TRUE(view->isMapped());
        ASSERT_EQ(view->size(), 2u * 329);
        EXPECT_EQ(view->data()[657], 'a');
        EXPECT_EQ(FileView::of(*file, 100, "art.dat")->size(), 100u);  // no more than asked for
    }
    FaultyFileSystem faulty(real);
    auto file = faulty.open("art.dat", OpenMode::ReadOnly);
    const auto read = FileView::of(*file, 10 * 329, "art.dat");  // the file is shorter than asked for
    EXPECT_FALSE(read->isMapped());
    EXPECT_EQ(read->size(), 2u * 329);
    faulty.failAt(1, FaultKind::IoError);
    try {
        (void)FileView::of(*file, 2 * 329, "art.dat");
        ADD_FAILURE() << "a failed read passed";
    } catch (const IoError& e) {
        EXPECT_EQ(std::string(e.what()), "I/O error 5: art.dat");
    }
}

TEST(SearchFormView, SessionRebuildsTheFormWhenTheCatalogueIsReopened) {
    test::TempDir dir;
    PosixFileSystem fs;
    auto writeCatalogue = [&](const std::vector<Article>& articles) {
        const Bytes b = encodeAll(articles);
        dir.write("art.dat", std::string(b.begin(), b.end()));
    };
    // The smallest catalogue that loads: one group of each level over the articles.
    test::writeSmallCatalogueFiles(dir);
    writeCatalogue(std::vector<Article>(11, Article{"ALT"}));
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.load(fs));
    SettingsRecord settings;
    FixedClock clock{{2026, 12, 8}, 0};
    SearchSession session(fs, clock, settings, catalogue);
    const SearchIndex* before = &session.searchIndex();
    EXPECT_EQ(&session.searchIndex(), before);  // kept while the catalogue stays open
    SearchParameterSet set;
    set.text[0] = words("NEU");
    SearchResultList results;
    SearchCounters counters;
    EXPECT_EQ(searchAll(session.searchIndex(), kMaxSearchHits, set, kAllStatuses, results, counters), 0);
    // An import replaces art.dat and reopens the catalogue.
    std::vector<Article> fresh(11, Article{"ALT"});
    fresh[4].b1 = "NEU";
    writeCatalogue(fresh);
    catalogue.close();
    ASSERT_TRUE(catalogue.load(fs));
    EXPECT_EQ(searchAll(session.searchIndex(), kMaxSearchHits, set, kAllStatuses, results, counters), 1);
    EXPECT_EQ(results.slot(1), 4);
}

}  // namespace
}  // namespace kvx
