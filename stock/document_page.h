// The page of a demand, consumption or calculation document as its view shows it and its text file holds
// it: a title line, label and value lines, the position rows between rules and the sum rows.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "base/text_page.h"
#include "stock/booking_document.h"
#include "stock/stock_session.h"

namespace kvx {

struct DocumentPageHead {
    std::string title;                                       // UTF-8
    std::vector<std::pair<std::string, std::string>> lines;  // label, value (UTF-8)
};

// Position rows: "Nr", "Art-Nr", "Name", "Beschreibung" (from the article's current copy in My Articles,
// the position's own texts when the record cannot be read), "Menge", "Brutto-€", "Netto-€", "PrGrp".
// With `projectPieces` > 0 (a calculation) each position's quantity x pieces is priced by quantity in the
// columns "PrjBrt-€", "PrjNet-€", "PrGrp", and the sum rows are "Summe " + pieces + " Stück" with the project
// totals and "Summe/Stück"; otherwise the sum row is "Summe " + the document's pieces + " Stück".
TextPage documentPage(StockSession& session, const BookingDocument& document, const DocumentPageHead& head,
                      std::size_t highlight, int projectPieces);

// Total pieces of the valid positions.
std::uint32_t totalPieces(const BookingDocument& document);

}  // namespace kvx
