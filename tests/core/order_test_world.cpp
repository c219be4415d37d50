// The stock world of the order tests.
#include "tests/core/order_test_world.h"

#include <gtest/gtest.h>

#include "tests/support/catalogue_test_support.h"

namespace kvx::test {

namespace {

// Article 2 with the breaks 1/10/100 at 5.00/4.00/3.00, article 3 priced per hundred, article 4 with a
// 24-character name, article 5 with VAT key 2, article 6 sold from 25 pieces, 60 more like article 1.
void growForOrders(SmallCatalogue& c) {
    CatalogueArticle& staffel = c.articles[2];
    staffel.quantities = {1, 10, 100, 0, 0, 0};
    staffel.prices = {500, 400, 300, 0, 0, 0};
    CatalogueArticle& hundred = c.articles[3];
    hundred.stkvpe = 100;
    hundred.prices[0] = 12000;
    c.articles[4].kurzbez[0] = "Kondensator-Sortiment-XL";
    c.articles[5].schlumwst = 2;
    c.articles[5].prices[0] = 1070;
    c.articles[6].quantities[0] = 25;
    for (int i = 10; i < 70; ++i) {
        CatalogueArticle a = c.articles[1];
        a.kurzbez[0] = "ART" + std::to_string(i);
        c.articles.push_back(a);
    }
}

}  // namespace

OrderWorld::OrderWorld() : StockWorld(growForOrders) {
    settings.setStockMode(true);
}

MyArticleRecord OrderWorld::record(const StockArticle& a) const {
    MyArticleRecord r = StockWorld::record(a.article, a.stock, a.demand, a.minimumStock);
    r.onOrder = a.onOrder;
    updateQuantityToOrder(r);
    return r;
}

void OrderWorld::putMyArticles(const std::vector<StockArticle>& articles) {
    std::vector<MyArticleRecord> records;
    for (const StockArticle& a : articles) records.push_back(record(a));
    StockWorld::putMyArticles(records);
}

BookingDocument OrderWorld::orderOf(const std::vector<std::pair<std::uint16_t, std::uint16_t>>& positions,
                                    std::uint8_t status) {
    BookingDocument d = BookingDocument::initialised(1261201);
    d.status = status;
    std::string contents;
    EXPECT_TRUE(ram.exists("meinart/artikel.dat"));
    contents = ram.get("meinart/artikel.dat");
    for (const auto& [r, q] : positions) {
        const MyArticleRecord rec = MyArticleRecord::decode(
            reinterpret_cast<const std::uint8_t*>(contents.data()) + std::size_t{r} * MyArticleRecord::kSize,
            MyArticleRecord::kSize);
        const std::optional<std::size_t> i = addMyArticlePosition(d, r, rec, q);
        EXPECT_TRUE(i);
        std::string refusal;
        EXPECT_TRUE(pricePosition(d, *i, PriceData::of(rec.article()), PricedQuantity::Ordered, PricingMode::ByQuantity,
                                  refusal));
    }
    return d;
}

void OrderWorld::open(bool withFaults) {
    FileSystem* fs = &ram;
    if (withFaults) {
        faulty = std::make_unique<FaultyFileSystem>(ram);
        fs = faulty.get();
    }
    session = std::make_unique<StockSession>(*fs, clock, settings, catalogue, "meinart");
    EXPECT_EQ(session->open(), std::vector<std::string>{});
    OrderContext c = context();
    EXPECT_TRUE(makeLastOrderCurrent(c, ref()));
    session->loadCurrentDocuments(0);
    direct = session->currentRef(BookingFile::DirectOrder).document;
}

}  // namespace kvx::test
