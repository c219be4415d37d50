// Tkodialog: putting values into the controls, reading them back with limits and range checks, the input
// error report, and the script seam that fills controls and presses buttons by id.
#include "framework/tkodialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "framework/date_picker.h"
#include "framework/dialog_options.h"
#include "framework/messages.h"

namespace kvx {

void countTruncation();

namespace {

QString controlText(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* l = qobject_cast<const QListWidget*>(w)) return l->currentItem() ? l->currentItem()->text() : QString();
    if (auto* d = qobject_cast<const QDateEdit*>(w)) return d->date().toString(QStringLiteral("dd.MM.yyyy"));
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* t = qobject_cast<const QLabel*>(w)) return t->text();
    return QString();
}

// Trailing, then leading blanks; other white space is part of the text.
QString trimBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    qsizetype begin = 0;
    while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
    return text.mid(begin, end - begin);
}

// Optional sign and decimal digits, nothing else.
bool parseWhole(const QString& text, long long& out) {
    if (text.isEmpty()) return false;
    qsizetype i = 0;
    const bool negative = text[0] == QLatin1Char('-');
    if (negative || text[0] == QLatin1Char('+')) i = 1;
    if (i == text.size()) return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 99999999999LL) return false;
    }
    out = negative ? -value : value;
    return true;
}

QString formatReal(double v) {
    return QString::number(v, 'g', 15);
}

}  // namespace

DialogItem* Tkodialog::itemById(int id) const {
    DialogItem* found = nullptr;
    for (int r = 1; r <= m_itemCount; ++r) {
        DialogItem* it = m_block->at(r);
        if (it->id == id && it->control) found = it;  // the last match wins, as for the buttons
    }
    return found;
}

QWidget* Tkodialog::controlById(int declaredId) const {
    const DialogItem* it = itemById(declaredId);
    return it ? it->control : nullptr;
}

QComboBox* Tkodialog::comboById(int id) const {
    return qobject_cast<QComboBox*>(controlById(id));
}
QListWidget* Tkodialog::listById(int id) const {
    return qobject_cast<QListWidget*>(controlById(id));
}

void Tkodialog::setItemText(int id, const QString& text, int limit) {
    QWidget* w = controlById(id);
    QLineEdit* edit = qobject_cast<QLineEdit*>(w);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            edit = combo->lineEdit();
        } else {
            combo->setCurrentIndex(combo->findText(text));
            return;
        }
    }
    if (edit) {
        if (limit > 0) edit->setMaxLength(limit);
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    }
}

void Tkodialog::setItemNumber(int id, std::uint8_t value) {
    setItemText(id, QString::number(value), 5);
}
void Tkodialog::setItemNumber(int id, std::uint16_t value) {
    setItemText(id, QString::number(value), 5);
}
void Tkodialog::setItemNumber(int id, std::int16_t value) {
    setItemText(id, QString::number(value), 6);
}
// 11 characters: a shorter limit would cut valid 32-bit values such as long date numbers.
void Tkodialog::setItemNumber(int id, std::int32_t value) {
    setItemText(id, QString::number(value), 11);
}

bool Tkodialog::addEntry(int id, const QString& text) {
    QWidget* w = controlById(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QString entry = cutTo(text, kItemTextCapacity);
        int at = combo->count();
        if (combo->property("sorted").toBool()) {
            at = 0;
            while (at < combo->count() && QString::localeAwareCompare(combo->itemText(at), entry) <= 0) ++at;
        }
        combo->insertItem(at, entry);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->addItem(text);
        return true;
    }
    return false;
}

bool Tkodialog::setCurrentIndex(int id, int index) {
    QWidget* w = controlById(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (index < -1 || index >= combo->count()) return false;
        combo->setCurrentIndex(index);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        if (index < -1 || index >= list->count()) return false;
        list->setCurrentRow(index);
        return true;
    }
    return false;
}

int Tkodialog::selectedIndex(int id) const {
    QWidget* w = controlById(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // Typed text that matches an entry selects it, as the drop-down list would.
        if (combo->isEditable() && combo->currentIndex() >= 0 &&
            combo->itemText(combo->currentIndex()) != combo->currentText())
            return combo->findText(combo->currentText());
        return combo->currentIndex();
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) return list->currentRow();
    return -1;
}

bool Tkodialog::setChecked(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(controlById(id));
    if (!button || !button->isCheckable()) return false;
    button->setChecked(checked);
    return true;
}

bool Tkodialog::isChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(controlById(id));
    return button && button->isChecked();
}

bool Tkodialog::setDate(int id, DateNumber date) {
    auto* picker = qobject_cast<QDateEdit*>(controlById(id));
    const QDate d = dateNumberToQDate(date);
    if (!picker || !d.isValid()) return false;
    picker->setDate(d);
    return true;
}

DateNumber Tkodialog::getDate(int id) const {
    auto* picker = qobject_cast<QDateEdit*>(controlById(id));
    return picker ? qDateToDateNumber(picker->date()) : 0;
}

bool Tkodialog::setControlText(int id, const QString& text) {
    QWidget* w = controlById(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);  // the input limit cuts it as typing would stop
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            combo->setCurrentIndex(combo->findText(text));
            combo->lineEdit()->setText(text);
            return true;
        }
        return setCurrentIndex(id, combo->findText(text)) && combo->currentIndex() >= 0;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty()) return false;
        list->setCurrentItem(found.first());
        return true;
    }
    if (qobject_cast<QDateEdit*>(w)) {
        const QDate d = parseDateText(text);
        return d.isValid() && setDate(id, qDateToDateNumber(d));
    }
    return false;
}

bool Tkodialog::pressButton(int id) {
    auto* button = qobject_cast<QPushButton*>(controlById(id));
    if (!button || !button->isEnabled()) return false;
    button->click();
    return true;
}

std::vector<ControlInfo> Tkodialog::controls() const {
    std::vector<ControlInfo> out;
    for (int r = 1; r <= m_itemCount; ++r) {
        const DialogItem* it = m_block->at(r);
        if (!it->control) continue;
        ControlInfo info{it->id, it->kind, controlText(it->control)};
        if (it->kind == DialogItemKind::CheckBox || it->kind == DialogItemKind::Radio)
            info.value = isChecked(it->id) ? QStringLiteral("1") : QStringLiteral("0");
        out.push_back(info);
    }
    return out;
}

QString Tkodialog::getText(int id, int limit, int size) {
    QString text = controlText(controlById(id));
    if (limit >= 0 && text.size() > limit) {
        countTruncation();
        text.truncate(limit);
    }
    if (size >= 0 && text.size() > size) text.truncate(size);
    return trimBlanks(text);
}

QString Tkodialog::getRequiredText(int id, int limit, int size, int& firstFailingId) {
    QString text = getText(id, limit, size);
    if (text.isEmpty() && firstFailingId == 0) firstFailingId = id;
    return text;
}

bool Tkodialog::failRange(int id, const QString& message, int& firstFailingId) {
    if (firstFailingId == 0) {
        firstFailingId = id;
        m_inputError = cutTo(message, 80);
    }
    return false;
}

bool Tkodialog::getReal(int id, double minimum, double maximum, double& value, int& firstFailingId) {
    const QString text = getText(id, 20);
    bool ok = false;
    double v = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (ok && std::isfinite(v) && v >= minimum && v <= maximum) {
        value = v;
        return true;
    }
    return failRange(id,
                     QStringLiteral("Realwert ") + text + QStringLiteral(" muß >=") + formatReal(minimum) +
                         QStringLiteral(" und <=") + formatReal(maximum) + QStringLiteral(" sein"),
                     firstFailingId);
}

bool Tkodialog::readWhole(int id, long long minimum, long long maximum, long long& value, int& firstFailingId) {
    const QString text = getText(id, 20);
    long long v = 0;
    if (parseWhole(text, v) && v >= minimum && v <= maximum) {
        value = v;
        return true;
    }
    return failRange(id,
                     QStringLiteral("Ganzzahl-Wert ") + text + QStringLiteral(" muß >=") + QString::number(minimum) +
                         QStringLiteral(" und <=") + QString::number(maximum) + QStringLiteral(" sein"),
                     firstFailingId);
}

bool Tkodialog::getInt16(int id, std::int16_t minimum, std::int16_t maximum, std::int16_t& value, int& firstFailingId) {
    long long v = 0;
    if (!readWhole(id, minimum, maximum, v, firstFailingId)) return false;
    value = static_cast<std::int16_t>(v);
    return true;
}

bool Tkodialog::getUInt16(int id, std::uint16_t minimum, std::uint16_t maximum, std::uint16_t& value,
                          int& firstFailingId) {
    long long v = 0;
    if (!readWhole(id, minimum, maximum, v, firstFailingId)) return false;
    value = static_cast<std::uint16_t>(v);
    return true;
}

bool Tkodialog::getByte(int id, std::uint8_t minimum, std::uint8_t maximum, std::uint8_t& value, int& firstFailingId) {
    long long v = 0;
    if (!readWhole(id, minimum, maximum, v, firstFailingId)) return false;
    value = static_cast<std::uint8_t>(v);
    return true;
}

bool Tkodialog::getInt32(int id, std::int32_t minimum, std::int32_t maximum, std::int32_t& value, int& firstFailingId) {
    long long v = 0;
    if (!readWhole(id, minimum, maximum, v, firstFailingId)) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

void Tkodialog::reportInputError(int firstFailingId, bool showMessage) {
    if (QWidget* w = controlById(firstFailingId)) w->setFocus(Qt::OtherFocusReason);
    if (showMessage && !dialogOptions().messageBoxesSuppressed && !m_inputError.isEmpty())
        showError(QStringLiteral("Eingabefehler"), m_inputError);
    m_inputError.clear();
}

}  // namespace kvx
