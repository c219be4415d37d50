// The default ModalRunner: real modal loops, message boxes and the system file and print dialogs.
#include "framework/modal_runner.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

#include "framework/tkodialog.h"

namespace kvx {

namespace {
ModalRunner* g_runner = nullptr;

// "*" in front of a suffix that lacks one: ".TXT" -> "*.TXT", "TXT" -> "*TXT".
QString filterPattern(const QString& suffix) {
    return suffix.startsWith(QLatin1Char('*')) ? suffix : QStringLiteral("*") + suffix;
}
}  // namespace

ModalRunner& modalRunner() {
    static ExecModalRunner execRunner;
    return g_runner ? *g_runner : execRunner;
}

void setModalRunner(ModalRunner* runner) {
    g_runner = runner;
}

int ExecModalRunner::runDialog(Tkodialog& dialog) {
    return dialog.exec();
}

void ExecModalRunner::showMessage(MessageKind kind, const QString& title, const QString& text) {
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);  // messages quote data (names, remarks), never markup
    box.exec();
}

bool ExecModalRunner::askQuestion(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> ExecModalRunner::chooseFile(const FileChoice& choice) {
    QStringList patterns;
    for (const QString& s : choice.suffixes) patterns << filterPattern(s);
    const QString filter = patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
    QFileDialog dialog(QApplication::activeWindow(), choice.title);
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    const QFileInfo start(choice.path);
    if (!choice.path.isEmpty()) {
        // A folder of the settings may name a directory that does not exist (it is stored as typed): the
        // dialog then opens in the program directory, the working directory.
        QString folder = start.isDir() ? start.absoluteFilePath() : start.absolutePath();
        if (!QFileInfo(folder).isDir()) folder = QDir::currentPath();
        dialog.setDirectory(folder);
        if (!start.isDir()) dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QFont> ExecModalRunner::chooseFont(const FontChoice& choice) {
    QFontDialog dialog(choice.initial, QApplication::activeWindow());
    dialog.setWindowTitle(choice.title);
    if (choice.fixedPitchOnly) dialog.setOption(QFontDialog::MonospacedFonts);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QFont font = dialog.selectedFont();
    font.setPointSize(std::clamp(font.pointSize(), choice.minSize, choice.maxSize));
    return font;
}

bool ExecModalRunner::printDialog(QPrinter& printer, int& fromPage, int& toPage, int& copies, int minPage,
                                  int maxPage) {
    printer.setCopyCount(copies);
    printer.setFromTo(fromPage, toPage);
    printer.setPrintRange(fromPage <= minPage && toPage >= maxPage ? QPrinter::AllPages : QPrinter::PageRange);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setMinMax(minPage, maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.printRange() == QPrinter::PageRange) {
        fromPage = printer.fromPage();
        toPage = printer.toPage();
    } else {
        fromPage = minPage;
        toPage = maxPage;
    }
    copies = printer.copyCount();
    return true;
}

}  // namespace kvx
