// The directory settings dialog.
#include "settings/ui/folder_dialog.h"

#include <QPushButton>

#include "base/cp1252.h"
#include "framework/choice_dialogs.h"
#include "framework/messages.h"
#include "settings/folders.h"

namespace kvx {

namespace {

constexpr int kWidth = 95;
constexpr int kCapacity = static_cast<int>(SettingsRecord::kFolderCapacity);

const QString kDatasheetHint = QStringLiteral("Pfad des Verzeichnisses, in dem sie Datenblätter speichern, eingeben.");
const QString kTextHint = QStringLiteral("Pfad eingeben, in dem Textdateien gespeichert werden.");

QString fromCp(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}
std::string toCp(const QString& s) {
    return utf8ToCp1252(s.toStdString());
}

}  // namespace

tsettingsdlg::tsettingsdlg(QWidget* owner, const FolderSettings& folders) : Tkodialog(owner), m_folders(folders) {
    setHeader(kWidth, 12, QStringLiteral("Verzeichnisse"));
    computeMetrics(7, 1);
    declareLabel(1, 1, 1, 1, QStringLiteral("Datenblattpfad"), 15);
    item(1)->hint = kDatasheetHint;
    declareLabel(1, 4, 2, 2, QStringLiteral("Textdatei-Pfad"), 15);
    item(2)->hint = kTextHint;
    declareEdit(17, 1, 1, 3, QStringLiteral(" "), 60);
    item(3)->hint = kDatasheetHint;
    declareButton(80, 1, kDatasheetBrowse, 4, QStringLiteral("Suchen"), 10, 2);
    declareEdit(17, 4, 3, 5, QStringLiteral(" "), 60);
    item(5)->hint = kTextHint;
    declareButton(80, 4, kTextBrowse, 6, QStringLiteral("Suchen"), 10, 2);
    declareButtonRow(kWidth, 8, 7);
    setCounts(2, 4, 8);
}

void tsettingsdlg::setupwindow() {
    Tkodialog::setupwindow();
    setItemText(kDatasheetEdit, fromCp(m_folders.datasheetFolder), kCapacity);
    setItemText(kTextEdit, fromCp(m_folders.textFolder), kCapacity);
    if (auto* b = qobject_cast<QPushButton*>(controlById(kDatasheetBrowse)))
        connect(b, &QPushButton::clicked, this,
                [this] { browse(kDatasheetEdit, QStringLiteral("Datenblattverzeichnis suchen")); });
    if (auto* b = qobject_cast<QPushButton*>(controlById(kTextBrowse)))
        connect(b, &QPushButton::clicked, this,
                [this] { browse(kTextEdit, QStringLiteral("Textdateiverzeichnis suchen")); });
}

void tsettingsdlg::browse(int edit, const QString& caption) {
    QString path = getText(edit, kCapacity);
    if (!runDirectoryChoice(this, caption, path)) return;  // cancelled: nothing changes
    setItemText(edit, fromCp(folderFromChoice(toCp(path))), kCapacity);
}

bool tsettingsdlg::canclose() {
    FolderSettings folders;
    int firstFailing = 0;
    const std::pair<int, std::string*> fields[] = {{kDatasheetEdit, &folders.datasheetFolder},
                                                   {kTextEdit, &folders.textFolder}};
    for (const auto& [id, out] : fields) {
        const std::optional<std::string> folder = folderFromInput(toCp(getText(id, kCapacity)), kCapacity);
        if (folder)
            *out = *folder;
        else if (firstFailing == 0)
            firstFailing = id;
    }
    if (firstFailing != 0) {
        // The field cannot take the final "/" as well: the user shortens the path.
        reportInputError(firstFailing, false);
        showError(QStringLiteral("Eingabefehler"),
                  QStringLiteral("Der Pfad darf ohne das abschließende \"/\" höchstens %1 Zeichen lang sein")
                      .arg(kCapacity - 1));
        return false;
    }
    m_folders = folders;
    return true;
}

bool runFolderDialog(QWidget* owner, FolderSettings& folders) {
    tsettingsdlg dialog(owner, folders);
    if (dialog.execute() != dlgid::kOk) return false;
    folders = dialog.result();
    return true;
}

}  // namespace kvx
