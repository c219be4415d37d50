// The machine's local time as the program's clock.
#include "base/clock.h"

#include <ctime>

namespace kvx {

namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

CalendarDate SystemClock::today() const {
    const std::tm t = localNow();
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

int SystemClock::secondsSinceMidnight() const {
    const std::tm t = localNow();
    // A leap second (tm_sec 60) still belongs to the same minute's last second.
    return t.tm_hour * 3600 + t.tm_min * 60 + (t.tm_sec > 59 ? 59 : t.tm_sec);
}

}  // namespace kvx
