// "Today" and the time of day come from a clock object so that bookings and dated exports are testable.
#pragma once

#include "base/date_number.h"

namespace kvx {

class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarDate today() const = 0;
    virtual int secondsSinceMidnight() const = 0;
    DateNumber todayNumber() const { return encodeDate(today()); }
};

// Local time of the machine.
class SystemClock final : public Clock {
public:
    CalendarDate today() const override;
    int secondsSinceMidnight() const override;
};

// A fixed day and time, for tests and the script driver.
class FixedClock final : public Clock {
public:
    FixedClock(CalendarDate date, int seconds) : m_date(date), m_seconds(seconds) {}
    CalendarDate today() const override { return m_date; }
    int secondsSinceMidnight() const override { return m_seconds; }
    void set(CalendarDate date, int seconds) { m_date = date; m_seconds = seconds; }

private:
    CalendarDate m_date;
    int m_seconds;
};

}  // namespace kvx
