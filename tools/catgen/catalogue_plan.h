// The shape of the generated catalogue: main, upper and product groups, and for each product group the
// templates its articles are made from. The tables are fixed; only the article count and the seed vary.
#pragma once

#include <string_view>
#include <vector>

namespace kvx::catgen {

enum ProductFlags : int {
    kPer100 = 1,   // prices are per hundred pieces
    kReduced = 2,  // reduced VAT (books)
};

// Templates are UTF-8. "{1}" inserts form 0 of the chosen option of value list 1, "{1b}" its form 1,
// "{2c}" form 2 of list 2. `values` holds the value lists separated by '#'; a list is either options
// separated by '|' (forms of one option separated by '^') or a generated series, see value_lists.h.
// `alternatives` holds up to five further designations separated by ';'.
struct ProductDef {
    std::string_view name;
    std::string_view title;
    std::string_view alternatives;
    std::string_view description1;
    std::string_view description2;
    std::string_view values;
    int centsMin = 0;  // gross price of break 1, in cents (per piece, or per hundred with kPer100)
    int centsMax = 0;
    int flags = 0;
};

struct UpperDef {
    std::string_view name;
    std::vector<ProductDef> products;
};

// Main groups are keyed by letter in file order: A, B, C, ...
struct MainDef {
    std::string_view name;
    std::vector<UpperDef> uppers;
};

// The whole group tree, in file order.
const std::vector<MainDef>& cataloguePlan();

// Parts of the table, defined in separate files to keep each one readable.
void appendComponentGroups(std::vector<MainDef>& plan);
void appendEquipmentGroups(std::vector<MainDef>& plan);

}  // namespace kvx::catgen
