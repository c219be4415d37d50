// The search state of a run: the active parameter set with its slot bookkeeping, the criteria
// description, the counters and the hits of the last search.
#pragma once

#include <string>

#include "search/search_parameter_set.h"
#include "search/search_scan.h"

namespace kvx {

struct SearchState {
    SearchParameterSet active;
    bool modified = false;                     // changed by the dialog since it was read from or written to its slot
    std::uint16_t storedCount = 0;             // records of suchpar.dat when last seen
    std::string description;                   // CriteriaDescription, Windows-1252
    std::string selectionStatus = "Auswahl:";  // status-line panel 3, UTF-8
    SearchCounters counters;
    SearchResultList results;
};

}  // namespace kvx
