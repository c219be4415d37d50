// Choice dialogs: one line from a combo (tcomboauswahlboxdlg2), from a list, radio buttons or check boxes
// (tauswahlboxdlg), a directory (TdirwahlDlg1), and the information-lines box (Taboutdlg2).
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

#include "framework/tkodialog.h"

namespace kvx {

// Prompt label and combo 301 filled with the lines (each cut to 80 characters).
class tcomboauswahlboxdlg2 final : public Tkodialog {
    Q_OBJECT
  public:
    tcomboauswahlboxdlg2(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                         int current, bool editable);
    void setupwindow() override;
    bool canclose() override;
    int selected() const { return m_selected; }

  private:
    QStringList m_lines;
    int m_selected;
};

class tauswahlboxdlg final : public Tkodialog {
    Q_OBJECT
  public:
    enum class Variant { List, Radio, CheckBoxes };
    // List: list box 301. Radio and check boxes: controls 301, 302, ... one per row (at most 130 lines).
    tauswahlboxdlg(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                   Variant variant, int current, const std::vector<bool>& checked = {});
    void setupwindow() override;
    bool canclose() override;
    int selected() const { return m_selected; }
    const std::vector<bool>& checked() const { return m_checked; }

  private:
    QStringList m_lines;
    Variant m_variant;
    int m_selected;
    std::vector<bool> m_checked;
};

// Drive combo 301 and directory list 302 bound to each other; label 201 shows the folder being listed.
class TdirwahlDlg1 final : public Tkodialog {
    Q_OBJECT
  public:
    TdirwahlDlg1(QWidget* owner, const QString& caption, const QString& path);
    void setupwindow() override;
    bool canclose() override;
    const QString& chosen() const { return m_chosen; }
    const QString& folder() const { return m_folder; }
    // Lists the sub-folders of `folder` (".." first unless it is a root).
    void openFolder(const QString& folder);

  private:
    QString m_folder;
    QString m_chosen;
};

// Lines as labels (empty lines skipped) and one OK button.
class Taboutdlg2 final : public Tkodialog {
    Q_OBJECT
  public:
    Taboutdlg2(QWidget* owner, const QString& caption, const QStringList& lines, int textWidth,
               const QPixmap& picture = QPixmap());
};

// OK returns the selected index in `index` (the current index on entry).
bool runComboChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines, int& index,
                    bool editable);
bool runListChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines, int& index);
bool runRadioChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                    int& index);
// `checked` in and out, one flag per line.
bool runCheckChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                    std::vector<bool>& checked);
// Opened on the folder of `path`; on OK `path` becomes the chosen directory, on cancel it stays.
bool runDirectoryChoice(QWidget* owner, const QString& caption, QString& path);
void runAboutLines(QWidget* owner, const QString& caption, const QStringList& lines, int textWidth,
                   const QPixmap& picture = QPixmap());

}  // namespace kvx
