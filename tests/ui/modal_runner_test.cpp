// The real modal runner: a code-built dialog in a real modal loop, and the German yes/no question box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "framework/modal_runner.h"
#include "framework/tkodialog.h"

using namespace kvx;

namespace {

class Simple final : public Tkodialog {
  public:
    Simple() {
        setHeader(40, 8, QStringLiteral("Modal"));
        declareEdit(2, 1, 1, 1, QString(), 10);
        declareButtonRow(40, 4, 2);
        setCounts(0, 1, 3);
    }
};

TEST(ExecModalRunnerTest, DialogRunsInARealModalLoopWhereEnterAndEscapeDoNothing) {
    setModalRunner(nullptr);
    Simple d;
    bool openAfterKeys = false;
    QTimer::singleShot(0, &d, [&] {
        for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(d.controlById(301), &press);
        }
        openAfterKeys = d.isVisible() && !d.isClosed();
        d.pressButton(dlgid::kOk);
    });
    EXPECT_EQ(d.execute(), dlgid::kOk);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_FALSE(d.isVisible());
}

TEST(ExecModalRunnerTest, WindowCloseIsCancel) {
    Tkodialog::setLastDialogCancelled(false);
    Simple d;
    QTimer::singleShot(0, &d, [&] { d.close(); });
    EXPECT_EQ(d.execute(), dlgid::kCancel);
    EXPECT_TRUE(Tkodialog::lastDialogCancelled());
}

TEST(ExecModalRunnerTest, QuestionsOfferJaAndNein) {
    for (const bool yes : {true, false}) {
        QStringList texts;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons()) texts << b->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(modalRunner().askQuestion(QString(), QStringLiteral("Programm beenden?")), yes);
        texts.sort();
        EXPECT_EQ(texts, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    }
}

// A message quoting data that looks like markup shows it as written.
TEST(ExecModalRunnerTest, MessagesShowTheirTextAsWritten) {
    const QString text = QStringLiteral("Bemerkung <b>Lager</b> leer");
    int shownWidth = 0, needed = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() != text) continue;
            shownWidth = label->sizeHint().width();
            needed = label->fontMetrics().horizontalAdvance(text);
        }
        box->button(QMessageBox::Ok)->click();
    });
    modalRunner().showMessage(MessageKind::Information, QStringLiteral("Mitteilung"), text);
    EXPECT_GT(needed, 0);
    EXPECT_GE(shownWidth, needed);
}

}  // namespace
