// The search over generated catalogues of 1,000, 10,000, 30,000 and 60,000 articles: no criterion (stops
// at the 500th hit), two rare text criteria, two numeric criteria and the dimension search, each of the last
// three scanning the whole file, on the prepared search form (search_index.h). Beside them, in the same run:
// - floors: reading every record of art.dat by position (pread, as the record-by-record scan does), a walk
//   over the mapped file touching every record, and memchr over all its bytes for its rarest byte value;
// - the record-by-record scan the form replaced (search_scan.h), at 60,000 articles;
// - peers: the same two words as a LIKE scan in SQLite over a table of the articles' eight texts, and as
//   a query of an FTS5 trigram index over the same texts (the index is built outside the timing);
// - the time to build the form, with the bytes it takes.
// All timings are wall time. Run with interleaved repetitions, for example
//   search_bench --benchmark_enable_random_interleaving=true --benchmark_repetitions=9
//                --benchmark_report_aggregates_only=true
//
// Each catalogue is generated with the catalogue generator (seed 1), written as the distributor's script
// files and imported into a temporary directory, so art.dat is what the program reads.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "base/cp1252.h"
#include "base/short_string.h"
#include "bench/silent_ui.h"
#include "catalogue/catalogue.h"
#include "catalogue/import.h"
#include "search/article_matcher.h"
#include "search/search_index.h"
#include "search/search_scan.h"
#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/js_writer.h"

namespace {

using namespace kvx;
namespace fsys = std::filesystem;

constexpr std::array<std::uint8_t, 5> kAllStatuses = {1, 1, 1, 1, 1};

void writeFile(const fsys::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void check(int rc, int expected, sqlite3* db, const char* what) {
    if (rc != expected) throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "sqlite"));
}

// One imported catalogue in its own temporary directory, its search form, and two SQLite databases of the
// same articles' texts: a plain table and an FTS5 trigram index.
struct Fixture {
    fsys::path dir;
    PosixFileSystem fs;
    Catalogue catalogue;
    std::shared_ptr<const FileView> view;
    std::shared_ptr<const SearchIndex> index;
    unsigned char rareByte = 0;  // the byte value art.dat holds least often: memchr reads nearly every byte
    sqlite3* db = nullptr;

    explicit Fixture(int articles) {
        dir = fsys::temp_directory_path() /
              ("kvx-search-bench-" + std::to_string(::getpid()) + "-" + std::to_string(articles));
        fsys::create_directories(dir / "zelvodaten");
        fsys::current_path(dir);  // the catalogue files are opened relative to the working directory
        const catgen::GeneratedCatalogue c = catgen::buildCatalogue(articles, 1);
        writeFile(dir / "zelvodaten/wh.js", catgen::mainGroupFile(c));
        writeFile(dir / "zelvodaten/wo.js", catgen::upperGroupFile(c));
        writeFile(dir / "zelvodaten/wg.js", catgen::productGroupFile(c));
        writeFile(dir / "zelvodaten/art.js", catgen::articleFile(c, {}));
        bench::SilentUi ui(true);
        if (!runImport(fs, ui, catalogue).ok) throw std::runtime_error("import failed");
        view = catalogue.articles().view();
        index = SearchIndex::build(view, catalogue.articleCount());
        std::array<std::size_t, 256> seen{};
        for (std::size_t i = 0; i < view->size(); ++i) ++seen[view->data()[i]];
        std::size_t rarest = 0;
        for (std::size_t b = 1; b < 256; ++b)
            if (seen[b] < seen[rarest]) rarest = b;
        rareByte = static_cast<unsigned char>(rarest);
        fillSqlite();
    }
    ~Fixture() {
        sqlite3_close(db);
        catalogue.close();
        std::error_code ec;
        fsys::remove_all(dir, ec);
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    std::string artPath() const { return (dir / kArticleFile).string(); }

    void exec(const char* sql) const {
        char* message = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "sqlite error";
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
    }

    void fillSqlite() {
        check(sqlite3_open((dir / "texts.db").c_str(), &db), SQLITE_OK, db, "open");
        exec(
            "CREATE TABLE art(pos INTEGER PRIMARY KEY, b1 TEXT, b2 TEXT, k1 TEXT, k2 TEXT, k3 TEXT, k4 TEXT, "
            "k5 TEXT, k6 TEXT)");
        exec("CREATE VIRTUAL TABLE ft USING fts5(b1, b2, k1, k2, k3, k4, k5, k6, tokenize='trigram')");
        exec("BEGIN");
        for (const char* table :
             {"art(pos, b1, b2, k1, k2, k3, k4, k5, k6)", "ft(rowid, b1, b2, k1, k2, k3, k4, k5, k6)"}) {
            sqlite3_stmt* insert = nullptr;
            const std::string sql = std::string("INSERT INTO ") + table + " VALUES(?,?,?,?,?,?,?,?,?)";
            check(sqlite3_prepare_v2(db, sql.c_str(), -1, &insert, nullptr), SQLITE_OK, db, "prepare insert");
            for (std::uint32_t i = 0; i < index->count(); ++i) {
                const std::uint8_t* rec = index->record(i);
                check(sqlite3_bind_int(insert, 1, static_cast<int>(i)), SQLITE_OK, db, "bind");
                std::array<std::string, 8> texts = {readShortString(rec, 181, 25), readShortString(rec, 207, 25)};
                for (std::size_t k = 0; k < 6; ++k) texts[k + 2] = readShortString(rec, 6 + 25 * k, 24);
                for (std::size_t t = 0; t < texts.size(); ++t) {
                    const std::string utf8 = cp1252ToUtf8(texts[t]);
                    check(sqlite3_bind_text(insert, static_cast<int>(t) + 2, utf8.c_str(), -1, SQLITE_TRANSIENT),
                          SQLITE_OK, db, "bind");
                }
                check(sqlite3_step(insert), SQLITE_DONE, db, "insert");
                check(sqlite3_reset(insert), SQLITE_OK, db, "reset");
            }
            check(sqlite3_finalize(insert), SQLITE_OK, db, "finalize");
        }
        exec("COMMIT");
    }
};

Fixture& fixture(int articles) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    std::unique_ptr<Fixture>& f = fixtures[articles];
    if (!f) f = std::make_unique<Fixture>(articles);
    return *f;
}

TextCriterion word(const std::string& w) {
    TextCriterion t;
    t.inUse = t.inUseCopy = true;
    t.word1 = w;
    return t;
}

NumericAlternative bound(const std::string& unit, double lower, double upper) {
    NumericAlternative a;
    a.inUse = a.must = true;
    a.unit = unit;
    a.lower = doubleToReal48(lower);
    a.upper = doubleToReal48(upper);
    return a;
}

// The two rare words of the text query; the SQLite queries ask the same of every text column.
const char* const kWord1 = "TANTAL";
const char* const kWord2 = "47/35";

SearchParameterSet textQuery() {
    SearchParameterSet set;
    set.text[0] = word(kWord1);
    set.text[1] = word(kWord2);
    return set;
}

SearchParameterSet numericQuery() {
    SearchParameterSet set;
    set.numeric[0].alternatives[0] = bound("V", 60, 70);
    set.numeric[1].alternatives[0] = bound(
        "\xB5"
        "F",
        4000, 5000);  // µF in Windows-1252
    return set;
}

SearchParameterSet dimensionQuery() {
    SearchParameterSet set;
    set.dimensionSearch = true;
    set.numeric[0].alternatives[0] = bound("", 0, 0);  // any positive value
    set.numeric[1].alternatives[0] = bound("", 150, 220);
    set.numeric[2].alternatives[0] = bound("", 50, 80);
    return set;
}

void reportCounts(benchmark::State& state, const SearchResultList& results, const SearchCounters& counters) {
    state.counters["hits"] = results.count;
    state.counters["scanned"] = counters.scanned;
    state.counters["textOk"] = counters.textMatches;
}

// ---- the search on the prepared form ----

void searchForm(benchmark::State& state, const SearchParameterSet& query) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    SearchResultList results;
    SearchCounters counters;
    for (auto _ : state) {
        SearchParameterSet set = query;
        benchmark::DoNotOptimize(searchAll(*f.index, kMaxSearchHits, set, kAllStatuses, results, counters));
    }
    reportCounts(state, results, counters);
}

void BM_SearchNoCriterion(benchmark::State& state) {
    searchForm(state, SearchParameterSet{});
}
void BM_SearchTwoTextCriteria(benchmark::State& state) {
    searchForm(state, textQuery());
}
void BM_SearchTwoNumericCriteria(benchmark::State& state) {
    searchForm(state, numericQuery());
}
void BM_SearchDimensions(benchmark::State& state) {
    searchForm(state, dimensionQuery());
}

// ---- the record-by-record scan it replaced ----

void searchByRecord(benchmark::State& state, const SearchParameterSet& query) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    SearchResultList results;
    SearchCounters counters;
    for (auto _ : state) {
        SearchParameterSet set = query;
        FileArticleSource source(f.fs, f.artPath(), f.catalogue.articleCount());
        benchmark::DoNotOptimize(searchAll(source, kMaxSearchHits, set, kAllStatuses, results, counters));
    }
    reportCounts(state, results, counters);
}

void BM_ByRecordTwoTextCriteria(benchmark::State& state) {
    searchByRecord(state, textQuery());
}
void BM_ByRecordTwoNumericCriteria(benchmark::State& state) {
    searchByRecord(state, numericQuery());
}
void BM_ByRecordDimensions(benchmark::State& state) {
    searchByRecord(state, dimensionQuery());
}

// ---- floors ----

void BM_FloorPreadEveryRecord(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FileArticleSource source(f.fs, f.artPath(), f.catalogue.articleCount());
        unsigned sum = 0;
        for (std::uint32_t i = 0; i < source.count(); ++i) sum += source.record(i)[articleoffset::kStatus];
        benchmark::DoNotOptimize(sum);
    }
}

void BM_FloorMappedWalk(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    const std::size_t records = f.view->size() / CatalogueArticle::kRecordSize;
    for (auto _ : state) {
        unsigned sum = 0;
        for (std::size_t i = 0; i < records; ++i)
            sum += f.view->data()[i * CatalogueArticle::kRecordSize + articleoffset::kStatus];
        benchmark::DoNotOptimize(sum);
    }
}

void BM_FloorMemchr(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        const std::uint8_t* p = f.view->data();
        const std::uint8_t* end = p + f.view->size();
        while (const void* hit = std::memchr(p, f.rareByte, static_cast<std::size_t>(end - p))) {
            ++found;
            p = static_cast<const std::uint8_t*>(hit) + 1;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["bytes"] = static_cast<double>(f.view->size());
    state.counters["found"] = static_cast<double>(found);
}

// ---- peers ----

std::string anyColumnLike(const std::string& w) {
    std::string s = "(";
    for (const char* c : {"b1", "b2", "k1", "k2", "k3", "k4", "k5", "k6"})
        s += std::string(s.size() > 1 ? " OR " : "") + c + " LIKE '%" + w + "%'";
    return s + ")";
}

void runSql(benchmark::State& state, const std::string& sql) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(f.db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK, f.db, "prepare query");
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) ++hits;
        check(rc, SQLITE_DONE, f.db, "query");
        check(sqlite3_reset(stmt), SQLITE_OK, f.db, "reset");
    }
    check(sqlite3_finalize(stmt), SQLITE_OK, f.db, "finalize");
    state.counters["hits"] = hits;
}

void BM_SqliteLikeTwoWords(benchmark::State& state) {
    runSql(state,
           "SELECT pos FROM art WHERE " + anyColumnLike(kWord1) + " AND " + anyColumnLike(kWord2) + " LIMIT 500");
}

void BM_SqliteFts5TrigramTwoWords(benchmark::State& state) {
    runSql(state,
           std::string("SELECT rowid FROM ft WHERE ft MATCH '\"") + kWord1 + "\" AND \"" + kWord2 + "\"' LIMIT 500");
}

// ---- building the form ----

void BM_BuildSearchForm(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::shared_ptr<const SearchIndex> index = SearchIndex::build(f.view, f.catalogue.articleCount());
        bytes = index->memoryBytes();
        benchmark::DoNotOptimize(index.get());
    }
    state.counters["formBytes"] = static_cast<double>(bytes);
    state.counters["fileBytes"] = static_cast<double>(f.view->size());
}

void sizes(benchmark::internal::Benchmark* b) {
    for (const int n : {1000, 10000, 30000, 60000}) b->Arg(n);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}
void largest(benchmark::internal::Benchmark* b) {
    b->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_FloorPreadEveryRecord)->Apply(sizes);
BENCHMARK(BM_FloorMappedWalk)->Apply(sizes);
BENCHMARK(BM_FloorMemchr)->Apply(sizes);
BENCHMARK(BM_SearchNoCriterion)->Apply(sizes);
BENCHMARK(BM_SearchTwoTextCriteria)->Apply(sizes);
BENCHMARK(BM_SearchTwoNumericCriteria)->Apply(sizes);
BENCHMARK(BM_SearchDimensions)->Apply(sizes);
BENCHMARK(BM_SqliteLikeTwoWords)->Apply(sizes);
BENCHMARK(BM_SqliteFts5TrigramTwoWords)->Apply(sizes);
BENCHMARK(BM_ByRecordTwoTextCriteria)->Apply(largest);
BENCHMARK(BM_ByRecordTwoNumericCriteria)->Apply(largest);
BENCHMARK(BM_ByRecordDimensions)->Apply(largest);
BENCHMARK(BM_BuildSearchForm)->Apply(sizes);

}  // namespace
