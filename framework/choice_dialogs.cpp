// Choice dialogs and the information-lines box.
#include "framework/choice_dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <algorithm>

namespace kvx {

namespace {
constexpr int kControl = 301;
constexpr int kMaxChoiceLines = 130;

int longestLine(const QStringList& lines) {
    int longest = 0;
    for (const QString& l : lines) longest = std::max(longest, static_cast<int>(std::min<qsizetype>(l.size(), 80)));
    return longest;
}

int promptWidth(const QString& prompt) {
    return std::max(1, static_cast<int>(std::min<qsizetype>(prompt.size(), 80)));
}
}  // namespace

// ---- combo ----

tcomboauswahlboxdlg2::tcomboauswahlboxdlg2(QWidget* owner, const QString& caption, const QString& prompt,
                                           const QStringList& lines, int current, bool editable)
    : Tkodialog(owner), m_lines(lines), m_selected(current) {
    const int labelWidth = promptWidth(prompt);
    const int comboLeft = labelWidth + 4;
    const int comboWidth = std::clamp(longestLine(lines) + 4, 20, 80);
    const int width = std::max(40, comboLeft + comboWidth + 3);
    setHeader(width, 10, caption);
    declareLabel(2, 1, 1, 1, prompt.isEmpty() ? QStringLiteral(" ") : prompt, labelWidth);
    declareCombo(comboLeft, 1, 1, 2, editable ? 0 : 3, 20, comboWidth);
    declareButtonRow(width, 4, 3);
    setCounts(1, 1, 4);
}

void tcomboauswahlboxdlg2::setupwindow() {
    Tkodialog::setupwindow();
    for (const QString& line : m_lines) addEntry(kControl, line);
    setCurrentIndex(kControl, m_selected >= 0 && m_selected < m_lines.size() ? m_selected : -1);
}

bool tcomboauswahlboxdlg2::canclose() {
    const int index = selectedIndex(kControl);
    if (index < 0) return false;
    m_selected = index;
    return true;
}

bool runComboChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines, int& index,
                    bool editable) {
    tcomboauswahlboxdlg2 dialog(owner, caption, prompt, lines, index, editable);
    if (dialog.execute() != dlgid::kOk) return false;
    index = dialog.selected();
    return true;
}

// ---- list, radio buttons, check boxes ----

tauswahlboxdlg::tauswahlboxdlg(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                               Variant variant, int current, const std::vector<bool>& checked)
    : Tkodialog(owner),
      // Only the radio and check-box variants need a record per line; a list takes any number of lines.
      m_lines(variant == Variant::List ? lines : lines.mid(0, kMaxChoiceLines)),
      m_variant(variant),
      m_selected(current),
      m_checked(checked) {
    m_checked.resize(static_cast<std::size_t>(m_lines.size()), false);
    const int n = static_cast<int>(m_lines.size());
    const int inner = std::clamp(longestLine(m_lines) + (variant == Variant::List ? 4 : 6), 20, 80);
    const int width = std::max({40, inner + 4, promptWidth(prompt) + 4});
    declareLabel(2, 1, 0, 1, prompt.isEmpty() ? QStringLiteral(" ") : prompt, promptWidth(prompt));
    int record = 2;
    int bottom = 3;
    if (variant == Variant::List) {
        const int height = 2 * std::clamp(n, 1, 15) + 1;
        declareList(2, 3, 1, record++, 0, height, inner);
        bottom = 3 + height;
    } else {
        for (int i = 0; i < n; ++i) {
            if (variant == Variant::Radio)
                declareRadio(2, 3 + 2 * i, i + 1, record++, m_lines[i], inner);
            else
                declareCheckBox(2, 3 + 2 * i, i + 1, record++, m_lines[i], inner);
        }
        bottom = 3 + 2 * n;
    }
    declareButtonRow(width, bottom + 1, record);
    setHeader(width, bottom + 6, caption);
    setCounts(1, variant == Variant::List ? 1 : n, record + 1);
}

void tauswahlboxdlg::setupwindow() {
    Tkodialog::setupwindow();
    const int n = static_cast<int>(m_lines.size());
    if (m_variant == Variant::List) {
        for (const QString& line : m_lines) addEntry(kControl, line);
        if (m_selected >= 0 && m_selected < n) setCurrentIndex(kControl, m_selected);
    } else if (m_variant == Variant::Radio) {
        if (m_selected >= 0 && m_selected < n) setChecked(kControl + m_selected, true);
    } else {
        for (int i = 0; i < n; ++i) setChecked(kControl + i, m_checked[static_cast<std::size_t>(i)]);
    }
}

bool tauswahlboxdlg::canclose() {
    const int n = static_cast<int>(m_lines.size());
    if (m_variant == Variant::List) {
        const int index = selectedIndex(kControl);
        if (index < 0) return false;
        m_selected = index;
    } else if (m_variant == Variant::Radio) {
        int index = -1;
        for (int i = 0; i < n; ++i)
            if (isChecked(kControl + i)) index = i;
        if (index < 0) return false;
        m_selected = index;
    } else {
        for (int i = 0; i < n; ++i) m_checked[static_cast<std::size_t>(i)] = isChecked(kControl + i);
    }
    return true;
}

bool runListChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                   int& index) {
    tauswahlboxdlg dialog(owner, caption, prompt, lines, tauswahlboxdlg::Variant::List, index);
    if (dialog.execute() != dlgid::kOk) return false;
    index = dialog.selected();
    return true;
}

bool runRadioChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                    int& index) {
    tauswahlboxdlg dialog(owner, caption, prompt, lines, tauswahlboxdlg::Variant::Radio, index);
    if (dialog.execute() != dlgid::kOk) return false;
    index = dialog.selected();
    return true;
}

bool runCheckChoice(QWidget* owner, const QString& caption, const QString& prompt, const QStringList& lines,
                    std::vector<bool>& checked) {
    tauswahlboxdlg dialog(owner, caption, prompt, lines, tauswahlboxdlg::Variant::CheckBoxes, -1, checked);
    if (dialog.execute() != dlgid::kOk) return false;
    checked = dialog.checked();
    checked.resize(static_cast<std::size_t>(lines.size()), false);
    return true;
}

// ---- directory ----

TdirwahlDlg1::TdirwahlDlg1(QWidget* owner, const QString& caption, const QString& path) : Tkodialog(owner) {
    QFileInfo start(path.isEmpty() ? QDir::currentPath() : path);
    QString folder = start.isDir() ? start.absoluteFilePath() : start.absolutePath();
    while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot()) folder = QFileInfo(folder).absolutePath();
    m_folder = QDir::cleanPath(folder);
    setHeader(70, 36, caption);
    declareLabel(2, 1, 1, 1, QStringLiteral(" "), 66);
    declareListCombo(2, 3, 1, 2, 12, 48);
    declareList(2, 6, 2, 3, 0, 22, 48);
    declareButtonRow(70, 30, 4);
    setCounts(1, 2, 5);
}

void TdirwahlDlg1::setupwindow() {
    Tkodialog::setupwindow();
    if (auto* label = qobject_cast<QLabel*>(controlById(dlgid::labelId(1))))
        label->resize(item(1)->width, label->height());
    for (const QFileInfo& drive : QDir::drives())
        addEntry(kControl, QDir::toNativeSeparators(drive.absoluteFilePath()));
    openFolder(m_folder);
    if (auto* drives = comboById(kControl)) {
        connect(drives, &QComboBox::activated, this,
                [this, drives](int index) { openFolder(QDir::fromNativeSeparators(drives->itemText(index))); });
    }
    if (auto* list = listById(kControl + 1)) {
        connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* entry) {
            openFolder(QDir::cleanPath(m_folder + QLatin1Char('/') + entry->text()));
        });
    }
}

void TdirwahlDlg1::openFolder(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists()) return;
    m_folder = QDir::cleanPath(dir.absolutePath());
    setItemText(dlgid::labelId(1), QDir::toNativeSeparators(m_folder), 0);
    QListWidget* list = listById(kControl + 1);
    if (!list) return;
    list->clear();
    if (!dir.isRoot()) list->addItem(QStringLiteral(".."));
    list->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    if (auto* drives = comboById(kControl)) {
        for (int i = 0; i < drives->count(); ++i)
            if (m_folder.startsWith(QDir::fromNativeSeparators(drives->itemText(i)))) drives->setCurrentIndex(i);
    }
}

bool TdirwahlDlg1::canclose() {
    QString chosen = m_folder;
    if (QListWidget* list = listById(kControl + 1); list && list->currentItem())
        chosen = QDir::cleanPath(m_folder + QLatin1Char('/') + list->currentItem()->text());
    m_chosen = QDir::toNativeSeparators(chosen);
    return true;
}

bool runDirectoryChoice(QWidget* owner, const QString& caption, QString& path) {
    TdirwahlDlg1 dialog(owner, caption, path);
    if (dialog.execute() != dlgid::kOk) return false;
    path = dialog.chosen();
    return true;
}

// ---- information lines ----

Taboutdlg2::Taboutdlg2(QWidget* owner, const QString& caption, const QStringList& lines, int textWidth,
                       const QPixmap& picture)
    : Tkodialog(owner) {
    const int n = static_cast<int>(std::min<qsizetype>(lines.size(), DialogParameterBlock::kMaxItems - 1));
    const int left = picture.isNull() ? 3 : 6;
    const int width = textWidth + 6;
    int record = 1;
    for (int i = 0; i < n; ++i) {
        if (lines[i].isEmpty()) continue;
        declareLabel(left, i + 1, i + 1, record++, lines[i], textWidth);
    }
    declareStandardButton(width / 2, n + 2, dlgid::kOk, record, QStringLiteral("OK"));
    setHeader(width, n + 8, caption);
    if (!picture.isNull()) block().header().picture = picture;
    setCounts(record - 1, 0, record);
}

void runAboutLines(QWidget* owner, const QString& caption, const QStringList& lines, int textWidth,
                   const QPixmap& picture) {
    Taboutdlg2 dialog(owner, caption, lines, textWidth, picture);
    dialog.execute();
}

}  // namespace kvx
