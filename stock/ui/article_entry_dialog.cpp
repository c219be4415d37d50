// The article entry dialog.
#include "stock/ui/article_entry_dialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

#include "base/cp1252.h"
#include "base/short_string.h"
#include "framework/system_dialogs.h"

namespace kvx {

namespace {

constexpr int kFields = 8;
constexpr int kMinimumStock = 1, kStock = 2, kMinimumOrder = 3, kDatasheet = 4, kSearchPath = 5, kLink = 6, kRemark = 7,
              kDeliveryTime = 8;
constexpr int kLabelColumn = 1, kLabelWidth = 15, kInputColumn = 18;
constexpr int kLinkLines = 21;  // the recent links and one more

QString fromCp(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}
std::string toCp(const QString& s, std::size_t capacity) {
    return cutText(utf8ToCp1252(s.toStdString()), capacity);
}

}  // namespace

tzelartdlg::tzelartdlg(QWidget* owner, const MyArticleRecord& record, const MyArticleEntryRequest& request)
    : Tkodialog(owner), m_record(record), m_request(request) {
    setHeader(82, 21, QString::fromStdString(request.caption));
    computeMetrics(6, 1);
    struct Row {
        int k;
        const char* label;
        DialogItemKind kind;
        int width;
        const char* hint;
    };
    const Row rows[] = {
        {kMinimumStock, "Min.Bestand", DialogItemKind::Edit, 10, "Den Minimalbestand des Artikels eingeben."},
        {kStock, "Bestand", DialogItemKind::Edit, 10, "Den aktuellen Bestand des Artikels eingeben."},
        {kMinimumOrder, "min.Best-Menge", DialogItemKind::Edit, 10, "Die minimale Bestellmenge eingeben."},
        {kDatasheet, "Datenblatt", DialogItemKind::Edit, 60, nullptr},
        {kLink, "Internet", DialogItemKind::Combo, 60, "Internetlink eingeben."},
        {kRemark, "Anmerkung", DialogItemKind::Edit, 60, "Anmerkung zu diesem Artikel eingeben."},
        {kDeliveryTime, "Lieferzeit(Tage)", DialogItemKind::Edit, 10, "Lieferzeit zu diesem Artikel eingeben."},
    };
    for (const Row& r : rows) {
        const int top = 2 * r.k - 1;
        declareLabel(kLabelColumn, top, r.k, r.k, QString::fromUtf8(r.label), kLabelWidth);
        if (r.kind == DialogItemKind::Combo)
            declareEditableCombo(kInputColumn, top, r.k, kFields + r.k, kLinkLines, r.width);
        else
            declareEdit(kInputColumn, top, r.k, kFields + r.k, QStringLiteral(" "), r.width);
        if (r.hint != nullptr) {
            item(r.k)->hint = QString::fromUtf8(r.hint);
            item(kFields + r.k)->hint = QString::fromUtf8(r.hint);
        }
    }
    declareButton(kInputColumn, 2 * kSearchPath - 1, dlgid::kExtra, kFields + kSearchPath,
                  QStringLiteral("Pfad Suchen"), 14, 1);
    declareButtonRow(82, 17, 2 * kFields + 1);
    setCounts(kFields, kFields, 2 * kFields + 2);
}

void tzelartdlg::setupwindow() {
    Tkodialog::setupwindow();
    setItemNumber(dlgid::controlId(kMinimumStock), m_record.minimumStock);
    setItemNumber(dlgid::controlId(kStock), m_record.stock);
    setItemNumber(dlgid::controlId(kMinimumOrder), m_record.minimumOrderQuantity);
    setItemText(dlgid::controlId(kDatasheet), fromCp(m_record.datasheet),
                static_cast<int>(MyArticleRecord::kPathCapacity));
    const int link = dlgid::controlId(kLink);
    for (const std::string& line : m_request.links) addEntry(link, QString::fromStdString(line));
    if (QComboBox* combo = comboById(link)) {
        combo->setCurrentIndex(m_request.selectedLink);
        if (combo->lineEdit() != nullptr)
            combo->lineEdit()->setMaxLength(static_cast<int>(MyArticleRecord::kLinkCapacity));
    }
    setItemText(dlgid::controlId(kRemark), fromCp(m_record.remark), static_cast<int>(MyArticleRecord::kRemarkCapacity));
    setItemNumber(dlgid::controlId(kDeliveryTime), m_record.deliveryTime);
}

bool tzelartdlg::canclose() {
    int firstFailing = 0;
    MyArticleRecord r = m_record;
    (void)getUInt16(dlgid::controlId(kMinimumStock), 0, MyArticleRecord::kMaxMinimumStock, r.minimumStock,
                    firstFailing);
    (void)getInt16(dlgid::controlId(kStock), MyArticleRecord::kMinStock, MyArticleRecord::kMaxStock, r.stock,
                   firstFailing);
    (void)getUInt16(dlgid::controlId(kMinimumOrder), 0, MyArticleRecord::kMaxMinimumOrder, r.minimumOrderQuantity,
                    firstFailing);
    r.datasheet =
        toCp(getText(dlgid::controlId(kDatasheet), MyArticleRecord::kPathCapacity), MyArticleRecord::kPathCapacity);
    r.link = toCp(getText(dlgid::controlId(kLink), MyArticleRecord::kLinkCapacity), MyArticleRecord::kLinkCapacity);
    r.remark =
        toCp(getText(dlgid::controlId(kRemark), MyArticleRecord::kRemarkCapacity), MyArticleRecord::kRemarkCapacity);
    (void)getByte(dlgid::controlId(kDeliveryTime), 0, MyArticleRecord::kMaxDeliveryTime, r.deliveryTime, firstFailing);
    // The failing item is marked and reported; nothing is taken over.
    if (firstFailing != 0) {
        reportInputError(firstFailing, true);
        return false;
    }
    m_record = r;
    return true;
}

void tzelartdlg::zusatzbutton() {
    const int id = dlgid::controlId(kDatasheet);
    const QString current = getText(id, static_cast<int>(MyArticleRecord::kPathCapacity));
    QString start = QString::fromStdString(m_request.datasheetFolder);
    if (!current.isEmpty()) start = QFileInfo(current).path();
    const std::optional<QString> chosen = chooseFileChecked(false, QStringLiteral("Datenblatt suchen"), start, {});
    if (!chosen) return;
    setItemText(id, chosen->left(static_cast<int>(MyArticleRecord::kPathCapacity)),
                static_cast<int>(MyArticleRecord::kPathCapacity));
}

bool runArticleEntryDialog(QWidget* owner, MyArticleRecord& record, const MyArticleEntryRequest& request) {
    tzelartdlg dialog(owner, record, request);
    if (dialog.execute() != dlgid::kOk) return false;
    record = dialog.result();
    return true;
}

}  // namespace kvx
