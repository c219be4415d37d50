// TfirmainputDlg "Firmendaten eingeben": name, town, street, telephone and e-mail of the user's company.
// The name is required: OK with an empty name puts the focus on it and keeps the dialog open.
#pragma once

#include "framework/tkodialog.h"
#include "settings/settings_record.h"

namespace kvx {

class TfirmainputDlg final : public Tkodialog {
    Q_OBJECT
  public:
    static constexpr int kNameEdit = 301, kTownEdit = 302, kStreetEdit = 303, kPhoneEdit = 304, kEmailEdit = 305;
    static constexpr int kRows = 5;

    TfirmainputDlg(QWidget* owner, const CompanyData& data);
    void setupwindow() override;
    bool canclose() override;
    const CompanyData& result() const { return m_data; }

  private:
    CompanyData m_data;
};

bool runCompanyDataDialog(QWidget* owner, CompanyData& data);

}  // namespace kvx
