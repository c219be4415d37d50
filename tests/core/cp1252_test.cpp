// Windows-1252 conversion, upper-casing and the UTF-8 helpers.
#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <set>

namespace kvx {
namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s += static_cast<char>(b);
    return s;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8Length(utf8), 256u);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, KnownCharactersConvertToUtf8) {
    struct Row {
        int byte;
        const char* utf8;
    };
    const Row rows[] = {
        {0x41, "A"},      {0x80, "\u20AC"}, {0x81, "\u0081"}, {0x8A, "\u0160"}, {0x9F, "\u0178"},
        {0xA0, "\u00A0"}, {0xB5, "\u00B5"}, {0xC4, "\u00C4"}, {0xDF, "\u00DF"}, {0xE4, "\u00E4"},
        {0xFC, "\u00FC"}, {0xFF, "\u00FF"}, {0x96, "\u2013"}, {0x99, "\u2122"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(cp1252ToUtf8(bytes({row.byte})), row.utf8) << std::hex << row.byte;
    }
}

TEST(Cp1252, Utf8WithoutWindows1252FormBecomesQuestionMarks) {
    struct Row {
        std::string utf8;
        std::string expected;
    };
    const Row rows[] = {
        {"Widerstand 4,7k\u03A9", "Widerstand 4,7k?"},      // Greek capital omega has no form
        {"\u00B5F \u20AC", bytes({0xB5, 'F', ' ', 0x80})},  // µ and € do
        {"\xC3", "?"},                                      // truncated sequence
        {"\xC3(", "?("},                                    // bad continuation byte
        {"\xC0\xAF", "??"},                                 // overlong form, one '?' per byte
        {"\xED\xA0\x80", "???"},                            // UTF-16 surrogate
        {"\xF4\x90\x80\x80", "????"},                       // beyond U+10FFFF
        {"\xF0\x9F\x94\x8B", "?"},                          // valid four-byte character, unmappable
        {"\x80x", "?x"},                                    // stray continuation byte
        {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(utf8ToCp1252(row.utf8), row.expected) << row.utf8;
}

TEST(Cp1252, UpperCasingFollowsTheAnsiRules) {
    struct Row {
        int lower;
        int upper;
    };
    const Row rows[] = {
        {'a', 'A'},   {'z', 'Z'},   {0xE0, 0xC0}, {0xE4, 0xC4}, {0xF6, 0xD6}, {0xFC, 0xDC}, {0xFE, 0xDE},
        {0xF7, 0xF7}, {0xDF, 0xDF}, {0xB5, 0xB5}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F},
        {'A', 'A'},   {'5', '5'},   {0xC4, 0xC4}, {0x80, 0x80}, {'{', '{'},   {'`', '`'},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(static_cast<unsigned char>(cp1252Upper(static_cast<char>(row.lower))), row.upper)
            << std::hex << row.lower;
    }
}

TEST(Cp1252, UpperCasingChangesExactlyTheLowerCaseLetters) {
    std::set<int> changed;
    for (int b = 0; b < 256; ++b) {
        if (static_cast<unsigned char>(cp1252Upper(static_cast<char>(b))) != b) changed.insert(b);
    }
    // 26 ASCII letters, 0xE0..0xFE without 0xF7 (30), and š œ ž ÿ.
    EXPECT_EQ(changed.size(), 60u);
    EXPECT_EQ(changed.count(0xF7), 0u);
    EXPECT_EQ(cp1252UpperCase(utf8ToCp1252("Kühlkörper für µC, Maß")), utf8ToCp1252("KÜHLKÖRPER FÜR µC, MAß"));
}

TEST(Utf8, LengthCountsCharacters) {
    struct Row {
        std::string text;
        std::size_t length;
    };
    const Row rows[] = {
        {"", 0},     {"abc", 3},       {"Kühler", 6}, {"4,7\u00B5F", 5}, {"\u20AC", 1}, {"\xF0\x9F\x94\x8B", 1},
        {"\xC3", 1}, {"a\xE2\x82", 3},
    };
    for (const auto& row : rows) EXPECT_EQ(utf8Length(row.text), row.length) << row.text;
}

TEST(Utf8, DecodeAndEncodeAreInverse) {
    const std::u32string text = U"Zähler 100\u00B5H \u20AC \U0001F50B \u007F\u0080\u07FF\u0800\uFFFF";
    EXPECT_EQ(utf8Decode(utf8Encode(text)), text);
    EXPECT_EQ(utf8Encode(U"Gehäuse"), "Gehäuse");
}

TEST(Utf8, InvalidBytesDecodeToReplacementCharacters) {
    EXPECT_EQ(utf8Decode("a\xFF"
                         "b"),
              U"a\uFFFDb");
    EXPECT_EQ(utf8Decode("\xE2\x82"), U"\uFFFD\uFFFD");
    EXPECT_EQ(utf8Decode("\xC0\x80"), U"\uFFFD\uFFFD");
    // A code point that UTF-8 cannot carry is written as the replacement character.
    EXPECT_EQ(utf8Encode(std::u32string(1, char32_t{0xD800})), "\uFFFD");
    EXPECT_EQ(utf8Encode(std::u32string(1, char32_t{0x110000})), "\uFFFD");
}

}  // namespace
}  // namespace kvx
