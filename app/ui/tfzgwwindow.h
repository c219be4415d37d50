// The main window: owns the application's state for the run, loads the data in two idle phases, routes
// every menu command to the dispatcher, shows the views and the status line, and writes back at quit.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>

#include "app/app_state.h"
#include "app/ui/qt_user_interface.h"
#include "framework/ko_window.h"

namespace kvx {

enum class RowClick { Click, Right, Double };

class ViewCanvas;

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

    // One call of the idle handler; true when it wants to be called again.
    bool idleStep();
    // The command dispatcher: runs command `command`; a run-time I/O error ends the command with its message.
    void dispatch(int command);

    // True once the window has closed (after the quit question or a forced close).
    bool isClosedForGood() const { return m_closedForGood; }

    // ---- for the script driver ----
    QStringList describe(const QString& what);
    bool scriptSelectTree(const QString& argument, QString& error);
    bool scriptClickRow(int row, RowClick kind, QString& error);
    bool scriptClickLine(int line, bool doubleClick, QString& error);

    void setupwindow() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void tcreateactions();
    void createStatusBar();
    void refreshStatusPanels();
    void rebuildMenu();
    void runCommand(int command);
    void scheduleIdle();
    void startupPhase1();
    void tick();
    QStringList describeSettings() const;
    QStringList describeFiles() const;

    std::unique_ptr<AppState> m_app;
    QtUserInterface m_ui;
    Options m_options;
    QTimer m_idleTimer;
    QTimer m_clockTimer;
    std::array<QLabel*, 4> m_panels{};
    ViewCanvas* m_canvas = nullptr;
    bool m_closedForGood = false;
    DateNumber m_today = 0;
    int m_timeOfDay = 0;
};

}  // namespace kvx
