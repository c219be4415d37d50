// The view stack of the base window and the scroll range rule its levels carry.
#include "framework/model/view_stack.h"

#include <gtest/gtest.h>

#include <climits>

namespace kvx {
namespace {

TEST(ViewStackTest, CaptionPathAndTitle) {
    ViewStack s;
    s.current().captionPath = "X";
    s.enter(3, 402, "A", true);
    EXPECT_EQ(s.current().captionPath, "X/A");
    s.enter(4, 405, "B", true);
    EXPECT_EQ(s.current().captionPath, "X/A/B");
    EXPECT_EQ(s.title(), "B");
    EXPECT_EQ(s.current().viewNumber, 4);
    EXPECT_EQ(s.current().menuNumber, 405);

    ASSERT_TRUE(s.leave());
    EXPECT_EQ(s.current().captionPath, "X/A");
    EXPECT_EQ(s.title(), "A");
    EXPECT_EQ(s.current().viewNumber, 3);
    EXPECT_EQ(s.current().menuNumber, 402);

    ASSERT_TRUE(s.leave());
    EXPECT_EQ(s.current().captionPath, "X");
    EXPECT_EQ(s.title(), "X");
    EXPECT_EQ(s.depth(), 0);
}

TEST(ViewStackTest, TitleRules) {
    ViewStack s;
    s.enter(3, 402, "Artikel-Liste", true);
    EXPECT_EQ(s.current().captionPath, "Artikel-Liste");  // no leading "/"
    s.enter(5, 406, "", true);                            // an empty title leaves the path alone
    EXPECT_EQ(s.current().captionPath, "Artikel-Liste");
    EXPECT_EQ(s.title(), "");
    EXPECT_EQ(lastPathPart("a/b/c"), "c");
    EXPECT_EQ(lastPathPart("abc"), "abc");
    EXPECT_EQ(lastPathPart("abc/"), "");
}

TEST(ViewStackTest, LevelIsSavedAndRestoredWhole) {
    ViewStack s;
    ViewLevel& c = s.current();
    c.datum = 0x00050007;
    c.listVisible = true;
    c.verticalBarVisible = true;
    c.horizontalBarVisible = true;
    c.vertical = {40, 40, 1, 200, 20, 1};

    s.enter(7, 408, "Wareneingang", false);
    EXPECT_FALSE(s.current().listVisible);
    EXPECT_TRUE(s.current().verticalBarVisible);  // bars stay unless asked to hide them
    s.current().datum = 99;
    s.current().vertical.position = 3;
    s.enter(8, 412, "Bedarf", true);
    EXPECT_FALSE(s.current().verticalBarVisible);
    EXPECT_FALSE(s.current().horizontalBarVisible);

    ASSERT_TRUE(s.leave());
    EXPECT_EQ(s.current().datum, 99);
    EXPECT_EQ(s.current().vertical.position, 3);
    ASSERT_TRUE(s.leave());
    EXPECT_EQ(s.current().datum, 0x00050007);
    EXPECT_TRUE(s.current().listVisible);
    EXPECT_TRUE(s.current().horizontalBarVisible);
    EXPECT_EQ(s.current().vertical, (ScrollState{40, 40, 1, 200, 20, 1}));
}

TEST(ViewStackTest, LeaveOnEmptyStackChangesNothing) {
    ViewStack s;
    s.current().captionPath = "X";
    EXPECT_FALSE(s.leave());
    EXPECT_EQ(s.current().captionPath, "X");
}

TEST(ViewStackTest, MoreThanNineEntersSaveNoFurtherLevel) {
    ViewStack s;
    for (int i = 1; i <= 11; ++i) {
        s.enter(static_cast<std::uint16_t>(i), 400, std::to_string(i), true);
    }
    EXPECT_EQ(s.depth(), 9);
    EXPECT_EQ(s.current().captionPath, "1/2/3/4/5/6/7/8/9/10/11");
    // The first leave returns to the level saved by the ninth enter: view 8.
    ASSERT_TRUE(s.leave());
    EXPECT_EQ(s.current().viewNumber, 8);
    EXPECT_EQ(s.current().captionPath, "1/2/3/4/5/6/7/8");
    EXPECT_EQ(s.title(), "8");
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(s.leave());
    EXPECT_EQ(s.current().captionPath, "");
    EXPECT_FALSE(s.leave());
}

TEST(ScrollStateTest, RangeRule) {
    struct Row {
        ScrollState in;
        ScrollState out;
        bool visible;
    };
    const Row rows[] = {
        {{1, 1, 1, 1, 20, 1}, {1, 1, 1, 3, 20, 1}, false},             // empty range: 1..3, hidden
        {{5, 1, 10, 2, 20, 1}, {10, 1, 10, 12, 20, 1}, false},         // reversed range, position clamped up
        {{500, 1, 1, 100, 20, 1}, {100, 1, 1, 100, 20, 1}, true},      // position clamped down
        {{1, 1, 1, 20, 20, 1}, {1, 1, 1, 20, 20, 1}, false},           // maximum 20 is hidden
        {{1, 1, 1, 21, 20, 1}, {1, 1, 1, 21, 20, 1}, true},            // 21 is shown
        {{1, 1, 1, 100, 0, 5}, {1, 1, 1, 100, 1, 1}, true},            // large change at least 1, small cut
        {{1, 1, 1, 100, 40000, 50}, {1, 1, 1, 100, 32767, 50}, true},  // large change at most 32767
        {{1, 1, 1, 100, 20, 0}, {1, 1, 1, 100, 20, 1}, true},          // small change at least 1
        {{0, 0, INT_MAX, INT_MAX, 20, 1}, {INT_MAX - 2, 0, INT_MAX - 2, INT_MAX, 20, 1}, true},
    };
    for (const Row& r : rows) {
        const ScrollState out = applyScrollRangeRule(r.in);
        EXPECT_EQ(out, r.out) << r.in.minimum << ".." << r.in.maximum;
        EXPECT_EQ(scrollBarVisible(out), r.visible) << r.in.minimum << ".." << r.in.maximum;
    }
}

TEST(ScrollStateTest, PageSizeAndScrollTo) {
    EXPECT_EQ(scrollPageSize({1, 1, 1, 3, 20, 1}), 1);
    EXPECT_EQ(scrollPageSize({1, 1, -100, 100, 20, 1}), 2);
    EXPECT_EQ(scrollPageSize({1, 1, INT_MIN, INT_MAX, 20, 1}), 42949672);

    ScrollState s = kInitialVerticalScroll;
    EXPECT_FALSE(scrollTo(s, 1));
    EXPECT_TRUE(scrollTo(s, 7));
    EXPECT_EQ(s.position, 7);
}

}  // namespace
}  // namespace kvx
