// Document pages.
#include "stock/document_page.h"

#include "base/cp1252.h"
#include "stock/report_text.h"

namespace kvx {

namespace {

constexpr int kValueColumn = 16;
constexpr int kSumLabelWidth = 65;

const std::vector<ListColumn>& positionColumns() {
    static const std::vector<ListColumn> columns = {
        {"Nr", 7, true},    {"Art-Nr", 7, true},    {"Name", 22, false},   {"Beschreibung", 22, false},
        {"Menge", 7, true}, {"Brutto-€", 10, true}, {"Netto-€", 10, true}, {"PrGrp", 6, true}};
    return columns;
}

const std::vector<ListColumn>& projectColumns() {
    static const std::vector<ListColumn> columns = [] {
        std::vector<ListColumn> c = positionColumns();
        c.push_back({"PrjBrt-€", 10, true});
        c.push_back({"PrjNet-€", 10, true});
        c.push_back({"PrGrp", 6, true});
        return c;
    }();
    return columns;
}

}  // namespace

std::uint32_t totalPieces(const BookingDocument& document) {
    std::uint32_t pieces = 0;
    for (std::size_t i = 0; i < document.validPositions(); ++i) pieces += document.positions[i].quantity;
    return pieces;
}

TextPage documentPage(StockSession& session, const BookingDocument& document, const DocumentPageHead& head,
                      std::size_t highlight, int projectPieces) {
    TextPage page;
    int line = 1;
    page.put(1, line++, head.title);
    ++line;
    for (const auto& [label, value] : head.lines) {
        page.put(1, line, label);
        page.put(kValueColumn, line++, value);
    }
    ++line;
    const std::vector<ListColumn>& columns = projectPieces > 0 ? projectColumns() : positionColumns();
    page.put(1, line++, ruleFor(columns));
    putTitleRow(page, 1, line++, columns);
    page.put(1, line++, ruleFor(columns));

    std::int64_t projectGross = 0, projectNet = 0;
    for (std::size_t i = 0; i < document.validPositions(); ++i) {
        const BookingPosition& p = document.positions[i];
        std::string name = cp1252ToUtf8(p.name), description = cp1252ToUtf8(p.description);
        std::optional<PriceData> prices;
        if (p.catalogueDirect == 0) {
            if (const std::optional<MyArticleRecord> r = session.readMyArticle(p.recordNumber)) {
                const CatalogueArticle a = r->article();
                name = articleName(a);
                description = descriptionText(a);
                prices = PriceData::of(a);
            }
        } else {
            prices = session.priceDataFor(p);
        }
        std::vector<std::string> cells = {std::to_string(i + 1),
                                          std::to_string(p.catalogueNumber),
                                          name,
                                          description,
                                          std::to_string(p.quantity),
                                          amountText(p.grossTotal),
                                          amountText(p.netTotal),
                                          std::to_string(p.breakIndex)};
        if (projectPieces > 0) {
            const std::uint32_t q = std::uint32_t{p.quantity} * static_cast<std::uint32_t>(projectPieces);
            const std::optional<PositionPrice> price = prices ? priceByQuantity(*prices, q) : std::nullopt;
            if (price) {
                projectGross += price->gross;
                projectNet += price->net;
                cells.push_back(amountText(price->gross));
                cells.push_back(amountText(price->net));
                cells.push_back(std::to_string(price->breakIndex));
            } else {
                cells.insert(cells.end(), {"?", "?", ""});
            }
        }
        if (i == highlight) page.highlightedLine = line;
        putRow(page, 1, line++, columns, cells);
    }
    page.put(1, line++, ruleFor(columns));

    std::vector<ListColumn> sumColumns = {{"", kSumLabelWidth, false}, {"", 10, true}, {"", 10, true}};
    if (projectPieces > 0) {
        sumColumns.insert(sumColumns.end(), {{"", 6, true}, {"", 10, true}, {"", 10, true}});
        putRow(page, 1, line++, sumColumns,
               {"Summe " + std::to_string(projectPieces) + " Stück", amountText(document.grossOrdered),
                amountText(document.netOrdered), "", amountText(projectGross), amountText(projectNet)});
        putRow(page, 1, line++, sumColumns,
               {"Summe/Stück", "", "", "", amountText(projectGross / projectPieces),
                amountText(projectNet / projectPieces)});
    } else {
        putRow(page, 1, line++, sumColumns,
               {"Summe " + std::to_string(totalPieces(document)) + " Stück", amountText(document.grossOrdered),
                amountText(document.netOrdered)});
    }
    return page;
}

}  // namespace kvx
