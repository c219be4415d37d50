// Booking documents: the record at its offsets, damaged counts, new and deleted positions, renumbering.
#include "stock/booking_document.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

BookingPosition position(std::uint16_t record, std::uint8_t direct = 0) {
    BookingPosition p;
    p.recordNumber = record;
    p.name = "P" + std::to_string(record);
    p.catalogueDirect = direct;
    return p;
}

TEST(BookingDocument, FieldsSitAtTheirOffsetsAndComeBack) {
    BookingDocument d = BookingDocument::initialised(1261208);
    EXPECT_EQ(d.createdDate, 1261208);
    EXPECT_EQ(d.pieceCount, 1);
    d.bookedDate = 1261201;
    d.eventDate = 1261224;
    d.positionCount = 2;
    d.directOrder = 1;
    d.status = 2;
    d.costCentre = 40;
    d.pieceCount = 40000;  // stored signed, read as unsigned
    d.grossOrdered = -1;
    d.netOrdered = 2;
    d.grossDelivered = 3;
    d.netDelivered = 4;
    d.textFile = "C:\\TEXTE\\B1.TXT";
    BookingPosition& p = d.positions[1];
    p.recordNumber = 65534;
    p.name = std::string(24, 'n');
    p.description = std::string(80, 'd');
    p.quantity = 60000;
    p.delivered = 59999;
    p.catalogueNumber = 40000;  // stored signed, read as unsigned
    p.grossTotal = 114;
    p.unitPrice = 118;
    p.deliveredGross = 122;
    p.netTotal = 126;
    p.deliveredNet = 130;
    p.breakIndex = 6;
    p.deliveredBreakIndex = 5;
    p.catalogueDirect = 1;
    p.reserved[20] = 9;
    const Bytes b = d.encode();
    ASSERT_EQ(b.size(), 8016u);
    EXPECT_EQ(BookingDocument::decode(b), d);
    const std::size_t p1 = 35 + 158;
    struct Field {
        std::size_t offset;
        std::uint32_t value;
        int width;
    };
    for (const Field& f : std::vector<Field>{
             {0, 1261201, 4},      {4, 1261208, 4},    {8, 1261224, 4},    {12, 2, 1},           {13, 1, 1},
             {14, 2, 1},           {15, 40, 2},        {17, 40000, 2},     {19, 0xFFFFFFFFu, 4}, {31, 4, 4},
             {p1 + 0, 65534, 2},   {p1 + 2, 24, 1},    {p1 + 27, 80, 1},   {p1 + 108, 60000, 2}, {p1 + 110, 59999, 2},
             {p1 + 112, 40000, 2}, {p1 + 114, 114, 4}, {p1 + 118, 118, 4}, {p1 + 122, 122, 4},   {p1 + 126, 126, 4},
             {p1 + 130, 130, 4},   {p1 + 134, 6, 1},   {p1 + 135, 5, 1},   {p1 + 136, 1, 1},     {p1 + 157, 9, 1},
             {7935, 15, 1}}) {
        const std::uint32_t got = f.width == 1   ? b[f.offset]
                                  : f.width == 2 ? getU16(b.data(), f.offset)
                                                 : getU32(b.data(), f.offset);
        EXPECT_EQ(got, f.value) << "offset " << f.offset;
    }
}

TEST(BookingDocument, DamagedRecordsReadWithinBounds) {
    Bytes b(8016, 0xFF);  // count 255, every length byte 255
    const BookingDocument d = BookingDocument::decode(b);
    EXPECT_EQ(d.validPositions(), 50u);
    EXPECT_EQ(d.positions[49].name.size(), 24u);
    EXPECT_EQ(d.positions[49].description.size(), 80u);
    EXPECT_EQ(d.textFile.size(), 80u);
    EXPECT_EQ(d.positions[0].catalogueNumber, 65535);
    EXPECT_EQ(BookingDocument::decode(Bytes(8015, 1)), BookingDocument{}) << "a short buffer decodes to nothing";
}

TEST(BookingDocument, NewPositionsUpToFifty) {
    CatalogueArticle a;
    a.kurzbez[0] = "LM317";
    a.beschreib1 = "Spannungsregler";
    a.beschreib2 = "TO-220";
    a.quantities = {1, 0, 0, 0, 0, 0};
    const Bytes full = a.encode();
    MyArticleRecord r = makeMyArticleRecord(321, Bytes(full.begin(), full.begin() + 288));

    struct Row {
        std::uint16_t minimumOrder, q, expected;
    };
    BookingDocument d = BookingDocument::initialised(1);
    for (const Row& row : std::vector<Row>{{0, 0, 1}, {25, 0, 25}, {25, 7, 7}}) {
        r.minimumOrderQuantity = row.minimumOrder;
        const auto at = addMyArticlePosition(d, 12, r, row.q);
        ASSERT_TRUE(at);
        const BookingPosition& p = d.positions[*at];
        EXPECT_EQ(p.quantity, row.expected);
        EXPECT_EQ(p.recordNumber, 12);
        EXPECT_EQ(p.catalogueNumber, 321);
        EXPECT_EQ(p.name, "LM317");
        EXPECT_EQ(p.description, "Spannungsregler; TO-220");
        EXPECT_EQ(p.catalogueDirect, 0);
    }
    const auto direct = addCataloguePosition(d, 777, a);
    ASSERT_TRUE(direct);
    EXPECT_EQ(d.positions[*direct].recordNumber, 777);
    EXPECT_EQ(d.positions[*direct].catalogueNumber, 777);
    EXPECT_EQ(d.positions[*direct].catalogueDirect, 1);
    EXPECT_EQ(d.positions[*direct].quantity, 1);
    while (d.validPositions() < 50) ASSERT_TRUE(addMyArticlePosition(d, 1, r, 1));
    const BookingDocument full50 = d;
    EXPECT_FALSE(addMyArticlePosition(d, 1, r, 1)) << kNoMorePositions;
    EXPECT_FALSE(addCataloguePosition(d, 5, a));
    EXPECT_EQ(d, full50) << "the 51st position changes nothing";
}

TEST(BookingDocument, DeletingMovesTheLaterPositionsDown) {
    BookingDocument d = BookingDocument::initialised(1);
    for (std::uint16_t r : {10, 11, 12, 13}) {
        d.positions[d.positionCount] = position(r);
        ++d.positionCount;
    }
    struct Row {
        std::size_t index;
        bool ok;
        std::vector<std::uint16_t> left;
    };
    for (const Row& row : std::vector<Row>{{1, true, {10, 12, 13}},
                                           {2, true, {10, 12}},
                                           {2, false, {10, 12}},
                                           {0, true, {12}},
                                           {0, true, {}},
                                           {0, false, {}}}) {
        EXPECT_EQ(deletePosition(d, row.index), row.ok);
        std::vector<std::uint16_t> left;
        for (std::size_t i = 0; i < d.validPositions(); ++i) left.push_back(d.positions[i].recordNumber);
        EXPECT_EQ(left, row.left);
        EXPECT_EQ(d.positions[d.validPositions()], BookingPosition{}) << "the freed place is cleared";
    }
}

TEST(BookingDocument, RenumberingFollowsTheMovedRecords) {
    BookingDocument d = BookingDocument::initialised(1);
    for (const BookingPosition& p :
         {position(0), position(4), position(5), position(9, 1), position(65535), position(60000)}) {
        d.positions[d.positionCount] = p;
        ++d.positionCount;
    }
    d.positions[6] = position(7);  // beyond the count: not a position
    Bytes stored = d.encode();
    struct Row {
        std::uint32_t r;
        std::vector<std::uint16_t> after;
    };
    for (const Row& row : std::vector<Row>{
             {5, {0, 4, 6, 9, 65535, 60001}}, {0, {1, 5, 7, 9, 65535, 60002}}, {65535, {1, 5, 7, 9, 65535, 60002}}}) {
        const bool expectChange = row.r != 65535;
        EXPECT_EQ(renumberPositions(d, row.r), expectChange);
        EXPECT_EQ(renumberStoredDocument(stored.data(), row.r), expectChange);
        for (std::size_t i = 0; i < row.after.size(); ++i) EXPECT_EQ(d.positions[i].recordNumber, row.after[i]);
        EXPECT_EQ(d.positions[6].recordNumber, 7);
        EXPECT_EQ(stored, d.encode()) << "file and memory renumber alike, r = " << row.r;
    }
    // Bytes the program does not interpret survive renumbering in the file.
    Bytes raw(8016, 0);
    raw[12] = 1;
    raw[35 + 3 + 5] = 0xAB;  // after the name's text
    ASSERT_TRUE(renumberStoredDocument(raw.data(), 0));
    EXPECT_EQ(getU16(raw.data(), 35), 1);
    EXPECT_EQ(raw[35 + 3 + 5], 0xAB);
}

}  // namespace
}  // namespace kvx
