// File choice with the suffix loop, and the print dialog from a print request.
#include "framework/system_dialogs.h"

#include <QFileInfo>
#include <QPrinter>

#include "framework/messages.h"
#include "framework/modal_runner.h"

namespace kvx {

QString fileSuffix(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString bareSuffix(const QString& suffix) {
    QString s = suffix;
    while (s.startsWith(QLatin1Char('*')) || s.startsWith(QLatin1Char('.'))) s.remove(0, 1);
    return s;
}

std::optional<QString> applySuffixRules(const QString& chosen, const QStringList& suffixes, QString& error) {
    error.clear();
    if (suffixes.isEmpty()) return chosen;
    const QString suffix = fileSuffix(chosen);
    if (suffix.isEmpty() && suffixes.size() == 1) return chosen + QLatin1Char('.') + bareSuffix(suffixes.first());
    for (const QString& allowed : suffixes)
        if (!suffix.isEmpty() && suffix.compare(bareSuffix(allowed), Qt::CaseInsensitive) == 0) return chosen;
    error = QLatin1Char('"') + chosen + QStringLiteral("\":Es sind nur Dateien mit den Suffixen ") +
            suffixes.join(QLatin1Char(' ')) + QStringLiteral(" wählbar");
    return std::nullopt;
}

std::optional<QString> chooseFileChecked(bool save, const QString& title, const QString& path,
                                         const QStringList& suffixes) {
    FileChoice choice{save, title, path, suffixes};
    for (;;) {
        const std::optional<QString> chosen = modalRunner().chooseFile(choice);
        if (!chosen) return std::nullopt;
        QString error;
        if (auto accepted = applySuffixRules(*chosen, suffixes, error)) return accepted;
        showError(QStringLiteral("FEHLER"), error);
        choice.path = *chosen;
    }
}

bool runPrintDialog(QPrinter& printer, PrintRequest& request) {
    int from = request.allPages ? request.minPage : request.fromPage;
    int to = request.allPages ? request.maxPage : request.toPage;
    int copies = std::max(1, request.copies);
    printer.setCollateCopies(request.collate);
    if (!modalRunner().printDialog(printer, from, to, copies, request.minPage, request.maxPage)) return false;
    request.fromPage = from;
    request.toPage = to;
    request.copies = copies;
    request.allPages = from <= request.minPage && to >= request.maxPage;
    request.collate = printer.collateCopies();
    request.printToFile = !printer.outputFileName().isEmpty();
    return true;
}

}  // namespace kvx
