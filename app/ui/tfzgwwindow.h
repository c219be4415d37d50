// The main window: owns the application's state for the run, loads the data in two idle phases, routes
// every menu command to the dispatcher, shows the views (lists, the catalogue browser with its group
// tree, painted pages), the status line and the information form, and writes back at quit.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <array>
#include <map>
#include <memory>

#include "app/app_state.h"
#include "app/dispatcher.h"
#include "app/ui/qt_user_interface.h"
#include "framework/ko_window.h"
#include "search/ui/qt_search_dialogs.h"
#include "settings/ui/qt_settings_dialogs.h"

namespace kvx {

class ViewCanvas;
class tkolistview;
class tkosplitter;
class tkotreeview;
class tzusatzform;

class tfzgwwindow final : public TKowindow {
    Q_OBJECT

  public:
    struct Options {
        bool autoIdle = true;  // run the idle handler from the event loop (off in the script driver)
    };

    tfzgwwindow(FileSystem& fs, const Clock& clock, const std::string& programDir, Options options);
    ~tfzgwwindow() override;

    AppState& app() { return *m_app; }
    UserInterface& ui() { return m_ui; }
    Dispatcher& dispatcher() { return *m_dispatcher; }

    // One call of the idle handler; true when it wants to be called again.
    bool idleStep();
    // The command dispatcher: runs command `command`; a run-time I/O error ends the command with its message.
    void dispatch(int command);

    // True once the window has closed (after the quit question or a forced close).
    bool isClosedForGood() const { return m_closedForGood; }

    // ---- for the script driver ----
    // what = view | status | menu | tree | info | settings | files | all
    QStringList describe(const QString& what);
    // Clicks the tree node with that datum, or the first whose text starts with the argument.
    bool scriptSelectTree(const QString& argument, QString& error);
    // Clicks row `row` (0-based) of the visible list.
    bool scriptClickRow(int row, RowClick kind, QString& error);
    bool scriptClickLine(int line, bool doubleClick, QString& error);

    void setupwindow() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    QString composeCaption(const QString& path) const override;

  private:
    class Port;
    friend class Port;

    void tcreateactions();
    void createClient();
    void createStatusBar();
    void refreshStatusPanels();
    void rebuildMenu();
    void applyFonts();
    QFont fontOf(FontSlot slot) const;
    void scheduleIdle();
    void startupPhase1();
    void tick();
    void guarded(const std::function<void()>& action);
    // Runs `action`; a run-time I/O error ends it and is shown as the error message. False after an error.
    bool reportingIoErrors(const std::function<void()>& action);

    // What the port does.
    void portEnterView(int view, int menu, const std::string& title);
    bool portLeaveView();
    void showListControl(int kind, bool withTree);
    void hideListControl();
    int visibleListKind() const;
    int lastListKindOf(int view) const;
    void fillListControl(const ListContent& content);
    void setTreeNodes(const GroupTree& tree);
    void updateClient();
    // The working mode or price display changed: menu bar, status line and the visible list's columns.
    void settingsChanged();
    void notImplementedBox();
    void help(int command);
    PlatformValues platformValues() const;

    QStringList describeView() const;
    QStringList describeSettings() const;
    QStringList describeFiles() const;

    std::unique_ptr<AppState> m_app;
    QtUserInterface m_ui;
    QtSearchDialogs m_searchDialogs;
    QtSettingsDialogs m_settingsDialogs;
    std::unique_ptr<Port> m_port;
    std::unique_ptr<Dispatcher> m_dispatcher;
    Options m_options;
    QTimer m_idleTimer;
    QTimer m_clockTimer;
    std::array<QLabel*, 4> m_panels{};
    std::array<QFont, 5> m_fonts;
    QWidget* m_client = nullptr;
    ViewCanvas* m_canvas = nullptr;
    tkosplitter* m_splitter = nullptr;
    tkotreeview* m_tree = nullptr;
    tkolistview* m_list = nullptr;
    tzusatzform* m_info = nullptr;
    std::map<int, int> m_lastListKinds;  // view -> kind of the list it showed last
    bool m_closedForGood = false;
    DateNumber m_today = 0;
    int m_timeOfDay = 0;
};

}  // namespace kvx
