// Box dialog, file choice and print request: layout by line count, caption, button results, the non-modal
// box, the suffix rules of the file choice and the page range of the print dialog.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "answering_runner.h"
#include "framework/box_dialog.h"
#include "framework/dialog_options.h"
#include "framework/messages.h"
#include "framework/system_dialogs.h"

using namespace kvx;
using kvx::test::AnsweringRunner;
using kvx::test::press;

namespace {

class BoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        dialogOptions().dialogFont = font;
        resetRunCharCellMetrics();
        owner.resize(600, 400);
    }
    void TearDown() override {
        dialogOptions() = DialogOptions{};
        messageOptions() = MessageOptions{};
        resetRunCharCellMetrics();
    }
    BoxOptions box(const QString& text, std::vector<BoxButton> buttons) {
        BoxOptions o;
        o.owner = &owner;
        o.text = text;
        o.caption = QStringLiteral("Frage");
        o.buttons = std::move(buttons);
        return o;
    }
    QWidget owner;
    AnsweringRunner runner;
};

TEST(BoxLayoutTest, LineCountDecidesBetweenLabelAndEdit) {
    struct Row {
        QString text;
        int lines;
        bool asEdit, centred;
    };
    const Row rows[] = {
        {QStringLiteral("Eine Zeile"), 1, false, true},
        {QStringLiteral("a\r\nb"), 2, false, true},
        {QStringLiteral("a\r\nb\r\nc"), 3, false, false},
        {QString(200, QLatin1Char('x')), 3, false, false},  // 200 characters wrap at 96: three lines
        {QStringLiteral("a\r\n\r\nc"), 3, false, false},    // an empty line still takes a line
        {QStringLiteral("z\r\n").repeated(26), 27, true, false},
    };
    for (const Row& r : rows) {
        const BoxLayout l = boxLayout(r.text, 100, 60);
        EXPECT_EQ(l.usableWidth, 96);
        EXPECT_EQ(l.maxLines, 25);
        EXPECT_EQ(l.lineCount, r.lines) << r.text.left(20).toStdString();
        EXPECT_EQ(l.asEdit, r.asEdit);
        EXPECT_EQ(l.centred, r.centred);
    }
}

TEST_F(BoxTest, ShortTextsAreLabelsCentredUpToTwoLines) {
    for (const auto& [text, centred] : {std::pair{QStringLiteral("Artikel löschen?"), true},
                                        std::pair{QStringLiteral("Zeile 1\r\nZeile 2\r\nZeile 3"), false}}) {
        Qt::Alignment alignment;
        QString shown, caption;
        runner.dialogAnswers.push_back([&](Tkodialog& d) {
            auto* label = qobject_cast<QLabel*>(d.controlById(201));
            ASSERT_NE(label, nullptr);
            alignment = label->alignment();
            shown = label->text();
            caption = d.caption();
            press(d, dlgid::kOk);
        });
        EXPECT_EQ(showBox(box(text, {{QStringLiteral("OK"), 1, {}}})), 1);
        EXPECT_EQ(bool(alignment & Qt::AlignHCenter), centred);
        EXPECT_EQ(shown, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        EXPECT_TRUE(caption.startsWith(QStringLiteral("Frage MaxZ:")));
        EXPECT_TRUE(caption.endsWith(centred ? QStringLiteral(" ZZ:1") : QStringLiteral(" ZZ:3")));
    }
}

TEST_F(BoxTest, TooManyLinesAreJoinedInOneEdit) {
    QString text;
    for (int i = 1; i <= 200; ++i) text += QStringLiteral("Z%1\r\n").arg(i);
    QString shown, caption;
    BoxLayout layout;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        auto* edit = qobject_cast<QLineEdit*>(d.controlById(301));
        ASSERT_NE(edit, nullptr);
        shown = edit->text();
        caption = d.caption();
        layout = static_cast<Tboxdlg&>(d).layout();
        press(d, dlgid::kOk);
    });
    EXPECT_EQ(showBox(box(text, {{QStringLiteral("OK"), 1, {}}})), 1);
    EXPECT_TRUE(layout.asEdit);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Z1; Z2; Z3;")));
    EXPECT_EQ(shown.size(), text.size());
    EXPECT_EQ(caption, QStringLiteral("Frage MaxZ:%1 ZZ:201").arg(layout.maxLines));
}

TEST_F(BoxTest, ButtonResults) {
    struct Row {
        int ids[3];
        int pressed;
        int result;
    };
    const Row rows[] = {
        {{1, 2, 5}, 1, 1}, {{1, 2, 5}, 2, 2}, {{1, 2, 5}, 5, 5},  // a third button with id 5 gives 5
        {{6, 7, 0}, 6, 1}, {{6, 7, 0}, 7, 2}, {{6, 7, 30}, 30, 30},
    };
    for (const Row& r : rows) {
        std::vector<BoxButton> buttons = {{QStringLiteral("Ja"), r.ids[0], {}}, {QStringLiteral("Nein"), r.ids[1], {}}};
        if (r.ids[2] != 0) buttons.push_back({QStringLiteral("Alle"), r.ids[2], {}});
        runner.dialogAnswers.push_back([pressed = r.pressed](Tkodialog& d) { press(d, pressed); });
        EXPECT_EQ(showBox(box(QStringLiteral("Weiter?"), buttons)), r.result) << "button " << r.pressed;
    }
}

TEST_F(BoxTest, ClickHandlerRunsInsteadOfClosing) {
    int clicks = 0;
    bool stayedOpen = false;
    runner.dialogAnswers.push_back([&](Tkodialog& d) {
        press(d, 9);
        stayedOpen = !d.isClosed() && d.modalResult() == 0;
        press(d, dlgid::kCancel);
    });
    EXPECT_EQ(showBox(box(QStringLiteral("Text"),
                          {{QStringLiteral("Kopieren"), 9, [&] { ++clicks; }}, {QStringLiteral("Schließen"), 2, {}}})),
              2);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(stayedOpen);
}

TEST_F(BoxTest, WithoutOwnerOrConfirmationsTheAnswerIsYes) {
    BoxOptions o = box(QStringLiteral("Löschen?"), {{QStringLiteral("Ja"), 6, {}}, {QStringLiteral("Nein"), 7, {}}});
    o.owner = nullptr;
    EXPECT_EQ(showBox(o), 1);
    messageOptions().confirmations = false;
    EXPECT_EQ(showBox(box(QStringLiteral("Löschen?"), {{QStringLiteral("Nein"), 7, {}}})), 1);
    EXPECT_EQ(runner.dialogsRun, 0);
}

TEST_F(BoxTest, NonModalBoxStaysOpenUntilTheNextOneClosesIt) {
    BoxOptions o = box(QStringLiteral("Bitte warten"), {{QStringLiteral("OK"), 1, {}}});
    o.modal = false;
    o.autoClose = true;
    Tboxdlg* first = nullptr;
    EXPECT_EQ(showBox(o, &first), 0);
    ASSERT_NE(first, nullptr);
    QPointer<Tboxdlg> firstGuard(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(openNonModalBox(), first);

    Tboxdlg* second = nullptr;
    showBox(o, &second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstGuard.isNull());
    ASSERT_NE(second, nullptr);
    QPointer<Tboxdlg> secondGuard(second);
    EXPECT_EQ(openNonModalBox(), second);
    second->pressButton(dlgid::kOk);
    EXPECT_EQ(second->modalResult(), 1);
    EXPECT_TRUE(second->isClosed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(secondGuard.isNull());
    EXPECT_EQ(runner.dialogsRun, 0);
}

TEST(FileChoiceTest, SuffixRules) {
    struct Row {
        QString chosen;
        QStringList suffixes;
        std::optional<QString> expected;
    };
    const QStringList txt = {QStringLiteral(".TXT")};
    const QStringList two = {QStringLiteral("*.txt"), QStringLiteral("csv")};
    const Row rows[] = {
        {QStringLiteral("/d/bestellung"), txt, QStringLiteral("/d/bestellung.TXT")},  // the only suffix appended
        {QStringLiteral("/d/bestellung.txt"), txt, QStringLiteral("/d/bestellung.txt")},
        {QStringLiteral("/d/bestellung.csv"), txt, std::nullopt},
        {QStringLiteral("/d/liste.csv"), two, QStringLiteral("/d/liste.csv")},
        {QStringLiteral("/d/liste"), two, std::nullopt},  // no suffix and a choice of two
        {QStringLiteral("/d.x/liste"), txt, QStringLiteral("/d.x/liste.TXT")},
        {QStringLiteral("/d/liste.dat"), {}, QStringLiteral("/d/liste.dat")},  // anything goes
    };
    for (const Row& r : rows) {
        QString error;
        EXPECT_EQ(applySuffixRules(r.chosen, r.suffixes, error), r.expected) << r.chosen.toStdString();
        EXPECT_EQ(error.isEmpty(), r.expected.has_value());
    }
    QString error;
    applySuffixRules(QStringLiteral("liste.dat"), two, error);
    EXPECT_EQ(error, QStringLiteral("\"liste.dat\":Es sind nur Dateien mit den Suffixen *.txt csv wählbar"));
}

TEST(FileChoiceTest, WrongSuffixIsReportedAndTheDialogOpensAgain) {
    AnsweringRunner runner;
    runner.fileAnswers = {QStringLiteral("/d/bericht.csv"), QStringLiteral("/d/bericht")};
    const auto chosen = chooseFileChecked(true, QStringLiteral("Bestellung speichern"), QStringLiteral("/d/alt.txt"),
                                          {QStringLiteral(".TXT")});
    EXPECT_EQ(chosen, QStringLiteral("/d/bericht.TXT"));
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(runner.messages[0].text,
              QStringLiteral("\"/d/bericht.csv\":Es sind nur Dateien mit den Suffixen .TXT wählbar"));
    ASSERT_EQ(runner.fileChoices.size(), 2u);
    EXPECT_TRUE(runner.fileChoices[0].save);
    EXPECT_EQ(runner.fileChoices[0].path, QStringLiteral("/d/alt.txt"));
    EXPECT_EQ(runner.fileChoices[1].path, QStringLiteral("/d/bericht.csv"));

    runner.fileAnswers = {std::nullopt};
    EXPECT_EQ(chooseFileChecked(false, QStringLiteral("Öffnen"), QString(), {}), std::nullopt);
}

TEST(PrintDialogTest, RequestCarriesThePageRangeBothWays) {
    AnsweringRunner runner;
    QPrinter printer;
    PrintRequest request = PrintRequest::forPages(5);
    runner.printPages = std::pair{2, 3};
    EXPECT_TRUE(runPrintDialog(printer, request));
    EXPECT_EQ(runner.transcript.value(0), QStringLiteral("print dialog 1-5 (1..5) copies 1"));
    EXPECT_EQ(request.fromPage, 2);
    EXPECT_EQ(request.toPage, 3);
    EXPECT_FALSE(request.allPages);

    runner.printAccept = false;
    PrintRequest untouched = PrintRequest::forPages(4);
    EXPECT_FALSE(runPrintDialog(printer, untouched));
    EXPECT_EQ(untouched.toPage, 4);
    EXPECT_TRUE(untouched.allPages);
}

}  // namespace
