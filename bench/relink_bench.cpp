// The catalogue import with the re-link of My Articles beside the import alone: 60,000 generated articles,
// 10,000 My Articles entries, 1,000 documents of 10 positions in each of the four booking files and a
// direct order of 20 positions (article names made unique, see world()). The imports alternate between two editions of
// the catalogue (the second with three articles inserted at the front, one dearer, one gone), so that every re-link
// moves every entry and rewrites every document; the import alone alternates the same way.
//
// All times are wall times; the counters give the re-link's share (the difference of the two medians is
// what the re-link adds). Run with --benchmark_repetitions=N and read the medians.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/clock.h"
#include "bench/bench_directory.h"
#include "bench/silent_ui.h"
#include "catalogue/catalogue.h"
#include "catalogue/import.h"
#include "settings/settings_record.h"
#include "stock/catalogue_relink.h"
#include "stock/stock_session.h"
#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/js_writer.h"

namespace {

using namespace kvx;
namespace fsys = std::filesystem;

constexpr int kArticles = 60000;
constexpr std::uint32_t kEntries = 10000;
constexpr std::uint32_t kDocuments = 1000;
constexpr std::uint32_t kPositions = 10;

void writeFile(const fsys::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writeSources(const std::string& dir, const catgen::GeneratedCatalogue& c) {
    fsys::create_directories(dir);
    writeFile(dir + "/wg.js", catgen::productGroupFile(c));
    writeFile(dir + "/wo.js", catgen::upperGroupFile(c));
    writeFile(dir + "/wh.js", catgen::mainGroupFile(c));
    writeFile(dir + "/art.js", catgen::articleFile(c, {}));
}

ImportSources sourcesIn(const std::string& dir) {
    ImportSources s;
    s.wg = dir + "/wg.js";
    s.wo = dir + "/wo.js";
    s.wh = dir + "/wh.js";
    s.art = dir + "/art.js";
    return s;
}

struct World {
    PosixFileSystem files;
    Catalogue catalogue;
    SettingsRecord settings;
    FixedClock clock{{2026, 12, 8}, 0};
    ImportSources editions[2] = {sourcesIn("edition1"), sourcesIn("edition2")};
    int next = 1;  // the edition the next import reads
};

// The two editions, the first imported, My Articles with every sixth article, the booking files and the
// direct order.
World& world() {
    static World* w = [] {
        bench::enterBenchDirectory("kvx-relink-bench");
        catgen::GeneratedCatalogue c = catgen::buildCatalogue(kArticles - 3, 1);
        // At this size the generator repeats its value combinations, so names repeat within a group; a
        // distributor's article names do not: each gets a serial number.
        for (std::size_t i = 0; i < c.articles.size(); ++i) {
            std::string& name = c.articles[i].names[0];
            name = name.substr(0, std::min<std::size_t>(name.size(), 17)) + " " + std::to_string(i);
        }
        writeSources("edition1", c);
        catgen::changeCatalogue(c, 3, 3000, 4000);
        writeSources("edition2", c);
        auto* made = new World;
        bench::SilentUi ui(true);
        if (!runImport(made->files, ui, made->catalogue, made->editions[0]).ok) std::abort();

        std::string records;
        for (std::uint32_t i = 0; i < kEntries; ++i) {
            const auto a = static_cast<ArticleNumber>(i * 6);
            const Bytes r = makeMyArticleRecord(a, made->catalogue.articles().readWorkingCopy(a)).encode();
            records.append(r.begin(), r.end());
        }
        writeFile("meinart/artikel.dat", records);
        std::string documents;
        for (std::uint32_t d = 0; d < kDocuments; ++d) {
            BookingDocument doc = BookingDocument::initialised(1261201);
            for (std::uint32_t p = 0; p < kPositions; ++p) {
                BookingPosition& pos = doc.positions[doc.positionCount++];
                pos.recordNumber = static_cast<std::uint16_t>((d * 37 + p * 1009) % kEntries);
                pos.catalogueNumber = static_cast<std::uint16_t>(pos.recordNumber * 6);
                pos.quantity = 1;
            }
            const Bytes b = doc.encode();
            documents.append(b.begin(), b.end());
        }
        for (const char* f : {"bestell.dat", "bedarf.dat", "verbrauch.dat", "kalku.dat"})
            writeFile(std::string("meinart/") + f, documents);
        BookingDocument direct = BookingDocument::initialised(1261201);
        for (std::uint32_t p = 0; p < 20; ++p) {
            const auto a = static_cast<ArticleNumber>(p * 2999);
            (void)addCataloguePosition(direct, a, made->catalogue.articles().read(a));
        }
        const Bytes b = direct.encode();
        writeFile("dirbest.dat", std::string(b.begin(), b.end()));
        return made;
    }();
    return *w;
}

void BM_ImportAlone(benchmark::State& state) {
    World& w = world();
    for (auto _ : state) {
        bench::SilentUi ui(true);
        if (!runImport(w.files, ui, w.catalogue, w.editions[w.next]).ok) state.SkipWithError("import failed");
        w.next = 1 - w.next;
    }
    state.counters["articles"] = w.catalogue.articleCount();
}
BENCHMARK(BM_ImportAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportWithRelink(benchmark::State& state) {
    World& w = world();
    StockSession session(w.files, w.clock, w.settings, w.catalogue, "meinart");
    if (!session.open().empty()) state.SkipWithError("stock files");
    session.loadCurrentDocuments(0);
    double moved = 0, notFound = 0;
    for (auto _ : state) {
        bench::SilentUi ui(true);
        CatalogueRelink relink(w.files, session, w.catalogue);
        if (!runImport(w.files, ui, w.catalogue, w.editions[w.next], nullptr, &relink).ok || !relink.report().done)
            state.SkipWithError("import failed");
        moved = static_cast<double>(relink.report().moved());
        notFound = static_cast<double>(relink.report().notFound());
        w.next = 1 - w.next;
    }
    state.counters["entries"] = session.myArticleCount();
    state.counters["moved"] = moved;
    state.counters["not_found"] = notFound;
    state.counters["documents"] = session.documentCount(BookingFile::Orders) * 4;
}
BENCHMARK(BM_ImportWithRelink)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
