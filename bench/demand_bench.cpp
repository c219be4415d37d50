// Reports and the demand update on files of realistic size: 10,000 My Articles records and 2,000 documents
// of 20 positions in each booking file, spread over 25 cost centres and 40 main groups. The stock history of
// one article, the cost centre overview, the cost details of one cost centre, the stock value report, and the
// demand update at start-up with 200 deferred demands due (one change through the journal); beside each
// report, the floor of reading the same files whole.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/clock.h"
#include "base/file_system.h"
#include "bench/bench_directory.h"
#include "silent_ui.h"
#include "stock/cost_reports.h"
#include "stock/demand_consumption.h"
#include "stock/stock_reports.h"

namespace {

using namespace kvx;
namespace fs = std::filesystem;

constexpr std::uint32_t kRecords = 10000;
constexpr std::uint32_t kDocuments = 2000;
constexpr std::uint32_t kDue = 200;
constexpr int kPositions = 20;
constexpr int kMainGroups = 40;

void workDirectory() {
    (void)bench::enterBenchDirectory("kvx-demand-bench");
}

template <typename T>
void append(std::string& s, const T& record) {
    const Bytes b = record.encode();
    s.append(b.begin(), b.end());
}

std::string myArticles() {
    std::string s;
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        MyArticleRecord r;
        r.articleNumber = static_cast<ArticleNumber>(2 + i);
        r.mainGroup = static_cast<std::uint16_t>(1 + i % kMainGroups);
        r.articleCopy[6] = 4;
        putI32(r.articleCopy.data(), 240, 1);
        putI32(r.articleCopy.data(), 264, 500 + static_cast<std::int32_t>(i % 100));
        r.stock = static_cast<std::int16_t>(i % 7);
        append(s, r);
    }
    return s;
}

// Documents of kind `file`; in bedarf.dat the last kDue are booked, not applied and due on 10.12.26.
std::string documents(BookingFile file) {
    std::string s;
    for (std::uint32_t n = 0; n < kDocuments; ++n) {
        BookingDocument d = BookingDocument::initialised(1261101);
        d.costCentre = static_cast<std::uint16_t>(n % 25);
        d.status = 2;
        d.bookedDate = 1260101 + (n % 12) * 100;
        d.eventDate = 1260110 + (n % 12) * 100;
        if (file == BookingFile::Demand && n >= kDocuments - kDue) {
            d.bookedDate = 0;
            d.eventDate = 1261210;
        }
        for (int p = 0; p < kPositions; ++p) {
            BookingPosition& q = d.positions[static_cast<std::size_t>(p)];
            q.recordNumber =
                static_cast<std::uint16_t>((n * 7919u + static_cast<std::uint32_t>(p) * 104729u) % kRecords);
            q.quantity = static_cast<std::uint16_t>(1 + p);
            q.delivered = q.quantity;
            q.grossTotal = 1000 * q.quantity;
        }
        d.positionCount = kPositions;
        d.grossOrdered = 210000;
        append(s, d);
    }
    return s;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void prepareFiles() {
    workDirectory();
    static const std::string articles = myArticles();
    static const std::string orders = documents(BookingFile::Orders);
    static const std::string demand = documents(BookingFile::Demand);
    static const std::string consumption = documents(BookingFile::Consumption);
    writeFile("meinart/artikel.dat", articles);
    writeFile("meinart/bestell.dat", orders);
    writeFile("meinart/bedarf.dat", demand);
    writeFile("meinart/verbrauch.dat", consumption);
    writeFile("meinart/kalku.dat", "");
    writeFile("dirbest.dat", "");
    std::string mains;
    for (int g = 1; g <= kMainGroups; ++g) append(mains, MainGroup{static_cast<char>('A' + g % 26), "Gruppe", 1});
    writeFile("whg.dat", mains);
}

struct World {
    PosixFileSystem files;
    FixedClock clock{{2026, 12, 8}, 0};
    SettingsRecord settings;
    Catalogue catalogue;
    GroupTables groups;
    CostCentres centres;
    StockSession session{files, clock, settings, catalogue, "meinart"};
    World() {
        if (!session.open().empty() || !groups.loadMainGroups(files)) std::abort();
        centres.load(files, "meinart/kstst.dat", "meinart/kststat.dat");
    }
};

// Reading the files a report reads, whole, as its floor.
double readFloorMs(std::initializer_list<const char*> paths) {
    const auto t0 = std::chrono::steady_clock::now();
    PosixFileSystem files;
    std::string contents;
    for (const char* p : paths)
        if (!readWholeFile(files, p, contents)) std::abort();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

template <typename Report>
void runReport(benchmark::State& state, std::initializer_list<const char*> floorPaths, Report report) {
    prepareFiles();
    World w;
    double floor = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(report(w));
        state.PauseTiming();
        floor += readFloorMs(floorPaths);
        state.ResumeTiming();
    }
    state.counters["floor_ms"] = benchmark::Counter(floor, benchmark::Counter::kAvgIterations);
}

void BM_StockHistory(benchmark::State& state) {
    runReport(state, {"meinart/bestell.dat", "meinart/bedarf.dat", "meinart/verbrauch.dat"},
              [](World& w) { return stockHistoryPage(w.session, w.centres, w.clock, 4711).items.size(); });
}
BENCHMARK(BM_StockHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CostCentreOverview(benchmark::State& state) {
    runReport(state, {"meinart/bedarf.dat", "meinart/verbrauch.dat"},
              [](World& w) { return costCentreOverview(w.session, w.centres, w.settings).rows.size(); });
}
BENCHMARK(BM_CostCentreOverview)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CostDetails(benchmark::State& state) {
    runReport(state, {"meinart/bedarf.dat", "meinart/verbrauch.dat"}, [](World& w) {
        w.centres.select(7);
        return costDetailsPage(w.session, w.centres, w.settings).items.size();
    });
}
BENCHMARK(BM_CostDetails)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StockValue(benchmark::State& state) {
    runReport(state, {"meinart/artikel.dat"},
              [](World& w) { return stockValuePage(w.session, w.groups, w.clock).items.size(); });
}
BENCHMARK(BM_StockValue)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DemandUpdateAtStart(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        prepareFiles();
        auto w = std::make_unique<World>();
        bench::SilentUi ui(true);
        state.ResumeTiming();
        if (applyDueDemands(w->session, w->clock, ui) != static_cast<int>(kDue)) state.SkipWithError("not applied");
    }
}
BENCHMARK(BM_DemandUpdateAtStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
