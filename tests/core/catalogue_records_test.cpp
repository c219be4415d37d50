// Group and article records: round trips and the field offsets.
#include <gtest/gtest.h>

#include "catalogue/catalogue_article.h"
#include "catalogue/group_records.h"

namespace kvx {
namespace {

TEST(CatalogueRecords, MainGroupRoundTripAndOffsets) {
    const MainGroup g{'K', "Kondensatoren und Zubeh\xF6r", 0x1234};
    const Bytes b = g.encode();
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(b[0], 'K');
    EXPECT_EQ(b[1], g.name.size());
    EXPECT_EQ(b[2], 'K');
    EXPECT_EQ(b[42], 0x34);
    EXPECT_EQ(b[43], 0x12);
    EXPECT_EQ(MainGroup::decode(b.data()), g);
}

TEST(CatalogueRecords, KeyedGroupRoundTripCutsAndOffsets) {
    const KeyedGroup g{"AB123", "Widerst\xE4nde", 65535};
    const Bytes b = g.encode();
    ASSERT_EQ(b.size(), 49u);
    EXPECT_EQ(b[0], 5);
    EXPECT_EQ(b[6], g.name.size());
    EXPECT_EQ(b[7], 'W');
    EXPECT_EQ(b[47], 0xFF);
    EXPECT_EQ(b[48], 0xFF);
    EXPECT_EQ(KeyedGroup::decode(b.data()), g);

    const KeyedGroup tooLong{"ABCDEFG", std::string(50, 'n'), 1};
    const KeyedGroup back = KeyedGroup::decode(tooLong.encode().data());
    EXPECT_EQ(back.key, "ABCDE");
    EXPECT_EQ(back.name, std::string(40, 'n'));
}

CatalogueArticle fullArticle() {
    CatalogueArticle a;
    a.wgId = "XY1";
    for (int i = 0; i < 6; ++i) a.kurzbez[static_cast<std::size_t>(i)] = "Name" + std::to_string(i);
    a.dimensions = {doubleToReal48(12.5), doubleToReal48(8), doubleToReal48(3)};
    a.mainGroup = 3;
    a.upperGroup = -2;
    a.productGroup = 30000;
    a.beschreib1 = "Erste Zeile";
    a.beschreib2 = "Zweite Zeile";
    a.artikelstat = 4;
    a.schlue100 = -77;
    a.schlumwst = 2;
    a.stkvpe = 100;
    for (int i = 0; i < 6; ++i) {
        a.quantities[static_cast<std::size_t>(i)] = (i + 1) * 10;
        a.prices[static_cast<std::size_t>(i)] = -1000 * i + 7;
    }
    for (int i = 0; i < 10; ++i) a.additional[static_cast<std::size_t>(i)] = i * 1000003;
    a.additionalCount = 6;
    return a;
}

TEST(CatalogueRecords, ArticleRoundTripAndOffsets) {
    const CatalogueArticle a = fullArticle();
    const Bytes b = a.encode();
    ASSERT_EQ(b.size(), 329u);
    EXPECT_EQ(CatalogueArticle::decode(b), a);
    struct Field {
        std::size_t offset;
        std::uint8_t byte;
    };
    const Field fields[] = {{0, 3},    {1, 'X'},    {6, 5},      {7, 'N'},    {31, 5},     {131, 5},
                            {174, 3},  {176, 0xFE}, {177, 0xFF}, {178, 0x30}, {179, 0x75}, {180, 0},
                            {181, 11}, {207, 12},   {233, 4},    {234, 0xB3}, {236, 2},    {238, 100},
                            {240, 10}, {260, 60},   {264, 7},    {292, 0x43}, {328, 6}};
    for (const Field& f : fields) EXPECT_EQ(b[f.offset], f.byte) << "offset " << f.offset;
    EXPECT_DOUBLE_EQ(readReal48(b.data(), 156), 12.5);
    EXPECT_DOUBLE_EQ(readReal48(b.data(), 162), 8);
    EXPECT_DOUBLE_EQ(readReal48(b.data(), 168), 3);
}

TEST(CatalogueRecords, WorkingCopyLeavesTheAdditionalValuesZero) {
    const Bytes b = fullArticle().encode();
    const CatalogueArticle part = CatalogueArticle::decode(b.data(), CatalogueArticle::kWorkingSize);
    EXPECT_EQ(part.prices, fullArticle().prices);
    EXPECT_EQ(part.additional, (std::array<std::int32_t, 10>{}));
    EXPECT_EQ(part.additionalCount, 0);
    // Less than the working copy is not an article at all.
    EXPECT_EQ(CatalogueArticle::decode(b.data(), 100), CatalogueArticle{});
}

}  // namespace
}  // namespace kvx
