// Stock keeping's own dialogs, as its operations ask for them. stock/ui implements them with tzelartdlg;
// core tests answer them from a queue.
#pragma once

#include <string>
#include <vector>

#include "stock/my_article_record.h"

namespace kvx {

// What the article entry dialog shows beside the record (texts UTF-8).
struct MyArticleEntryRequest {
    std::string caption;             // the article name
    std::vector<std::string> links;  // the lines of the link drop-down list
    int selectedLink = 0;            // 0-based, the entry shown in the field
    std::string datasheetFolder;     // where "Pfad Suchen" starts
};

class StockDialogs {
  public:
    virtual ~StockDialogs() = default;

    // The article entry dialog (tzelartdlg) on a copy of `record`: minimum stock, stock, minimum order
    // quantity, datasheet path, link, remark and delivery time, each read back within its range. True on OK
    // with the fields replaced (texts Windows-1252, cut to their capacity); false on cancel, `record` as it was.
    virtual bool editMyArticle(MyArticleRecord& record, const MyArticleEntryRequest& request) = 0;
};

}  // namespace kvx
