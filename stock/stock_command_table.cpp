// Stock commands of the command table.
#include "stock/stock_command_table.h"

#include "base/command_numbers.h"
#include "stock/my_article_commands.h"
#include "stock/my_article_relink.h"

namespace kvx {

namespace {

constexpr int kMyArticlesView = 4;

// The adding and editing commands answer in simple mode instead of staying silent.
bool refusedInSimpleMode(const StockCommandContext& c) {
    if (c.session.settings().stockMode()) return false;
    c.ui.inform(kSimpleModeRefusal);
    return true;
}

void myArticlesChanged(const StockCommandContext& c) {
    c.refill.request(kMyArticlesList);
    c.window.repaint();
}

void showMyArticles(const StockCommandContext& c) {
    if (c.session.myArticleCount() == 0) {
        c.ui.inform(kNoMyArticles);
        return;
    }
    if (c.window.currentView() != kMyArticlesView)
        c.window.enterView(kMyArticlesView, menu::kMyArticles, "Meine Artikel");
    c.window.showList(kMyArticlesList, false);
    c.refill.request(kMyArticlesList);
    c.window.repaint();
}

// The entry the view-4 commands act on; nothing (after the empty-list message) when My Articles is empty.
std::optional<std::uint32_t> currentEntry(const StockCommandContext& c) {
    if (c.session.myArticleCount() == 0) {
        c.ui.inform(kNoMyArticles);
        return std::nullopt;
    }
    return std::min(c.session.currentMyArticle(), c.session.myArticleCount() - 1);
}

}  // namespace

std::optional<BookingFile> documentOfView(int view) {
    switch (view) {
        case 5:
        case 7:
            return BookingFile::Orders;
        case 8:
            return BookingFile::Demand;
        case 11:
            return BookingFile::Consumption;
        case 18:
            return BookingFile::Calculations;
        case 21:
            return BookingFile::DirectOrder;
        default:
            return std::nullopt;
    }
}

std::vector<CommandRow> stockCommandRows(const StockCommandContext& c) {
    // In simple mode these serve every view, so that they can say why they do nothing.
    const std::optional<std::vector<int>> anyViewWhenSimple = std::vector<int>{};
    std::vector<CommandRow> rows{
        {cmd::kMyArticles, true, {}, {}, [c] { showMyArticles(c); }},
        {cmd::kToMyArticles,
         false,
         {},
         {},
         [c] {
             if (refusedInSimpleMode(c)) return;
             const std::optional<ArticleNumber> article = c.currentArticle();
             if (article && addToMyArticles(c.session, c.ui, c.dialogs, *article)) myArticlesChanged(c);
         }},
        {cmd::kAskToMyArticles,
         false,
         {},
         {},
         [c] {
             if (refusedInSimpleMode(c)) return;
             const std::optional<ArticleNumber> article = c.currentArticle();
             if (article && useArticle(c.session, c.ui, c.dialogs, *article)) myArticlesChanged(c);
         }},
        {cmd::kEditMyArticle,
         false,
         {kMyArticlesView},
         anyViewWhenSimple,
         [c] {
             if (refusedInSimpleMode(c)) return;
             const std::optional<std::uint32_t> n = currentEntry(c);
             if (n && editMyArticle(c.session, c.ui, c.dialogs, *n)) myArticlesChanged(c);
         }},
        {cmd::kDatasheet,
         false,
         {kMyArticlesView},
         anyViewWhenSimple,
         [c] {
             if (refusedInSimpleMode(c)) return;
             if (const std::optional<std::uint32_t> n = currentEntry(c)) showDatasheet(c.session, c.ui, *n);
         }},
        {cmd::kInternetLink,
         false,
         {kMyArticlesView},
         anyViewWhenSimple,
         [c] {
             if (refusedInSimpleMode(c)) return;
             if (const std::optional<std::uint32_t> n = currentEntry(c)) showLink(c.session, c.ui, *n);
         }},
        {cmd::kRelinkMyArticle,
         true,
         {kMyArticlesView},
         {},
         [c] {
             if (const std::optional<std::uint32_t> n = currentEntry(c);
                 n && relinkMyArticle(c.session, c.ui, *n, c.currentArticle()))
                 myArticlesChanged(c);
         }},
        {cmd::kRemoveMyArticle,
         true,
         {kMyArticlesView},
         {},
         [c] {
             if (const std::optional<std::uint32_t> n = currentEntry(c); n && removeMyArticle(c.session, c.ui, *n))
                 myArticlesChanged(c);
         }},
    };
    for (CommandRow& r : bookingCommandRows(c)) rows.push_back(std::move(r));
    if (c.orders != nullptr)
        for (CommandRow& row : orderCommandRows(c)) rows.push_back(std::move(row));
    return rows;
}

}  // namespace kvx
