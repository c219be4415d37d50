// Order commands of the command table.
#include "stock/order_command_rows.h"

#include <algorithm>
#include <memory>

#include "base/command_numbers.h"
#include "stock/direct_order.h"
#include "stock/my_article_commands.h"
#include "stock/order_form.h"
#include "stock/stock_command_table.h"

namespace kvx {

namespace {

// The context of one command: the state behind the rows, reached through a shared pointer so that the rows
// may be copied.
struct Rows {
    StockCommandContext c;
    OrderViewState& state;

    OrderContext order() const { return {c.session, c.session.settings(), c.session.clock(), c.ui}; }
    DocumentRef current() const { return c.session.currentRef(BookingFile::Orders); }
    DocumentRef direct() const { return c.session.currentRef(BookingFile::DirectOrder); }
    bool stockMode() const { return c.session.settings().stockMode(); }

    void keepPositionValid(const BookingDocument& doc) {
        const std::size_t n = doc.validPositions();
        state.position = n == 0 ? 0 : std::min(state.position, n - 1);
    }

    // View 5: the order's page with the My Articles list beside it.
    void showOrderDocument() {
        if (c.window.currentView() != kOrderDocumentView)
            c.window.enterView(kOrderDocumentView, menu::kEditOrder, "Bestellung");
        repaintOrderDocument();
    }
    void repaintOrderDocument() {
        const DocumentRef o = current();
        keepPositionValid(o.document);
        c.window.showPageBesideList(
            orderDocumentPage(c.session, c.session.settings(), o.document, o.number, state.position, false),
            kMyArticlesList);
        c.refill.request(kMyArticlesList);
        c.window.repaint();
    }
    void showGoodsReceipt() {
        if (c.window.currentView() != kGoodsReceiptView)
            c.window.enterView(kGoodsReceiptView, menu::kGoodsReceipt, "Wareneingang");
        const DocumentRef o = current();
        keepPositionValid(o.document);
        state.page = orderDocumentPage(c.session, c.session.settings(), o.document, o.number, state.position, true);
        c.window.hideList();
        c.window.repaint();
    }
    void showOrders() {
        if (c.window.currentView() != kOrdersView) c.window.enterView(kOrdersView, menu::kOrders, "Bestellung");
        c.window.showList(kOrdersList, false);
        c.refill.request(kOrdersList);
        c.window.refreshStatusPanels();
        c.window.repaint();
    }
    void ordersChanged() {
        c.refill.request(kOrdersList);
        c.refill.request(kMyArticlesList);
        c.window.refreshStatusPanels();
        c.window.repaint();
    }
    // Leaves the current view when it is `view` (after a booking closed it).
    void close(int view) {
        if (c.window.currentView() != view) return;
        if (c.window.leaveView()) {
            // The view returned to shows the list it showed last (the catalogue with its tree).
            const int now = c.window.currentView();
            const int kind = c.window.lastListKindOf(now);
            if (kind == kNoList) {
                c.window.hideList();
            } else {
                c.window.showList(kind, now == 3);
                c.refill.request(kind);
            }
        }
        c.window.repaint();
    }
    void showForm(const BookingDocument& doc, const char* title, int menuNumber) {
        OrderContext o = order();
        const std::optional<TextPage> page = showOrderText(o, doc);
        if (!page) return;
        state.form = *page;
        if (c.window.currentView() != kOrderTextView) c.window.enterView(kOrderTextView, menuNumber, title);
        c.window.hideList();
        c.window.repaint();
    }
    void showDirectEdit() {
        if (c.window.currentView() != kEditDirectOrderView)
            c.window.enterView(kEditDirectOrderView, menu::kEditDirectOrder, "Bestellung");
        const DocumentRef d = direct();
        keepPositionValid(d.document);
        state.page = orderDocumentPage(c.session, c.session.settings(), d.document, 0, state.position, false);
        c.window.hideList();
        c.window.repaint();
    }
    // The order the form commands of view 16 and the start view act on.
    DocumentRef formOrder() const { return stockMode() ? current() : direct(); }
};

// "Pos.+" and "Pos.-" in the order document, the goods receipt and the direct order's edit view.
void stepPosition(Rows& r, void (*step)(const BookingDocument&, std::size_t&)) {
    const int view = r.c.window.currentView();
    if (view == kEditDirectOrderView) {
        step(r.direct().document, r.state.position);
        r.showDirectEdit();
        return;
    }
    step(r.current().document, r.state.position);
    if (view == kGoodsReceiptView)
        r.showGoodsReceipt();
    else
        r.repaintOrderDocument();
}

CommandRow stockRow(int number, std::vector<int> views, std::function<void()> handler) {
    return {number, true, std::move(views), std::nullopt, std::move(handler)};
}

// Numbers whose other rows (demand, consumption, calculations) serve both modes; views 5 to 7 are reached only
// in stock mode.
CommandRow anyModeRow(int number, std::vector<int> views, std::function<void()> handler) {
    return {number, false, std::move(views), std::nullopt, std::move(handler)};
}

}  // namespace

ListContent ordersList(StockSession& session, OrderViewState& state) {
    return ordersListContent(session, session.settings(), state.costCentre, state.totals);
}

void selectOrderRow(StockSession& session, UserInterface& ui, long n) {
    if (n < 0 || static_cast<unsigned long>(n) >= session.documentCount(BookingFile::Orders)) return;
    OrderContext c{session, session.settings(), session.clock(), ui};
    // A failed write-back of the order before was shown; it stays current then.
    (void)makeOrderCurrent(c, session.currentRef(BookingFile::Orders), static_cast<std::uint32_t>(n));
}

std::vector<PaintedViewSource> orderPaintedViews(OrderViewState& state) {
    std::vector<PaintedViewSource> views;
    for (int view : {kGoodsReceiptView, kEditDirectOrderView})
        views.push_back({view, [&state]() -> const TextPage& { return state.page; }, [] { return 0; }, [](int) {}});
    views.push_back(
        {kOrderTextView, [&state]() -> const TextPage& { return state.form; }, [] { return 0; }, [](int) {}});
    return views;
}

bool leaveOrderView(StockSession& session, UserInterface& ui, OrderViewState& state, int view) {
    OrderContext c{session, session.settings(), session.clock(), ui};
    const DocumentRef order = session.currentRef(BookingFile::Orders);
    if (view == kOrderDocumentView) {
        (void)leaveOrderDocument(c, order);  // a failed write was shown; the order stays changed for the next one
        return true;
    }
    if (view == kGoodsReceiptView) return leaveGoodsReceipt(c, order);
    if (view == kEditDirectOrderView || (view == kOrderTextView && !session.settings().stockMode())) {
        const DocumentRef direct = session.currentRef(BookingFile::DirectOrder);
        (void)saveDirectOrder(c, direct);  // a failure was shown; the order stays changed for the write at quit
        // Back in the form from the quantities: the form shows the new ones.
        if (view == kEditDirectOrderView)
            state.form = formPage(orderTextLines(
                buildOrderForm(session, session.settings(), direct.document, session.clock().todayNumber())));
    }
    return true;
}

std::vector<CommandRow> orderCommandRows(const StockCommandContext& context) {
    auto r = std::make_shared<Rows>(Rows{context, *context.orders});
    const std::optional<std::vector<int>> sameViews;
    const std::vector<int> positionViews{kOrderDocumentView, kGoodsReceiptView, kEditDirectOrderView};
    return {
        // ---- the orders list ----
        stockRow(cmd::kOrders, {},
                 [r] {
                     OrderContext o = r->order();
                     if (openOrders(o, r->current())) r->showOrders();
                 }),
        stockRow(cmd::kOrdersFilter, {kOrdersView},
                 [r] {
                     if (!chooseOrdersCostCentre(r->c.ui, r->state.costCentreCount ? r->state.costCentreCount() : 0,
                                                 r->state.costCentre))
                         return;
                     // A chosen cost centre is also the one the cost details start from; 0 (all) leaves that.
                     if (r->state.costCentre != 0) r->c.costCentres.select(r->state.costCentre);
                     r->ordersChanged();
                 }),
        anyModeRow(cmd::kNew, {kOrdersView, kOrderDocumentView},
                   [r] {
                       OrderContext o = r->order();
                       if (r->c.window.currentView() == kOrdersView) {
                           if (newOrder(o, r->current())) r->ordersChanged();
                           return;
                       }
                       if (r->c.session.myArticleCount() == 0) {
                           r->c.ui.inform(kNoMyArticles);
                           return;
                       }
                       const std::uint32_t record =
                           std::min(r->c.session.currentMyArticle(), r->c.session.myArticleCount() - 1);
                       if (const std::optional<std::size_t> at = addOrderPosition(o, r->current(), record)) {
                           r->state.position = *at;
                           r->repaintOrderDocument();
                       }
                   }),
        stockRow(cmd::kOrderMyArticle, {4},
                 [r] {
                     OrderContext o = r->order();
                     if (!newOrder(o, r->current())) return;
                     r->state.position = 0;
                     r->showOrderDocument();
                 }),
        stockRow(cmd::kEditOrder, {kOrdersView},
                 [r] {
                     OrderContext o = r->order();
                     const DocumentRef order = r->current();
                     if (!mayEditOrder(o, order.document, order.number)) return;
                     r->state.position = 0;
                     r->showOrderDocument();
                 }),
        stockRow(cmd::kDetails, {kOrdersView},
                 [r] {
                     OrderContext o = r->order();
                     const DocumentRef order = r->current();
                     r->c.window.showInformationPage(orderDetailsPage(o, order.document, order.number));
                 }),
        stockRow(cmd::kRecompute, {kOrdersView},
                 [r] {
                     OrderContext o = r->order();
                     recomputeOrder(o, r->current());
                     r->ordersChanged();
                 }),
        stockRow(cmd::kAutomaticOrder, {kOrdersView},
                 [r] {
                     OrderContext o = r->order();
                     r->state.position = 0;
                     const AutomaticOrderResult result =
                         automaticOrder(o, r->current(), [r] { r->showOrderDocument(); });
                     if (result == AutomaticOrderResult::Declined) r->close(kOrderDocumentView);
                     r->ordersChanged();
                 }),
        stockRow(cmd::kCheckOrdering, {4},
                 [r] {
                     OrderContext o = r->order();
                     checkOrdering(o, r->current());
                 }),
        // ---- positions ----
        {cmd::kChange, false, positionViews, sameViews,
         [r] {
             OrderContext o = r->order();
             const int view = r->c.window.currentView();
             if (view == kEditDirectOrderView) {
                 const DocumentRef d = r->direct();
                 if (d.document.validPositions() > 0 && enterOrderQuantity(o, d, r->state.position))
                     r->showDirectEdit();
                 return;
             }
             const DocumentRef order = r->current();
             if (order.document.validPositions() == 0) return;
             if (view == kGoodsReceiptView) {
                 if (enterDeliveredQuantity(o, order, r->state.position)) r->showGoodsReceipt();
             } else if (enterOrderQuantity(o, order, r->state.position)) {
                 r->repaintOrderDocument();
             }
         }},
        anyModeRow(cmd::kDeletePosition, {kOrderDocumentView, kEditDirectOrderView},
                   [r] {
                       if (r->c.window.currentView() == kEditDirectOrderView) {
                           // Marked changed; written back with the other edits when the view is left.
                           const DocumentRef d = r->direct();
                           if (d.document.validPositions() > 0 && deleteOrderPosition(r->c.ui, d, r->state.position))
                               r->showDirectEdit();
                           return;
                       }
                       if (r->current().document.validPositions() == 0) return;
                       if (deleteOrderPosition(r->c.ui, r->current(), r->state.position)) r->repaintOrderDocument();
                   }),
        {cmd::kNext, false, positionViews, sameViews, [r] { stepPosition(*r, nextPosition); }},
        {cmd::kPrevious, false, positionViews, sameViews, [r] { stepPosition(*r, previousPosition); }},
        // ---- bookings ----
        stockRow(cmd::kBookDispatch, {kOrdersView, kOrderDocumentView},
                 [r] {
                     OrderContext o = r->order();
                     if (!bookOrderOut(o, r->current())) return;
                     r->close(kOrderDocumentView);
                     r->ordersChanged();
                 }),
        stockRow(cmd::kGoodsReceipt, {kOrdersView},
                 [r] {
                     OrderContext o = r->order();
                     const ReceiptStart start = startGoodsReceipt(o, r->current());
                     if (start == ReceiptStart::OpenView) {
                         r->state.position = 0;
                         r->showGoodsReceipt();
                     } else if (start == ReceiptStart::Booked) {
                         r->ordersChanged();
                     }
                 }),
        stockRow(cmd::kBook, {kGoodsReceiptView},
                 [r] {
                     OrderContext o = r->order();
                     if (!bookGoodsReceipt(o, r->current())) return;
                     r->close(kGoodsReceiptView);
                     r->ordersChanged();
                 }),
        // ---- the form ----
        stockRow(cmd::kShowOrderText, {kOrdersView},
                 [r] { r->showForm(r->current().document, "Bestell-Text", menu::kOrderText); }),
        {cmd::kPrint,
         false,
         {kOrderTextView},
         sameViews,
         [r] {
             OrderContext o = r->order();
             const DocumentRef order = r->formOrder();
             (void)printOrder(o, order.document, order.number);  // a cancelled or failed print was shown
         }},
        {cmd::kSaveAsText,
         false,
         {kOrdersView, kOrderTextView},
         std::vector<int>{1, kOrderTextView},
         [r] {
             OrderContext o = r->order();
             const DocumentRef order = r->formOrder();
             if (!r->stockMode() && order.document.validPositions() == 0) {
                 r->c.ui.inform(kNoArticles);
                 return;
             }
             if (saveOrderText(o, *r->state.fs, order) && r->stockMode()) r->ordersChanged();
         }},
        // ---- the direct order ----
        {cmd::kOrderArticle,
         false,
         {},
         sameViews,
         [r] {
             const std::optional<ArticleNumber> article = r->c.currentArticle();
             OrderContext o = r->order();
             if (r->stockMode()) {
                 if (!article) return;
                 orderCatalogueArticle(o, r->current(), *article, [r](ArticleNumber a) {
                     return insertArticle(r->c.session, r->c.ui, r->c.dialogs, a);
                 });
                 r->c.refill.request(kMyArticlesList);
                 r->c.window.repaint();
                 return;
             }
             (void)orderArticleDirectly(o, r->c.session.catalogue(), r->direct(), article.value_or(0));
         }},
        {cmd::kDirectOrder,
         false,
         {},
         sameViews,
         [r] {
             if (r->stockMode()) return;
             OrderContext o = r->order();
             if (openDirectOrder(o, r->direct())) r->showForm(r->direct().document, "Bestellung", menu::kDirectOrder);
         }},
        {cmd::kChangeDirectOrderPosition,
         false,
         {kOrderTextView},
         sameViews,
         [r] {
             if (r->stockMode()) return;
             r->state.position = 0;
             r->showDirectEdit();
         }},
        {cmd::kResetDirectOrder,
         false,
         {kOrderTextView},
         sameViews,
         [r] {
             if (r->stockMode()) return;
             OrderContext o = r->order();
             if (resetDirectOrder(o, r->direct())) r->close(kOrderTextView);
         }},
    };
}

}  // namespace kvx
