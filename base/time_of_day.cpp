// Times of day in seconds since midnight and their hh:mm:ss form.
#include "base/time_of_day.h"

#include <cstdio>

namespace kvx {

std::string formatTimeOfDay(int secondsSinceMidnight) {
    constexpr int kDay = 24 * 60 * 60;
    int s = secondsSinceMidnight % kDay;
    if (s < 0) s += kDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", s / 3600, (s / 60) % 60, s % 60);
    return text;
}

}  // namespace kvx
