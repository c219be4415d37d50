// Code-built dialog: cell metrics and pixel conversion, control creation, the standard buttons, and the
// read-back operations with their limits, range checks and the input-error report.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include "answering_runner.h"
#include "base/file_system.h"
#include "base/trace.h"
#include "framework/dialog_options.h"
#include "framework/tkodialog.h"

using namespace kvx;
using kvx::test::AnsweringRunner;

namespace {

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        dialogOptions().dialogFont = font;
        resetRunCharCellMetrics();
        Tkodialog::resetTruncationCount();
        Tkodialog::setLastDialogCancelled(false);
    }
    void TearDown() override {
        dialogOptions() = DialogOptions{};
        resetRunCharCellMetrics();
    }
};

// Name label and edit (k = 1), a combo (k = 2), a check box (k = 3), OK/Abbruch, Yes, No, OK-and-continue.
class FormDialog final : public Tkodialog {
  public:
    bool allow = true;
    int cancloseCalls = 0;
    FormDialog() {
        setHeader(50, 14, QStringLiteral("Prüfdialog"));
        declareLabel(1, 1, 1, 1, QStringLiteral("Name"), 15);
        declareEdit(18, 1, 1, 2, QString(), 20);
        declareCombo(18, 3, 2, 3, 0, 20, 20);
        declareCheckBox(18, 5, 3, 4, QStringLiteral("Aktiv"), 10);
        declareButtonRow(50, 10, 5);
        declareButton(2, 7, dlgid::kYes, 7, QStringLiteral("Ja"), 6, 2);
        declareButton(10, 7, dlgid::kNo, 8, QStringLiteral("Nein"), 6, 2);
        declareButton(18, 7, dlgid::kOkContinue, 9, QStringLiteral("Weiter"), 8, 2);
        setCounts(1, 3, 9);
    }
    bool canclose() override {
        ++cancloseCalls;
        return allow;
    }
};

TEST(CharCellMetricsTest, FontHeightsGiveWidthLineAndHalfStep) {
    struct Row {
        int height, extra, bias;
        CharCellMetrics expected;
    };
    const Row rows[] = {
        {13, 6, 1, {9, 26, 14}},   // 9.1 -> 9; 19.5 -> 20 (tie to even) + 6
        {-13, 6, 1, {9, 26, 14}},  // the absolute height counts
        {0, 6, 1, {8, 14, 8}},     // no dialog font
        {15, 6, 1, {10, 28, 15}},  // 10.5 -> 10 and 22.5 -> 22: ties go to the even neighbour
        {25, 6, 1, {18, 44, 23}},  // 17.5 -> 18, 37.5 -> 38
        {12, 5, 5, {8, 23, 16}},   // the search dialog's extra 5 and step bias 5
        {12, 7, 1, {8, 25, 13}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(computeCharCellMetrics(r.height, r.extra, r.bias), r.expected) << "height " << r.height;
    }
}

TEST(CharCellMetricsTest, RoundHalfEven) {
    const std::tuple<long long, long long, int> rows[] = {{21, 2, 10},   {23, 2, 12},   {91, 10, 9}, {96, 10, 10},
                                                          {-21, 2, -10}, {-23, 2, -12}, {0, 3, 0}};
    for (const auto& [num, den, expected] : rows) EXPECT_EQ(roundHalfEven(num, den), expected) << num << "/" << den;
}

TEST(CharCellMetricsTest, ConversionOfRecords) {
    const CharCellMetrics m{9, 26, 14};
    struct Row {
        DialogItemKind kind;
        bool header;
        int left, top, width, maxLength, height;
        int eLeft, eTop, eWidth, eHeight;
    };
    const Row rows[] = {
        {DialogItemKind::Label, false, 1, 1, 15, 15, 1, 9, 14, 135, 26},
        {DialogItemKind::Edit, false, 18, 3, 20, 20, 1, 162, 42, 180, 26},
        {DialogItemKind::Edit, false, 2, 1, 0, 12, 3, 18, 14, 108, 3 * 14 + 14},  // width 0 takes max length
        {DialogItemKind::List, false, 2, 3, 30, 30, 5, 18, 42, 270, 70},
        {DialogItemKind::Combo, false, 2, 3, 20, 20, 20, 18, 42, 180, 20},  // combos keep their line count
        {DialogItemKind::Button, false, 11, 10, 10, 10, 2, 99, 140, 90, 28},
        {DialogItemKind::None, true, 1, 1, 50, 50, 40, 9, 14, 450, 560},
        {DialogItemKind::None, true, 1, 1, 50, 50, 1, 9, 14, 450, 14},  // the header counts half-lines
    };
    for (const Row& r : rows) {
        DialogItem it;
        it.kind = r.kind;
        it.left = r.left;
        it.top = r.top;
        it.width = r.width;
        it.maxLength = r.maxLength;
        it.height = r.height;
        convertToPixels(it, r.header, m);
        EXPECT_EQ(it.left, r.eLeft);
        EXPECT_EQ(it.top, r.eTop);
        EXPECT_EQ(it.width, r.eWidth);
        EXPECT_EQ(it.height, r.eHeight) << "kind " << static_cast<int>(r.kind) << " height " << r.height;
    }
}

TEST_F(DialogTest, ThirteenPixelFontPlacesLabelAndEditAtFourteenPixels) {
    FormDialog d;
    d.setupwindow();
    EXPECT_EQ(d.metrics(), (CharCellMetrics{9, 26, 14}));
    for (int record : {1, 2}) {
        EXPECT_EQ(d.item(record)->top, 14);
        EXPECT_EQ(d.item(record)->height, 26);
    }
    QWidget* edit = d.controlById(301);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), QRect(18 * 9, 14, 20 * 9, 26));
    EXPECT_EQ(d.controlById(201)->y(), 14);
    EXPECT_EQ(d.size(), QSize(50 * 9, 14 * 14));
    EXPECT_EQ(d.caption(), QStringLiteral("Prüfdialog"));
}

TEST_F(DialogTest, EditOfWidthTwentyTakesTwentyCharacters) {
    FormDialog d;
    d.setupwindow();
    auto* edit = qobject_cast<QLineEdit*>(d.controlById(301));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->maxLength(), 20);
    d.setControlText(301, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    EXPECT_EQ(edit->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(d.getText(301, 40), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
}

TEST_F(DialogTest, ControlsFollowTheirKindAndStyleBits) {
    class Kinds final : public Tkodialog {
      public:
        Kinds() {
            setHeader(60, 30, QStringLiteral("Arten"));
            declareCombo(2, 1, 1, 1, 0, 20, 20);
            declareCombo(2, 3, 2, 2, 0x2, 5, 20);
            declareCombo(2, 5, 3, 3, 0x101, 8, 20);
            declareEdit(2, 7, 4, 4, QString(), 10);
            item(4)->style = style::kEditPassword;
            declareEdit(2, 9, 5, 5, QString(), 10);
            item(5)->style = style::kEditDisabled;
            declareList(30, 1, 6, 6, style::kListSorted | style::kListMultiSelect, 8, 20);
            declareItem(30, 11, 207, 7, style::kLabelCentred, QStringLiteral("Mitte"), 1, 20, DialogItemKind::Label);
            setCounts(1, 6, 7);
        }
    } d;
    d.setupwindow();
    const QComboBox* editable = d.comboById(301);
    ASSERT_NE(editable, nullptr);
    EXPECT_TRUE(editable->isEditable());
    EXPECT_EQ(editable->maxVisibleItems(), 18);  // declared with 20 lines
    EXPECT_EQ(editable->completer(), nullptr);
    EXPECT_FALSE(d.comboById(302)->isEditable());
    EXPECT_EQ(d.comboById(302)->maxVisibleItems(), 3);
    EXPECT_FALSE(d.comboById(303)->isEditable());
    for (const char* entry : {"Widerstand", "Diode", "Kondensator"}) d.addEntry(303, QString::fromUtf8(entry));
    EXPECT_EQ(d.comboById(303)->itemText(0), QStringLiteral("Diode"));
    EXPECT_EQ(d.comboById(303)->itemText(2), QStringLiteral("Widerstand"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.controlById(304))->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(d.controlById(305)->isEnabled());
    const QListWidget* list = d.listById(306);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isSortingEnabled());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    const auto* centred = qobject_cast<QLabel*>(d.controlById(207));
    EXPECT_TRUE(centred->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(centred->width(), 20 * 9);
}

TEST_F(DialogTest, CheckBoxAndRadioCaptionsAreNotClipped) {
    class Boxes final : public Tkodialog {
      public:
        Boxes() {
            setHeader(40, 10, QStringLiteral("Filter"));
            declareCheckBox(2, 1, 1, 1, QStringLiteral("Abverkauf"), 4);
            declareRadio(2, 3, 2, 2, QStringLiteral("Bestell"), 3);
            declareCheckBox(2, 5, 3, 3, QStringLiteral("Lager"), 20);
            setCounts(0, 3, 3);
        }
    } d;
    d.setupwindow();
    for (int id : {301, 302}) {
        const QWidget* w = d.controlById(id);
        EXPECT_GE(w->width(), w->sizeHint().width()) << id;
    }
    EXPECT_EQ(d.controlById(303)->width(), 20 * 9);  // wide enough as declared: unchanged
}

TEST_F(DialogTest, LabelsShowTheirTextAsWritten) {
    class Remark final : public Tkodialog {
      public:
        Remark() {
            setHeader(40, 6, QStringLiteral("Bemerkung"));
            declareLabel(2, 1, 1, 1, QStringLiteral("<b>Lager</b> leer"), 20);
            setCounts(1, 0, 1);
        }
    } d;
    d.setupwindow();
    const auto* label = qobject_cast<QLabel*>(d.controlById(201));
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(QStringLiteral("<b>Lager</b> leer")));
}

TEST_F(DialogTest, EditableComboShowsStoredTextsLongerThanItsWidth) {
    class Unit final : public Tkodialog {
      public:
        Unit() {
            setHeader(20, 6, QStringLiteral("Einheit"));
            declareEditableCombo(2, 1, 1, 1, 20, 7);
            setCounts(0, 1, 1);
        }
    } d;
    d.setupwindow();
    d.addEntry(301, QStringLiteral("MIKROFARAD"));
    d.setCurrentIndex(301, 0);
    EXPECT_EQ(d.getText(301, 10), QStringLiteral("MIKROFARAD"));
}

TEST_F(DialogTest, DeclaringKeepsValuesGivenAsZeroAndCutsTexts) {
    FormDialog d;
    d.declareItem(0, 0, 0, 2, 0, QString(), 0, 0, DialogItemKind::None);
    EXPECT_EQ(d.item(2)->left, 18);
    EXPECT_EQ(d.item(2)->id, 301);
    EXPECT_EQ(d.item(2)->width, 20);
    EXPECT_EQ(d.item(2)->maxLength, 20);
    EXPECT_EQ(d.item(2)->kind, DialogItemKind::Edit);
    d.declareButton(1, 1, 50, 10, QString(50, QLatin1Char('B')), 10, 2);
    EXPECT_EQ(d.item(10)->text.size(), 40);
    d.setHeader(40, 10, QString(90, QLatin1Char('C')));
    EXPECT_EQ(d.item(0)->text.size(), 80);
    EXPECT_EQ(d.item(0)->maxLength, 40);
    // OK centred at 50 div 3 = 16 and "Abbruch" at 32, each 10 characters wide.
    EXPECT_EQ(d.item(5)->left, 11);
    EXPECT_EQ(d.item(5)->text, QStringLiteral("OK"));
    EXPECT_EQ(d.item(6)->left, 27);
    EXPECT_EQ(d.item(6)->text, QStringLiteral("Abbruch"));
    EXPECT_EQ(d.item(6)->height, 2);
    // Beyond the block nothing is written.
    d.declareLabel(1, 1, 1, 141, QStringLiteral("x"), 5);
    EXPECT_EQ(d.item(141), nullptr);
}

TEST_F(DialogTest, ButtonsGiveTheirModalResults) {
    struct Row {
        int button;
        bool allow;
        int result;
        int cancloseCalls;
    };
    const Row rows[] = {
        {dlgid::kOk, true, 1, 1},           {dlgid::kOk, false, 0, 1}, {dlgid::kCancel, false, 2, 0},
        {dlgid::kCancel, true, 2, 0},       {dlgid::kYes, true, 6, 1}, {dlgid::kNo, true, 7, 1},
        {dlgid::kOkContinue, true, 116, 1},
    };
    for (const Row& r : rows) {
        AnsweringRunner runner;
        FormDialog d;
        d.allow = r.allow;
        runner.dialogAnswers.push_back([&](Tkodialog& dialog) { dialog.pressButton(r.button); });
        Tkodialog::setLastDialogCancelled(false);
        const int result = d.execute();
        EXPECT_EQ(result, r.result) << "button " << r.button;
        EXPECT_EQ(d.modalResult(), r.result);
        EXPECT_EQ(d.isClosed(), r.result != 0);
        EXPECT_EQ(d.cancloseCalls, r.cancloseCalls) << "button " << r.button;
        EXPECT_EQ(Tkodialog::lastDialogCancelled(), r.button == dlgid::kCancel);
    }
}

TEST_F(DialogTest, EnterAndEscapePressNothing) {
    FormDialog d;
    d.setupwindow();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&d, &press);
    }
    EXPECT_EQ(d.modalResult(), 0);
    EXPECT_EQ(d.cancloseCalls, 0);
    for (int id : {dlgid::kOk, dlgid::kCancel}) {
        auto* button = qobject_cast<QPushButton*>(d.controlById(id));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        EXPECT_GE(button->height(), 20);
    }
}

TEST_F(DialogTest, TextsAreCutCountedAndTrimmed) {
    FormDialog d;
    d.setupwindow();
    d.setItemText(301, QStringLiteral("  ab  cd  "), 20);
    EXPECT_EQ(d.getText(301, 20), QStringLiteral("ab  cd"));
    EXPECT_EQ(Tkodialog::truncationCount(), 0);
    EXPECT_EQ(d.getText(301, 6), QStringLiteral("ab"));  // "  ab  " read, then trimmed
    EXPECT_EQ(Tkodialog::truncationCount(), 1);
    EXPECT_EQ(d.getText(301, 20, 5), QStringLiteral("ab"));
    EXPECT_EQ(Tkodialog::truncationCount(), 1);  // cutting to the destination is no truncation

    int firstFailing = 0;
    d.setItemText(301, QStringLiteral("   "), 20);
    EXPECT_EQ(d.getRequiredText(301, 20, 20, firstFailing), QString());
    EXPECT_EQ(firstFailing, 301);
    d.setItemText(302, QStringLiteral("Diode "), 20);
    int none = 0;
    EXPECT_EQ(d.getRequiredText(302, 20, 20, none), QStringLiteral("Diode"));
    EXPECT_EQ(none, 0);
}

TEST_F(DialogTest, WholeNumbersAreCheckedAgainstTheirRange) {
    FormDialog d;
    d.setupwindow();
    struct Row {
        const char* text;
        bool ok;
        std::int16_t value;
        const char* message;
    };
    const Row rows[] = {
        {"42", true, 42, ""},
        {" -1000 ", true, -1000, ""},
        {"30000", true, 30000, ""},
        {"30001", false, 7, "Ganzzahl-Wert 30001 muß >=-1000 und <=30000 sein"},
        {"-1001", false, 7, "Ganzzahl-Wert -1001 muß >=-1000 und <=30000 sein"},
        {"12a", false, 7, "Ganzzahl-Wert 12a muß >=-1000 und <=30000 sein"},
        {"", false, 7, "Ganzzahl-Wert  muß >=-1000 und <=30000 sein"},
        {"99999999999999", false, 7, "Ganzzahl-Wert 99999999999999 muß >=-1000 und <=30000 sein"},
    };
    for (const Row& r : rows) {
        d.setItemText(301, QString::fromUtf8(r.text), 20);
        int firstFailing = 0;
        std::int16_t value = 7;
        EXPECT_EQ(d.getInt16(301, -1000, 30000, value, firstFailing), r.ok) << r.text;
        EXPECT_EQ(value, r.value) << r.text;
        EXPECT_EQ(firstFailing, r.ok ? 0 : 301);
        EXPECT_EQ(d.storedInputError(), QString::fromUtf8(r.message));
        d.reportInputError(0, false);  // clears the stored message
    }
    int firstFailing = 0;
    std::uint8_t byte = 0;
    d.setItemText(301, QStringLiteral("250"), 20);
    EXPECT_TRUE(d.getByte(301, 0, 250, byte, firstFailing));
    EXPECT_EQ(byte, 250);
    std::uint16_t word = 0;
    d.setItemText(301, QStringLiteral("60001"), 20);
    EXPECT_FALSE(d.getUInt16(301, 0, 60000, word, firstFailing));
    EXPECT_EQ(word, 0);
}

TEST_F(DialogTest, RealsAndTheFirstFailingField) {
    FormDialog d;
    d.setupwindow();
    d.setItemText(301, QStringLiteral("abc"), 20);
    d.setItemText(302, QStringLiteral("50000"), 20);
    int firstFailing = 0;
    double a = 1.5, b = 2.5;
    EXPECT_FALSE(d.getReal(301, 0, 40000, a, firstFailing));
    EXPECT_FALSE(d.getReal(302, 0, 40000, b, firstFailing));
    EXPECT_EQ(firstFailing, 301);  // the earlier field keeps its place and its message
    EXPECT_EQ(d.storedInputError(), QStringLiteral("Realwert abc muß >=0 und <=40000 sein"));
    EXPECT_EQ(a, 1.5);
    EXPECT_EQ(b, 2.5);

    const std::pair<const char*, double> good[] = {{"12.5", 12.5}, {"12,5", 12.5}, {"0", 0.0}, {"40000", 40000.0}};
    for (const auto& [text, expected] : good) {
        d.setItemText(302, QString::fromUtf8(text), 20);
        int none = 0;
        double v = -1;
        EXPECT_TRUE(d.getReal(302, 0, 40000, v, none)) << text;
        EXPECT_DOUBLE_EQ(v, expected);
        EXPECT_EQ(none, 0);
    }
}

TEST_F(DialogTest, InputErrorIsReportedAndTheDialogStaysOpenAsTyped) {
    class NumberForm final : public Tkodialog {
      public:
        std::int16_t stock = 0;
        NumberForm() {
            setHeader(40, 8, QStringLiteral("Bestand"));
            declareLabel(1, 1, 1, 1, QStringLiteral("Bestand"), 15);
            declareEdit(18, 1, 1, 2, QString(), 10);
            declareButtonRow(40, 4, 3);
            setCounts(1, 1, 4);
        }
        bool canclose() override {
            int firstFailing = 0;
            if (getInt16(301, -1000, 30000, stock, firstFailing)) return true;
            reportInputError(firstFailing, true);
            return false;
        }
    };
    AnsweringRunner runner;
    NumberForm d;
    QString afterFailure;
    runner.dialogAnswers.push_back([&](Tkodialog& dialog) {
        dialog.setControlText(301, QStringLiteral("40000 "));
        dialog.pressButton(dlgid::kOk);
        EXPECT_FALSE(dialog.isClosed());
        EXPECT_EQ(dialog.modalResult(), 0);
        afterFailure = qobject_cast<QLineEdit*>(dialog.controlById(301))->text();
        dialog.setControlText(301, QStringLiteral("17"));
        dialog.pressButton(dlgid::kOk);
    });
    EXPECT_EQ(d.execute(), 1);
    EXPECT_EQ(afterFailure, QStringLiteral("40000 "));
    EXPECT_EQ(d.stock, 17);
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(runner.messages[0].title, QStringLiteral("Eingabefehler"));
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("Ganzzahl-Wert 40000 muß >=-1000 und <=30000 sein"));
    EXPECT_TRUE(d.storedInputError().isEmpty());
}

TEST_F(DialogTest, SuppressedMessageBoxesOnlyFocusTheField) {
    dialogOptions().messageBoxesSuppressed = true;
    AnsweringRunner runner;
    FormDialog d;
    d.setupwindow();
    d.setItemText(301, QStringLiteral("x"), 20);
    int firstFailing = 0;
    std::int16_t v = 0;
    d.getInt16(301, 0, 10, v, firstFailing);
    d.reportInputError(firstFailing, true);
    EXPECT_TRUE(runner.messages.empty());
    EXPECT_TRUE(d.storedInputError().isEmpty());
}

TEST_F(DialogTest, ScriptSeamFillsControlsAndListsThem) {
    FormDialog d;
    d.setupwindow();
    d.addEntry(302, QStringLiteral("Widerstand"));
    d.addEntry(302, QStringLiteral("Diode"));
    EXPECT_TRUE(d.setControlText(301, QStringLiteral("Müller")));
    EXPECT_TRUE(d.setCurrentIndex(302, 1));
    EXPECT_FALSE(d.setCurrentIndex(302, 2));
    EXPECT_TRUE(d.setChecked(303, true));
    EXPECT_FALSE(d.setChecked(301, true));
    EXPECT_FALSE(d.pressButton(999));
    EXPECT_EQ(d.controlById(999), nullptr);
    EXPECT_EQ(d.selectedIndex(302), 1);
    d.setControlText(302, QStringLiteral("Widerstand"));  // typed into the editable combo
    EXPECT_EQ(d.selectedIndex(302), 0);

    const std::vector<ControlInfo> controls = d.controls();
    ASSERT_EQ(controls.size(), 9u);
    EXPECT_EQ(controls[0].id, 201);
    EXPECT_EQ(controls[0].value, QStringLiteral("Name"));
    EXPECT_EQ(controls[1].id, 301);
    EXPECT_EQ(controls[1].kind, DialogItemKind::Edit);
    EXPECT_EQ(controls[1].value, QStringLiteral("Müller"));
    EXPECT_EQ(controls[2].value, QStringLiteral("Widerstand"));
    EXPECT_EQ(controls[3].value, QStringLiteral("1"));
    EXPECT_EQ(controls[4].id, dlgid::kOk);
}

TEST_F(DialogTest, ProgramMetricsAreComputedOnceUntilReset) {
    FormDialog first;
    first.setupwindow();
    QFont bigger(QStringLiteral("DejaVu Sans"));
    bigger.setPixelSize(20);
    dialogOptions().dialogFont = bigger;
    FormDialog second;
    second.setupwindow();
    EXPECT_EQ(second.metrics(), first.metrics());
    resetRunCharCellMetrics();
    FormDialog third;
    third.setupwindow();
    EXPECT_EQ(third.metrics(), computeCharCellMetrics(20, 6, 1));
    // A dialog's own metrics leave the shared ones alone.
    FormDialog own;
    own.computeMetrics(5, 5);
    own.setupwindow();
    EXPECT_EQ(own.metrics(), computeCharCellMetrics(20, 5, 5));
    EXPECT_EQ(runCharCellMetrics(), computeCharCellMetrics(20, 6, 1));
}

TEST_F(DialogTest, HintsAndDialogIdFollowTheFrameworkOptions) {
    for (const int level : {1, 2}) {
        dialogOptions().hintLevel = level;
        dialogOptions().showDialogId = level == 2;
        class Hinted final : public Tkodialog {
          public:
            Hinted() : Tkodialog(nullptr, 120) {
                setHeader(40, 8, QStringLiteral("Internetadresse wählen"));
                declareEdit(2, 1, 1, 1, QString(), 20);
                item(1)->hint = QStringLiteral("Internetlink eingeben.");
                setCounts(0, 1, 1);
            }
        } d;
        d.setupwindow();
        EXPECT_EQ(d.controlById(301)->toolTip(), level >= 2 ? QStringLiteral("Internetlink eingeben.") : QString());
        EXPECT_EQ(d.caption(),
                  level == 2 ? QStringLiteral("Internetadresse wählen 120") : QStringLiteral("Internetadresse wählen"));
    }
}

TEST_F(DialogTest, PlacementCentresOnScreenOrParent) {
    QWidget parent;
    parent.setGeometry(100, 50, 700, 500);
    for (const Placement placement : {Placement::CentreOnScreen, Placement::CentreOnParent, Placement::Declared}) {
        class Placed final : public Tkodialog {
          public:
            explicit Placed(QWidget* owner) : Tkodialog(owner) {
                setHeaderAt(3, 4, 40, 20, QStringLiteral("Platz"));
                setCounts(0, 0, 0);
            }
        } d(&parent);
        d.setPlacement(placement);
        d.setupwindow();
        const QSize size(40 * 9, 20 * 14);
        EXPECT_EQ(d.size(), size);
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        if (placement == Placement::CentreOnParent) area = parent.frameGeometry();
        QPoint expected =
            area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
        if (placement == Placement::Declared) expected = QPoint(3 * 9, 4 * 14);
        EXPECT_EQ(d.pos(), expected) << static_cast<int>(placement);
    }
}

TEST_F(DialogTest, TraceLinesAtLevelOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    PosixFileSystem fs;
    TraceLog log;
    log.attach(fs);
    log.level = 1;
    dialogOptions().trace = &log;
    {
        AnsweringRunner runner;
        FormDialog d;
        d.setHeader(50, 14, QStringLiteral("Lager"));
        runner.dialogAnswers.push_back([](Tkodialog& dialog) { dialog.pressButton(dlgid::kOk); });
        d.execute();
    }
    log.close();
    dialogOptions().trace = nullptr;
    QFile file(dir.filePath(QStringLiteral("TRACE.TXT")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QDir::setCurrent(home);
    EXPECT_EQ(text, QByteArray("tkodialog.Create 1\r\n"
                               "tkodialog.setupwindow start Lager\r\n"
                               "tkodialog.setupwindow ende:Lager\r\n"
                               "tkodialog.okbutton 1\r\n"));
}

TEST_F(DialogTest, CurrentDialogAndOpenCount) {
    const int before = Tkodialog::openCount();
    {
        FormDialog outer;
        outer.setupwindow();
        {
            FormDialog inner;
            inner.setupwindow();
            EXPECT_EQ(Tkodialog::current(), &inner);
            EXPECT_EQ(Tkodialog::openCount(), before + 2);
        }
        EXPECT_EQ(Tkodialog::current(), &outer);
    }
    EXPECT_EQ(Tkodialog::openCount(), before);
}

}  // namespace
