// The stock-keeping test world and the fault sweep.
#include "tests/support/stock_world.h"

#include <gtest/gtest.h>

#include "base/io_error.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fault_file_system.h"

namespace kvx::test {

namespace {

const char* const kFiles[] = {"meinart/artikel.dat",   "meinart/bestell.dat", "meinart/bedarf.dat",
                              "meinart/verbrauch.dat", "meinart/kalku.dat",   "dirbest.dat"};

}  // namespace

StockWorld::StockWorld(const std::function<void(SmallCatalogue&)>& adjust) {
    SmallCatalogue c = smallCatalogue();
    if (adjust) adjust(c);
    ram.put("whg.dat", fileOf(c.mains));
    ram.put("wog.dat", fileOf(c.uppers));
    ram.put("wgg.dat", fileOf(c.products));
    ram.put("art.dat", fileOf(c.articles));
    EXPECT_TRUE(catalogue.load(ram));
}

MyArticleRecord StockWorld::record(ArticleNumber a, int stock, int demand, int minimumStock) const {
    MyArticleRecord r = makeMyArticleRecord(a, catalogue.articles().readWorkingCopy(a));
    r.stock = static_cast<std::int16_t>(stock);
    r.demand = static_cast<std::int16_t>(demand);
    r.minimumStock = static_cast<std::uint16_t>(minimumStock);
    updateQuantityToOrder(r);
    return r;
}

void StockWorld::putMyArticles(const std::vector<MyArticleRecord>& records) {
    ram.put("meinart/artikel.dat", fileOf(records));
}

BookingDocument StockWorld::document(std::uint8_t status, DateNumber offset0, DateNumber offset8,
                                     std::uint16_t costCentre, const std::vector<Position>& positions) {
    BookingDocument d = BookingDocument::initialised(1261101);
    d.status = status;
    d.bookedDate = offset0;
    d.eventDate = offset8;
    d.costCentre = costCentre;
    for (const Position& p : positions) {
        BookingPosition& q = d.positions[d.positionCount++];
        q.recordNumber = p.record;
        q.quantity = p.quantity;
        q.delivered = p.delivered;
        q.name = "P" + std::to_string(p.record);
        q.grossTotal = 1000 * p.quantity;
    }
    d.grossOrdered = 0;
    for (const Position& p : positions) d.grossOrdered += 1000 * p.quantity;
    return d;
}

void StockWorld::putDocuments(BookingFile file, const std::vector<BookingDocument>& documents) {
    const std::string path =
        file == BookingFile::DirectOrder ? "dirbest.dat" : std::string("meinart/") + bookingFileName(file);
    ram.put(path, fileOf(documents));
}

std::map<std::string, std::string> StockWorld::snapshot() {
    std::map<std::string, std::string> s;
    for (const char* f : kFiles) s[f] = ram.exists(f) ? ram.get(f) : "<none>";
    s["journal"] = ram.exists("meinart/journal.dat") ? "<left>" : "";
    return s;
}

void StockWorld::activateAll() {
    for (int n = 0; n <= centres.last(); ++n) centres.setActive(n, true, settings);
}

void sweepStockChange(const std::function<void(StockWorld&)>& setup,
                      const std::function<bool(StockSession&, StockWorld&)>& change) {
    std::map<std::string, std::string> before, after;
    {
        StockWorld w;
        setup(w);
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        ASSERT_TRUE(s.open().empty());
        before = w.snapshot();  // with the files the start creates
        ASSERT_TRUE(change(s, w));
        after = w.snapshot();
        ASSERT_NE(before, after) << "the change changed nothing";
    }
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            const std::string where = "kind " + std::to_string(static_cast<int>(kind)) + " call " + std::to_string(n);
            StockWorld w;
            setup(w);
            FaultyFileSystem fs(w.ram);
            StockSession s(fs, w.clock, w.settings, w.catalogue, "meinart");
            ASSERT_TRUE(s.open().empty());
            fs.failAt(n, kind);
            bool ok = false;
            try {
                ok = change(s, w);
            } catch (const IoError&) {
                ok = false;  // a failed read ends the command before anything was written
            }
            const bool reached = fs.calls() >= n;
            fs.dropUnsyncedWrites();
            const bool stopped = s.writesStopped();
            std::string error;
            (void)s.close(error);

            StockSession restart(w.ram, w.clock, w.settings, w.catalogue, "meinart");
            EXPECT_TRUE(restart.open().empty()) << where;
            const std::map<std::string, std::string> now = w.snapshot();
            ASSERT_TRUE(now == before || now == after) << "a mix, " << where;
            if (ok) {
                EXPECT_TRUE(now == after) << "reported done but lost, " << where;
            } else if (!stopped) {
                EXPECT_TRUE(now == before) << "failed without stopping, yet changed, " << where;
            }
            if (!reached) {
                EXPECT_TRUE(ok) << where;
                break;
            }
        }
    }
}

}  // namespace kvx::test
