// Stock keeping on files of realistic size: 10,000 and 65,535 My Articles records (65,534 for the insertion,
// the largest file that still takes one), 1,000 documents of 20 positions in each of the four booking files.
// Loading the article index; inserting an article in front (every record moved, every document renumbered,
// all through the journal with its syncs) beside its I/O floor (writing the same bytes into the same files
// and syncing them, no journal); pricing a 50-position document with its prices read from My Articles.
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
#include "stock/my_article_commands.h"
#include "stock/stock_session.h"

namespace {

using namespace kvx;
namespace fs = std::filesystem;

constexpr std::uint32_t kDocuments = 1000;
constexpr int kPositionsPerDocument = 20;
constexpr ArticleNumber kFirstArticle = 2;

const fs::path& workDirectory() {
    return bench::enterBenchDirectory("kvx-stock-bench");
}

std::string myArticlesBytes(std::uint32_t records) {
    std::string s;
    s.reserve(std::size_t{records} * MyArticleRecord::kSize);
    for (std::uint32_t i = 0; i < records; ++i) {
        MyArticleRecord r;
        r.articleNumber = static_cast<ArticleNumber>(kFirstArticle + i);
        r.articleCopy[6] = 4;  // a name
        putI32(r.articleCopy.data(), 240, 1);
        putI32(r.articleCopy.data(), 244, 10);
        putI32(r.articleCopy.data(), 264, 500 + static_cast<std::int32_t>(i % 100));
        putI32(r.articleCopy.data(), 268, 400);
        r.minimumStock = 10;
        const Bytes b = r.encode();
        s.append(b.begin(), b.end());
    }
    return s;
}

std::string bookingBytes(std::uint32_t records) {
    std::string s;
    for (std::uint32_t n = 0; n < kDocuments; ++n) {
        BookingDocument d = BookingDocument::initialised(1261208);
        for (int p = 0; p < kPositionsPerDocument; ++p) {
            d.positions[static_cast<std::size_t>(p)].recordNumber =
                static_cast<std::uint16_t>((n * 7919u + static_cast<std::uint32_t>(p) * 104729u) % records);
            d.positions[static_cast<std::size_t>(p)].quantity = static_cast<std::uint16_t>(1 + p);
        }
        d.positionCount = kPositionsPerDocument;
        const Bytes b = d.encode();
        s.append(b.begin(), b.end());
    }
    return s;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

const char* const kBookingPaths[] = {"meinart/bestell.dat", "meinart/bedarf.dat", "meinart/verbrauch.dat",
                                     "meinart/kalku.dat"};

// Puts the files of `records` My Articles records in place.
void prepareFiles(std::uint32_t records) {
    workDirectory();
    static std::uint32_t prepared = 0;
    static std::string articles, bookings;
    if (prepared != records) {
        articles = myArticlesBytes(records);
        bookings = bookingBytes(records);
        prepared = records;
    }
    writeFile("meinart/artikel.dat", articles);
    for (const char* p : kBookingPaths) writeFile(p, bookings);
    writeFile("dirbest.dat", "");
}

struct Session {
    PosixFileSystem files;
    FixedClock clock{{2026, 12, 8}, 0};
    SettingsRecord settings;
    Catalogue catalogue;
    StockSession session{files, clock, settings, catalogue, "meinart"};
    Session() {
        if (!session.open().empty()) std::abort();
    }
};

void BM_LoadArticleIndex(benchmark::State& state) {
    const auto records = static_cast<std::uint32_t>(state.range(0));
    prepareFiles(records);
    PosixFileSystem files;
    for (auto _ : state) {
        auto file = files.open("meinart/artikel.dat", OpenMode::ReadWrite);
        ArticleIndex index;
        std::string error;
        if (!ArticleIndex::load(*file, records, MyArticleRecord::kSize, index, error)) state.SkipWithError("load");
        benchmark::DoNotOptimize(index.size());
    }
    state.counters["records"] = records;
}
BENCHMARK(BM_LoadArticleIndex)->Arg(10000)->Arg(65535)->Unit(benchmark::kMillisecond)->UseRealTime();

// The My Articles list (kind 4) filled from the file: every record read and turned into its 15 cells.
void BM_FillMyArticlesList(benchmark::State& state) {
    const auto records = static_cast<std::uint32_t>(state.range(0));
    prepareFiles(records);
    Session s;
    for (auto _ : state) {
        const ListContent content = myArticlesListContent(s.session, s.catalogue.groups(), false);
        if (content.rows.size() != records) state.SkipWithError("rows");
        benchmark::DoNotOptimize(content.rows.data());
    }
    state.counters["records"] = records;
}
BENCHMARK(BM_FillMyArticlesList)->Arg(10000)->Arg(65535)->Unit(benchmark::kMillisecond)->UseRealTime();

// Writes the bytes the insertion writes into the data files, in place, and syncs each file.
void insertionFloor(std::uint32_t records) {
    PosixFileSystem files;
    const Bytes articles(std::size_t{records + 1} * MyArticleRecord::kSize, 1);
    const Bytes bookings(std::size_t{kDocuments} * BookingDocument::kSize, 1);
    auto a = files.open("meinart/artikel.dat", OpenMode::ReadWrite);
    if (!a->writeAt(0, articles.data(), articles.size()) || !a->sync()) std::abort();
    for (const char* p : kBookingPaths) {
        auto f = files.open(p, OpenMode::ReadWrite);
        if (!f->writeAt(0, bookings.data(), bookings.size()) || !f->sync()) std::abort();
    }
}

void BM_InsertAtFront(benchmark::State& state) {
    const auto records = static_cast<std::uint32_t>(state.range(0));
    double floorSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepareFiles(records);
        auto s = std::make_unique<Session>();
        MyArticleRecord r;
        r.articleNumber = 1;  // before every other: all records move
        state.ResumeTiming();
        const InsertResult result = s->session.insertMyArticle(r);
        state.PauseTiming();
        if (!result.ok || result.recordNumber != 0) state.SkipWithError(result.message.c_str());
        s.reset();
        prepareFiles(records);
        const auto t0 = std::chrono::steady_clock::now();
        insertionFloor(records);
        floorSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.ResumeTiming();
    }
    state.counters["records"] = records;
    state.counters["floor_ms"] = benchmark::Counter(floorSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_InsertAtFront)->Arg(10000)->Arg(65534)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_InsertionFloor(benchmark::State& state) {
    const auto records = static_cast<std::uint32_t>(state.range(0));
    prepareFiles(records);
    for (auto _ : state) insertionFloor(records);
    state.counters["records"] = records;
}
BENCHMARK(BM_InsertionFloor)->Arg(10000)->Arg(65534)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_PriceDocument50(benchmark::State& state) {
    prepareFiles(10000);
    Session s;
    BookingDocument d = BookingDocument::initialised(1261208);
    for (std::uint16_t p = 0; p < 50; ++p) {
        d.positions[p].recordNumber = static_cast<std::uint16_t>(p * 197);
        d.positions[p].quantity = static_cast<std::uint16_t>(1 + p * 3);
        d.positions[p].delivered = static_cast<std::uint16_t>(p);
    }
    d.positionCount = 50;
    const PriceLookup lookup = [&s](const BookingPosition& p) { return s.session.priceDataFor(p); };
    for (auto _ : state) {
        std::string refusal;
        if (!repriceDocument(d, lookup, PricingMode::ByQuantity, true, refusal)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(d.grossOrdered);
    }
}
BENCHMARK(BM_PriceDocument50)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
