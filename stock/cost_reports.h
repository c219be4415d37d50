// The two reports over the demand and consumption bookings per cost centre: the overview with the gross
// demand and consumption of every cost centre that has any, and the cost details of one cost centre per
// My Articles record ("Plan" from demand, "Ist" from consumption). Documents count whatever their status.
// The sums are held wide and sized to the cost centres and records actually present, so nothing is dropped.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "base/text_page.h"
#include "base/view_port.h"
#include "settings/settings_record.h"
#include "stock/cost_centres.h"
#include "stock/stock_session.h"

namespace kvx {

inline constexpr int kCostOverviewList = 9;
// Datum of the overview's total row: selects nothing.
inline constexpr std::uint32_t kNoCostCentreRow = 0xFFFFFFFF;

struct CostCentreSums {
    std::map<int, std::int64_t> demand;       // gross sums (offset 19) by cost centre
    std::map<int, std::int64_t> consumption;  // likewise
};
CostCentreSums costCentreSums(StockSession& session);

// Rows "Kostenstelle", "Status", "Brt-Bedarf(€)", "Brt-Verbrauch(€)" for every cost centre with a positive
// sum, in number order, then "Summe"; each row's datum is its cost centre; the selected one is selected.
ListContent costCentreOverview(StockSession& session, const CostCentres& centres, const SettingsRecord& settings);

struct ArticleQuantities {
    std::vector<std::int64_t> planned;  // by My Articles record number
    std::vector<std::int64_t> actual;
};
// The quantities of every position of cost centre `centre`'s demand (planned) and consumption (actual)
// documents, by the My Articles record they name.
ArticleQuantities articleQuantities(StockSession& session, int centre);

// The details page of the selected cost centre: "Kostenstelle " + label + "  Positionen:" + count, the
// title row, a row per record with a positive planned or actual quantity (values quantity x list price,
// per hundred when the price unit is above 1; gross, or net with the net-price display), and "Summe" with
// the gross totals.
TextPage costDetailsPage(StockSession& session, const CostCentres& centres, const SettingsRecord& settings);
// "Nächste" / "Vorige": the selected cost centre one on or back, within 0..N.
void stepCostCentre(CostCentres& centres, int step);
// "Kostenstelle" in the details: the choice without the closed check. True when one was chosen.
bool chooseDetailsCostCentre(CostCentres& centres, const SettingsRecord& settings, UserInterface& ui);

// The list price of a record: the unit price of its price break at offset 300 (break 1 when that is out of
// range); and a quantity valued at it (per hundred when the price unit is above 1).
Money recordListPrice(const MyArticleRecord& record);
std::int64_t valueAtListPrice(const MyArticleRecord& record, std::int64_t quantity);

}  // namespace kvx
