// tzelartdlg: the article entry dialog. Edits the stock data of one My Articles record on its own copy:
// minimum stock, stock, minimum order quantity, datasheet path (with "Pfad Suchen"), internet link (an
// editable drop-down of the recent links), remark and delivery time, each read back within its range.
#pragma once

#include "framework/tkodialog.h"
#include "stock/stock_dialogs.h"

namespace kvx {

class tzelartdlg final : public Tkodialog {
    Q_OBJECT
  public:
    tzelartdlg(QWidget* owner, const MyArticleRecord& record, const MyArticleEntryRequest& request);
    void setupwindow() override;
    bool canclose() override;
    // "Pfad Suchen".
    void zusatzbutton() override;
    const MyArticleRecord& result() const { return m_record; }

  private:
    MyArticleRecord m_record;
    MyArticleEntryRequest m_request;
};

// Runs the dialog; true on OK with `record` replaced.
bool runArticleEntryDialog(QWidget* owner, MyArticleRecord& record, const MyArticleEntryRequest& request);

}  // namespace kvx
