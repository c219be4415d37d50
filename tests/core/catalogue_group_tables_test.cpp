// Group tables: loading, spans at the edges, reverse look-ups, names and damaged numbers.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/group_tables.h"
#include "tests/support/catalogue_test_support.h"

namespace kvx {
namespace {

class GroupTablesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeSmallCatalogueFiles(m_dir);
        ASSERT_TRUE(m_catalogue.load(m_fs));
    }
    const GroupTables& groups() const { return m_catalogue.groups(); }

    test::TempDir m_dir;
    PosixFileSystem m_fs;
    Catalogue m_catalogue;
};

TEST_F(GroupTablesTest, CountsAfterLoad) {
    EXPECT_EQ(groups().mainCount(), 2);
    EXPECT_EQ(groups().upperCount(), 3);
    EXPECT_EQ(groups().productCount(), 4);
    EXPECT_EQ(m_catalogue.articleCount(), 10);
    EXPECT_EQ(groups().articleCount(), 10);
}

TEST_F(GroupTablesTest, SpansIncludingEdgesAndOutOfRange) {
    struct Row {
        const char* what;
        NumberSpan got;
        NumberSpan want;
    };
    const Row rows[] = {
        {"upper of main 1", groups().upperSpanOfMain(1), {1, 2}},
        {"upper of last main", groups().upperSpanOfMain(2), {3, 3}},
        {"upper of main beyond", groups().upperSpanOfMain(3), {3, 3}},
        {"upper of main 0", groups().upperSpanOfMain(0), {3, 3}},
        {"products of upper 1", groups().productSpanOfUpper(1), {1, 2}},
        {"products of last upper", groups().productSpanOfUpper(3), {4, 4}},
        {"products of upper beyond", groups().productSpanOfUpper(4), {4, 4}},
        {"articles of product 2", groups().articleSpanOfProduct(2), {3, 5}},
        {"last product ends at the count", groups().articleSpanOfProduct(4), {8, 10}},
        {"product beyond", groups().articleSpanOfProduct(5), {10, 10}},
        {"run 1..2", groups().articleSpanOfProductRun(1, 2), {1, 5}},
        {"run to the last product", groups().articleSpanOfProductRun(3, 4), {6, 10}},
        {"range of main A", groups().mainArticleRange(1), {1, 7}},
        {"range of last main", groups().mainArticleRange(2), {8, 10}},
        {"range of upper A2", groups().upperArticleRange(2), {6, 7}},
        {"range of last upper", groups().upperArticleRange(3), {8, 10}},
        {"range of main beyond", groups().mainArticleRange(3), {0, 0}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.got.first, r.want.first) << r.what;
        EXPECT_EQ(r.got.last, r.want.last) << r.what;
    }
}

TEST_F(GroupTablesTest, UpperAndMainRangesAddUpToTheirProductGroups) {
    for (int u = 1; u <= groups().upperCount(); ++u) {
        const NumberSpan products = groups().productSpanOfUpper(u);
        int sum = 0;
        for (int g = products.first; g <= products.last; ++g) sum += groups().articleSpanOfProduct(g).size();
        EXPECT_EQ(groups().upperArticleRange(u).size(), sum) << "upper group " << u;
    }
    EXPECT_EQ(groups().mainArticleRange(1).size() + groups().mainArticleRange(2).size(), 10);
}

TEST_F(GroupTablesTest, ReverseLookUps) {
    const int upperOf[] = {0, 1, 1, 2, 3, 3, 3};  // product 0..6
    for (int g = 0; g <= 6; ++g) EXPECT_EQ(groups().upperOfProduct(g), upperOf[g]) << "product " << g;
    const int mainOf[] = {0, 1, 1, 2, 2};  // upper 0..4
    for (int u = 0; u <= 4; ++u) EXPECT_EQ(groups().mainOfUpper(u), mainOf[u]) << "upper " << u;
}

TEST_F(GroupTablesTest, NamesAndRecordsOutOfRange) {
    EXPECT_EQ(groups().mainGroupName(1), "A Bauelemente");
    EXPECT_EQ(groups().mainGroupName(0), "??");
    EXPECT_EQ(groups().mainGroupName(3), "??");
    EXPECT_EQ(groups().upperGroupName(1), "A1 Widerst\xE4nde");
    EXPECT_EQ(groups().upperGroupName(9), " ");
    EXPECT_EQ(groups().productGroupName(4), "G1 Alu");
    EXPECT_EQ(groups().productGroupName(5), "?");
    EXPECT_EQ(groups().productGroupName(-3), "?");
    EXPECT_EQ(groups().mainGroup(7), MainGroup{});
    EXPECT_EQ(groups().upperGroup(-1), UpperGroup{});
    const ProductGroup beyond = groups().productGroup(5);
    EXPECT_EQ(beyond.first, 0);
    EXPECT_EQ(beyond.name, "?");
}

TEST(GroupTables, MissingOrEmptyFiles) {
    test::TempDir dir;
    PosixFileSystem fs;
    GroupTables t;
    EXPECT_FALSE(t.loadMainGroups(fs));
    EXPECT_FALSE(t.loadUpperGroups(fs));
    EXPECT_FALSE(t.openProductGroups(fs));
    dir.write("whg.dat", "");
    dir.write("wog.dat", std::string(49 + 10, 'x'));  // one record and a torn tail
    EXPECT_TRUE(t.loadMainGroups(fs));
    EXPECT_EQ(t.mainCount(), 0);
    EXPECT_TRUE(t.loadUpperGroups(fs));
    EXPECT_EQ(t.upperCount(), 1);
    Catalogue c;
    EXPECT_FALSE(c.load(fs)) << "wgg.dat and art.dat are missing";
    EXPECT_FALSE(c.isLoaded());
}

// First numbers that do not ascend (a damaged or hand-edited file) give odd spans, but nothing reads
// outside a table and the tree stays within the counts.
TEST(GroupTables, DescendingNumbersStayInsideTheTables) {
    test::TempDir dir;
    PosixFileSystem fs;
    test::writeRecordFile(dir, "whg.dat", {MainGroup{'A', "a", 5}.encode(), MainGroup{'B', "b", 0}.encode()});
    test::writeRecordFile(dir, "wog.dat", {KeyedGroup{"U", "u", 9}.encode(), KeyedGroup{"V", "v", 0}.encode()});
    test::writeRecordFile(dir, "wgg.dat", {KeyedGroup{"P", "p", 40000}.encode(), KeyedGroup{"Q", "q", 0}.encode()});
    test::writeRecordFile(dir, "art.dat", {CatalogueArticle{}.encode()});
    Catalogue c;
    ASSERT_TRUE(c.load(fs));
    const GroupTables& t = c.groups();
    EXPECT_EQ(t.upperSpanOfMain(1).last, 65535) << "0 - 1 wraps like the stored 16-bit numbers";
    EXPECT_EQ(t.mainOfUpper(3), 0) << "the scan stops at the first group starting beyond";
    EXPECT_EQ(t.upperOfProduct(1), 0);
    EXPECT_EQ(t.articleSpanOfProduct(1).first, 40000);
}

}  // namespace
}  // namespace kvx
