// The one place where the user interface waits for the user: every message box, question, code-built
// dialog and system dialog runs through the current ModalRunner. The program uses ExecModalRunner
// (real modal loops); the script driver installs one that answers from its script, so the same dialogs
// and the same code paths run headless.
#pragma once

#include <QFont>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <optional>

namespace kvx {

class Tkodialog;

enum class MessageKind { Information, Error };

struct FileChoice {
    bool save = false;
    QString title;
    QString path;
    QStringList suffixes;
};

// The system font dialog: opened on `initial`, sizes limited to minSize..maxSize points (a size chosen
// outside is brought into the range), fixed-pitch fonts only when asked.
struct FontChoice {
    QString title;
    QFont initial;
    bool fixedPitchOnly = false;
    int minSize = 8;
    int maxSize = 20;
};

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Runs a code-built dialog modally (after its setupwindow) and returns its modal result.
    virtual int runDialog(Tkodialog& dialog) = 0;
    virtual void showMessage(MessageKind kind, const QString& title, const QString& text) = 0;
    virtual bool askQuestion(const QString& title, const QString& text) = 0;
    // The system's file dialog: the chosen path, or nothing when cancelled (suffix rules are the caller's).
    virtual std::optional<QString> chooseFile(const FileChoice& choice) = 0;
    // The system's font dialog: the chosen font, or nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const FontChoice& choice) = 0;
    // The system print dialog on `printer`; true when the user confirmed. `fromPage`/`toPage`/`copies` are
    // in-out. The printer leaves the dialog set up for output (a PDF file when the user chose one).
    virtual bool printDialog(QPrinter& printer, int& fromPage, int& toPage, int& copies, int minPage, int maxPage) = 0;
    // Told about every page printed, as text lines (the script driver writes them into its transcript).
    virtual void pagePrinted(const QString& title, int page, const QStringList& lines) {
        (void)title;
        (void)page;
        (void)lines;
    }
    // Starts a document, program or web link through the desktop; true when it started. The script driver
    // logs it instead.
    virtual bool openExternally(const QString& target);
};

// The runner in force; an ExecModalRunner until another is installed.
ModalRunner& modalRunner();
// Installs `runner` (not owned); nullptr restores the default.
void setModalRunner(ModalRunner* runner);

// Real modal loops and system dialogs.
class ExecModalRunner final : public ModalRunner {
  public:
    int runDialog(Tkodialog& dialog) override;
    void showMessage(MessageKind kind, const QString& title, const QString& text) override;
    bool askQuestion(const QString& title, const QString& text) override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    std::optional<QFont> chooseFont(const FontChoice& choice) override;
    bool printDialog(QPrinter& printer, int& fromPage, int& toPage, int& copies, int minPage, int maxPage) override;
};

}  // namespace kvx
