// Calculations.
#include "stock/calculations.h"

#include "base/cp1252.h"
#include "stock/demand_consumption.h"
#include "stock/document_page.h"
#include "stock/orders.h"
#include "stock/report_text.h"

namespace kvx {

namespace {

// The sums are as wide as in the demand and consumption lists: at 7 the titles and any amount from
// 10000.00 on would run into the column before them.
const std::vector<ListColumn>& listColumns() {
    static const std::vector<ListColumn> columns = {
        {"Nr", 10, false},       {"Erst-Dat", 10, false}, {"Kostenstelle", 12, false}, {"Positionen", 12, true},
        {"Stückzahl", 12, true}, {"GesBrutto", 10, true}, {"GesNetto", 10, true}};
    return columns;
}

bool writeCurrent(StockSession& session, DocumentRef current, const BookingDocument& changed, UserInterface& ui) {
    if (!reportWrite(ui, session.writeDocument(BookingFile::Calculations, current.number, changed))) return false;
    current.document = changed;
    current.changed = false;
    return true;
}

}  // namespace

TextPage calculationListPage(StockSession& session, const CostCentres& centres, std::uint32_t currentNumber) {
    TextPage page;
    putTitleRow(page, 1, 1, listColumns());
    for (std::uint32_t n = 0; n < session.documentCount(BookingFile::Calculations); ++n) {
        const std::optional<BookingDocument> d = session.readDocument(BookingFile::Calculations, n);
        if (!d) continue;
        const int line = static_cast<int>(n) + 2;
        if (n == currentNumber) page.highlightedLine = line;
        putRow(page, 1, line, listColumns(),
               {std::to_string(n + 1), dateText(d->bookedDate), cp1252ToUtf8(centres.label(d->costCentre)),
                std::to_string(d->validPositions()), std::to_string(d->pieceCount), amountText(d->grossOrdered),
                amountText(d->netOrdered)});
    }
    return page;
}

std::optional<std::uint32_t> calculationAtLine(StockSession& session, int line) {
    if (line < 2) return std::nullopt;
    const auto n = static_cast<std::uint32_t>(line - 2);
    if (n >= session.documentCount(BookingFile::Calculations)) return std::nullopt;
    return n;
}

bool openCalculationList(StockSession& session, DocumentRef current, UserInterface& ui) {
    if (session.myArticleCount() == 0) {
        ui.inform(kNoMyArticles);
        return false;
    }
    const std::uint32_t count = session.documentCount(BookingFile::Calculations);
    return reportWrite(ui,
                       makeDocumentCurrent(session, BookingFile::Calculations, current, count == 0 ? 0 : count - 1));
}

bool newCalculation(StockSession& session, const CostCentres& centres, const SettingsRecord& settings,
                    const Clock& clock, DocumentRef current, UserInterface& ui) {
    if (!ui.ask("Neue Kalkulation anlegen?")) return false;
    const std::optional<int> centre = chooseCostCentre(centres, settings, ui, "Kalkulation", 0, true);
    if (!centre) return false;
    BookingDocument d = BookingDocument::initialised(clock.todayNumber());
    d.costCentre = static_cast<std::uint16_t>(*centre);
    d.bookedDate = clock.todayNumber();
    if (current.changed) {
        if (!reportWrite(ui, session.writeDocument(BookingFile::Calculations, current.number, current.document)))
            return false;
        current.changed = false;
    }
    const std::uint32_t n = session.documentCount(BookingFile::Calculations);
    if (!reportWrite(ui, session.writeDocument(BookingFile::Calculations, n, d))) return false;
    current.document = std::move(d);
    current.number = n;
    current.changed = false;
    return true;
}

bool hasCalculation(StockSession& session, UserInterface& ui) {
    if (session.documentCount(BookingFile::Calculations) != 0) return true;
    ui.inform(kNoCalculation);
    return false;
}

bool chooseCalculationCostCentre(StockSession& session, const CostCentres& centres, const SettingsRecord& settings,
                                 DocumentRef current, UserInterface& ui) {
    if (!hasCalculation(session, ui)) return false;
    const std::optional<int> centre =
        chooseCostCentre(centres, settings, ui, "Kalkulation", current.document.costCentre, true);
    if (!centre || *centre == current.document.costCentre) return false;
    BookingDocument changed = current.document;
    changed.costCentre = static_cast<std::uint16_t>(*centre);
    return writeCurrent(session, current, changed, ui);
}

bool changePieceCount(StockSession& session, DocumentRef current, UserInterface& ui) {
    if (!hasCalculation(session, ui)) return false;
    NumberRequest request;
    request.caption = "Stückzahl eingeben";
    request.prompt = "Stückzahl";
    request.minimum = 1;
    request.maximum = kMaxPieceCount;
    request.value = std::clamp<std::int32_t>(current.document.pieceCount, 1, kMaxPieceCount);
    const std::optional<std::int32_t> pieces = ui.askNumber(request);
    if (!pieces || *pieces < 1 || *pieces > kMaxPieceCount || *pieces == current.document.pieceCount) return false;
    BookingDocument changed = current.document;
    changed.pieceCount = static_cast<std::uint16_t>(*pieces);
    return writeCurrent(session, current, changed, ui);
}

bool recomputeCalculation(StockSession& session, DocumentRef current, UserInterface& ui) {
    if (!hasCalculation(session, ui)) return false;
    BookingDocument repriced = current.document;
    std::string refusal;
    if (!repriceDocument(repriced, priceLookup(session), PricingMode::ByQuantity, true, refusal)) {
        ui.inform(refusal);
        return false;
    }
    return writeCurrent(session, current, repriced, ui);
}

StockWriteResult leaveCalculationView(StockSession& session, DocumentRef current) {
    return leaveDocument(session, BookingFile::Calculations, current, PricingMode::ByQuantity);
}

bool calculationToDemand(StockSession& session, const Clock& clock, const BookingDocument& calculation,
                         DocumentRef currentDemand, UserInterface& ui) {
    if (!hasCalculation(session, ui)) return false;
    if (!ui.ask("Kalkulation unter Berücksichtigung der Stückzahl als Bedarf übernehmen?")) return false;
    BookingDocument demand = calculation;
    const std::uint32_t pieces = std::max<std::uint32_t>(calculation.pieceCount, 1);
    for (std::size_t i = 0; i < demand.validPositions(); ++i) {
        BookingPosition& p = demand.positions[i];
        const std::uint32_t q = pieces * p.quantity;
        if (q > 60000) {
            ui.inform("Position " + std::to_string(i + 1) + " (" + cp1252ToUtf8(p.name) +
                      "): " + std::to_string(pieces) + " x " + std::to_string(p.quantity) + " = " + std::to_string(q) +
                      " Stück, höchstens 60000 sind möglich. Nichts wurde übernommen.");
            return false;
        }
        p.quantity = static_cast<std::uint16_t>(q);
    }
    // A demand with a date at offset 0 counts as applied: the copy must still reach My Articles when booked.
    demand.bookedDate = 0;
    demand.createdDate = clock.todayNumber();
    demand.eventDate = 0;
    demand.status = 0;
    demand.textFile.clear();
    demand.pieceCount = 1;
    std::string refusal;
    if (!repriceDocument(demand, priceLookup(session), PricingMode::ByQuantity, false, refusal)) {
        ui.inform(refusal);
        return false;
    }
    if (currentDemand.changed) {
        if (!reportWrite(ui, session.writeDocument(BookingFile::Demand, currentDemand.number, currentDemand.document)))
            return false;
        currentDemand.changed = false;
    }
    const std::uint32_t n = session.documentCount(BookingFile::Demand);
    if (!reportWrite(ui, session.writeDocument(BookingFile::Demand, n, demand))) return false;
    currentDemand.document = std::move(demand);
    currentDemand.number = n;
    currentDemand.changed = false;
    return true;
}

TextPage calculationPage(StockSession& session, const CostCentres& centres, const BookingDocument& calculation,
                         std::uint32_t number, std::size_t highlight) {
    DocumentPageHead head;
    head.title = "Kalkulation " + std::to_string(number + 1);
    head.lines = {{"Datum", dateText(calculation.bookedDate)},
                  {"Status", calculation.status == 0 ? "in Arbeit" : "gebucht"},
                  {"Kostenstelle", cp1252ToUtf8(centres.label(calculation.costCentre))},
                  {"Stückzahl", std::to_string(calculation.pieceCount)}};
    const int pieces = std::max<int>(calculation.pieceCount, 1);
    return documentPage(session, calculation, head, highlight, pieces);
}

bool saveCalculationAsText(StockSession& session, FileSystem& fs, const CostCentres& centres,
                           const SettingsRecord& settings, const BookingDocument& calculation, std::uint32_t number,
                           UserInterface& ui) {
    const std::string n = std::to_string(number + 1);
    FileRequest request;
    request.save = true;
    request.title = "Kalkulation " + n + " als Text speichern";
    request.path = cp1252ToUtf8(settings.textFolder()) + "Kalkulation" + n + ".TXT";
    request.suffixes = {".TXT"};
    return savePageAsText(fs, ui, request, calculationPage(session, centres, calculation, number, SIZE_MAX));
}

}  // namespace kvx
