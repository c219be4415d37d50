// The main window on the offscreen platform with the demo catalogue: start page, catalogue browser with
// tree, splitter and filled list, the information form, and going back. With KVX_SCREENSHOT_DIR set it
// also saves the start page and the catalogue browser as PNG files there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <filesystem>

#include "answering_runner.h"
#include "app/ui/tfzgwwindow.h"
#include "base/clock.h"
#include "base/file_system.h"
#include "framework/tkodialog.h"
#include "framework/tkolistview.h"
#include "framework/tkoscrollbar.h"
#include "framework/tkosplitter.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("kvx-main-window-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        const fs::path demo = fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "zelvodaten";
        if (!fs::exists(demo / "art.js")) GTEST_SKIP() << "no demo catalogue in " << demo;
        fs::copy(demo, m_dir / "zelvodaten", fs::copy_options::recursive);
        m_previous = fs::current_path();
        fs::current_path(m_dir);
    }
    void TearDown() override {
        if (!m_previous.empty()) fs::current_path(m_previous);
        fs::remove_all(m_dir);
    }
    static void screenshot(QWidget& w, const char* name) {
        const QByteArray folder = qgetenv("KVX_SCREENSHOT_DIR");
        if (folder.isEmpty()) return;
        QCoreApplication::processEvents();  // pending layouts and paints
        ASSERT_TRUE(w.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(name))));
    }

    // Shows the window and runs the idle steps of its start (the import the runner answers) until none is left.
    static void showUntilIdle(tfzgwwindow& window) {
        window.show();
        for (int guard = 0; guard < 10 && window.idleStep(); ++guard) {
        }
        ASSERT_FALSE(window.isClosedForGood());
    }

    fs::path m_dir;
    fs::path m_previous;
    PosixFileSystem m_files;
    FixedClock m_clock{{2026, 12, 8}, 9 * 3600};
};

TEST_F(MainWindowTest, StartPageBrowserAndBack) {
    test::AnsweringRunner runner;
    runner.questionAnswers = {true};  // build the catalogue from the demo sources
    tfzgwwindow window(m_files, m_clock, m_dir.string() + "/", {false});
    ASSERT_NO_FATAL_FAILURE(showUntilIdle(window));
    ASSERT_GE(window.app().catalogue.articleCount(), 2);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KORVANEX"));
    const QStringList start = window.describe(QStringLiteral("view"));
    EXPECT_TRUE(start.join(u'\n').contains(QString::number(window.app().catalogue.articleCount()) +
                                           QStringLiteral(" Artikel, Datenbestand vom ")));
    screenshot(window, "start-page.png");
    QStatusTipEvent hint(QStringLiteral("Das Programm beenden"));
    QApplication::sendEvent(&window, &hint);
    EXPECT_EQ(window.describe(QStringLiteral("status")).value(0),
              QStringLiteral("status [La Ab Be Au ] [Brutto] [ Das Programm beenden] [Auswahl:]"))
        << "menu hints go to the message panel and leave the others in place";
    QMenu* menu = window.menuBar()->findChildren<QMenu*>().value(0);
    ASSERT_NE(menu, nullptr);
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&window, &hint);
    menu->hide();
    EXPECT_EQ(window.describe(QStringLiteral("status")).value(0),
              QStringLiteral("status [La Ab Be Au ] [Brutto] [] [Auswahl:]"))
        << "the hint goes with its menu";

    window.dispatch(121);
    EXPECT_EQ(window.viewNumber(), 3);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Artikel-Liste - KORVANEX"));
    QString error;
    std::string error_;
    ASSERT_TRUE(window.scriptSelectTree(QStringLiteral("A0102"), error)) << error.toStdString();
    window.idleStep();
    const QStringList view = window.describe(QStringLiteral("view"));
    ASSERT_GE(view.size(), 3);
    EXPECT_EQ(view[1], QStringLiteral("list kind 3, 84 rows"));
    EXPECT_TRUE(view[2].startsWith(QStringLiteral("columns: Nr | A-Nr | Ort | Name | Beschreibung | BPreis(€)")));
    ASSERT_TRUE(window.scriptClickRow(3, RowClick::Click, error)) << error.toStdString();
    screenshot(window, "catalogue-browser.png");

    window.dispatch(142);
    const QStringList info = window.describe(QStringLiteral("info"));
    ASSERT_FALSE(info.isEmpty());
    EXPECT_TRUE(info[0].startsWith(QStringLiteral("info \"Artikel\" type 0")));
    for (QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() && w->windowTitle() == QStringLiteral("Artikel")) {
            EXPECT_TRUE(w->isVisible()) << "the information form is a window of its own";
            screenshot(*w, "info-form.png");
        }
    }

    // A long text file scrolls by lines; a short page hides the bar.
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(writeWholeFileAtomically(m_files, "LANG.TXT", text.data(), text.size(), error_));
    runner.fileAnswers = {QStringLiteral("LANG.TXT")};
    window.dispatch(195);
    EXPECT_EQ(window.viewNumber(), 20);
    EXPECT_EQ(window.captionPath(), QStringLiteral("Artikel-Liste/Textfile"));
    ASSERT_NE(window.scrollBar(Qt::Vertical), nullptr);
    EXPECT_FALSE(window.scrollBar(Qt::Vertical)->isHidden());
    EXPECT_EQ(window.scrollState(Qt::Vertical).maximum, 60);
    window.dispatch(100);
    EXPECT_TRUE(window.scrollBar(Qt::Vertical)->isHidden()) << "the browser does not scroll by lines";
    window.idleStep();
    EXPECT_EQ(window.describe(QStringLiteral("view")).value(1), QStringLiteral("list kind 3, 84 rows"));

    // A search replaces the catalogue list beside the tree instead of adding a pane of its own.
    runner.dialogAnswers.push_back([](Tkodialog& d) { test::press(d, dlgid::kOk); });
    window.dispatch(248);
    window.idleStep();
    EXPECT_TRUE(window.describe(QStringLiteral("view")).value(1).startsWith(QStringLiteral("list kind 2, ")));
    auto* splitter = window.findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(splitter->count(), 2) << "tree and one list";

    window.dispatch(100);
    EXPECT_EQ(window.viewNumber(), 1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KORVANEX"));
    EXPECT_TRUE(runner.messages.size() == 1) << "only the import's own message";
    runner.questionAnswers = {true};
    window.dispatch(1);
    EXPECT_TRUE(window.isClosedForGood());
}

// The basic settings and the list font reach the list that is shown at once: net price columns beside the
// tree (the rows follow at the next idle call) and the chosen font on the list.
TEST_F(MainWindowTest, SettingsReachTheShownListAtOnce) {
    test::AnsweringRunner runner;
    runner.questionAnswers = {true};
    tfzgwwindow window(m_files, m_clock, m_dir.string() + "/", {false});
    ASSERT_NO_FATAL_FAILURE(showUntilIdle(window));
    window.dispatch(121);
    QString error;
    ASSERT_TRUE(window.scriptSelectTree(QStringLiteral("A0102"), error)) << error.toStdString();
    window.idleStep();

    runner.dialogAnswers.push_back([](Tkodialog& d) {
        d.setCurrentIndex(301, 1);
        test::press(d, dlgid::kOk);
    });
    window.dispatch(188);
    QStringList view = window.describe(QStringLiteral("view"));
    ASSERT_GE(view.size(), 3);
    EXPECT_EQ(view[1], QStringLiteral("list kind 3, 0 rows, refill pending"));
    EXPECT_TRUE(view[2].contains(QStringLiteral("NPreis(€)"))) << view[2].toStdString();
    EXPECT_TRUE(window.describe(QStringLiteral("status")).value(0).contains(QStringLiteral("] [Netto] [")));
    window.idleStep();
    EXPECT_EQ(window.describe(QStringLiteral("view")).value(1), QStringLiteral("list kind 3, 84 rows"));
    EXPECT_FALSE(window.describe(QStringLiteral("tree")).value(0).contains(QStringLiteral("hidden")));

    QFont chosen(QStringLiteral("DejaVu Sans"), 14);
    runner.fontAnswers.push_back(chosen);
    window.dispatch(132);
    QCoreApplication::processEvents();
    int shown = 0;
    for (tkolistview* list : window.findChildren<tkolistview*>()) {
        if (!list->isVisible()) continue;
        ++shown;
        EXPECT_EQ(list->font().family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(list->font().pointSize(), 14);
    }
    EXPECT_EQ(shown, 1);
    runner.questionAnswers = {true};
    window.dispatch(1);
    EXPECT_TRUE(window.isClosedForGood());
}

// The window's parts keep their place: the status panels show whole, the user's splitter position
// survives a list replacing another beside the tree, and the description column fills the free width.
TEST_F(MainWindowTest, PanelsSplitterAndColumnsKeepTheirPlace) {
    test::AnsweringRunner runner;
    runner.questionAnswers = {true};
    tfzgwwindow window(m_files, m_clock, m_dir.string() + "/", {false});
    ASSERT_NO_FATAL_FAILURE(showUntilIdle(window));
    QCoreApplication::processEvents();

    const QList<QLabel*> panels = window.statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 4);
    for (const QLabel* panel : panels) {
        EXPECT_GE(panel->height(), panel->sizeHint().height()) << "the text and its frame fit";
        const QRect inWindow(panel->mapTo(&window, QPoint(0, 0)), panel->size());
        EXPECT_TRUE(window.rect().contains(inWindow))
            << "panel at y " << inWindow.y() << " height " << inWindow.height() << " in " << window.height();
        EXPECT_TRUE(window.statusBar()->rect().contains(panel->geometry())) << "not cut by the bar";
    }

    window.dispatch(121);
    QString error;
    ASSERT_TRUE(window.scriptSelectTree(QStringLiteral("A0102"), error)) << error.toStdString();
    window.idleStep();
    QCoreApplication::processEvents();
    auto* splitter = window.findChild<tkosplitter*>();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->sidePaneSize(), 300);
    const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
    splitter->setSizes({220, total - 220});  // the user drags the handle
    QCoreApplication::processEvents();
    ASSERT_EQ(splitter->sidePaneSize(), 220);

    auto shownList = [&window]() -> tkolistview* {
        for (tkolistview* list : window.findChildren<tkolistview*>())
            if (list->isVisible()) return list;
        return nullptr;
    };
    // The description column (4) takes what the others leave; the others keep the widths of their characters.
    auto checkColumns = [&](const char* when, const std::vector<int>& characters) {
        tkolistview* list = shownList();
        ASSERT_NE(list, nullptr) << when;
        ASSERT_EQ(list->stretchColumn(), 4) << when;
        const int avg = QFontMetrics(list->font()).averageCharWidth();
        int sum = 0;
        for (int c = 0; c < list->columnCount(); ++c) {
            sum += list->columnWidth(c);
            if (c != 4) {
                EXPECT_EQ(list->columnWidth(c), characters[c] * avg + 12) << when << " column " << c;
            }
        }
        EXPECT_GT(list->columnWidth(4), characters[4] * avg + 12) << when;
        EXPECT_EQ(sum, list->viewport()->width()) << when << ": no blank at the right";
    };
    checkColumns("catalogue", {4, 6, 10, 16, 40, 9, 10});

    // A search replaces the catalogue list beside the tree.
    runner.dialogAnswers.push_back([](Tkodialog& d) { test::press(d, dlgid::kOk); });
    window.dispatch(248);
    window.idleStep();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.describe(QStringLiteral("view")).value(1).startsWith(QStringLiteral("list kind 2, ")));
    EXPECT_EQ(splitter->sidePaneSize(), 220) << "the search list takes the catalogue list's place";
    checkColumns("search", {6, 6, 10, 20, 30, 9, 10});

    window.dispatch(100);  // to the start page and into the browser again
    window.dispatch(121);
    window.idleStep();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.viewNumber(), 3);
    EXPECT_EQ(splitter->sidePaneSize(), 220);

    window.resize(window.width() + 200, window.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(splitter->sidePaneSize(), 220) << "a wider window widens the list";
    checkColumns("wider window", {4, 6, 10, 16, 40, 9, 10});

    runner.questionAnswers = {true};
    window.dispatch(1);
    EXPECT_TRUE(window.isClosedForGood());
}

}  // namespace
}  // namespace kvx
