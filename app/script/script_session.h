// Runs a parsed script against the real main window: answers every modal request from the queued
// answers and writes the transcript. A request without an answer, an answer of the wrong kind, or answers
// left over at the end fail the run.
#pragma once

#include <QTextStream>
#include <deque>
#include <functional>
#include <stdexcept>

class QWidget;

#include "app/script/script_parser.h"
#include "framework/modal_runner.h"

namespace kvx {
class tfzgwwindow;
}

namespace kvx::script {

// Thrown when the script and the program disagree; the driver prints it and exits non-zero.
class ScriptFailure final : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ScriptSession final : public ModalRunner {
  public:
    explicit ScriptSession(QTextStream& out) : m_out(out) {}

    void setWindow(tfzgwwindow* window) { m_window = window; }
    // Ends the closed window's run and starts a fresh one in the same program directory, on `date`
    // ("YYYY-MM-DD") when given; returns the new window.
    std::function<tfzgwwindow*(const QString& date)> restart;
    // Runs every step; throws ScriptFailure.
    void run(const std::vector<Step>& steps);

    int runDialog(Tkodialog& dialog) override;
    void showMessage(MessageKind kind, const QString& title, const QString& text) override;
    bool askQuestion(const QString& title, const QString& text) override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    std::optional<QFont> chooseFont(const FontChoice& choice) override;
    bool printDialog(QPrinter& printer, int& fromPage, int& toPage, int& copies, int minPage, int maxPage) override;
    void pagePrinted(const QString& title, int page, const QStringList& lines) override;
    bool openExternally(const QString& target) override;

    // Where printed pages go (a PDF file per job inside this folder).
    void setPrintFolder(const QString& folder) { m_printFolder = folder; }
    // Where screenshot steps write their PNG files.
    void setScreenshotFolder(const QString& folder) { m_screenshotFolder = folder; }

  private:
    void runAction(const Step& step);
    // The files of one folder of the program directory copied into another (a changed catalogue put in place).
    void copyFolder(const Step& step);
    Step takeAnswer(StepKind kind, const QString& request);
    void say(const QString& line);
    void show(const QString& what);
    void applyDialogOps(Tkodialog& dialog, const Step& answer);
    void screenshot(QWidget& widget, const QString& fileName, int line);

    QTextStream& m_out;
    tfzgwwindow* m_window = nullptr;
    std::deque<Step> m_answers;
    QString m_printFolder;
    QString m_screenshotFolder;
    int m_printJobs = 0;
};

}  // namespace kvx::script
