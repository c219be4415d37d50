// The main window on the offscreen platform with the demo catalogue: start page, catalogue browser with
// tree, splitter and filled list, the information form, and going back. With KVX_SCREENSHOT_DIR set it
// also saves the start page and the catalogue browser as PNG files there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QSplitter>
#include <QStatusTipEvent>
#include <filesystem>

#include "answering_runner.h"
#include "app/ui/tfzgwwindow.h"
#include "base/clock.h"
#include "base/file_system.h"
#include "framework/tkodialog.h"
#include "framework/tkolistview.h"
#include "framework/tkoscrollbar.h"

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

    fs::path m_dir;
    fs::path m_previous;
};

TEST_F(MainWindowTest, StartPageBrowserAndBack) {
    test::AnsweringRunner runner;
    runner.questionAnswers = {true};  // build the catalogue from the demo sources
    PosixFileSystem files;
    FixedClock clock({2026, 12, 8}, 9 * 3600);
    tfzgwwindow window(files, clock, m_dir.string() + "/", {false});
    window.show();
    for (int guard = 0; guard < 10 && window.idleStep(); ++guard) {
    }
    ASSERT_FALSE(window.isClosedForGood());
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
    ASSERT_TRUE(writeWholeFileAtomically(files, "LANG.TXT", text.data(), text.size(), error_));
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
    PosixFileSystem files;
    FixedClock clock({2026, 12, 8}, 9 * 3600);
    tfzgwwindow window(files, clock, m_dir.string() + "/", {false});
    window.show();
    for (int guard = 0; guard < 10 && window.idleStep(); ++guard) {
    }
    ASSERT_FALSE(window.isClosedForGood());
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

}  // namespace
}  // namespace kvx
