// Building the group tree and the selection rules of its nodes.
#include "catalogue/group_tree.h"

#include <algorithm>

#include "base/cp1252.h"

namespace kvx {

namespace {

GroupTreeNode makeNode(int level, int number, const std::string& name, NumberSpan span) {
    GroupTreeNode node;
    node.level = level;
    node.groupNumber = number;
    node.text = cp1252ToUtf8(name) + " (" + std::to_string(span.size()) + ")";
    node.data = packSpan(span);
    return node;
}

// Numbers of a span that exist in a level of `count` groups.
std::pair<int, int> clampSpan(NumberSpan span, int count) {
    return {std::max<int>(span.first, 1), std::min<int>(span.last, count)};
}

}  // namespace

std::uint32_t packSpan(NumberSpan span) {
    return static_cast<std::uint32_t>(span.last) | (static_cast<std::uint32_t>(span.first) << 16);
}

NumberSpan unpackSpan(std::uint32_t data) {
    return {static_cast<std::uint16_t>(data >> 16), static_cast<std::uint16_t>(data & 0xFFFF)};
}

GroupTree buildGroupTree(const GroupTables& tables) {
    GroupTree tree;
    for (int m = 1; m <= tables.mainCount(); ++m) {
        GroupTreeNode mainNode = makeNode(1, m, tables.mainGroupName(m), tables.mainArticleRange(m));
        const auto [u1, u2] = clampSpan(tables.upperSpanOfMain(m), tables.upperCount());
        for (int u = u1; u <= u2; ++u) {
            GroupTreeNode upperNode = makeNode(2, u, tables.upperGroupName(u), tables.upperArticleRange(u));
            const auto [g1, g2] = clampSpan(tables.productSpanOfUpper(u), tables.productCount());
            for (int g = g1; g <= g2; ++g) {
                upperNode.children.push_back(
                    makeNode(3, g, tables.productGroupName(g), tables.articleSpanOfProduct(g)));
            }
            mainNode.children.push_back(std::move(upperNode));
        }
        tree.roots.push_back(std::move(mainNode));
    }
    return tree;
}

std::vector<int> findProductGroupNode(const GroupTree& tree, int productGroup) {
    for (std::size_t i = 0; i < tree.roots.size(); ++i) {
        const auto& uppers = tree.roots[i].children;
        for (std::size_t j = 0; j < uppers.size(); ++j) {
            const auto& products = uppers[j].children;
            for (std::size_t k = 0; k < products.size(); ++k) {
                if (products[k].groupNumber == productGroup)
                    return {static_cast<int>(i), static_cast<int>(j), static_cast<int>(k)};
            }
        }
    }
    return {};
}

bool selectGroupNode(CatalogueListRange& range, std::uint32_t nodeData, UserInterface& ui) {
    if (range.hasSelection && range.selectedData == nodeData) return false;
    const NumberSpan span = unpackSpan(nodeData);
    range.hasSelection = true;
    range.selectedData = nodeData;
    range.first = static_cast<int>(span.first) - 1;
    range.last = static_cast<int>(span.last) - 1;
    if (static_cast<std::int16_t>(span.last - span.first) > kMaxCatalogueListRows - 1) ui.inform("Zu viele Artikel");
    return true;
}

ArticleGroupLocation locateArticleGroup(const GroupTables& tables, const GroupTree& tree, int productGroup) {
    ArticleGroupLocation loc;
    loc.productGroup = productGroup;
    loc.path = findProductGroupNode(tree, productGroup);
    loc.found = !loc.path.empty();
    loc.data = packSpan(tables.articleSpanOfProduct(productGroup));
    return loc;
}

void applyArticleGroup(CatalogueListRange& range, const ArticleGroupLocation& location) {
    const NumberSpan span = unpackSpan(location.data);
    range.hasSelection = true;
    range.selectedData = location.data;
    range.first = static_cast<int>(span.first) - 1;
    range.last = static_cast<int>(span.last) - 1;
}

}  // namespace kvx
