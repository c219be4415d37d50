// The base window under the offscreen platform: scroll bars with the range rule and the hide rule, user
// scrolls, views entered and left with their caption and visibility, the no-help message and the menu bar.
#include "framework/ko_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "framework/menu_builder.h"
#include "framework/messages.h"
#include "framework/tkolistview.h"
#include "framework/tkoscrollbar.h"

namespace kvx {
namespace {

TEST(KoWindowTest, VerticalRangeRuleAndHiding) {
    TKowindow w;
    tkoscrollbar* bar = w.createScrollBar(1, Qt::Vertical, -100, 100, 0, 20, 1);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->tag(), 1);

    w.setVerticalRange(1, 1, 1, 20, 1);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 3);
    EXPECT_TRUE(bar->isHidden());

    w.setVerticalRange(1, 200, 500, 40000, 50000);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->value(), 200);
    EXPECT_EQ(bar->pageStep(), 32767);
    EXPECT_EQ(bar->singleStep(), 32767);
    EXPECT_EQ(w.scrollState(Qt::Vertical).position, 200);
    EXPECT_FALSE(w.scrollChanged(Qt::Vertical));  // setting a range is no user scroll
}

TEST(KoWindowTest, UserScrollSetsChangedFlag) {
    TKowindow w;
    tkoscrollbar* bar = w.createScrollBar(1, Qt::Vertical, 1, 100, 1, 20, 1);
    w.setVerticalRange(1, 100, 1, 20, 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.scrollState(Qt::Vertical).position, 2);
    EXPECT_TRUE(w.scrollChanged(Qt::Vertical));
    EXPECT_FALSE(w.scrollChanged(Qt::Horizontal));

    w.clearScrollChanged(Qt::Vertical);
    w.applyPositions();
    EXPECT_EQ(w.scrollState(Qt::Vertical).lastApplied, 2);
    w.userScroll(Qt::Vertical, 2);  // back at the applied position: nothing to repaint
    EXPECT_FALSE(w.scrollChanged(Qt::Vertical));

    // Dragging reports only on release until live tracking is switched on.
    EXPECT_FALSE(bar->hasTracking());
    w.setLiveTracking(Qt::Vertical, true);
    EXPECT_TRUE(bar->hasTracking());
}

TEST(KoWindowTest, EnterAndLeaveViews) {
    TKowindow w;
    w.setupwindow();
    auto* list = new tkolistview(&w, {});
    w.setCentralWidget(list);
    w.setListControl(list);
    tkoscrollbar* vbar = w.createScrollBar(1, Qt::Vertical, 1, 100, 1, 20, 1);
    w.setVerticalRange(1, 300, 40, 20, 1);
    w.setCaptionSuffix(QStringLiteral(" - KORVANEX"));
    w.setCaptionPath(QStringLiteral("X"));
    w.resize(400, 300);
    w.show();
    QApplication::processEvents();
    ASSERT_FALSE(list->isHidden());
    ASSERT_FALSE(vbar->isHidden());
    EXPECT_EQ(vbar->geometry().right(), list->geometry().right());  // at the right edge of the client area

    w.enterView(3, 402, QStringLiteral("A"), true);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("X/A - KORVANEX"));
    EXPECT_TRUE(list->isHidden());
    EXPECT_TRUE(vbar->isHidden());
    w.enterViewWithRange(7, 408, QStringLiteral("B"), true, 1, 50, 5, 20, 1);
    EXPECT_EQ(w.captionPath(), QStringLiteral("X/A/B"));
    EXPECT_EQ(w.viewNumber(), 7);
    EXPECT_EQ(w.menuNumber(), 408);
    EXPECT_FALSE(vbar->isHidden());
    EXPECT_EQ(vbar->value(), 5);

    ASSERT_TRUE(w.leaveView());
    EXPECT_EQ(w.captionPath(), QStringLiteral("X/A"));
    EXPECT_EQ(w.viewTitle(), QStringLiteral("A"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("X/A - KORVANEX"));
    EXPECT_TRUE(vbar->isHidden());

    ASSERT_TRUE(w.leaveView());
    EXPECT_FALSE(list->isHidden());
    EXPECT_FALSE(vbar->isHidden());
    EXPECT_EQ(vbar->maximum(), 300);
    EXPECT_EQ(vbar->value(), 40);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("X - KORVANEX"));
    EXPECT_FALSE(w.leaveView());
}

TEST(KoWindowTest, HelpOnlyWhileEnabled) {
    TKowindow w;
    messageOptions().messageBoxes = false;  // messages go to the status line, where the test reads them
    setMessageStatusBar(w.statusBar(), 0);
    const QString noHelp = QStringLiteral(" Zu diesem Thema ist keine Hilfe vorhanden");

    w.showHelpContext(0);
    EXPECT_EQ(w.statusBar()->currentMessage(), QString());
    w.showHelpContext(5);
    EXPECT_EQ(w.statusBar()->currentMessage(), noHelp);

    w.statusBar()->clearMessage();
    w.setHelpContext(5);
    w.helpOnCurrentContext();  // help disabled: command 92 does nothing
    w.helpContents();
    w.helpIndexSearch();
    EXPECT_EQ(w.statusBar()->currentMessage(), QString());

    w.setHelpEnabled(true);  // there is no help engine: every topic says so
    w.helpOnCurrentContext();
    EXPECT_EQ(w.statusBar()->currentMessage(), noHelp);
    w.statusBar()->clearMessage();
    w.showHelpContext(1000);
    EXPECT_EQ(w.statusBar()->currentMessage(), noHelp);

    setMessageStatusBar(nullptr, 0);
    messageOptions().messageBoxes = true;
}

int menuSource(int number, MenuTable& t) {
    switch (number) {
        case 401:
            t.appendSubmenuEntry(10, "&Datei");
            t.appendEntry(121, "Artikel");
            t.appendSubmenuEntry(30, "Hilfe");
            return t.count();
        case 402:
            t.addEntryWithHint(1, 100, "Zurück", "Zurück zum aufrufenden Menü");
            t.appendEntry(142, "Details");
            return t.count();
        case 10:
            t.appendEntryWithHint(1, "Schließen", "Das Programm beenden");
            return t.count();
        case 30:
            t.appendEntry(203, "PDF-Hilfedatei öffnen");
            t.appendSeparator();
            t.appendHelpContextEntry();
            t.appendDialogEntry(90, "Über");
            return t.count();
        default:
            return 0;
    }
}

TEST(KoWindowTest, MenuBarFromMenuTables) {
    TKowindow w;
    std::vector<int> commands;
    MenuClickHandler onClick;
    onClick = [&](int command) {
        commands.push_back(command);
        // A command that changes the view rebuilds the bar from inside the click.
        if (command == 121) w.buildMainMenu(402, menuSource, 0, {}, onClick);
    };
    w.buildMainMenu(401, menuSource, 0, {}, onClick);

    const QList<QAction*> top = w.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Datei»"));
    ASSERT_NE(top[0]->menu(), nullptr);
    EXPECT_EQ(top[0]->menu()->objectName(), QStringLiteral("Pulldown1"));
    EXPECT_EQ(top[2]->menu()->objectName(), QStringLiteral("Pulldown2"));
    EXPECT_EQ(top[1]->data().toInt(), 121);
    EXPECT_TRUE(top[1]->shortcut().isEmpty());

    QAction* close = findMenuAction(*w.menuBar(), 1);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->statusTip(), QStringLiteral("Das Programm beenden"));
    EXPECT_EQ(w.menuTree().children.size(), 3u);
    EXPECT_EQ(menuTreeText(w.menuTree()),
              QStringLiteral("&Datei» »10 | &Datei\n"
                             "  Schließen [1] | Das Programm beenden\n"
                             "Artikel [121] | Artikel\n"
                             "Hilfe» »30 | Hilfe\n"
                             "  PDF-Hilfedatei öffnen [203] | PDF-Hilfedatei öffnen\n"
                             "  -\n"
                             "  &Kontexthilfe F1 [92] | auf das gegenwärtige Menü bezogene Hilfe anzeigen\n"
                             "  Über.. [90] | Über\n"));
    EXPECT_TRUE(top[2]->menu()->actions()[1]->isSeparator());

    EXPECT_TRUE(triggerMenuCommand(*w.menuBar(), 1));
    EXPECT_FALSE(triggerMenuCommand(*w.menuBar(), 999));
    EXPECT_TRUE(triggerMenuCommand(*w.menuBar(), 121));
    QApplication::processEvents();  // lets the old items go
    EXPECT_EQ(commands, (std::vector<int>{1, 121}));
    ASSERT_EQ(w.menuBar()->actions().size(), 2);
    EXPECT_EQ(w.menuBar()->actions()[0]->text(), QStringLiteral("Zurück"));
    EXPECT_EQ(findMenuAction(*w.menuBar(), 1), nullptr);
}

}  // namespace
}  // namespace kvx
