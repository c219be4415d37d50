// The internet address dialog.
#include "settings/ui/internet_address_dialog.h"

#include "base/cp1252.h"

namespace kvx {

namespace {

constexpr int kHelpContext = 120;

struct Field {
    int id;
    const char* label;
    int width;
    std::size_t capacity;
    std::string InternetAddress::*text;
};
const Field kFields[] = {
    {tinetadrdlg::kCompanyEdit, "Firma", 20, InternetAddress::kCompanyCapacity, &InternetAddress::company},
    {tinetadrdlg::kUrlEdit, "URL", 120, InternetAddress::kUrlCapacity, &InternetAddress::url},
    {tinetadrdlg::kAbbreviation1Edit, "Abk1", 20, InternetAddress::kAbbreviationCapacity,
     &InternetAddress::abbreviation1},
    {tinetadrdlg::kAbbreviation2Edit, "Abk2", 20, InternetAddress::kAbbreviationCapacity,
     &InternetAddress::abbreviation2},
};

}  // namespace

tinetadrdlg::tinetadrdlg(QWidget* owner, const InternetAddress& entry)
    : Tkodialog(owner, kHelpContext), m_entry(entry) {
    setHeader(135, 16, QStringLiteral("Internetadresse wählen"));
    computeMetrics(6, 1);
    int k = 1;
    for (const Field& f : kFields) {
        declareLabel(1, 2 * k - 1, k, k, QString::fromUtf8(f.label), 8);
        declareEdit(10, 2 * k - 1, k, 4 + k, QStringLiteral(" "), f.width);
        ++k;
    }
    declareButtonRow(135, 11, 9);
    setCounts(4, 4, 10);
}

void tinetadrdlg::setupwindow() {
    Tkodialog::setupwindow();
    for (const Field& f : kFields)
        setItemText(f.id, QString::fromStdString(cp1252ToUtf8(m_entry.*f.text)), static_cast<int>(f.capacity));
}

bool tinetadrdlg::canclose() {
    const int n = static_cast<int>(std::size(kFields));
    for (int i = 0; i < n; ++i) {
        const Field& f = kFields[i];
        const int capacity = static_cast<int>(f.capacity);
        m_entry.*f.text = utf8ToCp1252(getText(f.id, capacity, capacity).toStdString());
    }
    return true;
}

bool runInternetAddressDialog(QWidget* owner, InternetAddress& entry) {
    tinetadrdlg dialog(owner, entry);
    if (dialog.execute() != dlgid::kOk) return false;
    entry = dialog.result();
    return true;
}

}  // namespace kvx
