// Time of day text and the system clock's ranges.
#include "base/time_of_day.h"

#include <gtest/gtest.h>

#include "base/clock.h"

namespace kvx {
namespace {

TEST(TimeOfDay, FormatRows) {
    struct Row {
        int seconds;
        const char* text;
    };
    const Row rows[] = {
        {0, "00:00:00"},     {3661, "01:01:01"},  {45296, "12:34:56"}, {86399, "23:59:59"},
        {86400, "00:00:00"}, {90061, "01:01:01"}, {-1, "23:59:59"},
    };
    for (const auto& row : rows) EXPECT_EQ(formatTimeOfDay(row.seconds), row.text) << row.seconds;
}

TEST(TimeOfDay, SystemClockGivesAValidDayAndTime) {
    const SystemClock clock;
    EXPECT_TRUE(isValidDate(clock.todayNumber()));
    EXPECT_GE(clock.today().year, 2020);
    const int seconds = clock.secondsSinceMidnight();
    EXPECT_GE(seconds, 0);
    EXPECT_LT(seconds, 86400);
}

}  // namespace
}  // namespace kvx
