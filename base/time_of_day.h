// Times of day held as seconds since midnight.
#pragma once

#include <string>

namespace kvx {

// "hh:mm:ss", two digits each with leading zeros; values are taken modulo one day.
std::string formatTimeOfDay(int secondsSinceMidnight);

}  // namespace kvx
