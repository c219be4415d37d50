// Stock keeping's dialogs on Qt: tzelartdlg, owned by the main window.
#pragma once

#include "stock/stock_dialogs.h"

class QWidget;

namespace kvx {

class QtStockDialogs final : public StockDialogs {
  public:
    explicit QtStockDialogs(QWidget* owner) : m_owner(owner) {}

    bool editMyArticle(MyArticleRecord& record, const MyArticleEntryRequest& request) override;

  private:
    QWidget* m_owner;
};

}  // namespace kvx
