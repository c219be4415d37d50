// Builds the whole generated catalogue in memory: the three group levels with their numbers and the
// articles in product-group order. Deterministic for a given article count and seed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvx::catgen {

// A group line of wh.js, wo.js or wg.js. `number` is the 1-based position of the group's first child:
// for a main group its first upper group, for an upper group its first product group, for a product
// group its first article (article line i, counted from 0, is article number i + 1).
struct GroupLine {
    std::string key;
    std::string name;
    int number = 0;
};

struct PriceBreak {
    int quantity = 0;
    int gross = 0;  // thousandths of a euro
    int net = 0;    // thousandths of a euro; written for information, the program does not read it
};

struct ArticleLine {
    std::string groupKey;
    std::array<std::string, 6> names;  // designations 1..6, UTF-8
    std::string maker;
    std::string description1;
    std::string description2;
    int status = 1;
    int key100 = 0;
    int vatKey = 1;
    int priceUnit = 1;  // 100: prices per hundred pieces
    std::vector<PriceBreak> breaks;
    std::uint32_t internalId = 0;                // written as hexadecimal text
    std::vector<std::optional<int>> moreValues;  // additional values 2..6; empty optional = empty field
};

struct GeneratedCatalogue {
    std::vector<GroupLine> mainGroups;
    std::vector<GroupLine> upperGroups;
    std::vector<GroupLine> productGroups;
    std::vector<ArticleLine> articles;
};

GeneratedCatalogue buildCatalogue(int articleCount, std::uint64_t seed);

// A later edition of a catalogue, as a distributor publishes it: `inserted` new articles at the front of the
// first product group (so every article after them gets a higher number), the gross prices of article line
// `dearer` (0-based, of the original) raised by 10 % in whole cents, article line `removed` left out. The
// product groups' first article numbers follow. Lines outside the catalogue are not changed or removed.
void changeCatalogue(GeneratedCatalogue& catalogue, int inserted, int dearer, int removed);

// Net of a gross amount as the program computes it: 10 * round(g * 100 / ((100 + p) * 10)), ties to even.
int netOf(int gross, int vatKey);

}  // namespace kvx::catgen
