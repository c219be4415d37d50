// Base services on Qt: status-line messages when boxes are off, questions without confirmation, shell starts
// of missing files, printing pages to a PDF file, and the text cell size rule.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWidget>

#include "framework/messages.h"
#include "framework/modal_runner.h"
#include "framework/printing.h"
#include "framework/shell.h"
#include "framework/text_view.h"

namespace kvx {
namespace {

// Records what reaches the modal runner and prints into a PDF file.
class RecordingRunner final : public ModalRunner {
  public:
    RecordingRunner() { setModalRunner(this); }
    ~RecordingRunner() override { setModalRunner(nullptr); }
    int runDialog(Tkodialog&) override { return 2; }
    void showMessage(MessageKind, const QString& title, const QString& text) override {
        boxes << title + QStringLiteral(": ") + text;
    }
    bool askQuestion(const QString&, const QString& text) override {
        boxes << QStringLiteral("?") + text;
        return false;
    }
    std::optional<QString> chooseFile(const FileChoice&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const FontChoice&) override { return std::nullopt; }
    bool printDialog(QPrinter& printer, int& from, int& to, int&, int, int) override {
        if (!pdfPath.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
        }
        if (range) {
            from = range->first;
            to = range->second;
        }
        return !pdfPath.isEmpty();
    }
    void pagePrinted(const QString&, int page, const QStringList& lines) override {
        printed << QStringLiteral("%1:%2").arg(page).arg(lines.join(QLatin1Char('|')));
    }
    bool openExternally(const QString& target) override {
        opened << target;
        return true;
    }
    QStringList boxes, printed, opened;
    QString pdfPath;
    std::optional<std::pair<int, int>> range;
};

struct StatusBarFixture {
    QStatusBar bar;
    QLabel* panels[4];
    StatusBarFixture() {
        for (auto& p : panels) {
            p = new QLabel(&bar);
            bar.addWidget(p);
        }
    }
    ~StatusBarFixture() { setMessageStatusBar(nullptr, 0); }
};

TEST(Messages, BoxesOffGoToTheStatusPanelWithALeadingBlank) {
    RecordingRunner runner;
    StatusBarFixture status;
    setMessageStatusBar(&status.bar, 2);
    messageOptions().messageBoxes = false;
    showError(QStringLiteral("FEHLER"), QStringLiteral("Datei fehlt"));
    showInformation(QStringLiteral("Fertig"));
    messageOptions().messageBoxes = true;
    EXPECT_TRUE(runner.boxes.isEmpty());
    EXPECT_EQ(status.panels[2]->text(), QStringLiteral(" Fertig"));

    // A panel number beyond the bar's panels uses the last one.
    setMessageStatusBar(&status.bar, 9);
    showStatus(QStringLiteral("x"));
    EXPECT_EQ(status.panels[3]->text(), QStringLiteral(" x"));
}

TEST(Messages, QuestionWithoutConfirmationIsYesAndOnlyShownInTheStatusLine) {
    RecordingRunner runner;
    StatusBarFixture status;
    setMessageStatusBar(&status.bar, 2);
    messageOptions().confirmations = false;
    EXPECT_TRUE(askYesNo(QString(), QStringLiteral("Löschen?")));
    messageOptions().confirmations = true;
    EXPECT_TRUE(runner.boxes.isEmpty());
    EXPECT_EQ(status.panels[2]->text(), QStringLiteral(" Löschen?"));
    // With confirmations the runner answers (here: no).
    EXPECT_FALSE(askYesNo(QString(), QStringLiteral("Löschen?")));
    EXPECT_EQ(runner.boxes.size(), 1);
}

TEST(Messages, WithoutStatusBarAStatusTextIsShownAsInformation) {
    RecordingRunner runner;
    setMessageStatusBar(nullptr, 0);
    showStatus(QStringLiteral("Hallo"));
    EXPECT_EQ(runner.boxes, QStringList{QStringLiteral("Mitteilung: Hallo")});
}

TEST(Shell, MissingFileGivesAResultOfAtMost32AndTheShellExecuteText) {
    RecordingRunner runner;
    const ShellResult r = shellOpen(QStringLiteral("/nonexistent/datenblatt.pdf"));
    EXPECT_LE(r.handle, 32);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.errorText.rfind("ShellExecute: ", 0), 0u) << r.errorText;
    EXPECT_TRUE(runner.opened.isEmpty());

    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("a.txt"));
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(shellOpen(existing).ok());
    EXPECT_TRUE(shellOpen(QStringLiteral("https://www.example.com/x")).ok());
    EXPECT_EQ(runner.opened.size(), 2);
}

TEST(Printing, PagesGoToThePrinterUntilTheDrawerSaysNoMore) {
    RecordingRunner runner;
    QTemporaryDir dir;
    runner.pdfPath = dir.filePath(QStringLiteral("bestellung.pdf"));
    PrintJob job;
    job.title = "Bestellung 3";
    job.fontName = "COURIER";
    job.request = PrintRequest::forPages(20);
    job.lastPage = 20;
    std::vector<int> linesSeen;
    job.drawPage = [&](int page, int linesPerPage, TextPage& out) {
        linesSeen.push_back(linesPerPage);
        out.put(1, 1, "Seite " + std::to_string(page));
        out.put(10, 2, "Bestellung");
        return page < 3;
    };
    ASSERT_TRUE(printPages(job));
    EXPECT_EQ(runner.printed, (QStringList{QStringLiteral("1:Seite 1|         Bestellung"),
                                           QStringLiteral("2:Seite 2|         Bestellung"),
                                           QStringLiteral("3:Seite 3|         Bestellung")}));
    ASSERT_EQ(linesSeen.size(), 3u);
    // An A4 page less 30 mm of margins holds some dozens of 10-point lines.
    EXPECT_GT(linesSeen[0], 40);
    EXPECT_LT(linesSeen[0], 90);
    EXPECT_GT(QFileInfo(runner.pdfPath).size(), 500);

    // A cancelled print dialog prints nothing.
    runner.pdfPath.clear();
    runner.printed.clear();
    EXPECT_FALSE(printPages(job));
    EXPECT_TRUE(runner.printed.isEmpty());
}

TEST(Printing, ThePrintDialogsPageRangeIsHonoured) {
    // A fresh request offers all pages; the range the user picks in the dialog wins either way.
    for (const bool allPagesOffered : {true, false}) {
        RecordingRunner runner;
        QTemporaryDir dir;
        runner.pdfPath = dir.filePath(QStringLiteral("p.pdf"));
        runner.range = std::make_pair(2, 3);
        PrintJob job;
        job.title = "T";
        job.request = PrintRequest::forPages(5);
        job.request.allPages = allPagesOffered;
        job.lastPage = 5;
        job.drawPage = [](int page, int, TextPage& out) {
            out.put(1, 1, std::to_string(page));
            return true;
        };
        ASSERT_TRUE(printPages(job));
        EXPECT_EQ(runner.printed, (QStringList{QStringLiteral("2:2"), QStringLiteral("3:3")})) << allPagesOffered;
        EXPECT_FALSE(job.request.allPages);
    }
}

// A described font resolves as its family name alone does, so a missing Arial gets the system's
// metric-compatible stand-in rather than a wider generic font.
TEST(TextView, DescribedFontsResolveLikeTheirFamily) {
    for (const char* name : {"ARIAL", "TIMES NEW ROMAN", "COURIER NEW"}) {
        FontDescription d;
        d.name = name;
        d.size = 9;
        const std::optional<QFont> font = fontFromDescription(d);
        ASSERT_TRUE(font.has_value()) << name;
        QFont plain(QString::fromLatin1(name));
        plain.setPointSize(9);
        EXPECT_EQ(QFontInfo(*font).family(), QFontInfo(plain).family()) << name;
        // Also on a widget inside a window whose own font carries a style hint.
        QWidget window;
        QFont hinted(QStringLiteral("Arial"), 8);
        hinted.setStyleHint(QFont::SansSerif);
        window.setFont(hinted);
        QWidget child(&window);
        child.setFont(*font);
        EXPECT_EQ(QFontInfo(child.font()).family(), QFontInfo(plain).family()) << name;
    }
}

TEST(TextView, CellSizeRule) {
    struct Row {
        int height, charWidth, lineHeight;
    };
    // 0.7 h and 1.4 h rounded to the nearest integer, ties to even; 0 counts as 10.
    for (const Row& r : {Row{0, 7, 14}, Row{10, 7, 14}, Row{13, 9, 18}, Row{-13, 9, 18}, Row{15, 10, 21}, Row{5, 4, 7},
                         Row{25, 18, 35}, Row{45, 32, 63}}) {
        const CellSize c = cellSizeForHeight(r.height);
        EXPECT_EQ(c.charWidth, r.charWidth) << r.height;
        EXPECT_EQ(c.lineHeight, r.lineHeight) << r.height;
    }
}

}  // namespace
}  // namespace kvx
