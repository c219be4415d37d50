// The group tree: node texts and data, the selection rule and the look-up of an article's group.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/group_tree.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"

namespace kvx {
namespace {

class GroupTreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeSmallCatalogueFiles(m_dir);
        ASSERT_TRUE(m_catalogue.load(m_fs));
        m_tree = buildGroupTree(m_catalogue.groups());
    }

    test::TempDir m_dir;
    PosixFileSystem m_fs;
    Catalogue m_catalogue;
    GroupTree m_tree;
};

TEST_F(GroupTreeTest, ThreeLevelsWithCountsAndPackedSpans) {
    ASSERT_EQ(m_tree.roots.size(), 2u);
    const GroupTreeNode& a = m_tree.roots[0];
    EXPECT_EQ(a.text, "A Bauelemente (7)");
    EXPECT_EQ(a.data, (1u << 16) | 7u);
    ASSERT_EQ(a.children.size(), 2u);
    EXPECT_EQ(a.children[0].text, "A1 Widerstände (5)") << "node texts are UTF-8";
    ASSERT_EQ(a.children[0].children.size(), 2u);
    EXPECT_EQ(a.children[0].children[1].text, "W2 Metallfilm (3)");
    EXPECT_EQ(a.children[0].children[1].data, (3u << 16) | 5u);
    const GroupTreeNode& b = m_tree.roots[1];
    EXPECT_EQ(b.text, "B Mechanik (3)");
    ASSERT_EQ(b.children.size(), 1u);
    ASSERT_EQ(b.children[0].children.size(), 1u);
    EXPECT_EQ(b.children[0].children[0].text, "G1 Alu (3)");
    EXPECT_EQ(b.children[0].children[0].level, 3);
    EXPECT_EQ(b.children[0].children[0].groupNumber, 4);
}

TEST(GroupTree, SelectionRule) {
    test::FakeUi ui;
    CatalogueListRange range;
    // First selection: the range becomes first - 1 .. last - 1 and a refill is due.
    EXPECT_TRUE(selectGroupNode(range, packSpan({3, 5}), ui));
    EXPECT_EQ(range.first, 2);
    EXPECT_EQ(range.last, 4);
    // The same node again changes nothing.
    range.first = 99;
    EXPECT_FALSE(selectGroupNode(range, packSpan({3, 5}), ui));
    EXPECT_EQ(range.first, 99);
    EXPECT_TRUE(ui.log.empty());

    struct Row {
        NumberSpan span;
        bool tooMany;
    };
    const Row rows[] = {{{1, 1001}, false}, {{1, 1002}, true}, {{100, 2000}, true}, {{500, 400}, false}};
    for (const Row& r : rows) {
        ui.log.clear();
        EXPECT_TRUE(selectGroupNode(range, packSpan(r.span), ui));
        EXPECT_EQ(!ui.log.empty(), r.tooMany) << r.span.first << ".." << r.span.last;
        if (r.tooMany) {
            EXPECT_EQ(ui.log[0], "info: Zu viele Artikel");
        }
    }
}

TEST_F(GroupTreeTest, ArticleGroupIsFoundAtTheProductLevel) {
    // Main B has a single product group with the same span: the product node must be the one found.
    const CatalogueArticle a = m_catalogue.articles().read(8);
    const ArticleGroupLocation loc = locateArticleGroup(m_catalogue.groups(), m_tree, a.productGroupNumber());
    ASSERT_TRUE(loc.found);
    EXPECT_EQ(loc.path, (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(loc.data, packSpan({8, 10}));
    CatalogueListRange range;
    applyArticleGroup(range, loc);
    EXPECT_EQ(range.first, 7);
    EXPECT_EQ(range.last, 9);
    EXPECT_FALSE(locateArticleGroup(m_catalogue.groups(), m_tree, 17).found);
}

TEST(GroupTree, DamagedSpansAreClampedToTheCounts) {
    test::TempDir dir;
    PosixFileSystem fs;
    // Main group 1 claims upper groups 1..65535 (the next one starts at 0).
    test::writeRecordFile(dir, "whg.dat", {MainGroup{'A', "a", 1}.encode(), MainGroup{'B', "b", 0}.encode()});
    test::writeRecordFile(dir, "wog.dat", {KeyedGroup{"U", "u", 1}.encode()});
    test::writeRecordFile(dir, "wgg.dat", {KeyedGroup{"P", "p", 1}.encode()});
    test::writeRecordFile(dir, "art.dat", {CatalogueArticle{}.encode(), CatalogueArticle{}.encode()});
    Catalogue c;
    ASSERT_TRUE(c.load(fs));
    const GroupTree tree = buildGroupTree(c.groups());
    ASSERT_EQ(tree.roots.size(), 2u);
    EXPECT_EQ(tree.roots[0].children.size(), 1u);
    EXPECT_EQ(tree.roots[0].children[0].children.size(), 1u);
}

}  // namespace
}  // namespace kvx
