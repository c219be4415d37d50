// The one-line description of a search parameter set ("(OPV) u (10-0 V muss)"), shown by "Suchkriterium
// zeigen", in the no-hit message, in the status line and in exported results. Windows-1252.
#pragma once

#include <string>

#include "search/search_parameter_set.h"

namespace kvx {

inline constexpr std::size_t kCriteriaDescriptionCapacity = 255;

// Up to six significant digits, trailing zeros and a then trailing point removed, 0 as "0"; magnitudes of
// 1,000,000 and above or below 0.001 in exponent form ("1.5E+06").
std::string shortNumber(double value);

// Text criteria as "(w1 v w2)" joined by " &", then " u " and each numeric criterion; at most 255 characters.
std::string buildCriteriaDescription(const SearchParameterSet& set);

}  // namespace kvx
