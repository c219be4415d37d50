// The stock dialogs of the stock subsystem's port.
#include "stock/ui/qt_stock_dialogs.h"

#include "stock/ui/article_entry_dialog.h"

namespace kvx {

bool QtStockDialogs::editMyArticle(MyArticleRecord& record, const MyArticleEntryRequest& request) {
    return runArticleEntryDialog(m_owner, record, request);
}

}  // namespace kvx
