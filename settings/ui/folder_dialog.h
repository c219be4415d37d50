// tsettingsdlg "Verzeichnisse": the datasheet folder and the text folder, each an edit with a "Suchen"
// button that opens the directory choice. Works on its own copy of the folders.
#pragma once

#include "framework/tkodialog.h"
#include "settings/settings_dialogs.h"

namespace kvx {

class tsettingsdlg final : public Tkodialog {
    Q_OBJECT
  public:
    static constexpr int kDatasheetEdit = 301, kDatasheetBrowse = 302, kTextEdit = 303, kTextBrowse = 304;

    tsettingsdlg(QWidget* owner, const FolderSettings& folders);
    void setupwindow() override;
    bool canclose() override;
    const FolderSettings& result() const { return m_folders; }

  private:
    // "Suchen": the directory choice on the edit's folder; the chosen folder, with a "/", goes into the edit.
    void browse(int edit, const QString& caption);

    FolderSettings m_folders;
};

// Runs the dialog; true on OK with `folders` replaced.
bool runFolderDialog(QWidget* owner, FolderSettings& folders);

}  // namespace kvx
