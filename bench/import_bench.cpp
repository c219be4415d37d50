// The catalogue import beside its I/O floor, at 1,000, 10,000, 30,000 and 60,000 articles written by the
// catalogue generator; plus reading every article by position and filling a 1001-row catalogue list.
//
// All times are wall times. Each iteration runs the import (with the settings block, as the program does)
// and then the floor in the same directory, so both see the same disk at nearly the same moment; the
// counters give the import's time until its success message (what the user waits for), its whole time
// (including the removal of the old files, which runs while the message is shown), the floor, and their
// ratios. The floor does what the import cannot avoid, with the same calls: reads the four sources,
// writes files of the sizes the import writes, each synced, writes and syncs the marker, syncs the
// directory, moves the old files aside, renames the new ones into place, syncs the directory and removes
// the marker. Its removal of the old files is not timed, as the import's is off the user's wait.
//
// Run with --benchmark_repetitions=N --benchmark_enable_random_interleaving and read the medians.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/user_interface.h"
#include "bench/silent_ui.h"
#include "catalogue/catalogue.h"
#include "catalogue/group_tree.h"
#include "catalogue/import.h"
#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/js_writer.h"

namespace {

using namespace kvx;
namespace fsys = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kSettingsSize = 6478;
const char* const kSources[] = {"zelvodaten/wg.js", "zelvodaten/wo.js", "zelvodaten/wh.js", "zelvodaten/art.js"};
const char* const kOutputs[] = {"wgg.dat", "wog.dat", "whg.dat", "art.dat", "settings.dat"};

void writeFile(const fsys::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

fsys::path* g_removeAtExit = nullptr;

const fsys::path& baseDirectory() {
    static const fsys::path dir = [] {
        const fsys::path d = fsys::temp_directory_path() / ("kvx-import-bench-" + std::to_string(::getpid()));
        fsys::create_directories(d);
        // Kept beyond the destruction of function statics, which runs before this exit handler.
        g_removeAtExit = new fsys::path(d);
        std::atexit([] {
            std::error_code ec;
            fsys::current_path(fsys::temp_directory_path(), ec);
            fsys::remove_all(*g_removeAtExit, ec);
        });
        return d;
    }();
    return dir;
}

ImportSettingsFile settingsFile() {
    return {"settings.dat", [](DateNumber) { return std::string(kSettingsSize, '\0'); }};
}

// Notes when the import tells the user it is done.
class MessageClock final : public bench::SilentUi {
  public:
    MessageClock() : SilentUi(true) {}
    void inform(const std::string& text) override {
        if (text == "Datenimport erfolgreich beendet.") m_done = Clock::now();
    }
    Clock::time_point done() const { return m_done; }

  private:
    Clock::time_point m_done{};
};

std::vector<std::uint64_t> outputSizes() {
    std::vector<std::uint64_t> sizes;
    for (const char* f : kOutputs) sizes.push_back(fsys::file_size(f));
    return sizes;
}

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "floor: %s failed\n", what);
        std::abort();
    }
}

// The I/O the import cannot do without, done as plainly as the same interface allows (names of its own
// beside the catalogue's). Returns the seconds the user would wait for it.
double ioFloor(FileSystem& files, const std::vector<std::uint64_t>& sizes) {
    const Clock::time_point start = Clock::now();
    std::vector<char> buffer(1 << 16);
    for (const char* f : kSources) {
        auto in = files.open(f, OpenMode::ReadOnly);
        check(in != nullptr, "open");
        std::uint64_t at = 0;
        for (long long n; (n = in->readAt(at, buffer.data(), buffer.size())) > 0;) at += static_cast<std::uint64_t>(n);
        benchmark::DoNotOptimize(at);
    }
    const std::vector<char> bytes(1 << 18, 'x');
    std::vector<std::string> names;
    for (const char* f : kOutputs) names.push_back(std::string("floor-") + f);
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto out = files.open(names[i] + ".new", OpenMode::CreateTruncate);
        check(out != nullptr, "create");
        for (std::uint64_t at = 0; at < sizes[i]; at += bytes.size())
            check(out->writeAt(at, bytes.data(), std::min<std::uint64_t>(bytes.size(), sizes[i] - at)), "write");
        check(out->sync() && out->close(), "sync");
    }
    auto marker = files.open("floor-marker.new", OpenMode::CreateTruncate);
    check(marker && marker->writeAt(0, "floor\n", 6) && marker->sync() && marker->close(), "marker");
    check(files.syncDirectory("."), "directory sync");
    for (const std::string& name : names) {
        if (files.exists(name)) check(files.rename(name, name + ".old"), "rename aside");
        check(files.rename(name + ".new", name), "rename");
    }
    check(files.syncDirectory("."), "directory sync");
    check(files.remove("floor-marker.new"), "remove marker");
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const std::string& name : names) (void)files.remove(name + ".old");
    return seconds;
}

// A program directory per catalogue size with the generated sources and a first import done, so that
// every timed import replaces a catalogue, as a user's does. Makes it the working directory.
Catalogue& enterCatalogue(int articles) {
    static std::map<int, Catalogue> catalogues;
    const fsys::path dir = baseDirectory() / ("n" + std::to_string(articles));
    const bool fresh = !fsys::exists(dir);
    if (fresh) {
        fsys::create_directories(dir / "zelvodaten");
        const catgen::GeneratedCatalogue c = catgen::buildCatalogue(articles, 1);
        writeFile(dir / kSources[0], catgen::productGroupFile(c));
        writeFile(dir / kSources[1], catgen::upperGroupFile(c));
        writeFile(dir / kSources[2], catgen::mainGroupFile(c));
        writeFile(dir / kSources[3], catgen::articleFile(c, {}));
    }
    fsys::current_path(dir);
    Catalogue& catalogue = catalogues[articles];
    if (fresh) {
        PosixFileSystem files;
        bench::SilentUi ui(true);
        const ImportSettingsFile settings = settingsFile();
        if (!runImport(files, ui, catalogue, {}, &settings).ok) std::abort();
        (void)ioFloor(files, outputSizes());  // so that the floor, too, has old files to move aside
    }
    return catalogue;
}

void BM_Import(benchmark::State& state) {
    const int articles = static_cast<int>(state.range(0));
    Catalogue& catalogue = enterCatalogue(articles);
    PosixFileSystem files;
    const ImportSettingsFile settings = settingsFile();
    const auto sizes = outputSizes();
    double toMessage = 0, total = 0, floor = 0;
    for (auto _ : state) {
        MessageClock ui;
        const Clock::time_point start = Clock::now();
        const ImportResult r = runImport(files, ui, catalogue, {}, &settings);
        const Clock::time_point end = Clock::now();
        state.PauseTiming();
        if (!r.ok) state.SkipWithError("import failed");
        toMessage += std::chrono::duration<double>(ui.done() - start).count();
        total += std::chrono::duration<double>(end - start).count();
        floor += ioFloor(files, sizes);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["articles"] = catalogue.articleCount();
    state.counters["to_message_ms"] = toMessage * 1000 / n;
    state.counters["total_ms"] = total * 1000 / n;
    state.counters["floor_ms"] = floor * 1000 / n;
    state.counters["ratio"] = toMessage / floor;
    state.counters["total_ratio"] = total / floor;
}
BENCHMARK(BM_Import)->Arg(1000)->Arg(10000)->Arg(30000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadAllArticles(benchmark::State& state) {
    const Catalogue& catalogue = enterCatalogue(60000);
    for (auto _ : state) {
        long sum = 0;
        for (std::uint32_t n = 0; n < catalogue.articleCount(); ++n) sum += catalogue.articles().read(n).prices[0];
        benchmark::DoNotOptimize(sum);
    }
    state.counters["articles"] = catalogue.articleCount();
}
BENCHMARK(BM_ReadAllArticles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FillCatalogueList1001(benchmark::State& state) {
    const Catalogue& catalogue = enterCatalogue(60000);
    for (auto _ : state) {
        const auto rows = catalogueListRows(catalogue.articles(), 20000, 21000, StatusFilter{1, 1, 1, 1, 1}, false);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_FillCatalogueList1001)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
