// The stock world of the order tests: the small catalogue grown to 70 articles (article 2 with the
// breaks 1/10/100 at 5.00/4.00/3.00, article 3 priced per hundred, article 4 with a 24-character name,
// article 5 with VAT key 2, article 6 sold from 25 pieces, the others one price), My Articles and orders written
// straight into the files, the session over the RAM files or a faulty file system in front of them, a FakeUi, the
// current order and the direct order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "stock/direct_order.h"
#include "stock/orders.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/stock_world.h"

namespace kvx::test {

inline constexpr DateNumber kToday = 1261208;  // 8 December 2026

struct StockArticle {
    ArticleNumber article = 0;
    std::int16_t stock = 0;
    std::uint16_t minimumStock = 0;
    std::int16_t demand = 0;
    std::int16_t onOrder = 0;
};

struct OrderWorld : StockWorld {
    std::unique_ptr<FaultyFileSystem> faulty;
    FakeUi ui;
    std::unique_ptr<StockSession> session;
    BookingDocument order = BookingDocument::initialised(kToday);
    std::uint32_t number = 0;
    bool changed = false;
    BookingDocument direct;
    std::uint32_t directNumber = 0;
    bool directChanged = false;

    OrderWorld();
    // The catalogue record of article a as My Articles keeps it, with the quantities given (quantity to order
    // recomputed).
    MyArticleRecord record(const StockArticle& a) const;
    // artikel.dat made of these articles (ascending numbers).
    void putMyArticles(const std::vector<StockArticle>& articles);
    // bestell.dat made of these documents.
    void putOrders(const std::vector<BookingDocument>& orders) { putDocuments(BookingFile::Orders, orders); }
    // An order in work with a position per My Articles record, quantity q each, priced.
    BookingDocument orderOf(const std::vector<std::pair<std::uint16_t, std::uint16_t>>& positions,
                            std::uint8_t status = 0);
    // Opens the session (over the faulty file system when `withFaults`), makes the last order current and
    // takes the direct order the session read.
    void open(bool withFaults = false);
    DocumentRef ref() { return {order, number, changed}; }
    DocumentRef directRef() { return {direct, directNumber, directChanged}; }
    OrderContext context() { return {*session, settings, clock, ui}; }
};

}  // namespace kvx::test
