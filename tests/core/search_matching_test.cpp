// Matching rules of the search: the number in front of a unit, text and numeric criteria, the dimension
// assignment, the scan with its counters and hit limit, the description and the no-hit message.
#include <gtest/gtest.h>

#include <optional>

#include "catalogue/catalogue_article.h"
#include "search/article_matcher.h"
#include "search/criteria_description.h"
#include "search/search_scan.h"

namespace kvx {
namespace {

struct Article {
    std::string b1, b2, k1;
    std::uint8_t status = 1;
    std::array<double, 3> dims{};
};

Bytes record(const Article& a) {
    CatalogueArticle c;
    c.beschreib1 = a.b1;
    c.beschreib2 = a.b2;
    c.kurzbez[0] = a.k1;
    c.artikelstat = a.status;
    for (std::size_t i = 0; i < 3; ++i) c.dimensions[i] = doubleToReal48(a.dims[i]);
    return c.encode();
}

Bytes records(const std::vector<Article>& articles) {
    Bytes out;
    for (const Article& a : articles) {
        const Bytes r = record(a);
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

NumericAlternative alternative(const std::string& unit, double lower, double upper, bool must) {
    NumericAlternative a;
    a.inUse = true;
    a.must = must;
    a.unit = unit;
    a.lower = doubleToReal48(lower);
    a.upper = doubleToReal48(upper);
    return a;
}

TextCriterion words(const std::string& w1, const std::string& w2 = "") {
    TextCriterion t;
    t.inUse = t.inUseCopy = true;
    t.word1 = w1;
    t.word2 = w2;
    return t;
}

constexpr std::array<std::uint8_t, 5> kAllStatuses = {1, 1, 1, 1, 1};

TEST(SearchValueWalk, NumberInFrontOfUnit) {
    struct Row {
        const char* text;
        const char* unit;
        std::optional<double> value;
    };
    const Row rows[] = {
        {"UCE 45V", "V", 45},
        {"MAX. 2,5 V", "V", 2.5},
        {"1,5 V", "V", 1.5},
        {"1,5  V 3V", "V", 3},  // two blanks: that occurrence has no number, the next one counts
        {"4 , 7UF", "UF", 7},   // the walk stops at the blank in front of the 7
        {"4,7UF", "UF", 4.7},
        {"12-24V", "V", std::nullopt},  // the run "12-24" does not parse: no value, later ones not tried
        {"12-24V 5V", "V", std::nullopt},
        {"5V/10V", "V", 5},
        {"V 10V", "V", 10},  // a unit at the first character is never taken
        {"V", "V", std::nullopt},
        {"10V", "10V", std::nullopt},  // the text is not longer than the unit
        {"+5V", "V", 5},
        {"1.000,5V", "V", std::nullopt},
        {"TYP V 12V", "V", 12},     // "V" after a letter has no number; the next occurrence decides
        {" V", "V", std::nullopt},  // a blank at the start: no number in front
    };
    for (const Row& r : rows) {
        const std::optional<double> v = valueInFrontOfUnit(r.text, r.unit);
        EXPECT_EQ(v.has_value(), r.value.has_value()) << r.text;
        if (v && r.value) {
            EXPECT_DOUBLE_EQ(*v, *r.value) << r.text;
        }
    }
}

TEST(SearchDimensions, GreedyAssignment) {
    struct Row {
        std::array<double, 3> d;
        std::array<ValueRange, 3> ranges;
        bool fits;
    };
    const Row rows[] = {
        // 0..0 accepts every positive value, so 10 takes R2, 20 takes R3 and 5 lies in R1.
        {{10, 20, 5}, {{{5, 6}, {0, 0}, {19, 21}}}, true},
        // 20 takes R1 and 50 fits neither R2 nor R3, although another pairing would fit.
        {{20, 50, 10}, {{{0, 100}, {15, 25}, {1, 12}}}, false},
        {{10, 0, 5}, {{{0, 0}, {0, 0}, {0, 0}}}, false},  // one dimension 0 never passes
        {{1, 2, 3}, {{{0, 0}, {0, 0}, {0, 0}}}, true},
        {{1, 2, 30}, {{{0, 5}, {0, 5}, {0, 5}}}, false},
    };
    for (const Row& r : rows) EXPECT_EQ(dimensionsFit(r.d, r.ranges), r.fits) << r.d[0] << " " << r.d[1];
}

// Runs the matcher of `set` over one article: text, then numeric.
bool matches(SearchParameterSet set, const Article& a) {
    set.normalise();
    const ArticleMatcher m(set);
    const Bytes rec = record(a);
    return m.textPasses(rec.data()) && m.numericPasses(rec.data());
}

TEST(SearchCriteria, TextCriteria) {
    struct Row {
        TextCriterion first, second;
        Article article;
        bool hit;
    };
    TextCriterion flagOnly;
    flagOnly.inUse = flagOnly.inUseCopy = true;
    const Row rows[] = {
        {words("4 7 k"), {}, {"Widerstand 47 k", "", ""}, true},  // blanks vanish on both sides
        {words("47K"), {}, {"Widerstand 4 7K", "", ""}, true},
        {words("opv"), {}, {"", "", "TL071 OPV"}, true},           // found in a designation
        {words("XYZ"), {}, {"OPV", "", ""}, false},                // first present, not found, no second
        {words("XYZ", "OPV"), {}, {"OPV", "", ""}, true},          // OR within a criterion
        {words("OPV"), words("DIP"), {"OPV SMD", "", ""}, false},  // AND across criteria
        {flagOnly, {}, {"ANY", "", ""}, true},                     // flag set, both words empty: ignored
        {words("ä"), {}, {"GEHÄUSE", "", ""}, true},
    };
    for (const Row& r : rows) {
        SearchParameterSet set;
        set.text[0] = r.first;
        set.text[1] = r.second;
        // Words and texts arrive as Windows-1252.
        set.text[0].word1 = r.first.word1 == "ä" ? std::string("\xE4") : r.first.word1;
        Article a = r.article;
        if (a.b1 == "GEHÄUSE") a.b1 = "GEH\xC4USE";
        EXPECT_EQ(matches(set, a), r.hit) << r.first.word1 << " in " << r.article.b1;
    }
}

TEST(SearchCriteria, MustSetAndMustClear) {
    struct Row {
        NumericAlternative alt;
        Article article;
        bool hit;
    };
    const Row rows[] = {
        {alternative("V", 10, 0, true), {"10V", "", ""}, true},
        {alternative("V", 10, 0, true), {"1000V", "", ""}, true},
        {alternative("V", 10, 0, true), {"9,99V", "", ""}, false},
        {alternative("V", 10, 0, true), {"OHNE SPANNUNG", "", ""}, false},
        {alternative("V", 0, 50, false), {"OHNE SPANNUNG", "", ""}, true},  // never mentions the unit
        {alternative("V", 0, 50, false), {"60V", "", ""}, false},
        {alternative("V", 0, 50, false), {"30V", "", "60V"}, false},   // any field out of range fails
        {alternative("V", 0, 50, true), {"60V", "", "30V"}, true},     // any field in range passes
        {alternative("UF", 4.7, 4.7, true), {"4,7UF", "", ""}, true},  // exact bound typed as 4.7
        {alternative("NF", 0, 0, true), {"0,1UF", "", ""}, false},     // no unit conversion
    };
    for (const Row& r : rows) {
        SearchParameterSet set;
        set.numeric[0].alternatives[0] = r.alt;
        EXPECT_EQ(matches(set, r.article), r.hit) << r.article.b1 << " " << r.article.k1;
    }
}

TEST(SearchCriteria, SecondAlternativeTriedWhenFirstFails) {
    SearchParameterSet set;
    set.numeric[1].alternatives[0] = alternative("V", 100, 0, true);
    set.numeric[1].alternatives[1] = alternative("A", 1, 2, true);
    EXPECT_TRUE(matches(set, {"1,5A 12V", "", ""}));
    EXPECT_FALSE(matches(set, {"3A 12V", "", ""}));
    set.numeric[1].alternatives[0].inUse = false;  // absent: only the second one counts
    EXPECT_TRUE(matches(set, {"1A", "", ""}));
}

TEST(SearchScan, CountersFilterAndLimit) {
    std::vector<Article> list(600, Article{"X", "", "", 1, {}});
    list[3].status = 2;
    list[4].status = 0;
    MemoryArticleSource source(records(list));
    SearchParameterSet set;
    SearchResultList results;
    SearchCounters counters;
    // No criterion: the first 500 positions are hits and the scan stops there.
    EXPECT_EQ(searchAll(source, kMaxSearchHits, set, kAllStatuses, results, counters), 500);
    EXPECT_EQ(counters.scanned, 500);
    EXPECT_EQ(counters.textMatches, 500);
    EXPECT_EQ(counters.numericMatches, 500);
    EXPECT_EQ(results.slot(1), 0);
    EXPECT_EQ(results.slot(500), 499);
    // Status 2 filtered out, status 0 always admitted.
    const std::array<std::uint8_t, 5> onlyStock = {1, 0, 0, 0, 0};
    EXPECT_EQ(searchRange(source, 2, 5, kMaxSearchHits, set, onlyStock, results, counters), 3);
    EXPECT_EQ(counters.scanned, 4);
    EXPECT_EQ(counters.textMatches, 3);
    EXPECT_EQ(results.slot(1), 2);
    EXPECT_EQ(results.slot(2), 4);
    EXPECT_EQ(results.slot(3), 5);
    // Positions beyond the count read as empty records: they fail a present criterion.
    set.text[0] = words("X");
    EXPECT_EQ(searchRange(source, 598, 601, kMaxSearchHits, set, kAllStatuses, results, counters), 2);
    EXPECT_EQ(counters.scanned, 4);
    EXPECT_EQ(searchRange(source, 5, 4, kMaxSearchHits, set, kAllStatuses, results, counters), 0);
    EXPECT_EQ(counters.scanned, 0);
}

TEST(SearchScan, DimensionSearchAndNormalisedWords) {
    MemoryArticleSource source(records({{"A", "", "", 1, {10, 20, 5}}, {"B", "", "", 1, {10, 20, 0}}}));
    SearchParameterSet set;
    set.dimensionSearch = true;
    set.numeric[0].alternatives[0] = alternative("", 5, 6, false);  // unit and flags do not matter
    set.numeric[2].alternatives[0] = alternative("", 19, 21, false);
    set.text[0] = words("a b");
    set.spare = "x y";
    SearchResultList results;
    SearchCounters counters;
    EXPECT_EQ(searchAll(source, kMaxSearchHits, set, kAllStatuses, results, counters), 0);  // "AB" not found
    EXPECT_EQ(set.text[0].word1, "AB");                                                     // normalised in place
    EXPECT_EQ(set.spare, "XY");
    set.text[0] = {};
    EXPECT_EQ(searchAll(source, kMaxSearchHits, set, kAllStatuses, results, counters), 1);
    EXPECT_EQ(results.slot(1), 0);
    EXPECT_EQ(counters.textMatches, 2);
    EXPECT_EQ(counters.numericMatches, 1);
}

TEST(SearchDescription, Examples) {
    SearchParameterSet a;
    a.text[0] = words("OPV");
    a.numeric[0].alternatives[0] = alternative("V", 10, 0, true);
    EXPECT_EQ(buildCriteriaDescription(a), "(OPV) u (10-0 V muss)");

    SearchParameterSet b;
    b.text[0] = words("X");
    b.text[1].inUseCopy = true;
    b.text[1].word2 = "ABC";
    EXPECT_EQ(buildCriteriaDescription(b), "(X) &( v ABC)");

    SearchParameterSet c;
    c.numeric[1].alternatives[0] = alternative("UF", 4.7, 10, false);
    c.numeric[1].alternatives[1] = alternative("NF", 0.5, 0, true);
    EXPECT_EQ(buildCriteriaDescription(c), " u ((4.7-10 UF soll) v (0.5-0 NF muss))");

    SearchParameterSet d;
    d.name = "ignored";
    d.dimensionSearch = true;
    EXPECT_EQ(buildCriteriaDescription(d), "");
}

TEST(SearchDescription, ShortNumbers) {
    const std::pair<double, const char*> rows[] = {
        {0, "0"},
        {10, "10"},
        {4.7, "4.7"},
        {2.50, "2.5"},
        {1234.5678, "1234.57"},
        {0.001, "0.001"},
        {0.123456, "0.123456"},
        {0.00123456, "0.00123456"},
        {40000, "40000"},
        {123456.7, "123457"},
        {1.5e6, "1.5E+06"},
        {0.0005, "5E-04"},
    };
    for (const auto& [v, text] : rows) EXPECT_EQ(shortNumber(v), text) << v;
}

TEST(SearchMessages, NoHitMessageCounters) {
    SearchParameterSet set;
    SearchCounters counters{120, 7, 0};
    EXPECT_EQ(noHitMessage(set, "", counters), "Keine Artikel! Krit:\r Durchsucht:120");
    set.text[0] = words("OPV");
    set.numeric[0].alternatives[0] = alternative("V", 10, 0, true);
    EXPECT_EQ(noHitMessage(set, "(OPV) u (10-0 V muss)", counters),
              "Keine Artikel! Krit:(OPV) u (10-0 V muss)\r Durchsucht:120 Textkrit. Ok:7 NumKrit. Ok:0");
}

TEST(SearchRecords, ParameterSetRoundTripAndOffsets) {
    SearchParameterSet s;
    s.text[2] = words("WORT", "ZWEI");
    s.numeric[3].alternatives[1] = alternative("MHZ", 1.5, 40000, true);
    s.spare = "SPARE";
    s.name = "Mein Satz";
    s.dimensionSearch = true;
    s.reserved[79] = 9;
    const Bytes b = s.encode();
    ASSERT_EQ(b.size(), 415u);
    EXPECT_EQ(b[48], 1);                                  // text criterion 3 in use
    EXPECT_EQ(b[49], 4);                                  // length of its first word
    EXPECT_EQ(b[60], 1);                                  // flag copy
    EXPECT_EQ(b[222 + 25 + 2], 3);                        // unit length of criterion 4, alternative 2
    EXPECT_EQ(real48ToDouble(&b[222 + 25 + 19]), 40000);  // its upper bound
    EXPECT_EQ(b[293], 9);
    EXPECT_EQ(b[334], 1);
    EXPECT_EQ(b[414], 9);
    EXPECT_EQ(SearchParameterSet::decode(b), s);
    // A damaged length byte is clamped to the field.
    Bytes damaged = b;
    damaged[1] = 200;
    EXPECT_EQ(SearchParameterSet::decode(damaged).text[0].word1.size(), 10u);
}

TEST(SearchRecords, ResultListBytes) {
    SearchResultList list;
    list.count = 2;
    list.positions[0] = 7;
    list.positions[1] = 65000;
    list.positions[999] = 3;
    const Bytes b = list.encode();
    ASSERT_EQ(b.size(), 2002u);
    EXPECT_EQ(getU16(b.data(), 0), 2);
    EXPECT_EQ(getU16(b.data(), 2), 7);
    EXPECT_EQ(getU16(b.data(), 2000), 3);
    const SearchResultList back = SearchResultList::decode(b);
    EXPECT_EQ(back.count, 2);
    EXPECT_EQ(back.slot(2), 65000);
    Bytes damaged = b;
    putU16(damaged.data(), 0, 1001);  // more hits than slots
    EXPECT_EQ(SearchResultList::decode(damaged).count, 0);
    EXPECT_EQ(SearchResultList::decode(Bytes(100, 1)).count, 0);  // a short file reads as empty
}

}  // namespace
}  // namespace kvx
