// The generated catalogue: group numbering, the share of articles per product group, and the articles
// made from each product group's templates with prices, price breaks and statuses.
#include "tools/catgen/catalogue_builder.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "tools/catgen/catalogue_plan.h"
#include "tools/catgen/random.h"
#include "tools/catgen/value_lists.h"

namespace kvx::catgen {

namespace {

constexpr std::size_t kNameBytes = 24;         // designation field of the article file
constexpr std::size_t kDescriptionBytes = 25;  // description field of the article file

constexpr std::string_view kMakers[] = {"Korlan", "Vemtec", "Isotra", "Durelko", "Polmax",  "Tennek",
                                        "Ardiq",  "Samel",  "Vorion", "Helbra",  "Quintel", "Rudek"};

// Cuts a UTF-8 text to at most `bytes` bytes without splitting a character, so that the importer's
// byte-wise cut never leaves half a character behind.
std::string fitText(std::string text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// Round prices the way a price list does: whole cents, 5 cents, 10 cents, whole euros.
int roundPriceCents(double cents) {
    const double step = cents < 100 ? 1 : cents < 1000 ? 5 : cents < 10000 ? 10 : 100;
    return std::max(1, static_cast<int>(std::lround(cents / step) * step));
}

struct BreakScheme {
    std::vector<int> quantities;
    std::vector<double> factors;
    int minCount;
};

BreakScheme schemeFor(int cents, bool per100) {
    if (per100) return {{10, 100, 1000, 5000}, {1.0, 0.8, 0.55, 0.45}, 1};
    if (cents < 100) return {{1, 10, 25, 100, 250, 1000}, {1.0, 0.85, 0.7, 0.6, 0.5, 0.42}, 3};
    if (cents < 1000) return {{1, 5, 10, 25, 50}, {1.0, 0.93, 0.87, 0.8, 0.75}, 2};
    if (cents < 10000) return {{1, 3, 5, 10}, {1.0, 0.95, 0.92, 0.88}, 1};
    return {{1, 2, 5}, {1.0, 0.97, 0.95}, 1};
}

std::vector<PriceBreak> makeBreaks(Random& random, int cents, bool per100, int vatKey) {
    const BreakScheme scheme = schemeFor(cents, per100);
    const int maxCount = static_cast<int>(scheme.quantities.size());
    int count = scheme.minCount + random.below(maxCount - scheme.minCount + 1);
    if (cents >= 10000 && random.chance(60)) count = 1;
    std::vector<PriceBreak> breaks;
    int previous = 0;
    for (int i = 0; i < count; ++i) {
        int price = i == 0 ? cents : roundPriceCents(cents * scheme.factors[static_cast<std::size_t>(i)]);
        if (i > 0 && price >= previous) price = previous - 1;
        if (price < 1) break;
        const int gross = price * 10;
        breaks.push_back({scheme.quantities[static_cast<std::size_t>(i)], gross, netOf(gross, vatKey)});
        previous = price;
    }
    return breaks;
}

int pickStatus(Random& random) {
    const int r = random.below(100);
    if (r < 80) return 1;  // Lager
    if (r < 86) return 2;  // Abverkauf
    if (r < 95) return 3;  // Bestell
    return 4;              // Auslauf
}

// The option of each value list for the k-th article of a group: consecutive articles step through the
// first list fastest, like a value series in a printed catalogue.
std::vector<std::size_t> choiceFor(const std::vector<ValueList>& lists, std::uint64_t k) {
    std::vector<std::size_t> choice;
    for (const ValueList& list : lists) {
        const std::uint64_t size = std::max<std::uint64_t>(1, list.size());
        choice.push_back(static_cast<std::size_t>(k % size));
        k /= size;
    }
    return choice;
}

std::uint64_t combinations(const std::vector<ValueList>& lists) {
    std::uint64_t n = 1;
    for (const ValueList& list : lists) n *= std::max<std::size_t>(1, list.size());
    return n;
}

struct GroupContext {
    const ProductDef* def;
    std::string key;
    std::vector<ValueList> lists;
    std::uint64_t start;
    std::string_view houseMaker;
};

void fillTexts(ArticleLine& a, const GroupContext& group, std::uint64_t k) {
    const std::vector<std::size_t> choice = choiceFor(group.lists, group.start + k);
    a.names[0] = fitText(expandTemplate(group.def->title, group.lists, choice), kNameBytes);
    std::size_t slot = 1;
    std::string_view rest = group.def->alternatives;
    while (!rest.empty() && slot < a.names.size()) {
        const std::size_t end = rest.find(';');
        a.names[slot++] = fitText(expandTemplate(rest.substr(0, end), group.lists, choice), kNameBytes);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    a.description1 = fitText(expandTemplate(group.def->description1, group.lists, choice), kDescriptionBytes);
    a.description2 = fitText(expandTemplate(group.def->description2, group.lists, choice), kDescriptionBytes);
}

void fillCommercialData(ArticleLine& a, Random& random, const GroupContext& group) {
    const ProductDef& def = *group.def;
    a.vatKey = (def.flags & kReduced) ? 2 : 1;
    a.priceUnit = (def.flags & kPer100) ? 100 : 1;
    a.status = pickStatus(random);
    const double span = static_cast<double>(std::max(def.centsMax, def.centsMin)) / std::max(1, def.centsMin);
    const int cents = roundPriceCents(std::max(1, def.centsMin) * std::pow(span, random.unit()));
    a.breaks = makeBreaks(random, cents, (def.flags & kPer100) != 0, a.vatKey);
    const int r = random.below(10);
    a.maker = r == 0 ? std::string() : r < 8 ? std::string(group.houseMaker) : std::string(kMakers[random.below(12)]);
}

void fillMoreValues(ArticleLine& a, Random& random, int cents) {
    const int weight = std::clamp(cents / 20 + random.below(40), 1, 20000);
    const int packing = a.priceUnit > 1 ? 100 : cents < 100 ? 10 : 1;
    const int tariff = 85000000 + random.below(4000000);
    const int days = 1 + random.below(14);
    const int r = random.below(20);
    if (r == 0) {
        a.moreValues = {std::nullopt, packing};  // some sources leave the weight empty
    } else if (r < 3) {
        a.moreValues = {weight, packing};
    } else {
        a.moreValues = {weight, packing, tariff, days, 1};
    }
}

// Shares of `total` articles for groups of the given weights: one each while there are enough, the rest
// in proportion to the weights (largest remainders first). With fewer articles than groups, evenly spread
// groups get one and the others none.
std::vector<int> proportionalShares(const std::vector<long long>& weights, int total) {
    const std::size_t n = weights.size();
    std::vector<int> shares(n, 0);
    long long weightSum = 0;
    for (long long w : weights) weightSum += w;
    if (n == 0 || total <= 0 || weightSum == 0) return shares;
    std::vector<std::pair<long long, std::size_t>> remainders;
    int given = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const long long exact = static_cast<long long>(total) * weights[i];
        shares[i] = static_cast<int>(exact / weightSum);
        given += shares[i];
        remainders.push_back({-(exact % weightSum), i});
    }
    std::sort(remainders.begin(), remainders.end());
    for (std::size_t j = 0; given < total; ++j, ++given) ++shares[remainders[j % n].second];
    return shares;
}

// As above, but a group gets no more articles than it has distinct value combinations as long as other
// groups still have room, so that a catalogue of demo size has no repeated articles.
std::vector<int> shareArticles(const std::vector<int>& weights, const std::vector<std::uint64_t>& room, int total) {
    const std::size_t n = weights.size();
    std::vector<int> shares(n, 0);
    if (n == 0 || total <= 0) return shares;
    if (static_cast<std::size_t>(total) < n) {
        for (int i = 0; i < total; ++i) shares[static_cast<std::size_t>(i) * n / static_cast<std::size_t>(total)] = 1;
        return shares;
    }
    std::fill(shares.begin(), shares.end(), 1);
    int left = total - static_cast<int>(n);
    while (left > 0) {
        std::vector<long long> open(n, 0);
        for (std::size_t i = 0; i < n; ++i) {
            if (static_cast<std::uint64_t>(shares[i]) < room[i]) open[i] = weights[i];
        }
        if (std::all_of(open.begin(), open.end(), [](long long w) { return w == 0; })) {
            open.assign(weights.begin(), weights.end());  // every combination used: repeats are unavoidable
        }
        std::vector<int> extra = proportionalShares(open, left);
        for (std::size_t i = 0; i < n; ++i) {
            if (open[i] != 0 && static_cast<std::uint64_t>(shares[i]) < room[i]) {
                extra[i] = static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(extra[i]),
                                                                    room[i] - static_cast<std::uint64_t>(shares[i])));
            }
            shares[i] += extra[i];
            left -= extra[i];
        }
    }
    return shares;
}

}  // namespace

int netOf(int gross, int vatKey) {
    const long long den = (100 + (vatKey == 1 ? 19 : vatKey == 2 ? 7 : 0)) * 10;
    const long long num = static_cast<long long>(gross) * 100;
    long long q = num / den;
    long long r = num % den;
    if (r < 0) --q, r += den;
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return static_cast<int>(10 * q);
}

GeneratedCatalogue buildCatalogue(int articleCount, std::uint64_t seed) {
    GeneratedCatalogue out;
    std::vector<GroupContext> groups;
    for (const MainDef& main : cataloguePlan()) {
        const char mainKey = static_cast<char>('A' + out.mainGroups.size());
        out.mainGroups.push_back(
            {std::string(1, mainKey), std::string(main.name), static_cast<int>(out.upperGroups.size()) + 1});
        for (std::size_t u = 0; u < main.uppers.size(); ++u) {
            const std::string upperKey = mainKey + std::string(u < 9 ? "0" : "") + std::to_string(u + 1);
            out.upperGroups.push_back(
                {upperKey, std::string(main.uppers[u].name), static_cast<int>(out.productGroups.size()) + 1});
            for (std::size_t p = 0; p < main.uppers[u].products.size(); ++p) {
                const ProductDef& def = main.uppers[u].products[p];
                const std::string key = upperKey + std::string(p < 9 ? "0" : "") + std::to_string(p + 1);
                out.productGroups.push_back({key, std::string(def.name), 0});
                groups.push_back({&def, key, parseValueLists(def.values), 0, {}});
            }
        }
    }

    Random shape(streamSeed(seed, 0));
    std::vector<int> weights;
    std::vector<std::uint64_t> room;
    for (GroupContext& g : groups) {
        room.push_back(combinations(g.lists));
        g.start = shape.next() % room.back();
        g.houseMaker = kMakers[shape.below(12)];
        weights.push_back((2 + shape.below(7)) * (room.back() >= 20 ? 2 : 1));
    }
    const std::vector<int> shares = shareArticles(weights, room, articleCount);

    out.articles.reserve(static_cast<std::size_t>(std::max(articleCount, 0)));
    for (std::size_t g = 0; g < groups.size(); ++g) {
        out.productGroups[g].number = static_cast<int>(out.articles.size()) + 1;
        Random random(streamSeed(seed, 1 + g));
        for (int k = 0; k < shares[g]; ++k) {
            ArticleLine a;
            a.groupKey = groups[g].key;
            fillTexts(a, groups[g], static_cast<std::uint64_t>(k));
            fillCommercialData(a, random, groups[g]);
            fillMoreValues(a, random, a.breaks.empty() ? 1 : a.breaks[0].gross / 10);
            a.internalId = 0x10000u + static_cast<std::uint32_t>(out.articles.size()) * 3u;
            a.key100 = 1 + static_cast<int>(out.articles.size() * 1200 / static_cast<std::size_t>(articleCount));
            out.articles.push_back(std::move(a));
        }
    }
    return out;
}

void changeCatalogue(GeneratedCatalogue& c, int inserted, int dearer, int removed) {
    const int count = static_cast<int>(c.articles.size());
    if (dearer >= 0 && dearer < count) {
        ArticleLine& a = c.articles[static_cast<std::size_t>(dearer)];
        for (PriceBreak& b : a.breaks) {
            // Ten per cent more, rounded to whole cents (10 thousandths).
            const long long raised = (static_cast<long long>(b.gross) * 110 + 500) / 1000 * 10;
            b.gross = static_cast<int>(raised);
            b.net = netOf(b.gross, a.vatKey);
        }
    }
    if (removed >= 0 && removed < count && count > 1) {
        c.articles.erase(c.articles.begin() + removed);
        // Groups that start behind the removed line start one number earlier.
        for (GroupLine& g : c.productGroups)
            if (g.number - 1 > removed) --g.number;
    }
    if (inserted > 0 && !c.articles.empty() && !c.productGroups.empty()) {
        std::vector<ArticleLine> fresh;
        for (int i = 0; i < inserted; ++i) {
            ArticleLine a = c.articles.front();
            a.groupKey = c.productGroups.front().key;
            a.names = {"NEUHEIT " + std::to_string(i + 1), "", "", "", "", ""};
            a.description1 = "Neu im Sortiment";
            a.description2.clear();
            a.internalId += 0x100000u + static_cast<std::uint32_t>(i);
            fresh.push_back(std::move(a));
        }
        c.articles.insert(c.articles.begin(), fresh.begin(), fresh.end());
        for (std::size_t g = 1; g < c.productGroups.size(); ++g) c.productGroups[g].number += inserted;
    }
}

}  // namespace kvx::catgen
