// What the search dialog needs beside the parameter set: the slot number for its caption and the two
// histories, which it fills its combos from and puts every read word and unit into.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kvx {

struct SearchDialogContext {
    int slotNumber = 1;              // current slot + 1, shown after "Suchparameter "
    std::vector<std::string> words;  // word history, Windows-1252, most recent first
    std::vector<std::string> units;  // unit history, Windows-1252, upper case
    // Called for each word and unit as it is read back, also when the dialog then stays open.
    std::function<void(const std::string&)> putWord;
    std::function<void(const std::string&)> putUnit;
};

}  // namespace kvx
