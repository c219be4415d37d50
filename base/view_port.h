// What a command's operation may do with the main window's views, whatever subsystem it belongs to:
// enter and leave numbered views, show and fill the list control, show the information form, say
// "Feature not implemented!", refresh the status line and repaint. The main window implements it on Qt
// (through app's WindowPort, which adds what only the shell uses); core tests use a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text_page.h"

namespace kvx {

inline constexpr const char* kNotImplemented = "Feature not implemented!";

// List kinds: the list control's tag.
enum ListKind : int {
    kNoList = 0,
    kSearchList = 2,
    kCatalogueList = 3,
    kMyArticlesList = 4,
    kOrdersList = 6,
    kDemandList = 10,
    kConsumptionList = 12,
};

struct ListColumn {
    std::string title;
    int width = 0;  // characters
    bool rightAligned = false;
    // A free text column (a description, a remark): the last such column of a list takes the width the
    // window has beyond all columns.
    bool stretch = false;
};

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

// Page types of the information form.
enum InfoPageType : int {
    kInfoCatalogueArticle = 0,
    kInfoMyArticle = 1,
    kInfoOrder = 2,
    kInfoDemand = 3,
    kInfoConsumption = 4,
    kInfoCalculation = 5,
    kInfoDirectOrder = 7,
    kInfoStockHistory = 8,
    kInfoRelinkReport = 9,  // My Articles after a catalogue import
};

struct InfoPage {
    int type = 0;
    std::string title;  // UTF-8
    TextPage page;
    int lines = 12;  // height in text lines
};

// A painted view whose page a subsystem keeps: the page as last built by the subsystem's commands (never
// read from a file while painting), the number of entries a click on a line may select (entry = line - 2)
// and what selecting one does; `open`, when set, is what a double click does after selecting. The dispatcher
// asks it instead of keeping the page itself.
struct PaintedViewSource {
    int view = 0;
    std::function<const TextPage&()> page;
    std::function<int()> entries;
    std::function<void(int entry)> select;
    std::function<void(int entry)> open = {};
};

class ViewPort {
  public:
    virtual ~ViewPort() = default;

    virtual int currentView() const = 0;
    // Enters a view on the view stack (caption path, list and scroll bars hidden), sets its help context
    // and rebuilds the menu bar for `menu`.
    virtual void enterView(int view, int menu, const std::string& title) = 0;
    // Leaves the current view and restores help context and menu bar of the view returned to; false when
    // the start view is current (nothing to leave).
    [[nodiscard]] virtual bool leaveView() = 0;

    // Shows the list control of `kind`, creating it anew when the current one has another kind; the group
    // tree and the splitter are shown beside it with `withTree`.
    virtual void showList(int kind, bool withTree) = 0;
    // The document views (an order, a demand or consumption booking, a calculation being edited): `page` is
    // painted on the left, in the detail font with line selection, and the list of `kind` (My Articles) is shown
    // beside it. Called again, it replaces the page. Leaving the mode: showList or hideList.
    virtual void showPageBesideList(const TextPage& page, int kind) = 0;
    // Hides list and tree: the painted view is shown.
    virtual void hideList() = 0;
    // Kind of the list control while it is shown, else kNoList.
    virtual int visibleListKind() const = 0;
    // Kind of the list last shown in `view` (a view may show another kind than its own, as the catalogue
    // view shows search results), or kNoList when it never showed one.
    virtual int lastListKindOf(int view) const = 0;
    // Clears the visible list and fills it completely.
    virtual void fillList(const ListContent& content) = 0;

    virtual void showInformationPage(const InfoPage& page) = 0;
    // The box "Feature not implemented!" with an empty title.
    virtual void notImplemented() = 0;
    virtual void refreshStatusPanels() = 0;
    // The five fonts are taken from the settings again and applied to the list, tree, painted views and
    // the information form (after a font dialog).
    virtual void fontsChanged() = 0;
    // The working mode or the price display changed: the menu bar of the current view is rebuilt for the
    // mode, the status line refreshed and the visible list gets the column titles of the price display
    // (its rows follow with the next refill).
    virtual void settingsChanged() = 0;
    virtual void repaint() = 0;
};

}  // namespace kvx
