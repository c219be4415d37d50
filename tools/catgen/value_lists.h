// Value lists of the article templates: literal options, and E-series of resistors, capacitors and
// inductors in the two spellings a distributor uses (compact in the designation, with unit in the text).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvx::catgen {

// One option: its forms (form 0 for "{n}", form 1 for "{nb}", ...).
using ValueOption = std::vector<std::string>;
using ValueList = std::vector<ValueOption>;

// Parses "list#list#..."; a list is "opt|opt|..." with forms "form^form", or a series:
//   "@R:lo:hi"  E12 resistances from 10^lo up to below 10^hi ohms   ("4K7" / "4,7k")
//   "@C:lo:hi"  E6 capacitances from 10^lo up to below 10^hi pF     ("100N" / "100nF")
//   "@L:lo:hi"  E6 inductances from 10^lo up to below 10^hi nH      ("4µ7" / "4,7µH")
// An empty text gives no lists.
std::vector<ValueList> parseValueLists(std::string_view text);

// Fills "{1}", "{1b}", "{2c}", ... from the chosen option of each list; `choice[i]` indexes list i.
// A reference to a missing list or form inserts nothing.
std::string expandTemplate(std::string_view text, const std::vector<ValueList>& lists,
                           const std::vector<std::size_t>& choice);

}  // namespace kvx::catgen
