// Dates as stored in the data files: (year - 1900) * 10000 + month * 100 + day, 0 = no date.
#pragma once

#include <cstdint>
#include <string>

namespace kvx {

using DateNumber = std::int32_t;

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDate&) const = default;
};

// A year below 1900 is stored unchanged (year * 10000 + month * 100 + day).
DateNumber encodeDate(const CalendarDate& date);

// Values of 19000000 and above are read as year * 10000 + month * 100 + day; others as offset from 1900.
// 0 gives {0, 0, 0}.
CalendarDate decodeDate(DateNumber number);

// The display form DD.MM.YY: the number written with eight digits (leading zeros), then
// characters 7-8, ".", 5-6, ".", 3-4. 30 October 2016 (1161030) shows as "30.10.16".
std::string formatDateNumber(DateNumber number);

// True when the number decodes to an existing calendar day.
bool isValidDate(DateNumber number);

// Days between two dates (b - a); both must be valid.
int daysBetween(DateNumber a, DateNumber b);
DateNumber addDays(DateNumber date, int days);

}  // namespace kvx
