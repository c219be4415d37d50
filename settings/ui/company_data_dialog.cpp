// The company data dialog.
#include "settings/ui/company_data_dialog.h"

#include "base/cp1252.h"

namespace kvx {

namespace {

constexpr int kWidth = 58;

struct Field {
    int id;
    const char* label;
    std::size_t capacity;
    std::string CompanyData::*text;
};
const Field kFields[TfirmainputDlg::kRows] = {
    {TfirmainputDlg::kNameEdit, "Name", SettingsRecord::kCompanyLineCapacity, &CompanyData::name},
    {TfirmainputDlg::kTownEdit, "Ort", SettingsRecord::kCompanyLineCapacity, &CompanyData::town},
    {TfirmainputDlg::kStreetEdit, "Straße", SettingsRecord::kCompanyLineCapacity, &CompanyData::street},
    {TfirmainputDlg::kPhoneEdit, "Telefon", SettingsRecord::kCompanyPhoneCapacity, &CompanyData::phone},
    {TfirmainputDlg::kEmailEdit, "Email", SettingsRecord::kCompanyLineCapacity, &CompanyData::email},
};

}  // namespace

TfirmainputDlg::TfirmainputDlg(QWidget* owner, const CompanyData& data) : Tkodialog(owner), m_data(data) {
    setHeader(kWidth, 2 * kRows + 12, QStringLiteral("Firmendaten eingeben"));
    // Its own metrics: line height + 4, half-line step (line height + 4) div 2 + 2.
    computeMetrics(4, 2);
    for (int k = 1; k <= kRows; ++k) {
        declareLabel(1, 2 * k, k, k, QString::fromUtf8(kFields[k - 1].label), 15);
        declareEdit(16, 2 * k, k, kRows + k, QStringLiteral(" "), 40);
    }
    declareButtonRow(kWidth, 2 * kRows + 4, 2 * kRows + 1);
    setCounts(kRows, kRows, 2 * kRows + 2);
}

void TfirmainputDlg::setupwindow() {
    Tkodialog::setupwindow();
    for (const Field& f : kFields)
        setItemText(f.id, QString::fromStdString(cp1252ToUtf8(m_data.*f.text)), static_cast<int>(f.capacity));
}

bool TfirmainputDlg::canclose() {
    CompanyData data;
    int firstFailing = 0;
    for (const Field& f : kFields) {
        const int capacity = static_cast<int>(f.capacity);
        const QString text = f.id == kNameEdit ? getRequiredText(f.id, capacity, capacity, firstFailing)
                                               : getText(f.id, capacity, capacity);
        data.*f.text = utf8ToCp1252(text.toStdString());
    }
    if (firstFailing != 0) {
        reportInputError(firstFailing, false);  // the focus on the name, no message
        return false;
    }
    m_data = data;
    return true;
}

bool runCompanyDataDialog(QWidget* owner, CompanyData& data) {
    TfirmainputDlg dialog(owner, data);
    if (dialog.execute() != dlgid::kOk) return false;
    data = dialog.result();
    return true;
}

}  // namespace kvx
