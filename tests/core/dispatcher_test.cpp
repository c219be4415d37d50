// The command dispatcher: its rules by mode and view, the deferred list filling of the catalogue
// browser, and the main window's own commands, against a fake window and a scripted user.
#include "app/dispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <map>

#include "base/clock.h"
#include "base/date_number.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

// The window side: a view stack and a log of what the dispatcher asked for.
class FakeWindow final : public WindowPort {
  public:
    struct Level {
        int view;
        int menu;
        std::string path;
    };
    std::vector<Level> levels{{1, 401, ""}};
    std::vector<std::string> log;
    int listKind = kNoList;
    bool treeShown = false;
    ListContent filled;
    int fills = 0;
    InfoPage info;

    int currentView() const override { return levels.back().view; }
    void enterView(int view, int menu, const std::string& title) override {
        const std::string& path = levels.back().path;
        levels.push_back({view, menu, path.empty() ? title : path + "/" + title});
        listKind = kNoList;
        treeShown = false;
        log.push_back("enter " + std::to_string(view) + " " + std::to_string(menu) + " " + levels.back().path);
    }
    bool leaveView() override {
        if (levels.size() == 1) return false;
        levels.pop_back();
        log.push_back("leave to " + std::to_string(currentView()));
        return true;
    }
    void showList(int kind, bool withTree) override {
        listKind = kind;
        lastKinds[currentView()] = kind;
        treeShown = withTree;
    }
    void hideList() override {
        listKind = kNoList;
        treeShown = false;
    }
    void showPageBesideList(const TextPage& page, int kind) override {
        showList(kind, false);
        log.push_back("page beside list " + std::to_string(kind) + ", " + std::to_string(page.lineCount()) + " lines");
    }
    int visibleListKind() const override { return listKind; }
    int lastListKindOf(int view) const override {
        const auto it = lastKinds.find(view);
        return it == lastKinds.end() ? kNoList : it->second;
    }
    std::map<int, int> lastKinds;
    void fillList(const ListContent& content) override {
        filled = content;
        ++fills;
    }
    void setTree(const GroupTree&) override { log.push_back("tree"); }
    void selectTreeNode(std::uint32_t data) override { log.push_back("select node " + std::to_string(data)); }
    void showInformationPage(const InfoPage& page) override {
        info = page;
        log.push_back("info " + page.title);
    }
    void notImplemented() override { log.push_back(kNotImplemented); }
    void refreshStatusPanels() override { log.push_back("status panels"); }
    void fontsChanged() override { log.push_back("fonts"); }
    void settingsChanged() override { log.push_back("settings changed"); }
    void repaint() override {}
    void closeWindow() override { log.push_back("close"); }
    void help(int command) override { log.push_back("help " + std::to_string(command)); }
};

class DispatcherTest : public ::testing::Test {
  protected:
    DispatcherTest() {
        test::writeSmallCatalogueFiles(m_dir);
        EXPECT_TRUE(m_app.catalogue.load(m_fs));
        dispatcher.catalogueLoaded();
        window.log.clear();
    }
    void setStockMode(bool on) { m_app.settings.setStockMode(on); }
    // Stock mode with its files open and catalogue article 6 picked in the catalogue view.
    void pickArticleInStockMode() {
        setStockMode(true);
        ASSERT_TRUE(app().stock.open().empty());
        app().stock.loadCurrentDocuments(0);
        window.levels = {{1, 401, ""}, {3, 402, "Artikel-Liste"}};
        dispatcher.onListRow(kCatalogueList, 6, RowClick::Click);
    }
    // "Zu meine Artikel" on the picked article, its dialog confirmed unchanged.
    void addPickedArticle() {
        ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord&) { return true; }}};
        dispatcher.dispatch(126);
    }
    // Everything the user and the window were told, in two lists.
    std::vector<std::string> said() const { return ui.log; }

    test::TempDir m_dir;
    PosixFileSystem m_fs;
    FixedClock m_clock{{2026, 12, 8}, 0};
    AppState m_app{m_fs, m_clock, m_dir.path().string() + "/"};

  public:
    test::FakeUi ui;
    FakeWindow window;
    Dispatcher dispatcher{m_app, ui, ui, ui, ui, window};
    AppState& app() { return m_app; }
    FileSystem& fs() { return m_fs; }
    test::TempDir& dir() { return m_dir; }
};

TEST_F(DispatcherTest, RulesByModeAndView) {
    // Reaches: the command is passed on (to its operation, or "Feature not implemented!" while its part is
    // missing); Runs: an operation of this program ran.
    // Refused: the simple-mode answer " Im einfachen Modus nicht möglich".
    enum Outcome { NotImplemented, Silent, Reaches, Runs, Refused };
    struct Row {
        bool stock;
        int view;
        int command;
        Outcome outcome;
    };
    const Row rows[] = {
        {false, 1, 253, NotImplemented},
        {true, 1, 253, NotImplemented},
        {false, 1, 60000, NotImplemented},
        {false, 1, -1, NotImplemented},
        {false, 1, 0, NotImplemented},
        {true, 12, 242, NotImplemented},
        {false, 1, 242, NotImplemented},
        {false, 1, 205, Silent},
        {false, 1, 138, Silent},
        {false, 1, 150, Silent},
        // Adding to and working on My Articles say why they do nothing in simple mode, in any view.
        {false, 4, 127, Refused},
        {false, 3, 126, Refused},
        {false, 1, 151, Refused},
        {false, 1, 144, Refused},
        {false, 2, 155, Refused},
        {true, 1, 127, NotImplemented},
        {true, 3, 144, NotImplemented},
        {true, 4, 155, Reaches},
        {true, 1, 205, Reaches},
        // The direct order is usable in simple mode: an empty one says so, ordering asks (answered no here).
        {false, 1, 182, Runs},
        {false, 3, 181, Runs},
        {false, 1, 149, Runs},
        {false, 16, 149, Runs},
        // Saving as text serves the direct order's views in simple mode, the documents' views in stock mode.
        {false, 3, 149, NotImplemented},
        {true, 1, 149, NotImplemented},
        // View-dependent: article information only in the search list, catalogue and My Articles.
        {true, 1, 142, NotImplemented},
        {false, 30, 142, NotImplemented},
        {false, 3, 142, Runs},
        {false, 2, 142, Runs},
        {true, 1, 90, Runs},
        {false, 20, 90, Runs},
        {false, 1, 1, Runs},
        {false, 1, 243, NotImplemented},
        {false, 1, 204, Runs},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("command " + std::to_string(row.command) + " in view " + std::to_string(row.view) +
                     (row.stock ? " (stock)" : " (simple)"));
        setStockMode(row.stock);
        window.levels = {{row.view, 400, ""}};
        window.log.clear();
        ui.log.clear();
        ui.answers = {false};
        dispatcher.dispatch(row.command);
        const bool notImplemented = window.log == std::vector<std::string>{kNotImplemented};
        switch (row.outcome) {
            case NotImplemented:
                EXPECT_TRUE(notImplemented) << (window.log.empty() ? "" : window.log[0]);
                EXPECT_TRUE(ui.log.empty());
                break;
            case Silent:
                EXPECT_TRUE(window.log.empty());
                EXPECT_TRUE(ui.log.empty());
                break;
            case Reaches:
                EXPECT_FALSE(window.log.empty() && ui.log.empty()) << "the command was swallowed";
                break;
            case Runs:
                EXPECT_FALSE(notImplemented);
                EXPECT_FALSE(window.log.empty() && ui.log.empty()) << "the command did nothing";
                break;
            case Refused:
                EXPECT_TRUE(window.log.empty());
                EXPECT_EQ(ui.log, std::vector<std::string>{"info:  Im einfachen Modus nicht möglich"});
                break;
        }
    }
}

TEST_F(DispatcherTest, CommandTableRulesByMode) {
    // Read from the table the dispatcher assembled out of every subsystem's rows.
    const CommandTable& table = dispatcher.commands();
    struct Row {
        int command;
        int view;
        bool stock;
        bool served;
    };
    const Row rows[] = {
        {149, 1, false, true},  {149, 16, false, true}, {149, 1, true, false},  {149, 6, true, true},
        {149, 6, false, false}, {123, 25, false, true}, {123, 1, false, false}, {128, 13, true, true},
        {128, 3, true, false},  {142, 4, true, true},   {124, 17, true, true},  {154, 7, true, true},
        {154, 5, true, false},  {90, 24, true, true},   {202, 3, false, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(table.servesView(r.command, r.view, r.stock), r.served) << r.command << " in view " << r.view;
    for (int c : {138, 150, 160, 161, 192, 205, 112, 245}) EXPECT_TRUE(table.isStockOnly(c)) << c;
    for (int c : {1, 90, 121, 142, 149, 181, 182, 183, 186, 118, 123, 124, 126, 127, 144, 151, 155, 195, 246, 170, 248})
        EXPECT_FALSE(table.isStockOnly(c)) << c;
    // The main window's own commands, search's, the settings' and My Articles' have operations.
    for (int c :
         {1, 90, 91, 92, 93, 100, 121, 142, 195, 196, 199, 200, 202, 203, 204, 246, 170, 178, 179, 189, 190, 247, 248,
          249, 116, 123, 124, 130, 131, 132, 133, 134, 135, 137, 188, 191, 198, 126, 127, 144, 151, 155, 205,
          // demand, consumption, calculations, cost centres and reports
          112, 136, 138, 139, 149, 154, 156, 157, 160, 161, 162, 163, 164, 165, 167, 168, 169, 172, 173, 174, 187, 192,
          193, 206, 245,
          // the orders' and the direct order's
          113, 118, 128, 129, 143, 148, 150, 152, 159, 166, 181, 182, 183, 186, 207, 208, 241})
        EXPECT_TRUE(dispatcher.hasOperation(c)) << c;
    for (int c : {0, 242, 252, 253}) EXPECT_FALSE(dispatcher.hasOperation(c)) << c;
}

TEST(CommandTable, FindsRowsAndRefusesASecondRowForANumber) {
    CommandTable table;
    int ran = 0;
    table.add({{7, false, {}, std::nullopt, [&] { ++ran; }}, {8, true, {2, 3}, std::vector<int>{1}, {}}});
    ASSERT_NE(table.find(7), nullptr);
    table.find(7)->handler();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(table.find(9), nullptr);
    EXPECT_TRUE(table.hasOperation(7));
    EXPECT_FALSE(table.hasOperation(8));  // a row without a handler is known but not performed
    EXPECT_TRUE(table.isStockOnly(8));
    EXPECT_TRUE(table.servesView(8, 3, true));
    EXPECT_FALSE(table.servesView(8, 1, true));
    EXPECT_TRUE(table.servesView(8, 1, false));  // the simple mode's own views
    EXPECT_FALSE(table.servesView(8, 3, false));
    EXPECT_TRUE(table.servesView(9, 5, false));  // unknown commands are not refused for their view
    try {
        table.add({{8, false, {}, std::nullopt, [] {}}});
        ADD_FAILURE() << "a second row for 8 was taken";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "command 8 has two rows");
    }
    EXPECT_FALSE(table.hasOperation(8));  // the first row stays
    EXPECT_EQ(table.size(), 2u);
}

// A command that acts per view may be owned by different subsystems in different views.
TEST(CommandTable, RowsOfOneNumberSplitByView) {
    CommandTable table;
    int ran = 0;
    table.add({{123, false, {5, 7}, std::vector<int>{21}, {}}, {123, false, {25}, std::nullopt, [&] { ++ran; }}});
    EXPECT_EQ(table.size(), 2u);
    ASSERT_NE(table.find(123, 25, true), nullptr);
    table.find(123, 25, false)->handler();
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(static_cast<bool>(table.find(123, 5, true)->handler));
    EXPECT_EQ(table.find(123, 5, false), nullptr) << "simple mode serves 21 only";
    EXPECT_NE(table.find(123, 21, false), nullptr);
    EXPECT_EQ(table.find(123, 3, true), nullptr);
    EXPECT_TRUE(table.hasOperation(123));
    EXPECT_TRUE(table.servesView(123, 25, true));
    EXPECT_FALSE(table.servesView(123, 3, true));

    struct Bad {
        const char* why;
        CommandRow row;
        const char* message;
    };
    const Bad bad[] = {
        {"every view", {123, false, {}, std::nullopt, [] {}}, "command 123 has two rows"},
        {"a view served twice", {123, false, {7, 8}, std::nullopt, [] {}}, "command 123 has two rows"},
        {"served twice in simple mode", {123, false, {8}, std::vector<int>{21}, [] {}}, "command 123 has two rows"},
        {"stock only in one row", {123, true, {30}, std::nullopt, [] {}}, "command 123 is stock only in one row only"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.why);
        try {
            table.add({b.row});
            ADD_FAILURE() << "taken";
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), b.message);
        }
    }
    EXPECT_EQ(table.size(), 2u);
}

TEST_F(DispatcherTest, SettingsDialogsAndTheirViews) {
    // The basic settings: the window rebuilds menus and columns, the catalogue and search lists refill.
    (void)dispatcher.refill().take(kCatalogueList);  // cleared, to see the command request it
    ui.answers.push_back(BasicSettings{1, 1});
    dispatcher.dispatch(188);
    EXPECT_TRUE(app().settings.stockMode());
    EXPECT_TRUE(app().settings.netPrices());
    EXPECT_EQ(window.log, std::vector<std::string>{"settings changed"});
    EXPECT_TRUE(dispatcher.refill().pending(kCatalogueList));
    EXPECT_TRUE(dispatcher.refill().pending(kSearchList));
    window.log.clear();
    ui.answers.push_back(test::Cancel{});
    dispatcher.dispatch(188);
    EXPECT_TRUE(window.log.empty()) << "Cancel changes nothing";

    // A font: applied to the window.
    ui.answers.push_back(ChosenFont{"DejaVu Sans", 0, 12, false, false});
    dispatcher.dispatch(132);
    EXPECT_EQ(window.log, std::vector<std::string>{"fonts"});
    EXPECT_EQ(app().settings.font(FontSlot::List).size, 12);

    // The font view and the internet address view are painted views with their own menus.
    dispatcher.dispatch(191);
    EXPECT_EQ(window.levels.back().view, 23);
    EXPECT_EQ(window.levels.back().menu, 420);
    EXPECT_EQ(window.levels.back().path, "Schriftarten");
    dispatcher.dispatch(100);
    ASSERT_TRUE(app().settingsSession.openInternetAddresses());
    ui.answers.push_back(InternetAddress{"Z", "", "Zelvo", "https://zelvo.example"});
    dispatcher.dispatch(124);
    EXPECT_EQ(window.log.back(), kNotImplemented) << "new internet address outside its view";
    dispatcher.dispatch(198);
    EXPECT_EQ(window.levels.back().view, 25);
    EXPECT_EQ(window.levels.back().menu, 422);
    EXPECT_EQ(dispatcher.pageOfView(25).lineCount(), 1) << "the titles only";
    dispatcher.dispatch(124);
    EXPECT_EQ(app().settingsSession.addressCount(), 1);
    ui.answers.push_back(InternetAddress{"ZW", "", "Zweite", "https://zwei.example"});
    dispatcher.dispatch(124);
    EXPECT_EQ(textFileLines(dispatcher.pageOfView(25)).at(2),
              "    2 Zweite               ZW          https://zwei.example");
    EXPECT_EQ(dispatcher.pageOfView(25).highlightedLine, 2);

    // A click on line 3 selects the second entry; line 1 (titles) and line 4 (past the end) select nothing.
    EXPECT_FALSE(dispatcher.onPaintedLine(1, false));
    EXPECT_FALSE(dispatcher.onPaintedLine(4, false));
    EXPECT_TRUE(dispatcher.onPaintedLine(3, false));
    EXPECT_EQ(app().settingsSession.selectedAddress(), 1);
    EXPECT_EQ(dispatcher.pageOfView(25).highlightedLine, 3);
    ui.answers.push_back(InternetAddress{"ZW", "X", "Zweite GmbH", "https://zwei.example"});
    dispatcher.dispatch(123);
    EXPECT_EQ(app().settingsSession.readAddress(1).company, "Zweite GmbH");
    EXPECT_EQ(app().settingsSession.addressCount(), 2);
}

TEST_F(DispatcherTest, AboutBoxNamesCountAndCatalogueDate) {
    app().settings.setCatalogueDate(1161030);
    dispatcher.dispatch(90);
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0],
              "lines: Über KORVANEX | KORVANEX | Lagerverwaltung | auf der Basis der Zelvo Artikelliste | "
              "Version 1.0 | " +
                  std::to_string(app().catalogue.articleCount()) + " Artikel, Datenbestand vom 30.10.16");
    ui.log.clear();
    app().settings.setCatalogueDate(0);
    dispatcher.dispatch(90);
    EXPECT_EQ(ui.log[0].substr(ui.log[0].rfind("| ")),
              "| " + std::to_string(app().catalogue.articleCount()) + " Artikel");
}

TEST_F(DispatcherTest, BackReturnsAndStartViewStays) {
    dispatcher.dispatch(100);
    EXPECT_TRUE(window.log.empty()) << "nothing to leave in the start view";
    dispatcher.dispatch(121);
    dispatcher.dispatch(204);
    EXPECT_EQ(window.levels.back().path, "Artikel-Liste/System-Info");
    EXPECT_EQ(window.listKind, kNoList);
    dispatcher.dispatch(100);
    EXPECT_EQ(window.currentView(), 3);
    EXPECT_EQ(window.listKind, kCatalogueList) << "the browser is shown again";
    EXPECT_TRUE(window.treeShown);
    dispatcher.dispatch(100);
    EXPECT_EQ(window.currentView(), 1);
    EXPECT_EQ(window.listKind, kNoList);
}

TEST_F(DispatcherTest, ReturningShowsTheListTheViewShowedLast) {
    dispatcher.dispatch(121);
    window.showList(kSearchList, true);  // the catalogue view showing search results
    dispatcher.dispatch(204);
    dispatcher.dispatch(100);
    EXPECT_EQ(window.listKind, kSearchList);
    EXPECT_TRUE(window.treeShown) << "search results in the catalogue view keep the tree beside them";
    EXPECT_TRUE(dispatcher.refill().pending(kSearchList));
    dispatcher.onTreeNode(dispatcher.tree().roots.at(0).data);
    EXPECT_EQ(window.listKind, kCatalogueList) << "a group picked beside search results shows its articles";
    window.showList(kSearchList, true);
    dispatcher.onListRow(kSearchList, 5, RowClick::Click);
    dispatcher.dispatch(196);
    EXPECT_EQ(window.listKind, kCatalogueList) << "the article's group is shown in the catalogue list";
}

TEST_F(DispatcherTest, GroupSelectedThenViewLeftBeforeIdleFillsWhenShownAgain) {
    dispatcher.dispatch(121);
    dispatcher.idleFill();
    EXPECT_EQ(window.fills, 1);
    EXPECT_TRUE(window.filled.rows.empty()) << "no group chosen yet";
    const GroupTreeNode& group = dispatcher.tree().roots.at(0);
    dispatcher.onTreeNode(group.data);
    dispatcher.dispatch(100);
    dispatcher.idleFill();
    EXPECT_EQ(window.fills, 1) << "no list is visible in the start view";
    EXPECT_TRUE(dispatcher.refill().pending(kCatalogueList));
    dispatcher.dispatch(121);
    dispatcher.idleFill();
    ASSERT_EQ(window.fills, 2);
    const NumberSpan span = unpackSpan(group.data);
    EXPECT_EQ(static_cast<int>(window.filled.rows.size()), static_cast<int>(span.last - span.first + 1));
    EXPECT_EQ(window.filled.rows.front().datum, span.first - 1u) << "rows are record indices first - 1 ..";
    EXPECT_FALSE(dispatcher.refill().pending(kCatalogueList));
    dispatcher.idleFill();
    EXPECT_EQ(window.fills, 2) << "filled once per request";
    dispatcher.onTreeNode(group.data);
    EXPECT_FALSE(dispatcher.refill().pending(kCatalogueList)) << "the same node again changes nothing";
}

TEST(ListRefillFlags, RequestTakeAndBounds) {
    ListRefill r;
    r.request(kOrdersList);
    r.request(99);
    r.request(-3);
    EXPECT_FALSE(r.take(kCatalogueList));
    EXPECT_FALSE(r.take(99));
    EXPECT_TRUE(r.pending(kOrdersList));
    EXPECT_TRUE(r.take(kOrdersList));
    EXPECT_FALSE(r.take(kOrdersList));
}

TEST_F(DispatcherTest, RowCallbacksOfTheCatalogueList) {
    const std::uint16_t count = app().catalogue.articleCount();
    dispatcher.onListRow(kCatalogueList, count, RowClick::Click);
    dispatcher.onListRow(kCatalogueList, count, RowClick::Right);
    ASSERT_EQ(ui.log.size(), 2u);
    EXPECT_EQ(ui.log[0], "info: Falsche Artikelnr:" + std::to_string(count) + " " + std::to_string(count));
    EXPECT_EQ(ui.log[1], "info: Falsche Artikelnr:" + std::to_string(count));
    EXPECT_FALSE(dispatcher.currentArticle()) << "a wrong number picks nothing";
    dispatcher.onListRow(kCatalogueList, 3, RowClick::Click);
    EXPECT_EQ(dispatcher.currentArticle(), 3);
    EXPECT_TRUE(window.log.empty()) << "a plain click shows no page";
    dispatcher.onListRow(kCatalogueList, 4, RowClick::Double);
    EXPECT_EQ(window.log, std::vector<std::string>{"info Artikel"});
    EXPECT_EQ(window.info.type, kInfoCatalogueArticle);
    EXPECT_EQ(window.info.lines, window.info.page.lineCount() + 3);
    window.levels = {{3, 402, "Artikel-Liste"}};
    window.log.clear();
    dispatcher.dispatch(142);
    EXPECT_EQ(window.log, std::vector<std::string>{"info Artikel"});
}

TEST_F(DispatcherTest, DetailsWithoutArticleSaysSo) {
    window.levels = {{3, 402, "Artikel-Liste"}};
    dispatcher.dispatch(142);
    dispatcher.dispatch(196);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"info: Kein Artikel gewählt", "info: Kein Artikel gewählt"}));
    EXPECT_TRUE(window.log.empty()) << "neither a page nor a group without an article";
}

TEST_F(DispatcherTest, TheFirstArticleIsUsableEverywhere) {
    // Record 0 is the first article line of the catalogue: a click, the details, its group and a click on a
    // search hit all take it like any other article.
    for (const RowClick click : {RowClick::Click, RowClick::Right, RowClick::Double}) {
        dispatcher.onListRow(kCatalogueList, 0, click);
        EXPECT_EQ(dispatcher.currentArticle(), 0);
    }
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(window.log, (std::vector<std::string>{"info Artikel", "info Artikel"}));
    EXPECT_NE(window.info.page.lineCount(), 0);
    window.levels = {{3, 402, "Artikel-Liste"}};
    window.log.clear();
    dispatcher.dispatch(142);
    EXPECT_EQ(window.log, std::vector<std::string>{"info Artikel"});
    window.log.clear();
    dispatcher.dispatch(196);
    ASSERT_EQ(window.log.size(), 1u) << "the browser is shown already";
    EXPECT_EQ(window.log[0].rfind("select node ", 0), 0u);
    dispatcher.idleFill();
    ASSERT_GE(window.filled.selectedRow, 0) << "the first article's row is selected after the refill";
    EXPECT_EQ(window.filled.rows.at(static_cast<std::size_t>(window.filled.selectedRow)).datum, 0u);
    dispatcher.onListRow(kCatalogueList, 5, RowClick::Click);
    dispatcher.onListRow(kSearchList, 0, RowClick::Click);
    EXPECT_EQ(dispatcher.currentArticle(), 0) << "a search hit on the first article";
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(DispatcherTest, ArticleGroupSelectsNodeAndRowAfterRefill) {
    dispatcher.onListRow(kCatalogueList, 7, RowClick::Click);
    dispatcher.dispatch(196);
    EXPECT_EQ(window.currentView(), 3);
    ASSERT_EQ(window.log.size(), 2u);
    EXPECT_EQ(window.log[1].rfind("select node ", 0), 0u);
    dispatcher.idleFill();
    ASSERT_GE(window.filled.selectedRow, 0);
    EXPECT_EQ(window.filled.rows.at(static_cast<std::size_t>(window.filled.selectedRow)).datum, 7u);
    dispatcher.dispatch(196);
    EXPECT_EQ(window.levels.size(), 2u) << "shown again without nesting the browser in itself";
}

TEST_F(DispatcherTest, OnlinePagesAskFirst) {
    ui.answers = {false, true, true};
    dispatcher.dispatch(199);
    dispatcher.dispatch(199);
    dispatcher.dispatch(200);
    const std::vector<std::string> shells = ui.linesStartingWith("shell");
    ASSERT_EQ(shells.size(), 2u);
    EXPECT_NE(shells[0].find("https://www.zelvo.de/Katalog/v2de.shtml"), std::string::npos);
    EXPECT_NE(shells[1].find("https://www.zelvo.de/bilder/"), std::string::npos);
    EXPECT_EQ(ui.linesStartingWith("ask").size(), 3u);
}

TEST_F(DispatcherTest, ManualMissingOrOpened) {
    dispatcher.dispatch(203);
    EXPECT_EQ(ui.log, std::vector<std::string>{"info: Datei nicht gefunden:K-VANEX.PDF"});
    ui.log.clear();
    dir().write("K-VANEX.PDF", "%PDF");
    dispatcher.dispatch(203);
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_NE(ui.log[0].find("K-VANEX.PDF"), std::string::npos);
    EXPECT_EQ(ui.log[0].rfind("shell", 0), 0u);
}

TEST_F(DispatcherTest, TextFileShownInViewTwenty) {
    dir().write("notiz.txt", "Zeile 1\r\n\tEinzug\r\nPreis 5 \x80\r\n");
    ui.answers = {test::Cancel{}, std::string("notiz.txt"), std::string("fehlt.txt")};
    app().settings.setText(SettingsRecord::kTextFolder, 120, "/M\xFCller/");
    dispatcher.dispatch(195);
    EXPECT_EQ(window.currentView(), 1) << "cancelled";
    EXPECT_EQ(ui.lastFileRequest.path, "/Müller/") << "the Windows-1252 folder is handed on as UTF-8";
    dispatcher.dispatch(195);
    EXPECT_EQ(window.currentView(), 20);
    EXPECT_EQ(window.levels.back().menu, 400);
    const std::vector<std::string> lines = textFileLines(dispatcher.pageOfView(20));
    EXPECT_EQ(lines, (std::vector<std::string>{"Zeile 1", "        Einzug", "Preis 5 €"}));
    EXPECT_EQ(Dispatcher::fontOfView(20), FontSlot::Print);
    dispatcher.dispatch(195);
    EXPECT_EQ(ui.log.back(), "info: Datei nicht gefunden:fehlt.txt");
}

TEST_F(DispatcherTest, ImportRebuildsTreeAndRequestsRefill) {
    test::writeSmallCatalogueSources(dir());
    dispatcher.refill().take(kCatalogueList);
    ui.answers = {true, true, true, true, true, true};
    dispatcher.dispatch(202);
    EXPECT_NE(std::find(window.log.begin(), window.log.end(), "tree"), window.log.end());
    EXPECT_TRUE(dispatcher.refill().pending(kCatalogueList));
    EXPECT_TRUE(app().catalogue.isLoaded());
}

TEST_F(DispatcherTest, MyArticlesViewFromAddingToDeletingTheUserFiles) {
    setStockMode(true);
    ASSERT_TRUE(app().stock.open().empty());
    app().stock.loadCurrentDocuments(0);
    dispatcher.dispatch(205);
    EXPECT_EQ(ui.log, std::vector<std::string>{"info:  Keine Artikel in \"Meine Artikel\""});
    EXPECT_EQ(window.currentView(), 1);
    // The catalogue article clicked last is added through "Zu meine Artikel".
    window.levels = {{1, 401, ""}, {3, 402, "Artikel-Liste"}};
    dispatcher.onListRow(kCatalogueList, 6, RowClick::Click);
    ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord& r) {
                      r.stock = 4;
                      return true;
                  }}};
    dispatcher.dispatch(126);
    EXPECT_EQ(app().stock.myArticleCount(), 1u);
    dispatcher.dispatch(100);
    dispatcher.dispatch(205);
    EXPECT_EQ(window.currentView(), 4);
    EXPECT_EQ(window.levels.back().path, "Meine Artikel");
    EXPECT_EQ(window.listKind, kMyArticlesList);
    EXPECT_FALSE(window.treeShown);
    dispatcher.idleFill();
    ASSERT_EQ(window.filled.rows.size(), 1u);
    EXPECT_EQ(window.filled.rows[0].cells[1], "6");
    EXPECT_EQ(window.filled.rows[0].cells[6], "4");
    // Edited from the view; the list is filled again.
    dispatcher.onListRow(kMyArticlesList, 0, RowClick::Click);
    ui.answers = {test::EntryDialogAnswer{[](MyArticleRecord& r) {
        r.stock = 9;
        return true;
    }}};
    dispatcher.dispatch(127);
    dispatcher.idleFill();
    EXPECT_EQ(window.filled.rows[0].cells[6], "9");
    // A changed current document is written back when its view is left.
    ASSERT_TRUE(app().stock.makeCurrent(BookingFile::Demand, 0).ok);
    app().stock.current(BookingFile::Demand).document.costCentre = 3;
    app().stock.markChanged(BookingFile::Demand);
    window.levels.push_back({8, 412, "Meine Artikel/Bedarf ändern"});
    dispatcher.dispatch(100);
    EXPECT_EQ(app().stock.documentCount(BookingFile::Demand), 1u);
    EXPECT_EQ(app().stock.readDocument(BookingFile::Demand, 0)->costCentre, 3);
    // "User-Files löschen" empties everything as one change and the lists follow.
    ui.log.clear();
    dispatcher.dispatch(246);
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(app().stock.myArticleCount(), 0u);
    EXPECT_EQ(app().stock.documentCount(BookingFile::Demand), 0u);
    EXPECT_TRUE(dispatcher.refill().pending(kMyArticlesList));
    EXPECT_EQ(dir().read("dirbest.dat").size(), BookingDocument::kSize);
}

}  // namespace
// Demand wired through the dispatcher: list, new document with the closed cost centre asked again, a position
// added in the document view, the booking reaching My Articles, the information page of an entry and the
// clearing of every demand.
TEST_F(DispatcherTest, DemandFromListToMyArticles) {
    ASSERT_NO_FATAL_FAILURE(pickArticleInStockMode());
    addPickedArticle();
    ASSERT_EQ(app().stock.myArticleCount(), 1u);
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};

    dispatcher.dispatch(160);
    EXPECT_EQ(window.currentView(), 10);
    EXPECT_EQ(window.listKind, kDemandList);
    dispatcher.idleFill();
    EXPECT_EQ(window.filled.columns.size(), 8u);

    // Cost centre 0 is closed at first: the choice comes again, and a cancel appends nothing.
    const std::uint32_t before = app().stock.documentCount(BookingFile::Demand);
    ui.answers = {true, std::int32_t{0}, test::Cancel{}};
    dispatcher.dispatch(124);
    EXPECT_EQ(app().stock.documentCount(BookingFile::Demand), before);
    app().costCentres.setActive(0, true, app().settings);
    ui.answers = {true, std::int32_t{0}};
    dispatcher.dispatch(124);
    ASSERT_EQ(app().stock.documentCount(BookingFile::Demand), before + 1);

    dispatcher.dispatch(156);
    EXPECT_EQ(window.currentView(), 8);
    EXPECT_EQ(window.listKind, kMyArticlesList);
    ui.answers = {std::int32_t{4}};
    dispatcher.dispatch(124);
    dispatcher.dispatch(100);
    EXPECT_EQ(window.currentView(), 10);
    const std::uint32_t n = app().stock.current(BookingFile::Demand).number;
    ASSERT_EQ(app().stock.readDocument(BookingFile::Demand, n)->positionCount, 1);

    ui.log.clear();
    ui.answers = {std::int32_t{encodeDate({2026, 12, 21})}};
    dispatcher.dispatch(154);
    EXPECT_EQ(ui.log.back(), "info: Bedarf gebucht und Artikelbedarf aktualisiert");
    EXPECT_EQ(app().stock.readMyArticle(0)->demand, 4);

    // "Info" and a right click on a My Articles row show the entry's page instead of refusing.
    dispatcher.dispatch(100);
    EXPECT_EQ(window.currentView(), 4);
    window.log.clear();
    dispatcher.dispatch(142);
    dispatcher.onListRow(kMyArticlesList, 0, RowClick::Right);
    EXPECT_EQ(window.log, (std::vector<std::string>{"info Artikel", "info Artikel"}));
    EXPECT_EQ(window.info.type, kInfoMyArticle);

    dispatcher.dispatch(206);
    EXPECT_EQ(app().stock.readMyArticle(0)->demand, 0);
}

// A consumption booked from its document view: a cancelled date keeps the view, a booking returns to the
// consumption list; the lists' totals reach the status line.
TEST_F(DispatcherTest, ConsumptionBookedFromItsDocumentView) {
    ASSERT_NO_FATAL_FAILURE(pickArticleInStockMode());
    ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord& r) {
                      r.stock = 3;
                      r.minimumStock = 4;
                      return true;
                  }}};
    dispatcher.dispatch(126);
    ASSERT_EQ(app().stock.myArticleCount(), 1u);
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};
    EXPECT_EQ(dispatcher.totalsStatus(4), std::nullopt);

    dispatcher.dispatch(161);
    ASSERT_EQ(window.currentView(), 12);
    ui.answers = {true};
    dispatcher.dispatch(124);
    ASSERT_EQ(app().stock.documentCount(BookingFile::Consumption), 1u);
    dispatcher.dispatch(157);
    ASSERT_EQ(window.currentView(), 11);
    ui.answers = {std::int32_t{5}};
    dispatcher.dispatch(124);

    ui.answers = {test::Cancel{}};
    dispatcher.dispatch(154);
    EXPECT_EQ(window.currentView(), 11);
    std::optional<BookingDocument> doc = app().stock.readDocument(BookingFile::Consumption, 0);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->status, 0);
    EXPECT_EQ(doc->positionCount, 1);  // written when the booking began
    EXPECT_EQ(app().stock.readMyArticle(0)->stock, 3);

    ui.log.clear();
    ui.answers = {std::int32_t{encodeDate({2026, 12, 8})}};
    dispatcher.dispatch(154);
    EXPECT_EQ(ui.log.back(), "info: Verbrauch gebucht");
    EXPECT_EQ(window.currentView(), 12);
    EXPECT_EQ(window.listKind, kConsumptionList);
    EXPECT_TRUE(dispatcher.refill().pending(kConsumptionList));
    const std::optional<MyArticleRecord> after = app().stock.readMyArticle(0);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->stock, -2);
    EXPECT_EQ(after->cumulativeConsumption, 5);
    EXPECT_GE(after->quantityToOrder, 6);  // minimum stock 4 and the 2 missing pieces
    doc = app().stock.readDocument(BookingFile::Consumption, 0);
    EXPECT_EQ(doc->status, 2);
    EXPECT_EQ(doc->eventDate, encodeDate({2026, 12, 8}));
    ASSERT_GT(doc->grossOrdered, 0);

    // The consumption list's totals after its fill; a booked document is refused in the list.
    dispatcher.idleFill();
    EXPECT_EQ(dispatcher.totalsStatus(12),
              "Summe Brutto: " + formatMoney(doc->grossOrdered) + " €  Netto: " + formatMoney(doc->netOrdered) + " €");
    EXPECT_EQ(dispatcher.totalsStatus(10), "Summe Brutto: 0.00 €  Netto: 0.00 €");
    ui.log.clear();
    dispatcher.dispatch(154);
    EXPECT_EQ(ui.log, std::vector<std::string>{"info: Verbrauch bereits gebucht"});
    // 154 in the demand document view stays a refusal of the view.
    window.levels.push_back({8, 412, ""});
    window.log.clear();
    dispatcher.dispatch(154);
    EXPECT_EQ(window.log, std::vector<std::string>{kNotImplemented});
}

// The orders list's "Auswahl" also chooses the cost centre the cost details start from; 0 (all) keeps it.
TEST_F(DispatcherTest, OrdersSelectionChoosesTheCostCentreOfTheDetails) {
    ASSERT_NO_FATAL_FAILURE(pickArticleInStockMode());
    addPickedArticle();
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};
    dispatcher.dispatch(150);
    ASSERT_EQ(window.currentView(), 6);
    ASSERT_EQ(app().costCentres.selected(), 0);
    ui.answers = {std::int32_t{3}};
    dispatcher.dispatch(241);
    EXPECT_EQ(app().costCentres.selected(), 3);
    ui.answers = {std::int32_t{0}};
    dispatcher.dispatch(241);
    EXPECT_EQ(app().costCentres.selected(), 3);
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};
    dispatcher.dispatch(163);
    ASSERT_EQ(window.currentView(), 13);
    const std::vector<std::string> lines = textFileLines(dispatcher.pageOfView(13));
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("Kostenstelle 3 Projekt3"), std::string::npos) << lines[0];
}

// A double click on an entry of the calculation list makes it current and shows its details; a single
// click only selects it.
TEST_F(DispatcherTest, DoubleClickOnACalculationShowsItsDetails) {
    ASSERT_NO_FATAL_FAILURE(pickArticleInStockMode());
    addPickedArticle();
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};
    app().costCentres.setActive(0, true, app().settings);
    dispatcher.dispatch(138);
    ASSERT_EQ(window.currentView(), 17);
    for (int i = 0; i < 2; ++i) {
        ui.answers = {true, std::int32_t{0}};
        dispatcher.dispatch(124);
    }
    ASSERT_EQ(app().stock.documentCount(BookingFile::Calculations), 2u);
    ASSERT_EQ(app().stock.current(BookingFile::Calculations).number, 1u);

    window.log.clear();
    EXPECT_TRUE(dispatcher.onPaintedLine(3, false));
    EXPECT_EQ(app().stock.current(BookingFile::Calculations).number, 1u);
    EXPECT_TRUE(window.log.empty());
    EXPECT_TRUE(dispatcher.onPaintedLine(2, true));
    EXPECT_EQ(window.log, std::vector<std::string>{"info Kalkulation"});
    EXPECT_EQ(window.info.type, kInfoCalculation);
    EXPECT_EQ(app().stock.current(BookingFile::Calculations).number, 0u);
}

TEST_F(DispatcherTest, OrderFromTheCatalogueBookedOutAndReceived) {
    ASSERT_NO_FATAL_FAILURE(pickArticleInStockMode());
    // The order command in stock mode: into My Articles, a new order, the quantity.
    ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord&) { return true; }}, std::int32_t{10}};
    dispatcher.dispatch(181);
    EXPECT_EQ(app().stock.myArticleCount(), 1u);
    ASSERT_EQ(app().stock.documentCount(BookingFile::Orders), 1u);
    EXPECT_NE(std::find(ui.log.begin(), ui.log.end(), "info: Bestellung wurde angelegt"), ui.log.end());
    EXPECT_EQ(app().stock.readDocument(BookingFile::Orders, 0)->positions[0].quantity, 10);
    // The orders list, then booking out with its date; a second booking out is refused and changes nothing.
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};
    dispatcher.dispatch(150);
    EXPECT_EQ(window.currentView(), 6);
    dispatcher.idleFill();
    ASSERT_EQ(window.filled.rows.size(), 2u);  // the order and "Summe"
    ui.answers = {true, std::int32_t{1261209}};
    dispatcher.dispatch(166);
    EXPECT_EQ(app().stock.readMyArticle(0)->onOrder, 10);
    ui.log.clear();
    dispatcher.dispatch(166);
    EXPECT_EQ(ui.log, std::vector<std::string>{"info: Bestellung ist bereits erfolgt!"});
    EXPECT_EQ(app().stock.readMyArticle(0)->onOrder, 10);
    // Goods receipt: the view opens, 7 pieces delivered, booked; stock +7, nothing left on order.
    ui.answers = {std::int32_t{1261210}, true};
    dispatcher.dispatch(152);
    EXPECT_EQ(window.currentView(), 7);
    ui.answers = {std::int32_t{7}};
    dispatcher.dispatch(123);
    dispatcher.dispatch(154);
    EXPECT_EQ(window.currentView(), 6);
    const std::optional<MyArticleRecord> after = app().stock.readMyArticle(0);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->stock, 7);
    EXPECT_EQ(after->onOrder, 0);
    EXPECT_EQ(app().stock.readDocument(BookingFile::Orders, 0)->status, 2);
}

TEST_F(DispatcherTest, AnUnbookedGoodsReceiptKeepsItsViewUntilConfirmed) {
    ASSERT_NO_FATAL_FAILURE(pickArticleInStockMode());
    ui.answers = {true, test::EntryDialogAnswer{[](MyArticleRecord&) { return true; }}, std::int32_t{10}};
    dispatcher.dispatch(181);
    window.levels = {{1, 401, ""}, {4, 405, "Meine Artikel"}};
    dispatcher.dispatch(150);
    ui.answers = {true, std::int32_t{1261209}};
    dispatcher.dispatch(166);
    ui.answers = {std::int32_t{1261210}, true};
    dispatcher.dispatch(152);
    ASSERT_EQ(window.currentView(), 7);
    // Neither leaving the view nor quitting passes the question unanswered by yes.
    ui.answers = {false};
    EXPECT_FALSE(dispatcher.mayQuitFromView());
    ui.answers = {false};
    dispatcher.dispatch(100);
    EXPECT_EQ(window.currentView(), 7);
    EXPECT_NE(app().stock.current(BookingFile::Orders).document.eventDate, 0u);
    ui.answers = {true};
    dispatcher.dispatch(100);
    EXPECT_EQ(window.currentView(), 6);
    // Nothing was booked: the order is still ordered, without a receipt date.
    const std::optional<BookingDocument> order = app().stock.readDocument(BookingFile::Orders, 0);
    EXPECT_EQ(order->status, 1);
    EXPECT_EQ(app().stock.current(BookingFile::Orders).document.eventDate, 0u);
    EXPECT_EQ(app().stock.readMyArticle(0)->stock, 0);
}

}  // namespace kvx
