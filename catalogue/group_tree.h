// The group tree as plain data for the tree view, the node-selection rule and the look-up of an
// article's product-group node. Node texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/user_interface.h"
#include "catalogue/group_tables.h"

namespace kvx {

// Node datum: the article span packed as last | first << 16 (1-based article numbers).
std::uint32_t packSpan(NumberSpan span);
NumberSpan unpackSpan(std::uint32_t data);

struct GroupTreeNode {
    int level = 1;        // 1 main group, 2 upper group, 3 product group
    int groupNumber = 0;  // number within its level
    std::string text;     // display name + " (" + article count + ")"
    std::uint32_t data = 0;
    std::vector<GroupTreeNode> children;
};

struct GroupTree {
    std::vector<GroupTreeNode> roots;
};

// Three levels in file order; spans beyond a level's count are clamped to it. Reads wgg.dat.
GroupTree buildGroupTree(const GroupTables& tables);

// Child indices from the root down to the node of product group g; empty when it is not in the tree.
std::vector<int> findProductGroupNode(const GroupTree& tree, int productGroup);

// The catalogue list's range: record indices of art.dat (first - 1 .. last - 1 of a node's span).
struct CatalogueListRange {
    std::uint32_t selectedData = 0;  // datum of the node last selected
    bool hasSelection = false;
    int first = 0;
    int last = -1;
    int size() const { return last - first + 1; }
};

// Maximum rows of a catalogue list; a larger range is left empty.
inline constexpr int kMaxCatalogueListRows = 1001;

// Node selection: the same datum again changes nothing (false). Otherwise the range becomes the node's
// span and true asks for a refill; a span of more than 1001 articles also shows "Zu viele Artikel".
bool selectGroupNode(CatalogueListRange& range, std::uint32_t nodeData, UserInterface& ui);

// "Artikelgruppe zeigen": the tree path of the article's product group, the node datum and the list
// range it selects. `found` is false when the group is not in the tree.
struct ArticleGroupLocation {
    bool found = false;
    std::vector<int> path;
    std::uint32_t data = 0;
    int productGroup = 0;
};
ArticleGroupLocation locateArticleGroup(const GroupTables& tables, const GroupTree& tree, int productGroup);

// Makes the located group the list's range (no "Zu viele Artikel" check: the user did not pick it).
void applyArticleGroup(CatalogueListRange& range, const ArticleGroupLocation& location);

}  // namespace kvx
