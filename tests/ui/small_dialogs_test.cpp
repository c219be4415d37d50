// The small standard dialogs: number, text and date input, the choices, the information lines and the
// directory choice, each answered through the answering runner as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "answering_runner.h"
#include "framework/choice_dialogs.h"
#include "framework/date_picker.h"
#include "framework/dialog_options.h"
#include "framework/small_dialogs.h"

using namespace kvx;
using kvx::test::AnsweringRunner;
using kvx::test::fill;
using kvx::test::press;

namespace {

class SmallDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        dialogOptions().dialogFont = font;
        resetRunCharCellMetrics();
    }
    void TearDown() override {
        dialogOptions() = DialogOptions{};
        resetRunCharCellMetrics();
    }
    AnsweringRunner runner;
};

TEST_F(SmallDialogTest, NumberInputRejectsValuesOutsideItsRange) {
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        fill(d, 301, QStringLiteral("0"));
        press(d, dlgid::kOk);
        fill(d, 301, QStringLiteral("100"));
        press(d, dlgid::kOk);
        fill(d, 301, QStringLiteral("99"));
        press(d, dlgid::kOk);
    });
    std::int32_t value = 5;
    EXPECT_TRUE(runNumberInput(nullptr, QStringLiteral("Menge"), QStringLiteral("Stückzahl"), value, 1, 99));
    EXPECT_EQ(value, 99);
    const QStringList expected = {
        QStringLiteral("dialog \"Menge\""),
        QStringLiteral("  control 201: \"Stückzahl\""),
        QStringLiteral("  control 301: \"5\""),
        QStringLiteral("  control 1: \"OK\""),
        QStringLiteral("  control 2: \"Abbruch\""),
        QStringLiteral("  set 301 = \"0\""),
        QStringLiteral("  press 1"),
        QStringLiteral("  error [Eingabefehler]: Ganzzahl-Wert 0 muß >=1 und <=99 sein"),
        QStringLiteral("  dialog stays open"),
        QStringLiteral("  set 301 = \"100\""),
        QStringLiteral("  press 1"),
        QStringLiteral("  error [Eingabefehler]: Ganzzahl-Wert 100 muß >=1 und <=99 sein"),
        QStringLiteral("  dialog stays open"),
        QStringLiteral("  set 301 = \"99\""),
        QStringLiteral("  press 1"),
        QStringLiteral("  result 1"),
    };
    EXPECT_EQ(runner.transcript, expected);
}

TEST_F(SmallDialogTest, NumberInputCancelKeepsTheValueAndShowsRangeWhenAsked) {
    dialogOptions().showRange = true;
    QString caption;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        caption = d.caption();
        fill(d, 301, QStringLiteral("7"));
        press(d, dlgid::kCancel);
    });
    std::int32_t value = 5;
    EXPECT_FALSE(runNumberInput(nullptr, QStringLiteral("Menge"), QString(), value, 1, 99));
    EXPECT_EQ(value, 5);
    EXPECT_EQ(caption, QStringLiteral("Menge (1 - 99)"));
}

TEST_F(SmallDialogTest, NumberInputEnterIsOkAndEscapeIsCancel) {
    for (const bool enter : {true, false}) {
        runner.dialogAnswers.push_back([enter](Tkodialog& d) {
            QWidget* edit = d.controlById(301);
            qobject_cast<QLineEdit*>(edit)->setText(QStringLiteral("42"));
            QKeyEvent key(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(edit, &key);
            EXPECT_EQ(d.modalResult(), enter ? dlgid::kOk : dlgid::kCancel);
            EXPECT_TRUE(d.isClosed());
        });
        std::int32_t value = 1;
        EXPECT_EQ(runNumberInput(nullptr, QStringLiteral("Menge"), QString(), value, 0, 100), enter);
        EXPECT_EQ(value, enter ? 42 : 1);
    }
}

TEST_F(SmallDialogTest, NumberInputInDateForm) {
    struct Row {
        const char* typed;  // nullptr: leave the shown date as it is
        bool ok;
        std::int32_t expected;
    };
    const Row rows[] = {
        {nullptr, true, 1161030},  // "30.10.16" confirmed unchanged
        {"31.12.2016", true, 1161231},  {"01.02.17", true, 1170201}, {"31.02.17", false, 1161030},  // no such day
        {"01.01.2030", false, 1161030},  // beyond the maximum
    };
    for (const Row& r : rows) {
        QString shown;
        runner.dialogAnswers.push_back([&](Tkodialog& d) {
            shown = qobject_cast<QLineEdit*>(d.controlById(301))->text();
            if (r.typed) fill(d, 301, QString::fromUtf8(r.typed));
            press(d, dlgid::kOk);
            if (!d.isClosed()) press(d, dlgid::kCancel);
        });
        std::int32_t value = 1161030;
        EXPECT_EQ(runNumberInput(nullptr, QStringLiteral("Termin"), QString(), value, 1000101, 1291231, true), r.ok)
            << (r.typed ? r.typed : "unchanged");
        EXPECT_EQ(value, r.expected);
        EXPECT_EQ(shown, QStringLiteral("30.10.16"));
    }
}

TEST_F(SmallDialogTest, TextInputNeedsALengthWithinItsLimits) {
    QString prompt;
    int limit = 0;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        prompt = qobject_cast<QLabel*>(d.controlById(201))->text();
        limit = qobject_cast<QLineEdit*>(d.controlById(301))->maxLength();
        fill(d, 301, QStringLiteral(" a "));
        press(d, dlgid::kOk);
        EXPECT_FALSE(d.isClosed());
        fill(d, 301, QStringLiteral("Regal 4"));
        press(d, dlgid::kOk);
    });
    QString value = QStringLiteral("alt");
    EXPECT_TRUE(
        runTextInput(nullptr, QStringLiteral("Lagerort"), QString(), value, 2, 10, QStringLiteral("Speichern")));
    EXPECT_EQ(value, QStringLiteral("Regal 4"));
    EXPECT_EQ(prompt, QStringLiteral("Lagerort"));  // an empty prompt takes the caption
    EXPECT_EQ(limit, 10);
    EXPECT_TRUE(runner.messages.empty());  // a bad length says nothing
    EXPECT_TRUE(runner.transcript.contains(QStringLiteral("  control 1: \"Speichern\"")));
}

TEST(DatePickerTest, ConversionsAndClamping) {
    EXPECT_EQ(dateNumberToQDate(1161030), QDate(2016, 10, 30));
    EXPECT_EQ(dateNumberToQDate(20161030), QDate(2016, 10, 30));
    EXPECT_EQ(dateNumberToQDate(991231), QDate(1999, 12, 31));
    EXPECT_FALSE(dateNumberToQDate(0).isValid());
    EXPECT_FALSE(dateNumberToQDate(1161332).isValid());
    EXPECT_EQ(qDateToDateNumber(QDate(2016, 10, 30)), 1161030);
    EXPECT_EQ(qDateToDateNumber(QDate()), 0);
    EXPECT_EQ(normaliseDateNumber(20161030), 1161030);
    const std::pair<const char*, QDate> typed[] = {
        {"30.10.2016", QDate(2016, 10, 30)},
        {"30.10.16", QDate(2016, 10, 30)},
        {"1.2.79", QDate(2079, 2, 1)},
        {"01.02.80", QDate(1980, 2, 1)},
        {"31.02.2016", QDate()},
        {"30-10-2016", QDate()},
        {"30.10.216", QDate()},
        {"", QDate()},
    };
    for (const auto& [text, expected] : typed) EXPECT_EQ(parseDateText(QString::fromUtf8(text)), expected) << text;

    struct Row {
        DateNumber date, a, b, expected;
    };
    const Row rows[] = {
        {1160615, 1170101, 1171231, 1170101},                                    // before the range: the earliest date
        {1190615, 1170101, 1171231, 1171231},                                    // after it: the latest
        {1190615, 1171231, 1170101, 1171231},                                    // limits in either order
        {1170615, 1171231, 1170101, 1170615},                                    // inside stays
        {20190615, 1170101, 20171231, 1171231},                                  // long forms are read too
        {1190615, 0, 1171231, 1171231},                                          // no lower limit
        {1100615, 0, 1171231, 1100615},         {0, 1170101, 1171231, 1170101},  // no date: the earliest
    };
    for (const Row& r : rows)
        EXPECT_EQ(clampDateNumber(r.date, r.a, r.b), r.expected) << r.date << " in " << r.a << ", " << r.b;
}

TEST_F(SmallDialogTest, DateInputOpensOnTheNearestEndOfItsRange) {
    struct Row {
        DateNumber date;
        QDate shown;
    };
    // The later limit is given first: the smaller one is still the earliest date.
    const Row rows[] = {{1160101, QDate(2017, 3, 1)}, {1250101, QDate(2017, 9, 30)}, {1170615, QDate(2017, 6, 15)}};
    for (const Row& r : rows) {
        QDate shown, minimum, maximum;
        runner.dialogAnswers.push_back([&](Tkodialog& d) {
            auto* picker = qobject_cast<QDateEdit*>(d.controlById(301));
            shown = picker->date();
            minimum = picker->minimumDate();
            maximum = picker->maximumDate();
            press(d, dlgid::kOk);
        });
        DateNumber date = r.date;
        EXPECT_TRUE(runDateInput(nullptr, QStringLiteral("Liefertermin"), date, 1170930, 1170301));
        EXPECT_EQ(shown, r.shown);
        EXPECT_EQ(minimum, QDate(2017, 3, 1));
        EXPECT_EQ(maximum, QDate(2017, 9, 30));
        EXPECT_EQ(date, qDateToDateNumber(r.shown));
    }
}

TEST_F(SmallDialogTest, DateInputReportsOldAndNewDate) {
    runner.dialogAnswers.push_back([](Tkodialog& d) {
        d.setControlText(301, QStringLiteral("31.10.2016"));
        press(d, dlgid::kOk);
    });
    DateNumber date = 1161030;
    EXPECT_TRUE(runDateInput(nullptr, QStringLiteral("Datum"), date, 1160101, 1161231, true));
    EXPECT_EQ(date, 1161031);
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].title, QStringLiteral("Mitteilung"));
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("alt:30.10.16 neu:31.10.16"));

    runner.dialogAnswers.push_back([](Tkodialog& d) { press(d, dlgid::kCancel); });
    EXPECT_FALSE(runDateInput(nullptr, QStringLiteral("Datum"), date, 1160101, 1161231, true));
    EXPECT_EQ(date, 1161031);
    EXPECT_EQ(runner.messages.size(), 1u);
}

TEST_F(SmallDialogTest, ChoicesReturnTheSelectedIndex) {
    const QStringList lines = {QStringLiteral("Einfach"), QStringLiteral("mit Lagerverwaltung"),
                               QStringLiteral("Test")};
    int preselected = -2;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        preselected = d.selectedIndex(301);
        d.setCurrentIndex(301, 2);
        press(d, dlgid::kOk);
    });
    int index = 1;
    EXPECT_TRUE(runComboChoice(nullptr, QStringLiteral("Modus"), QStringLiteral("Modus"), lines, index, false));
    EXPECT_EQ(preselected, 1);
    EXPECT_EQ(index, 2);

    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        preselected = d.selectedIndex(301);
        d.setControlText(301, QStringLiteral("Einfach"));
        press(d, dlgid::kOk);
    });
    EXPECT_TRUE(runListChoice(nullptr, QStringLiteral("Liste"), QStringLiteral("Wählen"), lines, index));
    EXPECT_EQ(preselected, 2);
    EXPECT_EQ(index, 0);

    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        preselected = d.isChecked(301) ? 0 : -1;
        d.setChecked(302, true);
        press(d, dlgid::kOk);
    });
    EXPECT_TRUE(runRadioChoice(nullptr, QStringLiteral("Radio"), QStringLiteral("Wählen"), lines, index));
    EXPECT_EQ(preselected, 0);
    EXPECT_EQ(index, 1);

    std::vector<bool> checked = {true, false, false};
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        d.setChecked(301, false);
        d.setChecked(303, true);
        press(d, dlgid::kOk);
    });
    EXPECT_TRUE(runCheckChoice(nullptr, QStringLiteral("Mehrfach"), QStringLiteral("Wählen"), lines, checked));
    EXPECT_EQ(checked, (std::vector<bool>{false, false, true}));

    runner.dialogAnswers.push_back([&](Tkodialog& d) { press(d, dlgid::kCancel); });
    index = 1;
    EXPECT_FALSE(runComboChoice(nullptr, QStringLiteral("Modus"), QString(), lines, index, true));
    EXPECT_EQ(index, 1);
}

// The parameter-set list offers every stored slot (up to 256) and "NEU" after them.
TEST_F(SmallDialogTest, ListChoiceOffersEveryLine) {
    QStringList lines;
    for (int n = 1; n <= 200; ++n) lines << QString::number(n);
    lines << QStringLiteral("NEU");
    int offered = 0;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        offered = d.listById(301)->count();
        d.setControlText(301, QStringLiteral("NEU"));
        press(d, dlgid::kOk);
    });
    int index = 199;
    ASSERT_TRUE(
        runListChoice(nullptr, QStringLiteral("Parameter speichern"), QStringLiteral("Parameter"), lines, index));
    EXPECT_EQ(offered, 201);
    EXPECT_EQ(index, 200);
}

TEST_F(SmallDialogTest, InformationLinesSkipEmptyLines) {
    std::vector<ControlInfo> controls;
    QSize size;
    CharCellMetrics m;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        controls = d.controls();
        size = d.size();
        m = d.metrics();
        press(d, dlgid::kOk);
    });
    runAboutLines(nullptr, QStringLiteral("Info"),
                  {QStringLiteral("KORVANEX"), QString(), QStringLiteral("Version 1.0")}, 30);
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(controls[0].value, QStringLiteral("KORVANEX"));
    EXPECT_EQ(controls[1].id, 203);
    EXPECT_EQ(controls[1].value, QStringLiteral("Version 1.0"));
    EXPECT_EQ(controls[2].id, dlgid::kOk);
    EXPECT_EQ(size, QSize(36 * m.charWidth, 11 * m.halfStep));
}

TEST_F(SmallDialogTest, DirectoryChoiceReturnsTheSelectedFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir(root.path()).mkpath(QStringLiteral("daten/blaetter"));
    QDir(root.path()).mkpath(QStringLiteral("texte"));
    QStringList listed;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        for (int i = 0; i < d.listById(302)->count(); ++i) listed << d.listById(302)->item(i)->text();
        d.setControlText(302, QStringLiteral("texte"));
        press(d, dlgid::kOk);
    });
    QString path = root.path() + QStringLiteral("/datei.txt");  // a file: its folder is opened
    EXPECT_TRUE(runDirectoryChoice(nullptr, QStringLiteral("Textdateiverzeichnis suchen"), path));
    EXPECT_EQ(listed, (QStringList{QStringLiteral(".."), QStringLiteral("daten"), QStringLiteral("texte")}));
    EXPECT_EQ(QDir::fromNativeSeparators(path), QDir::cleanPath(root.path() + QStringLiteral("/texte")));

    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        static_cast<TdirwahlDlg1&>(d).openFolder(root.path() + QStringLiteral("/daten"));
        listed.clear();
        for (int i = 0; i < d.listById(302)->count(); ++i) listed << d.listById(302)->item(i)->text();
        press(d, dlgid::kCancel);
    });
    const QString before = path;
    EXPECT_FALSE(runDirectoryChoice(nullptr, QStringLiteral("x"), path));
    EXPECT_EQ(path, before);
    EXPECT_EQ(listed, (QStringList{QStringLiteral(".."), QStringLiteral("blaetter")}));
}

}  // namespace
