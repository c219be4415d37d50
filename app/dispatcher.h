// The command dispatcher of the main window and the state of its views: every menu item and list
// callback ends here with a command number. The dispatcher reads one command table, filled with the rows
// of each subsystem (its own, search's, and those still without an operation), and applies the rules
// (numbers above cmd::kHighest, commands without an operation, stock commands in simple mode,
// view-dependent commands). It runs without Qt; the window is reached through WindowPort.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/main_views.h"
#include "app/window_port.h"
#include "base/command_table.h"
#include "base/list_refill.h"
#include "base/user_interface.h"
#include "catalogue/group_tree.h"
#include "search/search_dialogs.h"
#include "settings/settings_dialogs.h"
#include "stock/booking_command_rows.h"
#include "stock/my_article_commands.h"
#include "stock/order_command_rows.h"
#include "stock/stock_command_table.h"
#include "stock/stock_dialogs.h"

namespace kvx {

inline constexpr const char* kDefaultDistributorAddress = "https://www.zelvo.de";
inline constexpr const char* kOnlineCataloguePath = "/Katalog/v2de.shtml";
inline constexpr const char* kOnlinePicturesPath = "/bilder/";
inline constexpr const char* kManualFile = "K-VANEX.PDF";

enum class RowClick { Click, Right, Double };

class Dispatcher final {
  public:
    Dispatcher(AppState& app, UserInterface& ui, SearchDialogs& searchDialogs, SettingsDialogs& settingsDialogs,
               StockDialogs& stockDialogs, WindowPort& window);
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Runs command `command` by the dispatch rules. A run-time I/O error passes to the caller.
    void dispatch(int command);
    // The rows of all subsystems.
    const CommandTable& commands() const { return m_commands; }
    // Whether the command has an operation in this program (the others answer "Feature not implemented!").
    bool hasOperation(int command) const { return m_commands.hasOperation(command); }

    // ---- views ----
    // Shows what the current view shows: the list it showed last, else its own list (the catalogue
    // browser for view 3), or its painted page.
    void showCurrentView();
    // Idle phase 0: fills the visible list when its refill flag is set.
    void idleFill();
    ListRefill& refill() { return m_refill; }
    // Before the quit question: an unbooked goods receipt asks whether to leave it (its order read again);
    // false keeps the program running.
    bool mayQuitFromView() {
        return m_window.currentView() != kGoodsReceiptView ||
               leaveOrderView(m_app.stock, m_ui, m_orderViews, kGoodsReceiptView);
    }
    // The status line of the orders list: the totals of its last fill.
    std::string ordersStatus() const { return orderTotalsText(m_orderViews.totals); }
    // The status line of a list that shows totals (orders, demand, consumption) in view `view`; nothing for
    // the other views, whose status line shows the search selection.
    std::optional<std::string> totalsStatus(int view) const {
        if (view == kOrdersView) return ordersStatus();
        return bookingTotalsStatus(m_bookingViews, view);
    }
    // The list's content for its kind (empty for kinds whose data are not kept by this program yet).
    ListContent listContent(int kind) const;
    // The page of a painted view (empty when the view has none) and the font it is drawn with.
    const TextPage& pageOfView(int view) const;
    // A left click (or double click) on text line `line` of a painted view; true when it selected an
    // entry (the window then repaints). The selected entry of a view whose page a subsystem keeps is the
    // subsystem's; of the others it is kept in selectedEntry().
    bool onPaintedLine(int line, bool doubleClick);
    int selectedEntry(int view) const;
    // Number of selectable entries of a painted view; set by the parts that own those views.
    std::function<int(int view)> selectableEntries;
    static FontSlot fontOfView(int view);

    // ---- catalogue browser ----
    // After the catalogue was loaded or imported: builds the group tree and hands it to the window.
    void catalogueLoaded();
    const GroupTree& tree() const { return m_tree; }
    const CatalogueListRange& listRange() const { return m_range; }
    // Tree node selection (the node's datum: last | first << 16).
    void onTreeNode(std::uint32_t data);
    // A click on a row of a list of `kind`; `recordNumber` is the low half of the row's datum.
    void onListRow(int kind, long recordNumber, RowClick click);
    // The article last picked from a catalogue or result list; none before the first pick.
    std::optional<ArticleNumber> currentArticle() const { return m_currentArticle; }

    // ---- configuration ----
    // The distributor's web server (commands 199, 200), without a trailing "/".
    void setDistributorAddress(std::string address) { m_address = std::move(address); }
    const std::string& distributorAddress() const { return m_address; }
    void setPlatformValues(PlatformValues values) { m_platform = std::move(values); }

  private:
    std::vector<CommandRow> ownCommandRows();
    StockCommandContext stockContext();
    void showCatalogueBrowser();
    void leaveView();
    void articleInformation();
    void showArticleGroup();
    void showTextFile();
    void openOnline(const char* path);
    void openManual();
    void importCatalogue();
    void showSystemInformation();
    void deleteUserFiles();
    void showCataloguePage(ArticleNumber n);

    AppState& m_app;
    UserInterface& m_ui;
    StockDialogs& m_stockDialogs;
    WindowPort& m_window;
    CommandTable m_commands;
    ListRefill m_refill;
    GroupTree m_tree;
    CatalogueListRange m_range;
    std::optional<ArticleNumber> m_currentArticle;
    int m_selectAfterRefill = -1;  // article whose row is selected after the next catalogue refill
    std::map<int, TextPage> m_pages;
    std::map<int, PaintedViewSource> m_paintedViews;  // pages kept by the subsystems
    mutable OrderViewState m_orderViews;              // the orders list keeps its totals when filled
    std::map<int, int> m_selected;                    // view -> selected entry of a painted view
    mutable BookingViews m_bookingViews;              // pages, cursors and list totals of the booking views
    std::string m_address = kDefaultDistributorAddress;
    PlatformValues m_platform;
};

}  // namespace kvx
