// The list and tree wrappers under the offscreen platform: row selection with its scroll rule, row
// handlers through real events and through the script-driver entry points, column limits, tree selection.
#include "framework/tkolistview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <vector>

#include "framework/tkotreeview.h"

namespace kvx {
namespace {

using Calls = std::vector<std::pair<int, int>>;

// 100 rows "0".."99"; the datum of row i has record number i + 1 in its low half and i in its high half.
void fill(tkolistview& list, int rows = 100) {
    list.addColumn(QStringLiteral("Nr"), 40, 1);
    list.addColumn(QStringLiteral("Name"), 100, 0);
    for (int i = 0; i < rows; ++i) {
        list.addRow({QString::number(i), QStringLiteral("Teil ") + QString::number(i)},
                    (static_cast<std::uint32_t>(i) << 16) | static_cast<std::uint32_t>(i + 1));
    }
}

void showSized(QWidget& w) {
    w.resize(300, 200);
    w.show();
    QApplication::processEvents();
}

TEST(TkolistviewTest, SelectRowNumberAndScrollRule) {
    struct Row {
        int n;
        int startScrollRows;  // where the list stands before
        int selected;         // expected selected index, -1 = none
        int scrollRows;       // expected scroll position in rows afterwards; -1 = not checked
    };
    const Row rows[] = {
        {12, 0, 11, 7},   // index 11: scrolls by 7 rows
        {0, 0, 0, 0},     // 0 means the first row
        {11, 0, 10, -1},  // index 10: no scroll rule
        {21, 5, 20, 21},  // scrolls by 16 rows from where it stood
        {101, 0, -1, 0},  // no such row: selection cleared
    };
    for (const Row& r : rows) {
        tkolistview list(nullptr, {});
        fill(list);
        showSized(list);
        list.verticalScrollBar()->setValue(r.startScrollRows * list.rowHeight());
        list.selectRowNumber(r.n);
        EXPECT_EQ(list.selectedRow(), r.selected) << r.n;
        if (r.scrollRows >= 0) {
            EXPECT_EQ(list.verticalScrollBar()->value(), r.scrollRows * list.rowHeight()) << r.n;
            EXPECT_EQ(list.rowAt(0), r.scrollRows) << r.n;
        }
    }
}

TEST(TkolistviewTest, SelectingTheSelectedRowClears) {
    tkolistview list(nullptr, {});
    fill(list);
    showSized(list);
    list.selectRowNumber(12);
    ASSERT_EQ(list.selectedRow(), 11);
    const int scrolled = list.verticalScrollBar()->value();
    list.selectRowNumber(12);
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(list.verticalScrollBar()->value(), scrolled);
    list.selectRowNumber(3);
    EXPECT_EQ(list.selectedRow(), 2);
}

TEST(TkolistviewTest, RowHeightAndFont) {
    tkolistview list(nullptr, {});
    fill(list, 3);
    EXPECT_EQ(list.rowHeight(), 14);
    EXPECT_EQ(list.rowViewportPosition(1), 14);
    QFont font = list.font();
    font.setPixelSize(20);
    list.setListFont(font);
    EXPECT_EQ(list.rowHeight(), 23);
    EXPECT_EQ(list.rowViewportPosition(1), 23);  // existing rows follow
}

TEST(TkolistviewTest, ScriptClicksCallHandlersWithDatumHalves) {
    tkolistview list(nullptr, {});
    fill(list, 5);
    Calls clicks, contexts, doubles;
    list.setClickHandler([&](int lo, int hi) { clicks.emplace_back(lo, hi); });
    list.setContextHandler([&](int lo, int hi) { contexts.emplace_back(lo, hi); });
    list.setDoubleClickHandler([&](int lo, int hi) { doubles.emplace_back(lo, hi); });

    EXPECT_TRUE(list.clickRow(2));
    EXPECT_TRUE(list.rightClickRow(3));
    EXPECT_TRUE(list.doubleClickRow(4));
    EXPECT_FALSE(list.clickRow(5));
    EXPECT_FALSE(list.rightClickRow(-1));
    EXPECT_EQ(clicks, (Calls{{3, 2}, {5, 4}}));  // a double click is a click first
    EXPECT_EQ(contexts, (Calls{{4, 3}}));
    EXPECT_EQ(doubles, (Calls{{5, 4}}));
    EXPECT_EQ(list.selectedRow(), 4);
    EXPECT_EQ(list.findRow((3u << 16) | 4u), 3);
    EXPECT_EQ(list.findRow(77), -1);
}

TEST(TkolistviewTest, MouseAndKeyboardEvents) {
    tkolistview list(nullptr, {});
    fill(list, 20);
    showSized(list);
    Calls clicks, contexts;
    list.setClickHandler([&](int lo, int hi) { clicks.emplace_back(lo, hi); });
    list.setContextHandler([&](int lo, int hi) { contexts.emplace_back(lo, hi); });

    const QPoint onRow2(10, list.rowViewportPosition(2) + 5);
    const QPoint global = list.viewport()->mapToGlobal(onRow2);
    QMouseEvent press(QEvent::MouseButtonPress, onRow2, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, onRow2, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &press);
    QApplication::sendEvent(list.viewport(), &release);
    EXPECT_EQ(clicks, (Calls{{3, 2}}));
    EXPECT_EQ(list.selectedRow(), 2);

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&list, &down);
    EXPECT_EQ(list.selectedRow(), 3);
    EXPECT_EQ(clicks.back(), (std::pair<int, int>{4, 3}));

    const QPoint onRow5(10, list.rowViewportPosition(5) + 5);
    QContextMenuEvent context(QContextMenuEvent::Mouse, onRow5, list.viewport()->mapToGlobal(onRow5));
    QApplication::sendEvent(list.viewport(), &context);
    EXPECT_EQ(contexts, (Calls{{6, 5}}));
    EXPECT_EQ(list.selectedRow(), 5);

    // Below the last row: nothing happens.
    list.setRowCount(1);
    const QPoint below(10, 150);
    QContextMenuEvent empty(QContextMenuEvent::Mouse, below, list.viewport()->mapToGlobal(below));
    QApplication::sendEvent(list.viewport(), &empty);
    EXPECT_EQ(contexts.size(), 1u);
}

TEST(TkolistviewTest, ReadOnlyAndWritableLists) {
    tkolistview readOnly(nullptr, {});
    fill(readOnly, 2);
    EXPECT_FALSE(readOnly.item(0, 0)->flags().testFlag(Qt::ItemIsEditable));

    tkolistview::Options options;
    options.readOnly = false;
    tkolistview writable(nullptr, options);
    fill(writable, 2);
    showSized(writable);
    Calls doubles;
    writable.setDoubleClickHandler([&](int lo, int hi) { doubles.emplace_back(lo, hi); });
    EXPECT_TRUE(writable.item(0, 0)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(writable.item(0, 1)->flags().testFlag(Qt::ItemIsEditable));
    writable.doubleClickRow(1);
    EXPECT_TRUE(writable.isEditing());  // editing instead of the handler
    EXPECT_TRUE(doubles.empty());

    int editedRecord = 0;
    writable.setEditHandler([&](int lo, int, QString& text) {
        editedRecord = lo;
        text = text.toUpper();
    });
    writable.item(1, 0)->setText(QStringLiteral("neu"));
    EXPECT_EQ(editedRecord, 2);
    EXPECT_EQ(writable.item(1, 0)->text(), QStringLiteral("NEU"));
}

TEST(TkolistviewTest, ColumnsSortingAndState) {
    tkolistview::Options options;
    options.tag = 4;
    options.sorted = true;
    tkolistview list(nullptr, options);
    EXPECT_EQ(list.objectName(), QStringLiteral("_4"));
    list.addColumn(QStringLiteral("Name"), 40, 0);
    list.addColumn(QStringLiteral("Preis"), 60, 1);
    list.addColumn(QStringLiteral("Mitte"), 60, 2);
    list.addColumn(QString(100, u'x'), 10, 7);
    EXPECT_EQ(list.columnTitles()[3].size(), 80);
    EXPECT_EQ(list.item(0, 0), nullptr);
    list.addRow({QStringLiteral("b"), QStringLiteral("1.25")}, 2);
    list.addRow({QStringLiteral("A")}, 1);
    list.addRow(
        {QStringLiteral("c"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("zu viel")},
        3);
    EXPECT_EQ(list.rowTexts(0), (QStringList{QStringLiteral("A"), QString(), QString(), QString()}));
    EXPECT_EQ(list.rowDatum(1), 2u);
    EXPECT_EQ(list.item(0, 1), nullptr);
    EXPECT_TRUE(list.item(1, 1)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(list.item(2, 2)->textAlignment() & Qt::AlignHCenter);
    EXPECT_TRUE(list.item(2, 3)->textAlignment() & Qt::AlignLeft);

    // The user may size a column between w / 2 and 4 w.
    list.horizontalHeader()->resizeSection(0, 1000);
    EXPECT_EQ(list.columnWidth(0), 160);
    list.horizontalHeader()->resizeSection(0, 3);
    EXPECT_EQ(list.columnWidth(0), 20);
    list.horizontalHeader()->resizeSection(0, 50);
    EXPECT_EQ(list.columnWidth(0), 50);

    list.clickRow(1);
    EXPECT_EQ(list.stateText().section(u'\n', 0, 2),
              QStringLiteral("columns: Name | Preis | Mitte | ") + QString(80, u'x') +
                  QStringLiteral("\n  0: A |  |  |  #1\n> 1: b | 1.25 |  |  #2"));
    list.clearRows();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.columnCount(), 4);
}

// The last stretch column takes the width the others leave free, never less than its own; a list
// without one keeps its widths.
TEST(TkolistviewTest, StretchColumnTakesTheFreeWidth) {
    struct Row {
        int listWidth;
        int firstColumn;  // width given to column 0 afterwards by the user, 0 = untouched
        int expected;     // width of the stretch column
    };
    tkolistview list(nullptr, {});
    list.addColumn(QStringLiteral("Nr"), 40, 1);
    list.addColumn(QStringLiteral("Name"), 80, 0, true);  // superseded by the later stretch column
    list.addColumn(QStringLiteral("Beschreibung"), 100, 0, true);
    list.addColumn(QStringLiteral("Status"), 50, 0);
    for (int i = 0; i < 3; ++i) list.addRow({QString::number(i), QStringLiteral("x"), QStringLiteral("y")}, i);
    showSized(list);
    ASSERT_EQ(list.stretchColumn(), 2);
    const int frame = list.width() - list.viewport()->width();
    const Row rows[] = {
        {500, 0, 500 - frame - 170},   // 40 + 80 + 50 beside it
        {800, 0, 800 - frame - 170},   // wider window: only the stretch column grows
        {200, 0, 100},                 // narrower than all columns: keeps its own width
        {500, 60, 500 - frame - 190},  // another column made wider: the stretch column gives way
        {500, 20, 500 - frame - 150},
    };
    for (const Row& r : rows) {
        list.resize(r.listWidth, 200);
        QApplication::processEvents();
        if (r.firstColumn > 0) list.horizontalHeader()->resizeSection(0, r.firstColumn);
        EXPECT_EQ(list.columnWidth(2), r.expected) << r.listWidth << " " << r.firstColumn;
        EXPECT_EQ(list.columnWidth(1), 80) << "only the last stretch column stretches";
        EXPECT_EQ(list.columnWidth(3), 50);
    }
    // The user may still make it wider than the window (within 4 w): the list then scrolls.
    list.horizontalHeader()->resizeSection(2, 390);
    EXPECT_EQ(list.columnWidth(2), 390);

    tkolistview plain(nullptr, {});
    fill(plain, 3);
    showSized(plain);
    EXPECT_EQ(plain.stretchColumn(), -1);
    EXPECT_EQ(plain.columnWidth(0) + plain.columnWidth(1), 140);
}

TEST(TkotreeviewTest, CutNodeTextShowsAsTooltip) {
    const QString longText = QStringLiteral("Widerstände, Kondensatoren und andere passive Bauelemente");
    tkotreeview tree(nullptr);
    QTreeWidgetItem* group = tree.addNode(longText, 1);
    QTreeWidgetItem* child = tree.addChildNode(group, QStringLiteral("Kurz"), 2);
    group->setExpanded(true);
    tree.resize(120, 200);
    tree.show();
    QApplication::processEvents();
    const QPoint onGroup = tree.visualItemRect(group).center();
    const QPoint onChild = tree.visualItemRect(child).center();
    EXPECT_EQ(tree.cutTextAt(onGroup), longText);
    EXPECT_EQ(tree.cutTextAt(onChild), QString());
    EXPECT_EQ(tree.cutTextAt(QPoint(5, 190)), QString()) << "below the nodes";

    // The help event the mouse gives shows the tip, for the cut node only.
    QHelpEvent shortHelp(QEvent::ToolTip, onChild, tree.viewport()->mapToGlobal(onChild));
    QApplication::sendEvent(tree.viewport(), &shortHelp);
    EXPECT_FALSE(QToolTip::isVisible()) << "a node shown whole has no tip";
    QHelpEvent help(QEvent::ToolTip, onGroup, tree.viewport()->mapToGlobal(onGroup));
    QApplication::sendEvent(tree.viewport(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), longText);
    QToolTip::hideText();

    tree.resize(1000, 200);
    QApplication::processEvents();
    EXPECT_EQ(tree.cutTextAt(tree.visualItemRect(group).center()), QString()) << "wide enough";
}

TEST(TkotreeviewTest, SelectByDatumWithExpandRule) {
    tkotreeview tree(nullptr);
    QTreeWidgetItem* a = tree.addNode(QStringLiteral("A"), 1);
    QTreeWidgetItem* a1 = tree.addChildNode(a, QStringLiteral("A1"), 11);
    tree.addChildNode(a1, QStringLiteral("A1x"), 111);
    QTreeWidgetItem* b = tree.addNode(QStringLiteral("B"), 2);
    tree.addChildNode(b, QStringLiteral("B1"), 21);
    showSized(tree);

    EXPECT_EQ(tree.selectNode(1, true), a);
    EXPECT_TRUE(a->isExpanded());
    EXPECT_EQ(tree.selectNode(2, true), b);
    EXPECT_FALSE(a->isExpanded());  // the node expanded before is collapsed
    EXPECT_TRUE(b->isExpanded());
    // Selecting a node below a collapsed one still shows it.
    QTreeWidgetItem* x = tree.selectNode(111, false);
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(a->isExpanded());
    EXPECT_TRUE(a1->isExpanded());
    EXPECT_TRUE(b->isExpanded());  // without expand nothing is collapsed
    EXPECT_EQ(tree.selectedNode(), x);

    EXPECT_EQ(tree.selectNode(0, true), nullptr);
    EXPECT_EQ(tree.selectedNode(), nullptr);
    EXPECT_EQ(tree.selectNode(-5, false), nullptr);
    EXPECT_EQ(tree.selectNode(999, false), nullptr);

    tree.selectNode(21, false);
    EXPECT_EQ(tree.stateText(), QStringLiteral("A #1\n  A1 #11\n    A1x #111\nB #2\n  > B1 #21\n"));

    // The remembered expanded node may be removed with the nodes.
    tree.clearNodes();
    QTreeWidgetItem* c = tree.addNode(QStringLiteral("C"), 3);
    EXPECT_EQ(tree.selectNode(3, true), c);
}

TEST(TkotreeviewTest, HandlersGetDatumHalves) {
    tkotreeview tree(nullptr);
    QTreeWidgetItem* g = tree.addNode(QStringLiteral("Gruppe"), (2u << 16) | 7u);
    tree.addChildNode(g, QStringLiteral("Untergruppe"), (3u << 16) | 8u);
    Calls clicks, contexts, doubles;
    tree.setClickHandler([&](int lo, int hi) { clicks.emplace_back(lo, hi); });
    tree.setContextHandler([&](int lo, int hi) { contexts.emplace_back(lo, hi); });
    tree.setDoubleClickHandler([&](int lo, int hi) { doubles.emplace_back(lo, hi); });
    EXPECT_TRUE(tree.clickNode((3u << 16) | 8u));
    EXPECT_TRUE(tree.rightClickNode((2u << 16) | 7u));
    EXPECT_TRUE(tree.doubleClickNode((2u << 16) | 7u));
    EXPECT_FALSE(tree.clickNode(5));
    EXPECT_EQ(clicks, (Calls{{8, 3}, {7, 2}}));
    EXPECT_EQ(contexts, (Calls{{7, 2}}));
    EXPECT_EQ(doubles, (Calls{{7, 2}}));
    EXPECT_EQ(tree.selectedNode(), g);
}

}  // namespace
}  // namespace kvx
