// Cost centre overview and cost details.
#include "stock/cost_reports.h"

#include "base/cp1252.h"
#include "base/money.h"
#include "stock/report_text.h"

namespace kvx {

CostCentreSums costCentreSums(StockSession& session) {
    CostCentreSums sums;
    for (BookingFile file : {BookingFile::Demand, BookingFile::Consumption}) {
        auto& table = file == BookingFile::Demand ? sums.demand : sums.consumption;
        for (std::uint32_t n = 0; n < session.documentCount(file); ++n)
            if (const std::optional<BookingDocument> d = session.readDocument(file, n))
                table[d->costCentre] += d->grossOrdered;
    }
    return sums;
}

ListContent costCentreOverview(StockSession& session, const CostCentres& centres, const SettingsRecord& settings) {
    const CostCentreSums sums = costCentreSums(session);
    ListContent list;
    list.kind = kCostOverviewList;
    list.columns = {
        {"Kostenstelle", 22, false}, {"Status", 8, false}, {"Brt-Bedarf(€)", 14, true}, {"Brt-Verbrauch(€)", 14, true}};
    std::map<int, std::pair<std::int64_t, std::int64_t>> rows;
    for (const auto& [c, v] : sums.demand) rows[c].first = v;
    for (const auto& [c, v] : sums.consumption) rows[c].second = v;
    std::int64_t demandTotal = 0, consumptionTotal = 0;
    for (const auto& [c, v] : rows) {
        if (v.first <= 0 && v.second <= 0) continue;
        demandTotal += v.first;
        consumptionTotal += v.second;
        if (c == centres.selected()) list.selectedRow = static_cast<int>(list.rows.size());
        list.rows.push_back({{cp1252ToUtf8(centres.label(c)), costCentreStateText(centres.isActive(c, settings)),
                              amountText(v.first), amountText(v.second)},
                             static_cast<std::uint32_t>(c)});
    }
    list.rows.push_back({{"Summe", "", amountText(demandTotal), amountText(consumptionTotal)}, kNoCostCentreRow});
    return list;
}

ArticleQuantities articleQuantities(StockSession& session, int centre) {
    ArticleQuantities q;
    const std::uint32_t records = session.myArticleCount();
    q.planned.assign(records, 0);
    q.actual.assign(records, 0);
    for (BookingFile file : {BookingFile::Demand, BookingFile::Consumption}) {
        auto& table = file == BookingFile::Demand ? q.planned : q.actual;
        for (std::uint32_t n = 0; n < session.documentCount(file); ++n) {
            const std::optional<BookingDocument> d = session.readDocument(file, n);
            if (!d || d->costCentre != centre) continue;
            for (std::size_t i = 0; i < d->validPositions(); ++i) {
                const BookingPosition& p = d->positions[i];
                if (p.catalogueDirect == 0 && p.recordNumber < records) table[p.recordNumber] += p.quantity;
            }
        }
    }
    return q;
}

Money recordListPrice(const MyArticleRecord& record) {
    const CatalogueArticle a = record.article();
    const int k = record.priceBreakIndex >= 1 && record.priceBreakIndex <= 6 ? record.priceBreakIndex : 1;
    return a.prices[static_cast<std::size_t>(k - 1)];
}

std::int64_t valueAtListPrice(const MyArticleRecord& record, std::int64_t quantity) {
    const CatalogueArticle a = record.article();
    std::int64_t value = quantity * recordListPrice(record);
    if (a.stkvpe > 1) value /= 100;
    return value;
}

TextPage costDetailsPage(StockSession& session, const CostCentres& centres, const SettingsRecord& settings) {
    const int c = centres.selected();
    const ArticleQuantities q = articleQuantities(session, c);
    const bool net = settings.netPrices();
    const std::vector<ListColumn> columns = {
        {"Nr", 7, true},     {"Art-Nr", 7, true}, {"Name", 15, false}, {"Beschreibung", 22, false},
        {"Plan-M", 7, true}, {"Ist-M", 7, true},  {"Plan-€", 7, true}, {"Ist-€", 7, true}};
    TextPage page;
    int line = 3;
    putTitleRow(page, 1, line++, columns);
    int count = 0;
    std::int64_t plannedGross = 0, actualGross = 0;
    for (std::uint32_t n = 0; n < q.planned.size(); ++n) {
        if (q.planned[n] <= 0 && q.actual[n] <= 0) continue;
        const std::optional<MyArticleRecord> r = session.readMyArticle(n);
        if (!r) continue;
        ++count;
        const CatalogueArticle a = r->article();
        const std::int64_t planned = valueAtListPrice(*r, q.planned[n]);
        const std::int64_t actual = valueAtListPrice(*r, q.actual[n]);
        plannedGross += planned;
        actualGross += actual;
        auto shown = [&](std::int64_t gross) { return amountText(net ? netFromGross64(gross, a.schlumwst) : gross); };
        putRow(page, 1, line++, columns,
               {std::to_string(n + 1), std::to_string(r->articleNumber), articleName(a), descriptionText(a),
                std::to_string(q.planned[n]), std::to_string(q.actual[n]), shown(planned), shown(actual)});
    }
    page.put(1, 1, "Kostenstelle " + cp1252ToUtf8(centres.label(c)) + "  Positionen:" + std::to_string(count));
    if (count > 0) {
        putRow(page, 1, line++, columns,
               {"", "", "Summe", "", "", "", amountText(plannedGross), amountText(actualGross)});
    }
    return page;
}

void stepCostCentre(CostCentres& centres, int step) {
    centres.select(std::clamp(centres.selected() + step, 0, centres.last()));
}

bool chooseDetailsCostCentre(CostCentres& centres, const SettingsRecord& settings, UserInterface& ui) {
    const std::optional<int> c = chooseCostCentre(centres, settings, ui, "Details", centres.selected(), false);
    if (!c) return false;
    centres.select(*c);
    return true;
}

}  // namespace kvx
