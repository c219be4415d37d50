// Line parsers of the catalogue import: text conversion, numbers, group lines, article lines, date.
#include <gtest/gtest.h>

#include <random>

#include "base/cp1252.h"
#include "catalogue/dimensions.h"
#include "catalogue/import_parsers.h"
#include "tests/support/catalogue_test_support.h"

namespace kvx {
namespace {

TEST(ImportText, Conversion) {
    struct Row {
        std::string in;  // UTF-8 as the catalogue writes it
        std::size_t capacity;
        std::string out;  // Windows-1252
    };
    const Row rows[] = {
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         24,
         "Gr\xF6\xDF"
         "e"},
        {"\xC3\xA4\xC3\xB6\xC3\xBC \xC3\x84\xC3\x96\xC3\x9C", 24, "\xE4\xF6\xFC \xC4\xD6\xDC"},
        {"\xC3\x84tzmittel", 24, "\xC4tzmittel"},
        {"Caf\xC3\xA9 \xC3\xA7\xC3\xB1", 24, "Caf\xE9 \xE7\xF1"},
        // The two-byte characters of Latin-1: no blank before them any more.
        {"4,7\xC2\xB5"
         "F 25\xC2\xB0"
         "C 3\xC2\xB2 \xC2\xB1"
         "5%",
         24,
         "4,7\xB5"
         "F 25\xB0"
         "C 3\xB2 \xB1"
         "5%"},
        // Three-byte characters Windows-1252 holds: euro, low quote, en dash, ellipsis, trade mark.
        {"2\xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C \xE2\x80\x93 \xE2\x80\xA6\xE2\x84\xA2", 24,
         "2\x80 \x84x\x93 \x96 \x85\x99"},
        // Greek mu is the catalogues' micro; Ohm sign and capital Omega are spelt out.
        {"4,7\xCE\xBC"
         "F",
         24,
         "4,7\xB5"
         "F"},
        {"10\xE2\x84\xA6 22\xCE\xA9", 24, "10Ohm 22Ohm"},
        // Anything else one "?" per character, four-byte ones included.
        {"\xE2\x86\x92 \xCE\xB1 \xF0\x9F\x98\x80!", 24, "? ? ?!"},
        // Broken input: a truncated sequence is one "?", every stray byte one "?".
        {"ab\xC3", 24, "ab?"},
        {"\xE2\x82"
         "x",
         24, "?x"},
        {"ab\xC3\xC3\xA4", 24, "ab?\xE4"},
        {"\xFF\xFE\x80", 24, "???"},
        {"\xC0\xAF \xED\xA0\x80", 24, "?? ???"},  // overlong form, surrogate
        {"\xC2\x85", 24, "?"},                    // a C1 control is no text
        // Cut after the conversion, never inside a character.
        {"abcdef", 3, "abc"},
        {std::string(23, 'a') + "\xC3\xA4zz", 24, std::string(23, 'a') + "\xE4"},
        {std::string(22, 'a') + "\xE2\x84\xA6", 24, std::string(22, 'a')},
        {std::string(21, 'a') + "\xE2\x84\xA6", 24, std::string(21, 'a') + "Ohm"},
        {"", 24, ""},
    };
    for (const Row& r : rows) EXPECT_EQ(importText(r.in, r.capacity), r.out) << r.in;
}

// Every character Windows-1252 holds comes back as its byte after a trip through UTF-8.
TEST(ImportText, EveryWindows1252CharacterSurvives) {
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(importText(cp1252ToUtf8(one), 24), one) << "byte " << b;
    }
}

TEST(ImportNumbers, Integers) {
    struct Row {
        const char* text;
        bool ok;
        std::int64_t value;
    };
    const Row rows[] = {
        {"", true, 0},
        {"  42  ", true, 42},
        {"-17", true, -17},
        {"+8", true, 8},
        {"12,50", false, 12},
        {"3a", false, 3},
        {"$1F", true, 31},
        {"x10", true, 16},
        {"0x1g", false, 1},
        {"X", false, 0},
        {"-", false, 0},
        {"abc", false, 0},
        {"$FFFFFFFF", true, -1},
        {"$100000000", false, 0x10000000},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 214748364},
        {"-2147483648", true, -2147483648LL},
    };
    for (const Row& r : rows) {
        const ImportInteger n = parseImportInteger(r.text);
        EXPECT_EQ(n.ok, r.ok) << r.text;
        EXPECT_EQ(n.value, r.value) << r.text;
    }
    // Only 40 characters are looked at.
    EXPECT_EQ(parseImportInteger(std::string(40, '0') + "7").value, 0);
}

TEST(ImportNumbers, HexValue) {
    const std::pair<const char*, std::int32_t> rows[] = {{"1A", 26},       {"1G", 1},        {" ff ", 255}, {"", 0},
                                                         {"123456789", 0}, {"FFFFFFFF", -1}, {"zz", 0}};
    for (const auto& [text, value] : rows) EXPECT_EQ(parseHexValue(text), value) << text;
}

TEST(ImportGroupLines, KeyedGroups) {
    struct Row {
        const char* line;
        bool ok;
        const char* key;
        const char* name;
        int number;
    };
    const Row rows[] = {
        {"'W1@Kohleschicht@12',", true, "W1", "Kohleschicht", 12},
        {"  wg[3] = 'W1@Widerst\xC3\xA4nde@ 7 ';", true, "W1", "Widerst\xE4nde", 7},
        {"'ABCDEFG@x@1'", true, "ABCDE", "x", 1},
        {"'W1@Name@'", false, "W1", "Name", 0},
        {"'W1@Name@65536'", false, "W1", "Name", 0},
        {"'W1@Name@0000012'", true, "W1", "Name", 12},  // leading zeros do not make a number too large
        {"'W1@Name@00065535'", true, "W1", "Name", 65535},
        {"'W1@Name@00065536'", false, "W1", "Name", 0},
        {"'W1@Name@-1'", false, "W1", "Name", 0},
        {"'W1@Name@1 2'", false, "W1", "Name", 0},
        {"'W1@Name'", false, "W1", "", 0},
        {"'W1'", false, "", "", 0},
        {"'", false, "", "", 0},
        {"'@@5", true, "", "", 5},  // no closing apostrophe: the number runs to the end of the line
    };
    for (const Row& r : rows) {
        KeyedGroup g;
        EXPECT_EQ(parseKeyedGroupLine(r.line, g), r.ok) << r.line;
        EXPECT_EQ(g.key, r.key) << r.line;
        EXPECT_EQ(g.name, r.name) << r.line;
        EXPECT_EQ(g.first, r.number) << r.line;
    }
    KeyedGroup g;
    EXPECT_TRUE(parseKeyedGroupLine("'K@" + std::string(90, 'n') + "@1'", g));
    EXPECT_EQ(g.name, std::string(40, 'n'));
}

TEST(ImportGroupLines, MainGroups) {
    MainGroup g;
    EXPECT_TRUE(parseMainGroupLine("'B@Bauelemente@3',", g));
    EXPECT_EQ(g, (MainGroup{'B', "Bauelemente", 3}));
    EXPECT_FALSE(parseMainGroupLine("'BX@Bauelemente@3'", g)) << "the key is one letter";
    EXPECT_FALSE(parseMainGroupLine("'B", g));
    EXPECT_FALSE(parseMainGroupLine("'B@Name@drei'", g));
    EXPECT_FALSE(parseMainGroupLine("kein Apostroph", g));
}

TEST(ImportArticleLines, FieldsAndConversions) {
    std::vector<std::string> f(38);
    f[0] = "W1234567";
    f[1] = "BC547";
    f[2] = std::string(23, 'k') + "\xC3\xA4";  // 25 bytes: cut in the middle of the pair
    f[3] =
        "\xC3\x84"
        "tzend";
    f[7] = "nicht gespeichert";
    f[8] = "Geh\xC3\xA4use 10x20x5mm";
    f[9] =
        "4,7\xC2\xB5"
        "F 50V";
    f[10] = "3";
    f[11] = "-32768";  // outside -32767..32767
    f[12] = "2";
    f[13] = "100";
    f[14] = "12,50";  // quantity keeps 12
    f[15] = "12,50";  // price becomes 0
    f[16] = "x";      // discarded
    f[17] = "10";
    f[18] = "900";
    f[32] = "1A";
    f[33] = "5";
    f[34] = "";
    f[35] = "7,5";
    CatalogueArticle a;
    ASSERT_TRUE(parseArticleLine(test::articleLine(f), a));
    EXPECT_EQ(a.wgId, "W1234");
    EXPECT_EQ(a.kurzbez[0], "BC547");
    EXPECT_EQ(a.kurzbez[1], std::string(23, 'k') + "\xE4") << "a pair across the 24th byte stays whole";
    EXPECT_EQ(a.kurzbez[2], "\xC4tzend");
    EXPECT_EQ(a.beschreib1, "Geh\xE4use 10x20x5mm");
    EXPECT_EQ(a.beschreib2,
              "4,7\xB5"
              "F 50V");
    EXPECT_EQ(a.artikelstat, 3);
    EXPECT_EQ(a.schlue100, 0);
    EXPECT_EQ(a.schlumwst, 2);
    EXPECT_EQ(a.stkvpe, 100);
    EXPECT_EQ(a.quantities[0], 12);
    EXPECT_EQ(a.prices[0], 0);
    EXPECT_EQ(a.quantities[1], 10);
    EXPECT_EQ(a.prices[1], 900);
    EXPECT_EQ(a.additional[0], 26);
    EXPECT_EQ(a.additional[1], 5);
    EXPECT_EQ(a.additional[3], 7);
    // Fields 34..37 are read (the empty one included); after the at sign of field 37 no text remains.
    EXPECT_EQ(a.additionalCount, 5);
    EXPECT_DOUBLE_EQ(a.dimension(0), 10);
    EXPECT_DOUBLE_EQ(a.dimension(1), 20);
    EXPECT_DOUBLE_EQ(a.dimension(2), 5);
    EXPECT_EQ(a.productGroup, 0) << "groups are assigned by the import, not the parser";
}

TEST(ImportArticleLines, AdditionalValueCountAndDimensionFallBack) {
    struct Row {
        std::string tail;  // fields from 33 on
        int count;
    };
    const Row rows[] = {{"1G", 1}, {"1G@", 1}, {"1G@@", 2}, {"1G@1@2@3@4@5@6@7", 6}, {"", 1}};
    for (const Row& r : rows) {
        std::vector<std::string> f(32);
        f[8] =
            "ohne Ma\xC3\x9F"
            "e";
        f[9] = "Platte 3x4x5mm";
        CatalogueArticle a;
        ASSERT_TRUE(
            parseArticleLine(test::articleLine(f).substr(0, test::articleLine(f).size() - 2) + "@" + r.tail + "'", a));
        EXPECT_EQ(a.additionalCount, r.count) << r.tail;
        EXPECT_DOUBLE_EQ(a.dimension(0), 3) << "from beschreib2";
        EXPECT_DOUBLE_EQ(a.dimension(2), 5);
    }
    CatalogueArticle a;
    EXPECT_FALSE(parseArticleLine(" 'W1@x'", a)) << "an article line begins with the apostrophe";
    EXPECT_FALSE(parseArticleLine("", a));
    EXPECT_TRUE(parseArticleLine("'", a));
    EXPECT_EQ(a.additionalCount, 1);
}

TEST(ImportArticleLines, IncompleteDimensionsAreNotStored) {
    CatalogueArticle a;
    ASSERT_TRUE(parseArticleLine("'W@n@@@@@@@AX20X5MM@3x4x5mm'", a));
    EXPECT_EQ(a.dimensions[0], Real48Bytes{}) << "beschreib1 names a count of 3 but its first token is no number";
    ASSERT_TRUE(parseArticleLine("'W@n@@@@@@@5x7 mm@3x4x5mm'", a));
    EXPECT_DOUBLE_EQ(a.dimension(0), 3) << "count 0 on beschreib1: beschreib2 is read";
}

// An article line read field by field through the general conversions, as the rules state them.
Bytes referenceRecord(std::string_view line) {
    std::string_view rest = line.substr(1);
    rest = rest.substr(0, rest.find('\''));
    const auto take = [&rest] {
        const std::size_t at = rest.find('@');
        const std::string_view field = rest.substr(0, at);
        rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
        return field;
    };
    const auto bounded = [](std::string_view t, std::int64_t low, std::int64_t high) {
        const ImportInteger n = parseImportInteger(t);
        return n.ok && n.value >= low && n.value <= high ? n.value : 0;
    };
    CatalogueArticle a;
    a.wgId = std::string(take().substr(0, 5));
    for (auto& k : a.kurzbez) k = importText(take(), 24);
    take();
    a.beschreib1 = importText(take(), 25);
    a.beschreib2 = importText(take(), 25);
    a.artikelstat = static_cast<std::uint8_t>(bounded(take(), 0, 255));
    a.schlue100 = static_cast<std::int16_t>(bounded(take(), -32767, 32767));
    a.schlumwst = static_cast<std::int16_t>(bounded(take(), -32767, 32767));
    a.stkvpe = static_cast<std::int16_t>(bounded(take(), -32767, 32767));
    for (std::size_t k = 0; k < 6; ++k) {
        a.quantities[k] = static_cast<std::int32_t>(parseImportInteger(take()).value);
        const ImportInteger price = parseImportInteger(take());
        a.prices[k] = price.ok ? static_cast<std::int32_t>(price.value) : 0;
        take();
    }
    a.additional[0] = parseHexValue(take());
    a.additionalCount = 1;
    while (!rest.empty() && a.additionalCount < 6)
        a.additional[a.additionalCount++] = static_cast<std::int32_t>(parseImportInteger(take()).value);
    Dimensions d = extractDimensions(a.beschreib1);
    if (d.count == 0) d = extractDimensions(a.beschreib2);
    if (d.count == 3 && d.complete())
        for (int i = 0; i < 3; ++i) a.dimensions[static_cast<std::size_t>(i)] = d.real48(i);
    return a.encode();
}

// The record parser takes shortcuts (plain digits, plain ASCII, no extraction without "mm"); on lines
// built from the fields where a shortcut could go wrong it must give the same bytes as the rules.
TEST(ImportArticleLines, RecordParserAgreesWithTheRules) {
    const std::vector<std::string> tokens = {"",
                                             "0",
                                             "7",
                                             "007",
                                             "123456789",
                                             "999999999",
                                             "2147483647",
                                             "2147483648",
                                             "4294967296",
                                             "-2147483648",
                                             "-2147483649",
                                             " 42 ",
                                             "+5",
                                             "-5",
                                             "- 5",
                                             "12,50",
                                             "$1F",
                                             "0x10",
                                             "x",
                                             "X7",
                                             "1A",
                                             "1G",
                                             "255",
                                             "256",
                                             "32767",
                                             "-32767",
                                             "-32768",
                                             "\xC3\xA4",
                                             "Geh\xC3\xA4use 10x20x5mm",
                                             "3X4X5MM",
                                             "HAMMER 1x2x3mm",
                                             "5x7 mm",
                                             "mm",
                                             "Mm",
                                             "1,5x2x3mM",
                                             "(2x3x4mm",
                                             "4,7\xC2\xB5"
                                             "F",
                                             std::string(24, 'a') + "\xC3\xA4",
                                             std::string(23, 'b') + "\xE2\x84\xA6",
                                             std::string(30, 'c'),
                                             "\xCE\xA9",
                                             "\xC3",
                                             "\x80",
                                             "\xFF\xFE",
                                             "\xE2\x82\xAC 5",
                                             "tab\there",
                                             "abcdefghi",
                                             "12345678901"};
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
    std::uniform_int_distribution<int> fieldCount(0, 44);
    std::array<std::uint8_t, CatalogueArticle::kRecordSize> record{};
    for (int n = 0; n < 4000; ++n) {
        std::string line = "'";
        const int fields = fieldCount(random);
        for (int f = 0; f < fields; ++f) line += (f > 0 ? "@" : "") + tokens[pick(random)];
        if (n % 3 == 0) line += "',";
        record.fill(0xEE);
        ASSERT_TRUE(parseArticleRecord(line, record.data())) << line;
        const Bytes expected = referenceRecord(line);
        ASSERT_EQ(Bytes(record.begin(), record.end()), expected) << line;
    }
    record.fill(0xEE);
    EXPECT_FALSE(parseArticleRecord(" 'W@x'", record.data()));
    EXPECT_FALSE(parseArticleRecord("", record.data()));
    EXPECT_EQ(record[0], 0xEE) << "a line that is no article line leaves the record as it was";
}

TEST(ImportDate, CatalogueLine) {
    const std::pair<const char*, DateNumber> rows[] = {
        {"// http://www.zelvo.de/Katalog/2016/10/30 Stand", 1161030},
        {"Katalog/2016/10/30", 1161030},
        {"Katalog/99/1/2", 990102},
        {"Katalog/1899/12/31 x", 18991231},
        {"kein Datum", 0},
        {"Katalog/2016/13x/30", 1160030},
        {"Katalog/70000/1/1", 101},
        {"Katalog/2016/10/30/2017/01/01/99", 1161030},
    };
    for (const auto& [line, date] : rows) EXPECT_EQ(parseCatalogueDate(line), date) << line;
}

}  // namespace
}  // namespace kvx
