// My Articles: the record at its offsets, the new record from a catalogue article, the quantity to order,
// the bookings' subtraction, the entry ranges, the name look-up and the index.
#include "stock/my_article_record.h"

#include <gtest/gtest.h>

#include "tests/support/fault_file_system.h"
#include "tests/support/catalogue_ram_fs.h"
#include "stock/article_index.h"

namespace kvx {
namespace {

MyArticleRecord sampleRecord() {
    CatalogueArticle a;
    a.kurzbez[0] = "BC547\xC4";  // Windows-1252 "Ä"
    a.schlumwst = 1;
    a.prices = {100, 90, 0, 0, 0, 0};
    a.quantities = {1, 100, 0, 0, 0, 0};
    const Bytes full = a.encode();
    MyArticleRecord r = makeMyArticleRecord(4711, Bytes(full.begin(), full.begin() + 288));
    r.minimumStock = 60000;
    r.minimumOrderQuantity = 40000;
    r.priceBreakIndex = 2;
    r.stock = -1000;
    r.demand = 300;
    r.onOrder = 32767;
    r.reserved = {1, 2, 3, 4, 5, 6};
    r.cumulativeConsumption = -7;
    r.cumulativeReceipt = 2000000000;
    r.datasheet = std::string(120, 'd');
    r.link = "http://x";
    r.remark = std::string(250, 'r');
    r.deliveryTime = 250;
    r.creationThreshold = 65535;
    r.quantityToOrder = 12345;
    return r;
}

TEST(MyArticleRecord, FieldsSitAtTheirOffsetsAndComeBack) {
    const MyArticleRecord r = sampleRecord();
    const Bytes b = r.encode();
    ASSERT_EQ(b.size(), 819u);
    EXPECT_EQ(MyArticleRecord::decode(b), r);
    struct Field {
        std::size_t offset;
        std::uint32_t value;
        int width;
    };
    for (const Field& f : std::vector<Field>{{0, 4711, 2},
                                             {8 + 6, 6, 1},  // name length inside the copy
                                             {296, 60000, 2},
                                             {298, 40000, 2},
                                             {300, 2, 1},
                                             {301, 0xFC18, 2},  // -1000
                                             {303, 300, 2},
                                             {305, 32767, 2},
                                             {307, 1, 1},
                                             {313, 0xFFFFFFF9u, 4},
                                             {317, 2000000000u, 4},
                                             {321, 120, 1},
                                             {442, 8, 1},
                                             {563, 250, 1},
                                             {814, 250, 1},
                                             {815, 65535, 2},
                                             {817, 12345, 2}}) {
        const std::uint32_t got = f.width == 1   ? b[f.offset]
                                  : f.width == 2 ? getU16(b.data(), f.offset)
                                                 : getU32(b.data(), f.offset);
        EXPECT_EQ(got, f.value) << "offset " << f.offset;
    }
    EXPECT_EQ(b[8 + 236], 1) << "VAT key of the copy";
}

TEST(MyArticleRecord, DamagedLengthBytesAreClampedToTheirFields) {
    Bytes b(819, 'x');
    b[321] = 200;  // datasheet: at most 120
    b[442] = 121;
    b[563] = 255;  // remark: at most 250
    const MyArticleRecord r = MyArticleRecord::decode(b);
    EXPECT_EQ(r.datasheet.size(), 120u);
    EXPECT_EQ(r.link.size(), 120u);
    EXPECT_EQ(r.remark.size(), 250u);
    EXPECT_EQ(MyArticleRecord::decode(Bytes(818, 1)), MyArticleRecord{}) << "a short buffer decodes to nothing";
}

TEST(MyArticleRecord, NewRecordTakesTheFirstPricedBreak) {
    struct Row {
        const char* name;
        std::array<std::int32_t, 6> thresholds;
        std::array<Money, 6> prices;
        int breakIndex;
        std::uint16_t threshold;
        std::uint16_t minimumOrder;
    };
    const Row rows[] = {
        {"first break priced", {5, 10, 0, 0, 0, 0}, {500, 400, 0, 0, 0, 0}, 1, 5, 5},
        {"first two unpriced", {1, 10, 25, 0, 0, 0}, {0, 0, 300, 0, 0, 0}, 3, 25, 25},
        {"nothing priced", {7, 10, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 1, 7, 7},
        {"threshold above 16 bits saturates", {100000, 0, 0, 0, 0, 0}, {10, 0, 0, 0, 0, 0}, 1, 65535, 60000},
        {"threshold 60001 fits the field, not the entry range",
         {60001, 0, 0, 0, 0, 0},
         {10, 0, 0, 0, 0, 0},
         1,
         60001,
         60000},
        {"negative threshold", {-5, 0, 0, 0, 0, 0}, {10, 0, 0, 0, 0, 0}, 1, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CatalogueArticle a;
        a.kurzbez[0] = "R1";
        a.mainGroup = 3;
        a.upperGroup = 14;
        a.productGroup = -2;  // a stored 65534
        a.quantities = row.thresholds;
        a.prices = row.prices;
        const Bytes full = a.encode();
        const Bytes copy(full.begin(), full.begin() + 288);
        const MyArticleRecord r = makeMyArticleRecord(9, copy);
        EXPECT_EQ(r.articleNumber, 9);
        EXPECT_EQ(r.priceBreakIndex, row.breakIndex);
        EXPECT_EQ(r.creationThreshold, row.threshold);
        EXPECT_EQ(r.minimumOrderQuantity, row.minimumOrder);
        EXPECT_EQ(r.mainGroup, 3);
        EXPECT_EQ(r.upperGroup, 14);
        EXPECT_EQ(r.goodsGroup, 65534);
        EXPECT_TRUE(std::equal(copy.begin(), copy.end(), r.articleCopy.begin()));
        EXPECT_EQ(r.stock, 0);
        EXPECT_EQ(r.quantityToOrder, 0);
    }
}

TEST(MyArticleRecord, QuantityToOrder) {
    struct Row {
        const char* name;
        int minimumStock, demand, stock, onOrder, minimumOrder;
        std::uint16_t expected;
    };
    const Row rows[] = {
        {"need 0", 10, 0, 10, 0, 25, 0},
        {"need below zero", 10, 0, 30, 0, 25, 0},
        {"need 1 below the minimum order", 10, 1, 10, 0, 25, 25},
        {"need 40 above it", 40, 0, 0, 0, 25, 40},
        {"need equal to it", 25, 0, 0, 0, 25, 25},
        {"negative stock adds its amount", 10, 0, -5, 0, 0, 15},
        {"on order counts", 10, 5, 0, 15, 1, 0},
        {"minimum stock above 32767 still orders", 40000, 0, 0, 0, 0, 40000},
        {"minimum order above 32767", 1, 0, 0, 0, 60000, 60000},
        {"sum beyond 16 bits saturates", 60000, 32767, -1000, 0, 0, 65535},
        {"large amounts on order never wrap", 0, 0, 32767, 32767, 0, 0},
    };
    for (const Row& row : rows) {
        MyArticleRecord r;
        r.minimumStock = static_cast<std::uint16_t>(row.minimumStock);
        r.demand = static_cast<std::int16_t>(row.demand);
        r.stock = static_cast<std::int16_t>(row.stock);
        r.onOrder = static_cast<std::int16_t>(row.onOrder);
        r.minimumOrderQuantity = static_cast<std::uint16_t>(row.minimumOrder);
        EXPECT_EQ(quantityToOrder(r), row.expected) << row.name;
        updateQuantityToOrder(r);
        EXPECT_EQ(r.quantityToOrder, row.expected) << row.name;
    }
}

TEST(MyArticleRecord, SaturatingSubtractionAndEntryRanges) {
    const std::int32_t subtraction[][3] = {{10, 3, 7}, {3, 3, 0},    {3, 10, 0},
                                           {-5, 1, 0}, {-5, -10, 5}, {32767, 0, 32767}};
    for (const auto& row : subtraction)
        EXPECT_EQ(saturatingSubtract(row[0], row[1]), row[2]) << row[0] << " - " << row[1];

    struct Row {
        const char* name;
        void (*set)(MyArticleRecord&);
        int item;
    };
    const Row rows[] = {
        {"all at their limits",
         [](MyArticleRecord& r) { r.minimumStock = 60000, r.stock = -1000, r.deliveryTime = 250; }, 0},
        {"minimum stock 60001", [](MyArticleRecord& r) { r.minimumStock = 60001; }, 1},
        {"stock -1001", [](MyArticleRecord& r) { r.stock = -1001; }, 2},
        {"stock 30001", [](MyArticleRecord& r) { r.stock = 30001; }, 2},
        {"minimum order 60001", [](MyArticleRecord& r) { r.minimumOrderQuantity = 60001; }, 3},
        {"delivery time 251", [](MyArticleRecord& r) { r.deliveryTime = 251; }, 8},
    };
    for (const Row& row : rows) {
        MyArticleRecord r;
        row.set(r);
        EXPECT_EQ(firstFieldOutOfRange(r), row.item) << row.name;
    }
}

TEST(MyArticleRecord, NameOrErrorDsnr) {
    EXPECT_EQ(myArticleName(std::nullopt, 17), "Error DSNR17");
    EXPECT_EQ(myArticleName(sampleRecord(), 0), "BC547\xC3\x84") << "shown as UTF-8";
}

TEST(ArticleIndex, FindAndInsertionPoint) {
    ArticleIndex index({3, 7, 12});
    struct Row {
        ArticleNumber a;
        std::uint32_t found, insertAt;
    };
    for (const Row& row : std::vector<Row>{{1, 0, 1}, {3, 1, 2}, {5, 0, 2}, {7, 2, 3}, {12, 3, 4}, {65535, 0, 4}}) {
        EXPECT_EQ(index.find(row.a), row.found) << row.a;
        EXPECT_EQ(index.insertionPoint(row.a), row.insertAt) << row.a;
    }
    index.insert(index.insertionPoint(5), 5);
    EXPECT_EQ(index.numbers(), (std::vector<ArticleNumber>{3, 5, 7, 12}));
    EXPECT_TRUE(index.isSorted());
    EXPECT_EQ(ArticleIndex().insertionPoint(9), 1u);
    EXPECT_FALSE(ArticleIndex({4, 4}).isSorted());
    EXPECT_EQ(ArticleIndex({9, 2}).find(2), 2u) << "an unsorted file still finds what it holds";
}

TEST(ArticleIndex, LoadsTheFirstFieldOfEveryWholeRecord) {
    test::RamFileSystem ram;
    std::string file;
    for (int i = 0; i < 2500; ++i) {  // more than one read block
        Bytes rec(819, 0xEE);
        putU16(rec.data(), 0, static_cast<std::uint16_t>(i * 3 + 1));
        file.append(rec.begin(), rec.end());
    }
    file += "torn";
    ram.put("artikel.dat", file);
    EXPECT_EQ(ArticleIndex::fromFileBytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), 819).size(),
              2500u);
    auto f = ram.open("artikel.dat", OpenMode::ReadOnly);
    ASSERT_TRUE(f);
    ArticleIndex index;
    std::string error;
    ASSERT_TRUE(ArticleIndex::load(*f, 2500, 819, index, error)) << error;
    ASSERT_EQ(index.size(), 2500u);
    EXPECT_EQ(index.at(1), 1);
    EXPECT_EQ(index.at(2500), 2499 * 3 + 1);
    EXPECT_FALSE(ArticleIndex::load(*f, 2501, 819, index, error)) << "a count beyond the file";
    EXPECT_EQ(index.size(), 2500u) << "unchanged by the failed load";

    FaultyFileSystem faulty(ram);
    auto g = faulty.open("artikel.dat", OpenMode::ReadOnly);
    faulty.failAt(2, FaultKind::IoError);
    EXPECT_FALSE(ArticleIndex::load(*g, 2500, 819, index, error));
    EXPECT_EQ(error, "I/O error 5");
}

}  // namespace
}  // namespace kvx
