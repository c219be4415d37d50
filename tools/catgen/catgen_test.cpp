// The generated script files read back independently: framing, field layout, limits of the article file,
// the meaning of the group numbers, determinism, and the variety the demo data should show.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/catalogue_plan.h"
#include "tools/catgen/js_writer.h"
#include "tools/catgen/value_lists.h"

namespace kvx::catgen {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == separator) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

// The fields of the data lines of a script file, read the way the importer reads them: the first two lines
// are skipped, lines without an apostrophe are not records, a record runs to the next apostrophe.
std::vector<std::vector<std::string>> records(const std::string& text) {
    std::vector<std::vector<std::string>> out;
    const std::vector<std::string> all = lines(text);
    for (std::size_t i = 2; i < all.size(); ++i) {
        const std::size_t open = all[i].find('\'');
        if (open == std::string::npos) continue;
        const std::size_t close = all[i].find('\'', open + 1);
        out.push_back(split(all[i].substr(open + 1, close - open - 1), '@'));
    }
    return out;
}

// Non-ASCII text must be well-formed UTF-8 of characters the import keeps: those Windows-1252 holds, the
// Greek small mu (read as micro) and the Ohm sign or capital Omega (spelt "Ohm"). Anything else would
// come out as '?'.
bool importableUtf8(const std::string& text) {
    static const std::u32string kHigh =
        U"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
        U"\u0152\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122"
        U"\u0161\u203A\u0153\u017E\u0178\u03BC\u2126\u03A9";
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t cp = b & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!(cp >= 0xA0 && cp <= 0xFF) && kHigh.find(cp) == std::u32string::npos) return false;
        i += length;
    }
    return true;
}

struct Files {
    std::string wh, wo, wg, art;
};

Files generate(int articles, std::uint64_t seed) {
    const GeneratedCatalogue c = buildCatalogue(articles, seed);
    return {mainGroupFile(c), upperGroupFile(c), productGroupFile(c), articleFile(c, CatalogueDate{2026, 12, 1})};
}

int toInt(const std::string& s) {
    return s.empty() ? 0 : std::stoi(s);
}

void checkFraming(const std::string& text, const std::string& name) {
    const std::vector<std::string> all = lines(text);
    ASSERT_GE(all.size(), 4u) << name;
    EXPECT_EQ(all[0].rfind("// ", 0), 0u) << name;
    EXPECT_EQ(all[1].find('\''), std::string::npos) << name;
    EXPECT_EQ(all[all.size() - 2], "];") << name;
    EXPECT_EQ(all.back(), "") << name;
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_LE(all[i].size(), kMaxLineBytes) << name << " line " << i + 1;
        ASSERT_TRUE(importableUtf8(all[i])) << name << " line " << i + 1 << ": " << all[i];
        if (i >= 2 && i + 2 < all.size()) {
            ASSERT_EQ(all[i][0], '\'') << name << " line " << i + 1;
        }
    }
}

// Article line i (from 0) belongs to the last product group whose number is at most i + 1; an upper group
// owns the product groups from its number on, a main group the upper groups from its number on.
void checkGroupNumbers(const Files& f) {
    const auto mains = records(f.wh), uppers = records(f.wo), products = records(f.wg), articles = records(f.art);
    auto owner = [](const std::vector<std::vector<std::string>>& groups, int child) {
        std::size_t found = 0;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            if (toInt(groups[g][2]) <= child) found = g;
        }
        return found;
    };
    ASSERT_EQ(toInt(mains.front()[2]), 1);
    ASSERT_EQ(toInt(uppers.front()[2]), 1);
    for (const auto* level : {&mains, &uppers, &products}) {
        for (std::size_t g = 1; g < level->size(); ++g) ASSERT_LE(toInt((*level)[g - 1][2]), toInt((*level)[g][2]));
    }
    for (std::size_t i = 0; i < articles.size(); ++i) {
        const std::size_t g = owner(products, static_cast<int>(i) + 1);
        ASSERT_EQ(articles[i][0], products[g][0]) << "article line " << i;
    }
    for (std::size_t p = 0; p < products.size(); ++p) {
        const std::size_t u = owner(uppers, static_cast<int>(p) + 1);
        ASSERT_EQ(products[p][0].rfind(uppers[u][0], 0), 0u) << products[p][0] << " under " << uppers[u][0];
    }
    for (std::size_t u = 0; u < uppers.size(); ++u) {
        const std::size_t m = owner(mains, static_cast<int>(u) + 1);
        ASSERT_EQ(uppers[u][0].rfind(mains[m][0], 0), 0u) << uppers[u][0] << " under " << mains[m][0];
    }
}

void checkArticleFields(const std::vector<std::string>& a) {
    ASSERT_GE(a.size(), 35u);
    ASSERT_LE(a.size(), 38u);
    ASSERT_LE(a[0].size(), 5u);
    ASSERT_FALSE(a[1].empty());
    for (int i = 1; i <= 6; ++i) ASSERT_LE(a[static_cast<std::size_t>(i)].size(), 24u) << a[1];
    ASSERT_LE(a[8].size(), 25u) << a[8];
    ASSERT_LE(a[9].size(), 25u) << a[9];
    const int status = toInt(a[10]);
    ASSERT_TRUE(status >= 1 && status <= 4);
    ASSERT_TRUE(a[12] == "1" || a[12] == "2");
    ASSERT_TRUE(a[13] == "1" || a[13] == "100");
    int lastQuantity = 0, lastPrice = 0, used = 0;
    for (std::size_t k = 0; k < 6; ++k) {
        const std::string& quantity = a[14 + 3 * k];
        if (quantity.empty()) continue;
        ++used;
        const int q = toInt(quantity), price = toInt(a[15 + 3 * k]);
        ASSERT_EQ(used, static_cast<int>(k) + 1) << "breaks must be consecutive";
        ASSERT_GT(q, lastQuantity);
        ASSERT_GT(price, 0);
        if (k > 0) {
            ASSERT_LT(price, lastPrice);
        }
        ASSERT_EQ(price % 10, 0) << "whole cents";
        lastQuantity = q;
        lastPrice = price;
    }
    ASSERT_GE(used, 1);
    ASSERT_TRUE(a[32].size() >= 1 && a[32].size() <= 8);
    ASSERT_EQ(a[32].find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(Catgen, DemoSizeFilesReadBackCorrectly) {
    const Files f = generate(3000, 1);
    checkFraming(f.wh, "wh.js");
    checkFraming(f.wo, "wo.js");
    checkFraming(f.wg, "wg.js");
    checkFraming(f.art, "art.js");
    EXPECT_NE(lines(f.art)[0].find("/Katalog/2026/12/01 "), std::string::npos);
    const auto articles = records(f.art);
    ASSERT_EQ(articles.size(), 3000u);
    for (const auto& a : articles) checkArticleFields(a);
    checkGroupNumbers(f);
    EXPECT_LE(records(f.wh).size(), 30u);
    EXPECT_LE(records(f.wo).size(), 400u);
    for (const auto& g : records(f.wg)) {
        EXPECT_LE(g[0].size(), 5u);
        EXPECT_LE(g[1].size(), 40u) << g[1];
    }
}

TEST(Catgen, DemoDataShowsTheVarietyOfARealCatalogue) {
    const auto articles = records(generate(3000, 1).art);
    std::set<std::string> statuses, vatKeys, units, breakCounts, extraCounts;
    std::set<std::string> distinct;
    int threeDimensions = 0, umlauts = 0, micro = 0;
    std::map<std::string, int> special;  // characters beyond the small umlauts the demo must show
    for (const auto& a : articles) {
        distinct.insert(a[0] + "@" + a[1] + "@" + a[8] + "@" + a[9]);
        statuses.insert(a[10]);
        vatKeys.insert(a[12]);
        units.insert(a[13]);
        int used = 0;
        for (std::size_t k = 0; k < 6; ++k) used += a[14 + 3 * k].empty() ? 0 : 1;
        breakCounts.insert(std::to_string(used));
        extraCounts.insert(std::to_string(a.size() - 33));
        const std::string text = a[1] + a[8] + a[9];
        if (text.find("\xC3") != std::string::npos) ++umlauts;
        if (text.find("µ") != std::string::npos || text.find("μ") != std::string::npos) ++micro;
        for (const char* c : {"Ä", "Ö", "€", "±", "°", "Ω", "μ"})
            if ((a[1] + a[8] + a[9]).find(c) != std::string::npos) ++special[c];
        const std::size_t x1 = a[8].find('x'), x2 = x1 == std::string::npos ? x1 : a[8].find('x', x1 + 1);
        if (x2 != std::string::npos && a[8].find("mm") != std::string::npos) ++threeDimensions;
    }
    EXPECT_EQ(distinct.size(), articles.size()) << "no article repeats another";
    std::map<char, int> perMainGroup;
    for (const auto& a : articles) ++perMainGroup[a[0][0]];
    for (const auto& [key, count] : perMainGroup) EXPECT_LE(count, 1001) << "main group " << key << " too big to list";
    EXPECT_EQ(statuses, (std::set<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(vatKeys, (std::set<std::string>{"1", "2"}));
    EXPECT_EQ(units, (std::set<std::string>{"1", "100"}));
    EXPECT_TRUE(breakCounts.count("1") && breakCounts.count("6"));
    EXPECT_GE(extraCounts.size(), 2u) << "the count of additional values should vary";
    EXPECT_GT(threeDimensions, 20);
    EXPECT_GT(umlauts, 100);
    EXPECT_GT(micro, 20);
    for (const char* c : {"Ä", "Ö", "€", "±", "°", "Ω", "μ"}) EXPECT_GT(special[c], 0) << c;
}

TEST(Catgen, SameSeedSameBytesOtherSeedOtherArticles) {
    const Files a = generate(500, 7), b = generate(500, 7), c = generate(500, 8);
    EXPECT_EQ(a.art, b.art);
    EXPECT_EQ(a.wg, b.wg);
    EXPECT_NE(a.art, c.art);
    EXPECT_EQ(a.wh, c.wh) << "the group tree does not depend on the seed";
}

TEST(Catgen, SizesFromTinyToTheImportLimit) {
    for (int n : {1, 10, 229, 230, 60000}) {
        const Files f = generate(n, 3);
        ASSERT_EQ(records(f.art).size(), static_cast<std::size_t>(n)) << n;
        checkFraming(f.art, "art.js");
        checkGroupNumbers(f);
        const auto products = records(f.wg);
        for (const auto& g : products) ASSERT_LE(toInt(g[2]), n + 1) << n;
    }
}

TEST(Catgen, OverlongArticleLinesAreShortenedWithinTheLineLimit) {
    ArticleLine a;
    a.groupKey = "A0101";
    for (auto& name : a.names) name = std::string(24, 'N');
    a.maker = std::string(40, 'M');
    a.description1 = std::string(25, 'D');
    a.description2 = std::string(25, 'E');
    for (int k = 0; k < 6; ++k) a.breaks.push_back({1000000 + k, 99999990 - k * 10, 84033600});
    a.internalId = 0xFFFFFFFF;
    a.moreValues = {123456, 100, 85444290, 14, 1};
    const std::string record = articleRecord(a);
    EXPECT_LE(record.size() + 3, kMaxLineBytes);
    const std::vector<std::string> fields = split(record, '@');
    ASSERT_EQ(fields.size(), 38u);
    EXPECT_EQ(fields[1], a.names[0]) << "the first designation is never dropped";
    EXPECT_EQ(fields[15], "99999990") << "prices are never dropped";
}

TEST(ValueLists, SeriesSpellings) {
    struct Row {
        const char* series;
        const char* compact;
        const char* text;
    };
    const Row rows[] = {
        {"@R:-1:0", "R47", "0,47"}, {"@R:0:1", "4R7", "4,7"},  {"@R:1:2", "47R", "47"},     {"@R:3:4", "4K7", "4,7k"},
        {"@R:5:6", "470K", "470k"}, {"@R:6:7", "1M", "1M"},    {"@C:5:6", "100N", "100nF"}, {"@C:6:7", "4µ7", "4,7µF"},
        {"@C:1:2", "22P", "22pF"},  {"@L:4:5", "22µ", "22µH"}, {"@L:6:7", "1M", "1mH"},
    };
    for (const auto& row : rows) {
        const auto lists = parseValueLists(row.series);
        ASSERT_EQ(lists.size(), 1u);
        const bool found = std::any_of(lists[0].begin(), lists[0].end(), [&](const ValueOption& o) {
            return o.size() == 2 && o[0] == row.compact && o[1] == row.text;
        });
        EXPECT_TRUE(found) << row.series << " " << row.compact;
    }
    EXPECT_EQ(parseValueLists("@R:0:7")[0].size(), 7u * 12u);
    EXPECT_EQ(parseValueLists("@C:0:6")[0].size(), 6u * 6u);
}

TEST(ValueLists, TemplateExpansion) {
    const auto lists = parseValueLists("RT^rot|GN^grün#3|5");
    EXPECT_EQ(expandTemplate("LED {2}MM {1}", lists, {1, 0}), "LED 3MM GN");
    EXPECT_EQ(expandTemplate("LED {2}mm {1b}", lists, {0, 1}), "LED 5mm rot");
    EXPECT_EQ(expandTemplate("{3} {1c} ok", lists, {0, 0}), "  ok");
    EXPECT_EQ(expandTemplate("offen {1", lists, {0, 0}), "offen {1");
}

TEST(Catgen, NetPricesFollowTheProgramsRule) {
    EXPECT_EQ(netOf(1190, 1), 1000);
    EXPECT_EQ(netOf(1000, 2), 930);
    EXPECT_EQ(netOf(1255, 0), 1260);
    EXPECT_EQ(netOf(1245, 0), 1240);
}

// Every template refers to existing value lists, and every combination of values fits the fields of the
// article file as written, so that no text needs to be cut.
TEST(CataloguePlan, TemplatesFitTheirFields) {
    int groups = 0;
    for (const MainDef& main : cataloguePlan()) {
        for (const UpperDef& upper : main.uppers) {
            EXPECT_LE(upper.name.size(), 40u) << upper.name;
            for (const ProductDef& def : upper.products) {
                ++groups;
                EXPECT_LE(def.name.size(), 40u) << def.name;
                const auto lists = parseValueLists(def.values);
                std::vector<std::string> texts = {std::string(def.title), std::string(def.description1),
                                                  std::string(def.description2)};
                if (!def.alternatives.empty()) {
                    for (const std::string& alt : split(std::string(def.alternatives), ';')) texts.push_back(alt);
                }
                for (const std::string& text : texts) {
                    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
                        if (text[i] == '{') {
                            EXPECT_LE(static_cast<std::size_t>(text[i + 1] - '0'), lists.size())
                                << def.name << ": " << text;
                        }
                    }
                }
                std::size_t combos = 1;
                for (const auto& list : lists) combos *= list.size();
                for (std::size_t k = 0; k < combos; ++k) {
                    std::vector<std::size_t> choice;
                    std::size_t rest = k;
                    for (const auto& list : lists) {
                        choice.push_back(rest % list.size());
                        rest /= list.size();
                    }
                    for (std::size_t t = 0; t < texts.size(); ++t) {
                        const std::string text = expandTemplate(texts[t], lists, choice);
                        const std::size_t limit = t == 1 || t == 2 ? 25 : 24;
                        EXPECT_LE(text.size(), limit) << def.name << ": " << text;
                    }
                }
            }
        }
    }
    EXPECT_GE(groups, 200);
    EXPECT_LE(cataloguePlan().size(), 30u);
}

}  // namespace
}  // namespace kvx::catgen

// The later edition: the same articles behind the inserted ones, one dearer, one gone, and every product
// group still starting at its own first article.
TEST(Catgen, ChangedEditionMovesRaisesAndRemoves) {
    const kvx::catgen::GeneratedCatalogue before = kvx::catgen::buildCatalogue(400, 1);
    kvx::catgen::GeneratedCatalogue after = before;
    kvx::catgen::changeCatalogue(after, 3, 100, 200);
    ASSERT_EQ(after.articles.size(), before.articles.size() + 2);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(after.articles[i].names[0], "NEUHEIT " + std::to_string(i + 1));
    EXPECT_EQ(after.articles[3].names, before.articles[0].names);
    EXPECT_EQ(after.articles[103].names, before.articles[100].names);
    EXPECT_EQ(after.articles[202].names, before.articles[199].names);
    EXPECT_EQ(after.articles[203].names, before.articles[201].names) << "line 200 is gone";
    for (std::size_t b = 0; b < before.articles[100].breaks.size(); ++b) {
        const int old = before.articles[100].breaks[b].gross;
        EXPECT_EQ(after.articles[103].breaks[b].gross, (old * 110 + 500) / 1000 * 10) << b;
    }
    EXPECT_EQ(after.articles[104].breaks[0].gross, before.articles[101].breaks[0].gross);
    for (const kvx::catgen::GroupLine& g : after.productGroups) {
        ASSERT_GE(g.number, 1);
        ASSERT_LE(g.number, static_cast<int>(after.articles.size()));
        EXPECT_EQ(after.articles[static_cast<std::size_t>(g.number - 1)].groupKey, g.key) << g.key;
        if (g.number > 1) {
            EXPECT_NE(after.articles[static_cast<std::size_t>(g.number - 2)].groupKey, g.key) << g.key;
        }
    }
}
