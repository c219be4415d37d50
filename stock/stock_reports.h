// Read-only reports over My Articles and the booking files: the stock history of one article
// ("Bestandsverlauf"), the stock value report by main group ("Waren-Bestand") and the information page of
// one My Articles record ("Info"). Records or documents that cannot be read are skipped; nothing is changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/file_system.h"
#include "base/text_page.h"
#include "base/user_interface.h"
#include "catalogue/group_tables.h"
#include "settings/settings_record.h"
#include "stock/cost_centres.h"
#include "stock/stock_session.h"

namespace kvx {

// --- stock history ---
enum class HistoryKind { Receipt = 1, Demand = 2, Consumption = 3, Order = 4 };

struct HistoryEvent {
    DateNumber date = 0;
    HistoryKind kind = HistoryKind::Receipt;
    std::uint32_t document = 0;  // record number in its file
    int costCentre = -1;         // demand and consumption only
    std::int64_t quantity = 0;   // all positions of the article in the document summed
};

// The events of My Articles record n that have taken effect, newest first; on one day goods receipts, then
// demands, then consumptions, then orders, and within one kind the later document first:
//   goods receipts - orders booked in (status 2), delivered quantities, dated at offset 8;
//   demands        - booked demands applied to My Articles (offset 0 set), dated at offset 0;
//   consumptions   - booked consumptions, dated at offset 8;
//   orders         - orders booked out (status 1 or 2), dated at offset 0.
std::vector<HistoryEvent> historyEvents(StockSession& session, std::uint32_t n);

inline constexpr const char* kHistoryDemandNote =
    "Hinweis: Die Spalte Bedarf ist nur genau, solange der Bedarf über 0 bleibt.";

// The history page: "Artikel " + (n + 1) + ": (ArtNr.:" + article + ") " + name, the title row, today's stock
// and demand, then one row per event with the running stock and demand before it is rolled back: a receipt
// takes its quantity off the stock and gives it back to the demand (which the receipt reduced), a demand
// takes its quantity off the demand, a consumption gives it back to stock and demand, an order changes
// neither (booking out changes the quantity on order). The note kHistoryDemandNote closes the page. A
// record that cannot be read gives the "nicht vorhanden" page.
TextPage stockHistoryPage(StockSession& session, const CostCentres& centres, const Clock& clock, std::uint32_t n);

// --- stock value ---
struct StockValueGroup {
    int group = 0;
    std::int64_t articles = 0;
    std::int64_t pieces = 0;
    std::int64_t gross = 0;
    std::int64_t net = 0;
};
struct StockValue {
    std::vector<StockValueGroup> groups;  // index = main group number, 0: not in the catalogue; size mainCount + 1
    std::int64_t grossTotal = 0;
    std::int64_t netTotal = 0;
};
// Every record with stock of at least 1 counts in its main group (offset 2, 1..main group count of the
// catalogue; others are left out), an entry marked as not in the catalogue in group 0: value stock x list
// price (per hundred when the price unit is above 1), net the net amount of that value.
StockValue stockValue(StockSession& session, const GroupTables& groups);
// "Waren-Bestand per " + today, the title row, a row per main group with counted articles, a row
// "— Nicht im Katalog" when such entries count, the total row.
TextPage stockValuePage(StockSession& session, const GroupTables& groups, const Clock& clock);
// "Als Text speichern" (title "Daten als Text speichern", proposed text folder + "Warenbestand.TXT").
bool saveStockValueAsText(StockSession& session, FileSystem& fs, const GroupTables& groups, const Clock& clock,
                          const SettingsRecord& settings, UserInterface& ui);

// --- information page ---
// "Info" of record n; "Meine Artikel, Datensatz nicht vorhanden: " + n when it cannot be read.
TextPage myArticleInfoPage(StockSession& session, const GroupTables& groups, std::uint32_t n);

}  // namespace kvx
