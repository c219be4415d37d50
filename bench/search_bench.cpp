// The search scan over a generated 60,000-article catalogue: no criterion (stops at the 500th hit), two
// rare text criteria, two numeric criteria and the dimension search, each of the last three scanning the
// whole file. Beside them, in the same run, the floor of reading every record of art.dat by position and
// the same text query as a LIKE scan in SQLite over a table of the articles' texts.
//
// The catalogue is generated with the catalogue generator (60,000 articles, seed 1), written as the
// distributor's script files and imported into a temporary directory, so art.dat is what the program reads.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bench/silent_ui.h"
#include "base/cp1252.h"
#include "base/short_string.h"
#include "catalogue/catalogue.h"
#include "catalogue/import.h"
#include "search/article_matcher.h"
#include "search/search_scan.h"
#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/js_writer.h"

namespace {

using namespace kvx;
namespace fsys = std::filesystem;

constexpr int kArticles = 60000;
constexpr std::array<std::uint8_t, 5> kAllStatuses = {1, 1, 1, 1, 1};


void writeFile(const fsys::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// The imported catalogue in a temporary directory (the working directory while the benchmarks run), and
// a SQLite table of the same articles' texts.
struct Fixture {
    fsys::path dir;
    PosixFileSystem fs;
    Catalogue catalogue;
    sqlite3* db = nullptr;

    Fixture() {
        dir = fsys::temp_directory_path() / ("kvx-search-bench-" + std::to_string(::getpid()));
        fsys::create_directories(dir / "zelvodaten");
        fsys::current_path(dir);
        const catgen::GeneratedCatalogue c = catgen::buildCatalogue(kArticles, 1);
        writeFile(dir / "zelvodaten/wh.js", catgen::mainGroupFile(c));
        writeFile(dir / "zelvodaten/wo.js", catgen::upperGroupFile(c));
        writeFile(dir / "zelvodaten/wg.js", catgen::productGroupFile(c));
        writeFile(dir / "zelvodaten/art.js", catgen::articleFile(c, {}));
        bench::SilentUi ui(true);
        if (!runImport(fs, ui, catalogue).ok) throw std::runtime_error("import failed");
        fillSqlite();
    }
    ~Fixture() {
        sqlite3_close(db);
        catalogue.close();
        std::error_code ec;
        fsys::current_path(fsys::temp_directory_path(), ec);
        fsys::remove_all(dir, ec);
    }

    void exec(const char* sql) const {
        char* message = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "sqlite error";
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
    }

    void fillSqlite() {
        if (sqlite3_open((dir / "texts.db").c_str(), &db) != SQLITE_OK) throw std::runtime_error("sqlite open");
        exec(
            "CREATE TABLE art(pos INTEGER PRIMARY KEY, b1 TEXT, b2 TEXT, k1 TEXT, k2 TEXT, k3 TEXT, k4 TEXT, "
            "k5 TEXT, k6 TEXT)");
        exec("BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO art VALUES(?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
        FileArticleSource source(fs, kArticleFile, catalogue.articleCount());
        for (std::uint32_t i = 0; i < source.count(); ++i) {
            const std::uint8_t* rec = source.record(i);
            sqlite3_bind_int(insert, 1, static_cast<int>(i));
            std::array<std::string, 8> texts = {readShortString(rec, 181, 25), readShortString(rec, 207, 25)};
            for (std::size_t k = 0; k < 6; ++k) texts[k + 2] = readShortString(rec, 6 + 25 * k, 24);
            for (std::size_t t = 0; t < texts.size(); ++t) {
                const std::string utf8 = cp1252ToUtf8(texts[t]);
                sqlite3_bind_text(insert, static_cast<int>(t) + 2, utf8.c_str(), -1, SQLITE_TRANSIENT);
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        exec("COMMIT");
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
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

// The two rare words of the text query; the SQLite scan asks the same of every text column.
const char* const kWord1 = "TANTAL";
const char* const kWord2 = "47/35";

void runSearch(benchmark::State& state, const SearchParameterSet& query) {
    Fixture& f = fixture();
    SearchResultList results;
    SearchCounters counters;
    for (auto _ : state) {
        SearchParameterSet set = query;
        FileArticleSource source(f.fs, kArticleFile, f.catalogue.articleCount());
        benchmark::DoNotOptimize(searchAll(source, kMaxSearchHits, set, kAllStatuses, results, counters));
    }
    state.counters["hits"] = results.count;
    state.counters["scanned"] = counters.scanned;
}

void BM_ReadEveryRecord(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        FileArticleSource source(f.fs, kArticleFile, f.catalogue.articleCount());
        unsigned sum = 0;
        for (std::uint32_t i = 0; i < source.count(); ++i) sum += source.record(i)[articleoffset::kStatus];
        benchmark::DoNotOptimize(sum);
    }
    state.counters["scanned"] = f.catalogue.articleCount();
}

void BM_SearchNoCriterion(benchmark::State& state) {
    runSearch(state, SearchParameterSet{});
}

void BM_SearchTwoTextCriteria(benchmark::State& state) {
    SearchParameterSet set;
    set.text[0] = word(kWord1);
    set.text[1] = word(kWord2);
    runSearch(state, set);
}

void BM_SearchTwoNumericCriteria(benchmark::State& state) {
    SearchParameterSet set;
    set.numeric[0].alternatives[0] = bound("V", 60, 70);
    set.numeric[1].alternatives[0] = bound(
        "\xB5"
        "F",
        4000, 5000);  // µF in Windows-1252
    runSearch(state, set);
}

void BM_SearchDimensions(benchmark::State& state) {
    SearchParameterSet set;
    set.dimensionSearch = true;
    set.numeric[0].alternatives[0] = bound("", 0, 0);  // any positive value
    set.numeric[1].alternatives[0] = bound("", 150, 220);
    set.numeric[2].alternatives[0] = bound("", 50, 80);
    runSearch(state, set);
}

void BM_SqliteLikeTwoWords(benchmark::State& state) {
    Fixture& f = fixture();
    auto any = [](const std::string& w) {
        std::string s = "(";
        for (const char* c : {"b1", "b2", "k1", "k2", "k3", "k4", "k5", "k6"})
            s += std::string(s.size() > 1 ? " OR " : "") + c + " LIKE '%" + w + "%'";
        return s + ")";
    };
    const std::string sql = "SELECT pos FROM art WHERE " + any(kWord1) + " AND " + any(kWord2) + " LIMIT 500";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(f.db, sql.c_str(), -1, &stmt, nullptr);
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) ++hits;
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    state.counters["hits"] = hits;
}

BENCHMARK(BM_ReadEveryRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchNoCriterion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoTextCriteria)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteLikeTwoWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoNumericCriteria)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchDimensions)->Unit(benchmark::kMillisecond);

}  // namespace
