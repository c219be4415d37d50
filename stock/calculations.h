// Calculations (kalku.dat): parts lists of My Articles for one cost centre with a piece count. The list
// drawn as text lines, new calculations with the cost centre choice, the cost centre and piece count of the
// current one, repricing by quantity, taking one over as a demand booking for its piece count, and the
// calculation page with the project columns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/clock.h"
#include "base/file_system.h"
#include "base/text_page.h"
#include "base/user_interface.h"
#include "settings/settings_record.h"
#include "stock/cost_centres.h"
#include "stock/document_positions.h"
#include "stock/stock_session.h"

namespace kvx {

inline constexpr const char* kNoCalculation = "Keine Kalkulation";
inline constexpr int kMaxPieceCount = 60000;

// The list form: a title row on line 1, calculation n on line n + 2, the current one highlighted.
TextPage calculationListPage(StockSession& session, const CostCentres& centres, std::uint32_t currentNumber);
// The calculation a line of the list form shows; nothing for the title row or below the last.
std::optional<std::uint32_t> calculationAtLine(StockSession& session, int line);

// "Kalkulation" in the My Articles view: refused without My Articles records; the last calculation becomes
// current (an empty kalku.dat gives an initialised one). False when refused or the write-back failed.
bool openCalculationList(StockSession& session, DocumentRef current, UserInterface& ui);
// "Neu": "Neue Kalkulation anlegen?", the cost centre choice with the closed check, an initialised document
// made today with that cost centre appended as the current calculation. True when appended.
bool newCalculation(StockSession& session, const CostCentres& centres, const SettingsRecord& settings,
                    const Clock& clock, DocumentRef current, UserInterface& ui);
// "Ändern" and the commands that need a calculation: "Keine Kalkulation" while kalku.dat is empty.
bool hasCalculation(StockSession& session, UserInterface& ui);
// "Kostenstelle": the choice with the closed check; a changed choice is written. True when written.
bool chooseCalculationCostCentre(StockSession& session, const CostCentres& centres, const SettingsRecord& settings,
                                 DocumentRef current, UserInterface& ui);
// "Stückzahl..": 1..60000; a changed value is written. True when written.
bool changePieceCount(StockSession& session, DocumentRef current, UserInterface& ui);
// "Neu berechnen": every position repriced by quantity (both quantities), the sums rebuilt, written.
bool recomputeCalculation(StockSession& session, DocumentRef current, UserInterface& ui);
// Leaving the calculation view: repriced by quantity, written when changed.
[[nodiscard]] StockWriteResult leaveCalculationView(StockSession& session, DocumentRef current);

// "Als Bedarf übernehmen": the calculation copied as a new demand document (not yet applied: date at offset 0
// and text name cleared, created today, status 0), each quantity multiplied by the piece count (a product
// above 60000 is refused naming the position, and nothing is appended), piece count 1, repriced by quantity,
// appended to bedarf.dat and made the current demand document (a changed one is written back first).
bool calculationToDemand(StockSession& session, const Clock& clock, const BookingDocument& calculation,
                         DocumentRef currentDemand, UserInterface& ui);

// The calculation page: "Kalkulation" + number, "Datum", "Status", "Kostenstelle", "Stückzahl", the positions
// with the project columns and the sum rows.
TextPage calculationPage(StockSession& session, const CostCentres& centres, const BookingDocument& calculation,
                         std::uint32_t number, std::size_t highlight);
// "Als Textdatei speichern..": text folder + "Kalkulation" + number + ".TXT" proposed.
bool saveCalculationAsText(StockSession& session, FileSystem& fs, const CostCentres& centres,
                           const SettingsRecord& settings, const BookingDocument& calculation, std::uint32_t number,
                           UserInterface& ui);

}  // namespace kvx
