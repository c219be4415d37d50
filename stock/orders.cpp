// Orders: the current order, the orders list, positions, the automatic order and the document pages.
#include "stock/orders.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/money.h"
#include "stock/column_line.h"
#include "stock/position_pricing.h"

namespace kvx {

namespace {

std::string dateCell(DateNumber d) {
    return d == 0 ? std::string() : formatDateNumber(d);
}

PriceLookup lookupIn(StockSession& session) {
    return [&session](const BookingPosition& p) { return session.priceDataFor(p); };
}

// A new order in work appended to bestell.dat and made current.
bool appendNewOrder(OrderContext& c, DocumentRef order) {
    const BookingDocument fresh = BookingDocument::initialised(c.clock.todayNumber());
    const std::uint32_t n = c.session.documentCount(BookingFile::Orders);
    if (!reportWrite(c.ui, c.session.writeDocument(BookingFile::Orders, n, fresh))) return false;
    order.document = fresh;
    order.number = n;
    order.changed = false;
    return true;
}

}  // namespace

bool reportWrite(UserInterface& ui, const StockWriteResult& result) {
    if (!result.message.empty()) ui.error(result.message);
    return result.ok;
}

std::string orderStatusText(int status) {
    switch (status) {
        case 0:
            return "in Arbeit";
        case 1:
            return "erfolgt";
        case 2:
            return "WE gebucht";
    }
    return "?";
}

// ---- the current order ----

bool saveCurrentOrder(OrderContext& c, DocumentRef order) {
    if (!order.changed || order.document.directOrder != 0) return true;
    if (!reportWrite(c.ui, c.session.writeDocument(BookingFile::Orders, order.number, order.document))) return false;
    order.changed = false;
    return true;
}

bool makeOrderCurrent(OrderContext& c, DocumentRef order, std::uint32_t n) {
    if (!saveCurrentOrder(c, order)) return false;
    order.document = c.session.readOrInitialise(BookingFile::Orders, n);
    order.number = n;
    order.changed = false;
    return true;
}

bool makeLastOrderCurrent(OrderContext& c, DocumentRef order) {
    const std::uint32_t count = c.session.documentCount(BookingFile::Orders);
    return makeOrderCurrent(c, order, count == 0 ? 0 : count - 1);
}

// ---- the orders list ----

bool openOrders(OrderContext& c, DocumentRef order) {
    if (c.session.myArticleCount() == 0) {
        c.ui.inform(kNoMyArticlesToOrder);
        return false;
    }
    return makeLastOrderCurrent(c, order);
}

std::vector<ListColumn> ordersListColumns() {
    return {{"Nr", 6, true},          {"Angelegt", 10, false},   {"Best-Dat", 10, false}, {"Lief-Dat", 10, false},
            {"Positionen", 10, true}, {"Status", 12, false},     {"Kostenst.", 12, true}, {"Best-€", 10, true},
            {"Liefer-€", 10, true},   {"Speicherort", 40, false}};
}

ListContent ordersListContent(StockSession& session, const SettingsRecord& settings, std::uint16_t costCentre,
                              OrderTotals& totals) {
    const bool net = settings.netPrices();
    ListContent content;
    content.kind = kOrdersList;
    content.columns = ordersListColumns();
    totals = {};
    std::int64_t listed = 0;
    for (std::uint32_t n = session.documentCount(BookingFile::Orders); n-- > 0;) {
        const std::optional<BookingDocument> d = session.readDocument(BookingFile::Orders, n);
        if (!d) continue;
        totals.gross += d->grossOrdered;
        totals.net += d->netOrdered;
        if (costCentre != 0 && d->costCentre != costCentre) continue;
        listed += net ? d->netOrdered : d->grossOrdered;
        content.rows.push_back(
            {{std::to_string(n + 1), dateCell(d->createdDate), dateCell(d->bookedDate), dateCell(d->eventDate),
              std::to_string(d->validPositions()), orderStatusText(d->status), std::to_string(d->costCentre),
              formatMoney(net ? d->netOrdered : d->grossOrdered),
              formatMoney(net ? d->netDelivered : d->grossDelivered), cp1252ToUtf8(d->textFile)},
             n});
    }
    content.rows.push_back({{"", "Summe", "", "", "", "", "", formatMoney(listed), "", ""}, kNoOrderRow});
    return content;
}

std::string orderTotalsText(const OrderTotals& totals) {
    return "Summe Brutto: " + formatMoney(totals.gross) + " €  Netto: " + formatMoney(totals.net) + " €";
}

bool chooseOrdersCostCentre(UserInterface& ui, int costCentreCount, std::uint16_t& selected) {
    NumberRequest r;
    r.caption = "Kostenstelle eingeben(0=ALLE)";
    r.prompt = "Kostenstelle";
    r.minimum = 0;
    r.maximum = std::clamp(costCentreCount, 0, 65535);
    r.value = std::min<std::int32_t>(selected, r.maximum);
    const std::optional<std::int32_t> n = ui.askNumber(r);
    if (!n || *n < r.minimum || *n > r.maximum) return false;
    selected = static_cast<std::uint16_t>(*n);
    return true;
}

bool newOrder(OrderContext& c, DocumentRef order) {
    if (!c.ui.ask("Neue Bestellung anlegen?")) return false;
    if (!saveCurrentOrder(c, order)) return false;
    return appendNewOrder(c, order);
}

bool mayEditOrder(OrderContext& c, const BookingDocument& order, std::uint32_t number) {
    if (number >= c.session.documentCount(BookingFile::Orders)) {
        c.ui.inform(kNoOrder);
        return false;
    }
    if (order.status == 2) {
        c.ui.inform(kReceiptAlreadyBooked);
        return false;
    }
    if (order.status == 1) {
        c.ui.inform(kOrderIsOrdered);
        return false;
    }
    return true;
}

void recomputeOrder(OrderContext& c, DocumentRef order) {
    if (order.number >= c.session.documentCount(BookingFile::Orders)) {
        c.ui.inform(kNoOrder);
        return;
    }
    std::string refusal;
    if (!repriceDocument(order.document, lookupIn(c.session), PricingMode::ByQuantity, true, refusal)) {
        c.ui.inform(refusal);
        return;
    }
    order.changed = true;
    (void)saveCurrentOrder(c, order);  // a failure was shown; the order stays changed for the next write-back
}

InfoPage orderDetailsPage(OrderContext& c, const BookingDocument& order, std::uint32_t number) {
    InfoPage page;
    page.type = kInfoOrder;
    page.title = "Bestellung";
    page.page = orderDocumentPage(c.session, c.settings, order, number, BookingDocument::kMaxPositions, false);
    page.lines = static_cast<int>(order.validPositions()) + 10;
    return page;
}

// ---- positions ----

bool enterOrderQuantity(OrderContext& c, DocumentRef doc, std::size_t position) {
    BookingDocument& d = doc.document;
    if (position >= d.validPositions()) return false;
    const BookingPosition& p = d.positions[position];
    const std::optional<PriceData> prices = c.session.priceDataFor(p);
    const PriceData data = prices.value_or(PriceData{});
    const NumberRequest request = orderQuantityRequest(cp1252ToUtf8(p.name), minimumOrderQuantity(data), p.quantity);
    const std::optional<std::int32_t> answer = c.ui.askNumber(request);
    if (!answer || *answer < request.minimum || *answer > request.maximum) return false;
    auto quantity = static_cast<std::uint32_t>(*answer);
    if (const std::optional<std::uint32_t> n = cheaperQuantity(data, quantity);
        n && c.ui.ask(cheaperQuantityQuestion(*n, quantity)))
        quantity = *n;
    BookingDocument changed = d;
    changed.positions[position].quantity = static_cast<std::uint16_t>(quantity);
    if (prices) {
        std::string refusal;
        if (!pricePosition(changed, position, *prices, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal)) {
            c.ui.inform(refusal);
            return false;
        }
    }
    d = std::move(changed);
    doc.changed = true;
    return true;
}

std::optional<std::size_t> addOrderPosition(OrderContext& c, DocumentRef order, std::uint32_t record) {
    if (order.document.status != 0) {
        c.ui.inform(kOrderIsOrdered);
        return std::nullopt;
    }
    const std::optional<MyArticleRecord> r = c.session.readMyArticle(record);
    if (!r) {
        c.ui.inform(kNoArticleChosen);
        return std::nullopt;
    }
    if (r->notInCatalogue()) {
        c.ui.inform(kNotInCatalogueRefusal);
        return std::nullopt;
    }
    // Worked on a copy: a cancelled input leaves the order exactly as it was.
    BookingDocument copy = order.document;
    const std::optional<std::size_t> index =
        addMyArticlePosition(copy, static_cast<std::uint16_t>(record), *r, std::uint16_t{0});
    if (!index) {
        c.ui.inform(kNoMorePositions);
        return std::nullopt;
    }
    std::uint32_t number = order.number;
    bool changed = false;
    if (!enterOrderQuantity(c, DocumentRef{copy, number, changed}, *index)) return std::nullopt;
    order.document = std::move(copy);
    order.changed = true;
    return index;
}

bool deleteOrderPosition(UserInterface& ui, DocumentRef doc, std::size_t& position) {
    BookingDocument& d = doc.document;
    if (position >= d.validPositions()) {
        ui.inform(kNoArticles);
        return false;
    }
    if (!ui.ask("Gewählte Position löschen?")) return false;
    BookingDocument changed = d;
    if (!deletePosition(changed, position) || !updateSums(changed)) return false;
    d = std::move(changed);
    doc.changed = true;
    if (position >= d.validPositions() && position > 0) position = d.validPositions() - 1;
    return true;
}

void nextPosition(const BookingDocument& doc, std::size_t& position) {
    if (position + 1 < doc.validPositions()) ++position;
}

void previousPosition(const BookingDocument& doc, std::size_t& position) {
    if (position > 0) position = std::min(position - 1, doc.validPositions() == 0 ? 0 : doc.validPositions() - 1);
}

bool leaveOrderDocument(OrderContext& c, DocumentRef order) {
    std::string refusal;
    BookingDocument repriced = order.document;
    if (!repriceDocument(repriced, lookupIn(c.session), PricingMode::ByQuantity, false, refusal)) {
        c.ui.inform(refusal);
    } else if (!(repriced == order.document)) {
        order.document = std::move(repriced);
        order.changed = true;
    }
    return saveCurrentOrder(c, order);
}

void orderCatalogueArticle(OrderContext& c, DocumentRef order, ArticleNumber a,
                           const AddToMyArticles& addToMyArticles) {
    const std::optional<MyArticleRecord> fresh = c.session.makeRecordFor(a);
    if (!fresh) return;
    if (!c.ui.ask("Artikel " + std::to_string(a) + ":" + articleName(fresh->article()) + " verwenden?")) return;
    std::uint32_t record = 0;
    if (const std::uint32_t at = c.session.index().find(a); at != 0) {
        c.ui.inform(kArticleAlreadyPresent);
        record = at - 1;
    } else {
        const std::optional<std::uint32_t> added = addToMyArticles ? addToMyArticles(a) : std::nullopt;
        if (!added) return;
        c.ui.inform("Artikel wurde zu Meine Artikel hinzugefügt");
        record = *added;
    }
    if (!makeLastOrderCurrent(c, order)) return;
    const BookingDocument& last = order.document;
    if (c.session.documentCount(BookingFile::Orders) == 0 || last.status != 0 ||
        last.validPositions() >= BookingDocument::kMaxPositions) {
        if (!appendNewOrder(c, order)) return;
        c.ui.inform(kOrderCreated);
    }
    if (!addOrderPosition(c, order, record)) return;
    // Nothing else leaves this order from the catalogue view: it is written now.
    (void)saveCurrentOrder(c, order);  // a failure was shown; the order stays changed for the next write-back
}

// ---- automatic order ----

std::optional<OrderProposal> proposeOrder(OrderContext& c) {
    OrderProposal p;
    p.order = BookingDocument::initialised(c.clock.todayNumber());
    const std::uint32_t count = c.session.myArticleCount();
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::optional<MyArticleRecord> r = c.session.readMyArticle(n);
        // An entry the catalogue no longer has cannot be ordered.
        if (!r || r->quantityToOrder == 0 || r->notInCatalogue()) continue;
        ++p.needed;
        if (p.order.validPositions() >= BookingDocument::kMaxPositions) continue;
        const PriceData prices = PriceData::of(r->article());
        const std::uint32_t q = cheaperQuantity(prices, r->quantityToOrder).value_or(r->quantityToOrder);
        const std::optional<std::size_t> index =
            addMyArticlePosition(p.order, static_cast<std::uint16_t>(n), *r, static_cast<std::uint16_t>(q));
        std::string refusal;
        if (!index ||
            !pricePosition(p.order, *index, prices, PricedQuantity::Ordered, PricingMode::ByQuantity, refusal)) {
            c.ui.inform(refusal);
            return std::nullopt;
        }
    }
    return p;
}

AutomaticOrderResult automaticOrder(OrderContext& c, DocumentRef order, const std::function<void()>& showProposal) {
    if (!saveCurrentOrder(c, order)) return AutomaticOrderResult::Failed;
    std::optional<OrderProposal> proposal = proposeOrder(c);
    if (!proposal) return AutomaticOrderResult::Failed;
    if (proposal->needed == 0) {
        c.ui.inform(kNoOrdersNeeded);
        return AutomaticOrderResult::NoneNeeded;
    }
    // The previous order was written above: kept here, it comes back without a read that could fail.
    BookingDocument previousOrder = order.document;
    const std::uint32_t previous = order.number;
    const std::uint32_t n = c.session.documentCount(BookingFile::Orders);
    order.document = std::move(proposal->order);
    order.number = n;
    order.changed = true;
    if (showProposal) showProposal();
    const bool yes = c.ui.ask(std::to_string(proposal->needed) + " Bestellungen erforderlich. Bestellung erstellen?");
    if (yes && reportWrite(c.ui, c.session.writeDocument(BookingFile::Orders, n, order.document))) {
        order.changed = false;
        return AutomaticOrderResult::Created;
    }
    order.document = std::move(previousOrder);
    order.number = previous;
    order.changed = false;
    return yes ? AutomaticOrderResult::Failed : AutomaticOrderResult::Declined;
}

void checkOrdering(OrderContext& c, DocumentRef order) {
    if (!saveCurrentOrder(c, order)) return;
    std::uint32_t needed = 0;
    for (std::uint32_t n = 0; n < c.session.myArticleCount(); ++n) {
        const std::optional<MyArticleRecord> r = c.session.readMyArticle(n);
        if (r && r->quantityToOrder != 0) ++needed;
    }
    c.ui.inform(needed == 0 ? std::string(kNoOrdersNeeded) : std::to_string(needed) + " Bestellungen erforderlich.");
}

// ---- pages ----

std::string positionUnitPriceText(const BookingPosition& p, const std::optional<PriceData>& prices, bool net) {
    if (!prices) return formatMoney(p.unitPrice);
    const Money unit = net ? netFromGross(p.unitPrice, prices->vatKey) : p.unitPrice;
    return formatMoney(unit) + (prices->priceUnit > 1 ? "%" : "");
}

std::string positionTotalText(const BookingPosition& p, bool net) {
    return formatMoney(net ? p.netTotal : p.grossTotal);
}

namespace {

// The last two titles ("Liefer-M", "GesPreis") have 8 characters: their columns are 9 wide so that the
// titles stand apart instead of being cut or running together.
const std::vector<ColumnSpec> kDocumentColumns = {{7, true, true},    {7, true, true}, {22, false, false},
                                                  {22, false, false}, {7, true, true}, {7, true, true},
                                                  {9, true, true},    {9, true, true}};

void putLabel(TextPage& page, int line, const char* label, const std::string& value) {
    page.put(1, line, label);
    page.put(12, line, value);
}

}  // namespace

TextPage orderDocumentPage(StockSession& session, const SettingsRecord& settings, const BookingDocument& doc,
                           std::uint32_t number, std::size_t position, bool goodsReceipt) {
    const bool net = settings.netPrices();
    TextPage page;
    int line = 1;
    page.put(1, line++, std::string(goodsReceipt ? "Wareneingang " : "Bestellung ") + std::to_string(number + 1));
    if (!goodsReceipt) {
        putLabel(page, line++, "Status:", orderStatusText(doc.status));
        putLabel(page, line++, "Angelegt:", dateCell(doc.createdDate));
        if (doc.status != 0) putLabel(page, line++, "Bestellt:", dateCell(doc.bookedDate));
    }
    if (doc.status == 2) putLabel(page, line++, "Geliefert:", dateCell(doc.eventDate));
    ++line;
    const ColumnLine title = joinColumns(
        kDocumentColumns,
        {"Nr", "Art-Nr", "Name", "Beschreibung", net ? "ENetto" : "EBrutto", "Best-M", "Liefer-M", "GesPreis"});
    putColumnLine(page, line++, title);
    const std::string rule(title.text.size(), '-');
    page.put(1, line++, rule);
    for (std::size_t i = 0; i < doc.validPositions(); ++i) {
        const BookingPosition& p = doc.positions[i];
        const std::string price = positionUnitPriceText(p, session.priceDataFor(p), net);
        if (i == position) page.highlightedLine = line;
        putColumnLine(page, line++,
                      joinColumns(kDocumentColumns, {std::to_string(i + 1), std::to_string(p.catalogueNumber), p.name,
                                                     p.description, utf8ToCp1252(price), std::to_string(p.quantity),
                                                     std::to_string(p.delivered), positionTotalText(p, net)}));
    }
    page.put(1, line++, rule);
    if (doc.validPositions() > 0) {
        putColumnLine(
            page, line++,
            joinColumns(kDocumentColumns, {"", "", "BruttoSumme", "", "", "", "", formatMoney(doc.grossOrdered)}));
        putColumnLine(
            page, line++,
            joinColumns(kDocumentColumns, {"", "", "NettoSumme", "", "", "", "", formatMoney(doc.netOrdered)}));
    }
    return page;
}

bool refuseVanishedPositions(UserInterface& ui, const BookingDocument& document) {
    for (std::size_t i = 0; i < document.validPositions(); ++i) {
        const BookingPosition& p = document.positions[i];
        if (p.catalogueDirect == 0 || p.recordNumber != kNotInCatalogue) continue;
        ui.inform("Position " + std::to_string(i + 1) + " (" + cp1252ToUtf8(p.name) +
                  ") ist nicht mehr im Katalog und kann nicht bestellt werden. Bitte die Position löschen "
                  "(\"Position löschen\" unter \"Ändern\").");
        return true;
    }
    return false;
}

}  // namespace kvx
