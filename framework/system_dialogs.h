// The file choice for opening and saving with its suffix rules, and the print dialog driven by a print
// request. The system dialogs themselves run through the modal runner.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "base/user_interface.h"

class QPrinter;

namespace kvx {

// The suffix of a file name (after the last "." of its last path component), empty when none.
QString fileSuffix(const QString& path);
// ".TXT", "*.TXT" and "TXT" all become "TXT".
QString bareSuffix(const QString& suffix);

// Checks a chosen name against the allowed suffixes (any when the list is empty). A name without a suffix
// gets the only allowed suffix appended after a "."; a suffix not among the allowed ones (compared without
// regard to case) yields nothing and `error` receives the message text.
std::optional<QString> applySuffixRules(const QString& chosen, const QStringList& suffixes, QString& error);

// The system's open or save dialog titled `title`, starting at the folder and file name of `path`. A name
// whose suffix is not allowed is reported as an error and the dialog opens again. Cancel: nothing, and the
// caller keeps its path.
std::optional<QString> chooseFileChecked(bool save, const QString& title, const QString& path,
                                         const QStringList& suffixes);

// The print dialog prepared from `request` (see PrintRequest::forPages); on OK the request takes the
// user's page range and copies back and true is returned. The printer keeps the user's printer choice.
bool runPrintDialog(QPrinter& printer, PrintRequest& request);

}  // namespace kvx
