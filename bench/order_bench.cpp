// Orders on files of realistic size: 10,000 My Articles records of which 2,000 have a quantity to order, and
// 1,000 orders in bestell.dat. The automatic order (every record read, 50 positions made and priced, 2,000
// counted, the order appended through the journal) beside the proposal alone; booking the goods receipt of a
// 50-position order (50 records and the order as one commit) beside its I/O floor (the same bytes written in
// place into artikel.dat and bestell.dat and both synced, no journal).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/file_system.h"
#include "bench/bench_directory.h"
#include "bench/silent_ui.h"
#include "stock/orders.h"

namespace {

using namespace kvx;
namespace fs = std::filesystem;

constexpr std::uint32_t kRecords = 10000;
constexpr std::uint32_t kOrders = 1000;

void enterWorkDirectory() {
    (void)bench::enterBenchDirectory("kvx-order-bench");
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Every fifth record needs ordering (2,000 of 10,000); prices with a second break at 10 pieces.
void prepareFiles() {
    enterWorkDirectory();
    std::string articles;
    articles.reserve(std::size_t{kRecords} * MyArticleRecord::kSize);
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        MyArticleRecord r;
        r.articleNumber = static_cast<ArticleNumber>(2 + i);
        r.articleCopy[6] = 4;
        putI32(r.articleCopy.data(), 240, 1);
        putI32(r.articleCopy.data(), 244, 10);
        putI32(r.articleCopy.data(), 264, 500 + static_cast<std::int32_t>(i % 100));
        putI32(r.articleCopy.data(), 268, 400);
        r.stock = 100;
        if (i % 5 == 0) {
            r.minimumStock = 108;
            updateQuantityToOrder(r);
        }
        const Bytes b = r.encode();
        articles.append(b.begin(), b.end());
    }
    writeFile("meinart/artikel.dat", articles);
    const Bytes order = BookingDocument::initialised(1261201).encode();
    std::string orders;
    for (std::uint32_t n = 0; n < kOrders; ++n) orders.append(order.begin(), order.end());
    writeFile("meinart/bestell.dat", orders);
    for (const char* p : {"meinart/bedarf.dat", "meinart/verbrauch.dat", "meinart/kalku.dat", "dirbest.dat"})
        writeFile(p, "");
}

struct World {
    PosixFileSystem files;
    FixedClock clock{{2026, 12, 8}, 0};
    SettingsRecord settings;
    Catalogue catalogue;
    StockSession session{files, clock, settings, catalogue, "meinart"};
    bench::SilentUi ui{true};
    BookingDocument order = BookingDocument::initialised(1261208);
    std::uint32_t number = 0;
    bool changed = false;
    World() {
        if (!session.open().empty()) std::abort();
        number = session.documentCount(BookingFile::Orders) - 1;
        order = session.readOrInitialise(BookingFile::Orders, number);
    }
    OrderContext context() { return {session, settings, clock, ui}; }
    DocumentRef ref() { return {order, number, changed}; }
};

void BM_OrderProposal(benchmark::State& state) {
    prepareFiles();
    World w;
    for (auto _ : state) {
        OrderContext c = w.context();
        const std::optional<OrderProposal> p = proposeOrder(c);
        if (!p || p->needed != 2000 || p->order.validPositions() != 50) state.SkipWithError("proposal");
        benchmark::DoNotOptimize(p->order.grossOrdered);
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_OrderProposal)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AutomaticOrder(benchmark::State& state) {
    prepareFiles();
    World w;
    for (auto _ : state) {
        OrderContext c = w.context();
        if (automaticOrder(c, w.ref(), nullptr) != AutomaticOrderResult::Created) state.SkipWithError("not created");
    }
    state.counters["records"] = kRecords;
    state.counters["orders"] = w.session.documentCount(BookingFile::Orders);
}
BENCHMARK(BM_AutomaticOrder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The goods receipt's bytes written in place without the journal, both files synced: the records as they
// are now (read before the clock starts) and the order.
struct ReceiptFloor {
    PosixFileSystem files;
    std::unique_ptr<File> articles = files.open("meinart/artikel.dat", OpenMode::ReadWrite);
    std::unique_ptr<File> orders = files.open("meinart/bestell.dat", OpenMode::ReadWrite);
    std::vector<std::pair<std::uint64_t, Bytes>> records;

    void read(const BookingDocument& order) {
        records.clear();
        for (std::size_t i = 0; i < order.validPositions(); ++i) {
            const std::uint64_t at = std::uint64_t{order.positions[i].recordNumber} * MyArticleRecord::kSize;
            Bytes b(MyArticleRecord::kSize);
            if (articles->readAt(at, b.data(), b.size()) != static_cast<long long>(b.size())) std::abort();
            records.emplace_back(at, std::move(b));
        }
    }
    void write(const BookingDocument& order, std::uint32_t number) {
        for (const auto& [at, b] : records)
            if (!articles->writeAt(at, b.data(), b.size())) std::abort();
        const Bytes doc = order.encode();
        if (!orders->writeAt(std::uint64_t{number} * BookingDocument::kSize, doc.data(), doc.size()) ||
            !articles->sync() || !orders->sync())
            std::abort();
    }
};

void BM_GoodsReceipt50(benchmark::State& state) {
    prepareFiles();
    World w;
    BookingDocument ordered = BookingDocument::initialised(1261201);
    for (std::uint16_t p = 0; p < 50; ++p) {
        const std::uint16_t r = static_cast<std::uint16_t>(p * 197);
        if (!addMyArticlePosition(ordered, r, *w.session.readMyArticle(r), static_cast<std::uint16_t>(1 + p)))
            std::abort();
        ordered.positions[p].delivered = static_cast<std::uint16_t>(1 + p % 7);
    }
    ordered.status = 1;
    ordered.bookedDate = 1261205;
    double floorSeconds = 0;
    ReceiptFloor floor;
    for (auto _ : state) {
        w.order = ordered;
        OrderContext c = w.context();
        if (!bookGoodsReceipt(c, w.ref())) state.SkipWithError("not booked");
        state.PauseTiming();
        floor.read(w.order);
        const auto t0 = std::chrono::steady_clock::now();
        floor.write(w.order, w.number);
        floorSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.ResumeTiming();
    }
    state.counters["floor_ms"] = benchmark::Counter(floorSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GoodsReceipt50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

}  // namespace
