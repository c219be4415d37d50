// The stock world of the order tests.
#include "tests/core/order_test_world.h"

#include <gtest/gtest.h>

#include "tests/support/catalogue_test_support.h"

namespace kvx::test {

namespace {

template <typename Records>
std::string fileOf(const Records& records) {
    std::string s;
    for (const auto& r : records) {
        const Bytes b = r.encode();
        s.append(b.begin(), b.end());
    }
    return s;
}

}  // namespace

OrderWorld::OrderWorld() {
    SmallCatalogue c = smallCatalogue();
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
    ram.put("whg.dat", fileOf(c.mains));
    ram.put("wog.dat", fileOf(c.uppers));
    ram.put("wgg.dat", fileOf(c.products));
    ram.put("art.dat", fileOf(c.articles));
    EXPECT_TRUE(catalogue.load(ram));
    settings.setStockMode(true);
}

MyArticleRecord OrderWorld::record(const StockArticle& a) const {
    MyArticleRecord r = makeMyArticleRecord(a.article, catalogue.articles().readWorkingCopy(a.article));
    r.stock = a.stock;
    r.minimumStock = a.minimumStock;
    r.demand = a.demand;
    r.onOrder = a.onOrder;
    updateQuantityToOrder(r);
    return r;
}

void OrderWorld::putMyArticles(const std::vector<StockArticle>& articles) {
    std::vector<MyArticleRecord> records;
    for (const StockArticle& a : articles) records.push_back(record(a));
    ram.put("meinart/artikel.dat", fileOf(records));
}

void OrderWorld::putOrders(const std::vector<BookingDocument>& orders) {
    ram.put("meinart/bestell.dat", fileOf(orders));
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
    direct = loadDirectOrder(*session, settings, clock);
}

std::map<std::string, std::string> OrderWorld::snapshot() {
    std::map<std::string, std::string> s;
    for (const char* f : {"meinart/artikel.dat", "meinart/bestell.dat", "dirbest.dat"})
        s[f] = ram.exists(f) ? ram.get(f) : "<none>";
    s["journal"] = ram.exists("meinart/journal.dat") ? "<left>" : "";
    return s;
}

}  // namespace kvx::test
