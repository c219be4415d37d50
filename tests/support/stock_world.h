// A stock-keeping world for core tests: the small catalogue and the user files in memory, a fixed clock,
// the settings and the cost centres, with builders for My Articles records and booking documents, and a
// sweep that runs a change with a fault at every file call.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/clock.h"
#include "catalogue/catalogue.h"
#include "settings/settings_record.h"
#include "stock/cost_centres.h"
#include "stock/stock_session.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/catalogue_test_support.h"

namespace kvx::test {

struct StockWorld {
    RamFileSystem ram;
    Catalogue catalogue;
    SettingsRecord settings;
    FixedClock clock{{2026, 12, 8}, 0};
    CostCentres centres;

    // The small catalogue, changed by `adjust` before it is written (extra articles, price breaks).
    explicit StockWorld(const std::function<void(SmallCatalogue&)>& adjust = {});
    // The My Articles record of catalogue article a (1..9 of the small catalogue: price 1000 + a, VAT key 1).
    MyArticleRecord record(ArticleNumber a, int stock = 0, int demand = 0, int minimumStock = 0) const;
    void putMyArticles(const std::vector<MyArticleRecord>& records);
    // Records one after another, as a record file holds them.
    template <typename Records>
    static std::string fileOf(const Records& records) {
        std::string s;
        for (const auto& r : records) {
            const Bytes b = r.encode();
            s.append(b.begin(), b.end());
        }
        return s;
    }
    // A document with positions {record number, quantity, delivered}.
    struct Position {
        std::uint16_t record;
        std::uint16_t quantity;
        std::uint16_t delivered = 0;
    };
    static BookingDocument document(std::uint8_t status, DateNumber offset0, DateNumber offset8,
                                    std::uint16_t costCentre, const std::vector<Position>& positions);
    void putDocuments(BookingFile file, const std::vector<BookingDocument>& documents);
    // The stock files (and whether a journal is left), for all-before-or-all-after checks.
    std::map<std::string, std::string> snapshot();
    // Every cost centre 0..N active.
    void activateAll();
};

// Builds a world with `setup`, runs `change` once without faults (it must succeed and change the files), then
// once per file call with an I/O error, a full disk and a crash at that call. After each run a restart must
// find the files all before or all after; a change reported done must be durable, a change refused without
// stopping the writes must have changed nothing. `change` returns whether it reported success.
void sweepStockChange(const std::function<void(StockWorld&)>& setup,
                      const std::function<bool(StockSession&, StockWorld&)>& change);

}  // namespace kvx::test
