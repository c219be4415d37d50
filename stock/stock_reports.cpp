// Stock history, stock value and the My Articles information page.
#include "stock/stock_reports.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/money.h"
#include "catalogue/article_pages.h"
#include "stock/cost_reports.h"
#include "stock/report_text.h"

namespace kvx {

namespace {

constexpr std::uint8_t kOrdered = 1, kBooked = 2;

// The quantities of record n in a document: ordered and delivered, all positions summed.
struct DocumentQuantities {
    std::int64_t ordered = 0, delivered = 0;
};
DocumentQuantities quantitiesOf(const BookingDocument& d, std::uint32_t n) {
    DocumentQuantities q;
    for (std::size_t i = 0; i < d.validPositions(); ++i) {
        const BookingPosition& p = d.positions[i];
        if (p.catalogueDirect != 0 || p.recordNumber != n) continue;
        q.ordered += p.quantity;
        q.delivered += p.delivered;
    }
    return q;
}

const char* kindText(HistoryKind kind) {
    switch (kind) {
        case HistoryKind::Receipt:
            return "Lieferung";
        case HistoryKind::Demand:
            return "Bedarf";
        case HistoryKind::Consumption:
            return "Verbrauch";
        case HistoryKind::Order:
            return "Bestellung";
    }
    return "";
}

}  // namespace

std::vector<HistoryEvent> historyEvents(StockSession& session, std::uint32_t n) {
    std::vector<HistoryEvent> events;
    auto add = [&](DateNumber date, HistoryKind kind, std::uint32_t doc, int centre, std::int64_t q) {
        if (date != 0 && q != 0) events.push_back({date, kind, doc, centre, q});
    };
    for (std::uint32_t k = 0; k < session.documentCount(BookingFile::Orders); ++k) {
        const std::optional<BookingDocument> d = session.readDocument(BookingFile::Orders, k);
        if (!d || d->directOrder != 0) continue;
        const DocumentQuantities q = quantitiesOf(*d, n);
        if (d->status == kBooked) add(d->eventDate, HistoryKind::Receipt, k, -1, q.delivered);
        if (d->status == kOrdered || d->status == kBooked) add(d->bookedDate, HistoryKind::Order, k, -1, q.ordered);
    }
    for (std::uint32_t k = 0; k < session.documentCount(BookingFile::Demand); ++k) {
        const std::optional<BookingDocument> d = session.readDocument(BookingFile::Demand, k);
        if (d && d->status == kBooked)
            add(d->bookedDate, HistoryKind::Demand, k, d->costCentre, quantitiesOf(*d, n).ordered);
    }
    for (std::uint32_t k = 0; k < session.documentCount(BookingFile::Consumption); ++k) {
        const std::optional<BookingDocument> d = session.readDocument(BookingFile::Consumption, k);
        if (d && d->status == kBooked)
            add(d->eventDate, HistoryKind::Consumption, k, d->costCentre, quantitiesOf(*d, n).ordered);
    }
    // Dates compare as calendar days, whichever of the two stored forms a date has.
    auto day = [](DateNumber d) {
        const CalendarDate c = decodeDate(d);
        return std::int64_t{c.year} * 10000 + c.month * 100 + c.day;
    };
    std::stable_sort(events.begin(), events.end(), [&](const HistoryEvent& a, const HistoryEvent& b) {
        if (day(a.date) != day(b.date)) return day(a.date) > day(b.date);
        if (a.kind != b.kind) return a.kind < b.kind;
        return a.document > b.document;
    });
    return events;
}

TextPage stockHistoryPage(StockSession& session, const CostCentres& centres, const Clock& clock, std::uint32_t n) {
    const std::optional<MyArticleRecord> r = session.readMyArticle(n);
    if (!r) return missingMyArticlePage(static_cast<int>(n));
    const std::vector<ListColumn> columns = {{"Datum", 10, false}, {"Art", 13, false},   {"Kst-St.", 9, false},
                                             {"Menge", 9, true},   {"Bestand", 9, true}, {"Bedarf", 9, true}};
    TextPage page;
    int line = 1;
    page.put(1, line++,
             "Artikel " + std::to_string(n + 1) + ": (ArtNr.:" + std::to_string(r->articleNumber) + ") " +
                 articleName(r->article()));
    putTitleRow(page, 1, line++, columns);
    std::int64_t stock = r->stock, demand = r->demand;
    putRow(page, 1, line++, columns,
           {dateText(clock.todayNumber()), "", "", "", std::to_string(stock), std::to_string(demand)});
    for (const HistoryEvent& e : historyEvents(session, n)) {
        const std::string centre = e.costCentre >= 0 ? cp1252ToUtf8(centres.name(e.costCentre)) : std::string();
        putRow(page, 1, line++, columns,
               {dateText(e.date), std::string(kindText(e.kind)) + " " + std::to_string(e.document + 1), centre,
                std::to_string(e.quantity), std::to_string(stock), std::to_string(demand)});
        switch (e.kind) {
            case HistoryKind::Receipt:
                stock -= e.quantity;
                demand += e.quantity;
                break;
            case HistoryKind::Demand:
                demand -= e.quantity;
                break;
            case HistoryKind::Consumption:
                stock += e.quantity;
                demand += e.quantity;
                break;
            case HistoryKind::Order:
                break;
        }
    }
    ++line;
    page.put(1, line, kHistoryDemandNote);
    return page;
}

StockValue stockValue(StockSession& session, const GroupTables& groups) {
    StockValue v;
    const int mains = groups.mainCount();
    v.groups.resize(static_cast<std::size_t>(mains) + 1);
    for (int g = 0; g <= mains; ++g) v.groups[static_cast<std::size_t>(g)].group = g;
    for (std::uint32_t n = 0; n < session.myArticleCount(); ++n) {
        const std::optional<MyArticleRecord> r = session.readMyArticle(n);
        if (!r || r->stock < 1) continue;
        // An entry the catalogue no longer has keeps group numbers that now belong to other groups.
        const bool gone = r->notInCatalogue();
        if (!gone && (r->mainGroup < 1 || r->mainGroup > mains)) continue;
        StockValueGroup& g = v.groups[gone ? 0 : r->mainGroup];
        const std::int64_t gross = valueAtListPrice(*r, r->stock);
        const std::int64_t net = netFromGross64(gross, r->article().schlumwst);
        ++g.articles;
        g.pieces += r->stock;
        g.gross += gross;
        g.net += net;
        v.grossTotal += gross;
        v.netTotal += net;
    }
    return v;
}

TextPage stockValuePage(StockSession& session, const GroupTables& groups, const Clock& clock) {
    const StockValue v = stockValue(session, groups);
    const std::vector<ListColumn> columns = {{"Gruppe", 20, false},
                                             {"Posit.", 10, true},
                                             {"Artikel", 10, true},
                                             {"Brutto(€)", 10, true},
                                             {"Netto(€)", 10, true}};
    TextPage page;
    int line = 1;
    page.put(1, line++, "Waren-Bestand per " + formatDateNumber(clock.todayNumber()));
    ++line;
    putTitleRow(page, 1, line++, columns);
    page.put(1, line++, ruleFor(columns));
    for (std::size_t g = 1; g < v.groups.size(); ++g) {
        const StockValueGroup& row = v.groups[g];
        if (row.articles == 0) continue;
        putRow(page, 1, line++, columns,
               {std::to_string(g) + " " + cp1252ToUtf8(groups.mainGroupName(static_cast<int>(g))),
                std::to_string(row.articles), std::to_string(row.pieces), amountText(row.gross), amountText(row.net)});
    }
    if (const StockValueGroup& gone = v.groups[0]; gone.articles > 0) {
        putRow(page, 1, line++, columns,
               {"— Nicht im Katalog", std::to_string(gone.articles), std::to_string(gone.pieces),
                amountText(gone.gross), amountText(gone.net)});
    }
    page.put(1, line++, ruleFor(columns));
    const std::vector<ListColumn> total = {{"", 20, false}, {"", 20, false}, {"", 10, true}, {"", 10, true}};
    putRow(page, 1, line, total, {"Summe ", "", amountText(v.grossTotal), amountText(v.netTotal)});
    return page;
}

bool saveStockValueAsText(StockSession& session, FileSystem& fs, const GroupTables& groups, const Clock& clock,
                          const SettingsRecord& settings, UserInterface& ui) {
    FileRequest request;
    request.save = true;
    request.title = "Daten als Text speichern";
    request.path = cp1252ToUtf8(settings.textFolder()) + "Warenbestand.TXT";
    request.suffixes = {".TXT"};
    return savePageAsText(fs, ui, request, stockValuePage(session, groups, clock));
}

TextPage myArticleInfoPage(StockSession& session, const GroupTables& groups, std::uint32_t n) {
    const std::optional<MyArticleRecord> r = session.readMyArticle(n);
    if (!r) return missingMyArticlePage(static_cast<int>(n));
    MyArticlePageValues v;
    v.entryIndex = static_cast<int>(n);
    v.articleNumber = r->articleNumber;
    // Not in the catalogue: its group number belongs to another group now.
    v.productGroup = r->notInCatalogue() ? 0 : r->goodsGroup;
    v.copy = r->article();
    v.minStock = r->minimumStock;
    v.minOrderQuantity = r->minimumOrderQuantity;
    v.datasheet = cp1252ToUtf8(r->datasheet);
    v.link = cp1252ToUtf8(r->link);
    v.remark = cp1252ToUtf8(r->remark);
    v.stock = r->stock;
    v.demand = r->demand;
    v.onOrder = r->onOrder;
    v.toOrder = r->quantityToOrder;
    return myArticlePage(groups, v);
}

}  // namespace kvx
