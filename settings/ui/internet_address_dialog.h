// tinetadrdlg "Internetadresse wählen": company, URL and the two abbreviations of an internet address.
#pragma once

#include "framework/tkodialog.h"
#include "settings/internet_address.h"

namespace kvx {

class tinetadrdlg final : public Tkodialog {
    Q_OBJECT
  public:
    static constexpr int kCompanyEdit = 301, kUrlEdit = 302, kAbbreviation1Edit = 303, kAbbreviation2Edit = 304;

    tinetadrdlg(QWidget* owner, const InternetAddress& entry);
    void setupwindow() override;
    bool canclose() override;
    const InternetAddress& result() const { return m_entry; }

  private:
    InternetAddress m_entry;
};

bool runInternetAddressDialog(QWidget* owner, InternetAddress& entry);

}  // namespace kvx
