// The catalogue import of a 60,000-article catalogue beside its I/O floor (reading the four script files
// and writing, syncing and renaming files of the size the import writes), plus reading every article by
// position and filling a 1001-row catalogue list.
//
// The sources come from KVX_BENCH_SOURCES (a directory holding art.js, wh.js, wo.js, wg.js, e.g. written by
// `kvx-catgen DIR --articles 60000`); without it a simple built-in generator writes 60,000 articles.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/silent_ui.h"
#include "base/file_system.h"
#include "catalogue/catalogue.h"
#include "catalogue/group_tree.h"
#include "catalogue/import.h"

namespace {

using namespace kvx;
namespace fs = std::filesystem;


void writeText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// 20 main groups, 200 upper groups, 2000 product groups of 30 articles each.
void generateSources(const fs::path& dir, int articles) {
    const std::string crlf = "\r\n";
    const int products = 2000, uppers = 200, mains = 20;
    const int perProduct = articles / products;
    std::string wh = "// Hauptgruppen" + crlf + "var wh = [" + crlf;
    for (int m = 0; m < mains; ++m)
        wh += "'" + std::string(1, static_cast<char>('A' + m)) + "@Hauptgruppe " + std::to_string(m + 1) + "@" +
              std::to_string(m * (uppers / mains) + 1) + "'," + crlf;
    std::string wo = "// Obergruppen" + crlf + "var wo = [" + crlf;
    for (int u = 0; u < uppers; ++u)
        wo += "'U" + std::to_string(u) + "@Obergruppe Bauelemente " + std::to_string(u) + "@" +
              std::to_string(u * (products / uppers) + 1) + "'," + crlf;
    std::string wg = "// Warengruppen" + crlf + "var wg = [" + crlf;
    std::string art = "// Artikel https://www.zelvo.de/Katalog/2026/12/01 Stand" + crlf + "var art = [" + crlf;
    for (int p = 0; p < products; ++p) {
        const std::string key = "P" + std::to_string(p);
        wg += "'" + key + "@Widerst\xC3\xA4nde Gruppe " + std::to_string(p) + "@" + std::to_string(p * perProduct + 1) +
              "'," + crlf;
        for (int i = 0; i < perProduct; ++i) {
            const int n = p * perProduct + i;
            art += "'" + key + "@R " + std::to_string(n) + "R@Typ " + std::to_string(n) +
                   "@@@@@Hersteller@Metallschicht 0,6W 1%@Geh\xC3\xA4use " + std::to_string(2 + n % 40) + "x10x5mm@" +
                   std::to_string(1 + n % 4) + "@1@1@1@1@" + std::to_string(100 + n % 900) + "@84@10@" +
                   std::to_string(90 + n % 800) + "@75@100@" + std::to_string(80 + n % 700) + "@67@@@@@@@@@@" +
                   std::to_string(n) + "@35@100'," + crlf;
        }
    }
    writeText(dir / "wh.js", wh + "];" + crlf);
    writeText(dir / "wo.js", wo + "];" + crlf);
    writeText(dir / "wg.js", wg + "];" + crlf);
    writeText(dir / "art.js", art + "];" + crlf);
}

fs::path* g_removeAtExit = nullptr;

// A program directory with zelvodaten/ filled once per process; the benchmarks run inside it.
const fs::path& workDirectory() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("kvx-import-bench-" + std::to_string(::getpid()));
        fs::create_directories(d / "zelvodaten");
        if (const char* src = std::getenv("KVX_BENCH_SOURCES")) {
            for (const char* f : {"art.js", "wh.js", "wo.js", "wg.js"})
                fs::copy_file(fs::path(src) / f, d / "zelvodaten" / f, fs::copy_options::overwrite_existing);
        } else {
            generateSources(d / "zelvodaten", 60000);
        }
        fs::current_path(d);
        // Kept beyond the destruction of function statics, which runs before this exit handler.
        g_removeAtExit = new fs::path(d);
        std::atexit([] {
            std::error_code ec;
            fs::current_path(fs::temp_directory_path(), ec);
            fs::remove_all(*g_removeAtExit, ec);
        });
        return d;
    }();
    return dir;
}

Catalogue& importedCatalogue() {
    static Catalogue catalogue;
    static PosixFileSystem files;
    if (!catalogue.isLoaded()) {
        workDirectory();
        bench::SilentUi ui;
        if (!runImport(files, ui, catalogue).ok) std::abort();
    }
    return catalogue;
}

// What the import reads and writes, done as plainly as the same interface allows.
void ioFloor(FileSystem& files, const std::vector<std::uint64_t>& outputSizes) {
    std::vector<char> buffer(1 << 16);
    for (const char* f : {"zelvodaten/wg.js", "zelvodaten/wo.js", "zelvodaten/wh.js", "zelvodaten/art.js"}) {
        auto in = files.open(f, OpenMode::ReadOnly);
        std::uint64_t at = 0;
        for (long long n; (n = in->readAt(at, buffer.data(), buffer.size())) > 0;) at += static_cast<std::uint64_t>(n);
        benchmark::DoNotOptimize(at);
    }
    const std::vector<char> zeros(1 << 18);
    const char* names[] = {"f1.tmp", "f2.tmp", "f3.tmp", "f4.tmp"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto out = files.open(names[i], OpenMode::CreateTruncate);
        for (std::uint64_t at = 0; at < outputSizes[i]; at += zeros.size())
            out->writeAt(at, zeros.data(), std::min<std::uint64_t>(zeros.size(), outputSizes[i] - at));
        out->sync();
        out->close();
        files.rename(names[i], std::string(names[i]) + ".dat");
    }
    files.syncDirectory(".");
}

std::vector<std::uint64_t> outputSizes() {
    importedCatalogue();
    std::vector<std::uint64_t> sizes;
    for (const char* f : {"wgg.dat", "wog.dat", "whg.dat", "art.dat"}) sizes.push_back(fs::file_size(f));
    return sizes;
}

void BM_RunImport(benchmark::State& state) {
    Catalogue& catalogue = importedCatalogue();
    PosixFileSystem files;
    bench::SilentUi ui;
    const auto sizes = outputSizes();
    double floorSeconds = 0;
    for (auto _ : state) {
        const ImportResult r = runImport(files, ui, catalogue);
        if (!r.ok) state.SkipWithError("import failed");
        state.PauseTiming();
        const auto t0 = std::chrono::steady_clock::now();
        ioFloor(files, sizes);
        floorSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.ResumeTiming();
    }
    state.counters["articles"] = catalogue.articleCount();
    state.counters["floor_ms"] = benchmark::Counter(floorSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RunImport)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportIoFloor(benchmark::State& state) {
    PosixFileSystem files;
    const auto sizes = outputSizes();
    for (auto _ : state) ioFloor(files, sizes);
}
BENCHMARK(BM_ImportIoFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadAllArticles(benchmark::State& state) {
    const Catalogue& catalogue = importedCatalogue();
    for (auto _ : state) {
        long sum = 0;
        for (std::uint32_t n = 0; n < catalogue.articleCount(); ++n) sum += catalogue.articles().read(n).prices[0];
        benchmark::DoNotOptimize(sum);
    }
    state.counters["articles"] = catalogue.articleCount();
}
BENCHMARK(BM_ReadAllArticles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FillCatalogueList1001(benchmark::State& state) {
    const Catalogue& catalogue = importedCatalogue();
    for (auto _ : state) {
        const auto rows = catalogueListRows(catalogue.articles(), 20000, 21000, StatusFilter{1, 1, 1, 1, 1}, false);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_FillCatalogueList1001)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
