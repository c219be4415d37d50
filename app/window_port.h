// What the command dispatcher needs from the main window: views, the list control and the group tree,
// the information form, repainting and closing. tfzgwwindow implements it on Qt; core tests use a fake.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_views.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_tree.h"

namespace kvx {

// The content of a list control: columns and rows, each row carrying its datum (low half = record number).
struct ListContent {
    int kind = kNoList;
    std::vector<ListColumn> columns;
    struct Row {
        std::vector<std::string> cells;  // UTF-8
        std::uint32_t datum = 0;
    };
    std::vector<Row> rows;
    int selectedRow = -1;  // row to select after filling, -1 = none
};

class WindowPort {
  public:
    virtual ~WindowPort() = default;

    virtual int currentView() const = 0;
    // Enters a view on the view stack (caption path, list and scroll bars hidden), sets its help context
    // and rebuilds the menu bar for `menu`.
    virtual void enterView(int view, int menu, const std::string& title) = 0;
    // Leaves the current view and restores help context and menu bar of the view returned to; false when
    // the start view is current (nothing to leave).
    virtual bool leaveView() = 0;

    // Shows the list control of `kind`, creating it anew when the current one has another kind; the group
    // tree and the splitter are shown beside it with `withTree`.
    virtual void showList(int kind, bool withTree) = 0;
    // Hides list and tree: the painted view is shown.
    virtual void hideList() = 0;
    // Kind of the list control while it is shown, else kNoList.
    virtual int visibleListKind() const = 0;
    // Kind of the list last shown in `view` (a view may show another kind than its own, as the catalogue
    // view shows search results), or kNoList when it never showed one.
    virtual int lastListKindOf(int view) const = 0;
    // Clears the visible list and fills it completely.
    virtual void fillList(const ListContent& content) = 0;

    virtual void setTree(const GroupTree& tree) = 0;
    // Selects and expands the node with the datum, without calling the selection handler.
    virtual void selectTreeNode(std::uint32_t data) = 0;

    virtual void showInformationPage(const InfoPage& page) = 0;
    // The box "Feature not implemented!" with an empty title.
    virtual void notImplemented() = 0;
    virtual void refreshStatusPanels() = 0;
    // The five fonts are taken from the settings again and applied to the list, tree, painted views and
    // the information form (after a font dialog).
    virtual void fontsChanged() = 0;
    virtual void repaint() = 0;
    virtual void closeWindow() = 0;
    // Help commands 91, 92 and 93; they do nothing while help is disabled.
    virtual void help(int command) = 0;
};

}  // namespace kvx
