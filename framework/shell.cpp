// Shell starts through Qt's desktop services.
#include "framework/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "framework/modal_runner.h"

namespace kvx {

namespace {
// The codes the Windows shell reports, so that callers and transcripts read the same.
constexpr long kFileNotFound = 2;
constexpr long kNoAssociation = 31;
constexpr long kStarted = 42;

bool isWebLink(const QString& target) {
    return target.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           target.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive) ||
           target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive) ||
           target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
}
}  // namespace

bool ModalRunner::openExternally(const QString& target) {
    const QUrl url = isWebLink(target) ? QUrl::fromUserInput(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

ShellResult shellOpen(const QString& target) {
    ShellResult result;
    if (!isWebLink(target) && !QFileInfo::exists(target)) {
        result.handle = kFileNotFound;
        result.errorText = "ShellExecute: 2 Die Datei wurde nicht gefunden: " + target.toStdString();
        return result;
    }
    if (!modalRunner().openExternally(target)) {
        result.handle = kNoAssociation;
        result.errorText = "ShellExecute: 31 Keine Anwendung ist dieser Datei zugeordnet: " + target.toStdString();
        return result;
    }
    result.handle = kStarted;
    return result;
}

}  // namespace kvx
