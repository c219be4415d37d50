// Text, number and date input dialogs and their one-call functions.
#include "framework/small_dialogs.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "framework/date_picker.h"
#include "framework/dialog_options.h"
#include "framework/messages.h"

namespace kvx {

namespace {
constexpr int kEditId = 301;

QString displayDate(DateNumber n) {
    return QString::fromStdString(formatDateNumber(n));
}
}  // namespace

// ---- text input ----

TTextinputdlg::TTextinputdlg(QWidget* owner, const QString& caption, const QString& prompt, const QString& value,
                             int minLength, int maxLength, const QString& okCaption)
    : Tkodialog(owner), m_value(value), m_minLength(minLength), m_maxLength(std::max(1, maxLength)) {
    constexpr int kWidth = 80;
    const QString shown = prompt.isEmpty() ? caption : prompt;
    const int promptLength = static_cast<int>(std::min<qsizetype>(shown.size(), kItemTextCapacity));
    const int editLeft = std::min(promptLength + 5, 70);
    setHeader(kWidth, 12, caption);
    declareLabel(3, 2, 1, 1, shown, promptLength);
    declareEdit(editLeft, 2, 1, 2, QStringLiteral(" "), std::max(1, std::min(m_maxLength, 77 - editLeft)));
    item(2)->maxLength = m_maxLength;
    declareStandardButton(kWidth / 3, 4, dlgid::kOk, 3, okCaption);
    declareCancelButton(2 * (kWidth / 3), 4, 4);
    setCounts(1, 1, 4);
}

void TTextinputdlg::setupwindow() {
    Tkodialog::setupwindow();
    setItemText(kEditId, m_value, m_maxLength);
}

bool TTextinputdlg::canclose() {
    const QString text = getText(kEditId, m_maxLength);
    if (text.size() < m_minLength || text.size() > m_maxLength) return false;
    m_value = text;
    return true;
}

bool runTextInput(QWidget* owner, const QString& caption, const QString& prompt, QString& value, int minLength,
                  int maxLength, const QString& okCaption) {
    TTextinputdlg dialog(owner, caption, prompt, value, minLength, maxLength, okCaption);
    if (dialog.execute() != dlgid::kOk) return false;
    value = dialog.value();
    return true;
}

// ---- number input ----

Tlongintinputdlg::Tlongintinputdlg(QWidget* owner, const QString& caption, const QString& prompt, std::int32_t value,
                                   std::int32_t minimum, std::int32_t maximum, bool dateForm)
    : Tkodialog(owner), m_value(value), m_minimum(minimum), m_maximum(maximum), m_dateForm(dateForm) {
    QString title = caption;
    if (dialogOptions().showRange)
        title += QStringLiteral(" (") + QString::number(minimum) + QStringLiteral(" - ") + QString::number(maximum) +
                 QStringLiteral(")");
    setHeader(42, 10, title);
    declareLabel(3, 1, 1, 1, prompt.isEmpty() ? QStringLiteral(" ") : prompt, 20);
    declareEdit(22, 1, 1, 2, QStringLiteral(" "), 12);
    declareButtonRow(42, 4, 3);
    setCounts(1, 1, 4);
}

void Tlongintinputdlg::setupwindow() {
    Tkodialog::setupwindow();
    setItemText(kEditId, m_dateForm ? displayDate(m_value) : QString::number(m_value), 12);
    if (auto* edit = qobject_cast<QLineEdit*>(controlById(kEditId))) {
        connect(edit, &QLineEdit::returnPressed, this, [this] { pressButton(dlgid::kOk); });
        edit->setFocus();
    }
}

void Tlongintinputdlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && focusWidget() == controlById(kEditId)) {
        event->accept();
        pressButton(dlgid::kCancel);
        return;
    }
    Tkodialog::keyPressEvent(event);
}

// DD.MM.YY or DD.MM.YYYY; the unchanged display form of the current value keeps its century.
bool Tlongintinputdlg::readDate(const QString& text, std::int32_t& out) const {
    if (text == displayDate(m_value)) {
        out = m_value;
        return true;
    }
    const QDate date = parseDateText(text);
    if (!date.isValid()) return false;
    out = qDateToDateNumber(date);
    return out != 0;
}

bool Tlongintinputdlg::canclose() {
    int firstFailing = 0;
    std::int32_t v = 0;
    bool ok = false;
    if (m_dateForm) {
        const QString text = getText(kEditId, 20);
        if (readDate(text, v) && v >= m_minimum && v <= m_maximum) {
            ok = true;
        } else {
            failRange(kEditId,
                      QStringLiteral("Ganzzahl-Wert ") + text + QStringLiteral(" muß >=") + QString::number(m_minimum) +
                          QStringLiteral(" und <=") + QString::number(m_maximum) + QStringLiteral(" sein"),
                      firstFailing);
        }
    } else {
        ok = getInt32(kEditId, m_minimum, m_maximum, v, firstFailing);
    }
    if (!ok) {
        reportInputError(firstFailing, true);
        return false;
    }
    m_value = v;
    return true;
}

bool runNumberInput(QWidget* owner, const QString& caption, const QString& prompt, std::int32_t& value,
                    std::int32_t minimum, std::int32_t maximum, bool dateForm) {
    Tlongintinputdlg dialog(owner, caption, prompt, value, minimum, maximum, dateForm);
    if (dialog.execute() != dlgid::kOk) return false;
    value = dialog.value();
    return true;
}

// ---- date input ----

tdatumdlg2::tdatumdlg2(QWidget* owner, const QString& caption, DateNumber date, DateNumber limitA, DateNumber limitB)
    : Tkodialog(owner), m_value(date), m_limitA(limitA), m_limitB(limitB) {
    setHeader(60, 10, caption);
    declareLabel(3, 1, 1, 1, QStringLiteral("Datum:"), 10);
    declareItem(13, 1, kEditId, 2, 0, QString(), 1, 20, DialogItemKind::DatePicker);
    declareButtonRow(60, 4, 3);
    setCounts(1, 1, 4);
}

void tdatumdlg2::setupwindow() {
    Tkodialog::setupwindow();
    auto* picker = qobject_cast<QDateEdit*>(controlById(kEditId));
    if (!picker) return;
    const DateNumber earliest = std::min(normaliseDateNumber(m_limitA), normaliseDateNumber(m_limitB));
    const DateNumber latest = std::max(normaliseDateNumber(m_limitA), normaliseDateNumber(m_limitB));
    if (dateNumberToQDate(earliest).isValid()) picker->setMinimumDate(dateNumberToQDate(earliest));
    if (dateNumberToQDate(latest).isValid()) picker->setMaximumDate(dateNumberToQDate(latest));
    DateNumber start = m_value;
    if (!dateNumberToQDate(start).isValid()) start = qDateToDateNumber(QDate::currentDate());
    setDate(kEditId, clampDateNumber(start, m_limitA, m_limitB));
}

bool tdatumdlg2::canclose() {
    m_value = getDate(kEditId);
    return true;
}

bool runDateInput(QWidget* owner, const QString& caption, DateNumber& date, DateNumber limitA, DateNumber limitB,
                  bool report) {
    tdatumdlg2 dialog(owner, caption, date, limitA, limitB);
    if (dialog.execute() != dlgid::kOk) return false;
    const DateNumber old = date;
    date = dialog.value();
    if (report)
        showInformation(QStringLiteral("alt:") + displayDate(old) + QStringLiteral(" neu:") + displayDate(date));
    return true;
}

}  // namespace kvx
