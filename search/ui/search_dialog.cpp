// The search dialog.
#include "search/ui/search_dialog.h"

#include <QComboBox>

#include "base/cp1252.h"
#include "framework/messages.h"

namespace kvx {

namespace {

constexpr int kFields = 53;
constexpr int kComboLines = 20;
constexpr int kDimensionField = 52;
constexpr int kNameField = 53;
constexpr double kMaxBound = 40000;

QString fromCp(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}
std::string toCp(const QString& s) {
    return utf8ToCp1252(s.toStdString());
}

// At most two decimals, trailing zeros and then a trailing point removed.
QString boundText(double v) {
    QString s = QString::number(v, 'f', 2);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s;
}

const QString kWordHint =
    QStringLiteral("Der Vergleich erfolgt nach Löschen der Leerzeichen und Umwandlung in Grossbuchstaben");

}  // namespace

tzelsuchdlg::tzelsuchdlg(QWidget* owner, const SearchParameterSet& set, SearchDialogContext& context)
    : Tkodialog(owner), m_set(set), m_context(context) {
    setHeader(120, 32, (QStringLiteral("Suchparameter ") + QString::number(context.slotNumber)).left(54));
    computeMetrics(5, 5);
    declareLabel(1, 1, 1, 1, QStringLiteral("Textsuche:"), 8);
    for (int r = 1; r <= 3; ++r) declareTextCriterion(r);
    declareLabel(1, 9, 11, 11, QStringLiteral("Wertsuche:"), 15);
    for (int r = 1; r <= 4; ++r) {
        declareNumericAlternative(r, 1);
        declareNumericAlternative(r, 2);
    }
    declareCheckBox(5, 19, kDimensionField, kFields + kDimensionField, QStringLiteral("Maße suchen"), 20);
    const QString nameHint = QStringLiteral("Dieser Wert wird beim Laden in der Kriteriumsliste angezeigt");
    declareLabel(1, 21, kNameField, kNameField, QStringLiteral("Kriterium-Name"), 15);
    item(kNameField)->hint = nameHint;
    declareEdit(18, 21, kNameField, kFields + kNameField, QStringLiteral(" "), 20);
    item(kFields + kNameField)->hint = nameHint;
    declareButtonRow(120, 25, 2 * kFields + 1);
    setCounts(kFields, kFields, 2 * kFields + 2);
}

void tzelsuchdlg::declareTextCriterion(int r) {
    const int k = 3 * r - 1;
    const int top = 2 * r + 1;
    declareCheckBox(1, top, k, kFields + k, QStringLiteral("Benu"), 8);
    item(kFields + k)->hint = QStringLiteral("Dieses Suchkriterium verwenden");
    declareLabel(11, top, k + 1, k + 1, QStringLiteral("Enthält"), 8);
    declareEditableCombo(21, top, k + 1, kFields + k + 1, kComboLines, 20);
    item(kFields + k + 1)->hint = kWordHint;
    declareLabel(43, top, k + 2, k + 2, QStringLiteral("oder"), 8);
    declareEditableCombo(53, top, k + 2, kFields + k + 2, kComboLines, 20);
    item(kFields + k + 2)->hint = kWordHint;
}

void tzelsuchdlg::declareNumericAlternative(int r, int a) {
    const int k0 = numericField(r, a);
    const int top = 2 * r + 9;
    // The second alternative repeats the first further right: its boxes by 52 cells, the rest by 56.
    const int boxShift = a == 1 ? 0 : 52;
    const int shift = a == 1 ? 0 : 56;
    declareCheckBox(1 + boxShift, top, k0, kFields + k0, QStringLiteral("Benu"), 6);
    item(kFields + k0)->hint = QStringLiteral("Dieses numerische Suchkriterium verwenden");
    declareCheckBox(8 + boxShift, top, k0 + 1, kFields + k0 + 1, QStringLiteral("Muss"), 6);
    item(kFields + k0 + 1)->hint = QStringLiteral(
        "Wenn dieser Eintrag markiert ist, muss der Artikel einen numerischen Wert mit der gewählten Einheit "
        "enthalten, der im angegebenen Wertebereich liegt. Sonst darf der Artikel keinen numerischen Wert "
        "ausserhalb des angegebenen Wertebereich haben");
    declareLabel(15 + shift, top, k0 + 2, k0 + 2, a == 1 ? QStringLiteral(" von") : QStringLiteral("oder von"), 6);
    declareEdit(22 + shift, top, k0 + 2, kFields + k0 + 2, QStringLiteral(" "), 7);
    item(kFields + k0 + 2)->hint = QStringLiteral("Untergrenze des Wertebereichs");
    declareLabel(30 + shift, top, k0 + 3, k0 + 3, QStringLiteral("   bis"), 6);
    declareEdit(37 + shift, top, k0 + 3, kFields + k0 + 3, QStringLiteral(" "), 7);
    item(kFields + k0 + 3)->hint = QStringLiteral("Obergrenze des Wertebereichs; 0=unendlich");
    declareEditableCombo(45 + shift, top, k0 + 4, kFields + k0 + 4, kComboLines, 7);
    item(kFields + k0 + 4)->hint = QStringLiteral("Einheit wählen");
}

void tzelsuchdlg::fillCombo(int k, const std::string& value, const std::vector<std::string>& history) {
    const int id = dlgid::controlId(k);
    int selected = 0;
    const auto it = std::find(history.begin(), history.end(), value);
    if (it != history.end())
        selected = static_cast<int>(it - history.begin());
    else
        addEntry(id, fromCp(value));
    for (const std::string& entry : history) addEntry(id, fromCp(entry));
    if (QComboBox* combo = comboById(id)) combo->setCurrentIndex(selected);
}

void tzelsuchdlg::setupwindow() {
    Tkodialog::setupwindow();
    for (int r = 1; r <= 3; ++r) {
        const int k = 3 * r - 1;
        const TextCriterion& t = m_set.text[static_cast<std::size_t>(r - 1)];
        setChecked(dlgid::controlId(k), t.inUse);
        fillCombo(k + 1, t.word1, m_context.words);
        fillCombo(k + 2, t.word2, m_context.words);
    }
    for (int r = 1; r <= 4; ++r) {
        for (int a = 1; a <= 2; ++a) {
            const int k0 = numericField(r, a);
            const NumericAlternative& alt =
                m_set.numeric[static_cast<std::size_t>(r - 1)].alternatives[static_cast<std::size_t>(a - 1)];
            setChecked(dlgid::controlId(k0), alt.inUse);
            setChecked(dlgid::controlId(k0 + 1), alt.must);
            setItemText(dlgid::controlId(k0 + 2), boundText(alt.lowerValue()), 20);
            setItemText(dlgid::controlId(k0 + 3), boundText(alt.upperValue()), 20);
            fillCombo(k0 + 4, alt.unit, m_context.units);
        }
    }
    setChecked(dlgid::controlId(kDimensionField), m_set.dimensionSearch);
    setItemText(dlgid::controlId(kNameField), fromCp(m_set.name), 40);
}

bool tzelsuchdlg::canclose() {
    int firstFailing = 0;
    SearchParameterSet set = m_set;
    auto putWord = [this](const std::string& w) {
        if (m_context.putWord && !w.empty()) m_context.putWord(w);
    };
    for (int r = 1; r <= 3; ++r) {
        const int k = 3 * r - 1;
        TextCriterion& t = set.text[static_cast<std::size_t>(r - 1)];
        t.inUse = t.inUseCopy = isChecked(dlgid::controlId(k));
        t.word1 = toCp(getText(dlgid::controlId(k + 1), 20, 10));
        putWord(t.word1);
        t.word2 = toCp(getText(dlgid::controlId(k + 2), 20, 10));
        putWord(t.word2);
    }
    for (int r = 1; r <= 4; ++r) {
        for (int a = 1; a <= 2; ++a) {
            const int k0 = numericField(r, a);
            NumericAlternative& alt =
                set.numeric[static_cast<std::size_t>(r - 1)].alternatives[static_cast<std::size_t>(a - 1)];
            alt.inUse = isChecked(dlgid::controlId(k0));
            alt.must = isChecked(dlgid::controlId(k0 + 1));
            if (alt.inUse) {
                // Bounds of an alternative not in use keep their values whatever the edits show.
                double lower = 0, upper = 0;
                if (getReal(dlgid::controlId(k0 + 2), 0, kMaxBound, lower, firstFailing))
                    alt.lower = doubleToReal48(lower);
                if (getReal(dlgid::controlId(k0 + 3), 0, kMaxBound, upper, firstFailing))
                    alt.upper = doubleToReal48(upper);
            }
            alt.unit = cp1252UpperCase(toCp(getText(dlgid::controlId(k0 + 4), 10, 10)));
            if (!alt.unit.empty() && m_context.putUnit) m_context.putUnit(alt.unit);
        }
    }
    set.dimensionSearch = isChecked(dlgid::controlId(kDimensionField));
    set.name = toCp(getText(dlgid::controlId(kNameField), 40, 40));
    if (firstFailing != 0) {
        reportInputError(firstFailing, false);
        showError(QStringLiteral("FEHLER"), QStringLiteral("errid=") + QString::number(firstFailing));
        return false;
    }
    m_set = set;
    return true;
}

bool runSearchDialog(QWidget* owner, SearchParameterSet& set, SearchDialogContext& context) {
    tzelsuchdlg dialog(owner, set, context);
    if (dialog.execute() != dlgid::kOk) return false;
    set = dialog.result();
    return true;
}

}  // namespace kvx
