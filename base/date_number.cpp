// Dates as stored in the data files and their DD.MM.YY display form.
#include "base/date_number.h"

#include <cstdio>

namespace kvx {

namespace {

constexpr DateNumber kFullYearFrom = 19000000;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year)) return 29;
    return kDays[month - 1];
}

// Days since 1 January 1970 of a proleptic Gregorian date (civil-from-days algorithm, inverted).
long long daysFromCivil(int year, int month, int day) {
    const long long y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDate civilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

}  // namespace

DateNumber encodeDate(const CalendarDate& date) {
    const int year = date.year < 1900 ? date.year : date.year - 1900;
    return year * 10000 + date.month * 100 + date.day;
}

CalendarDate decodeDate(DateNumber number) {
    if (number == 0) return {};
    const int yearPart = number / 10000;
    const int year = number >= kFullYearFrom ? yearPart : 1900 + yearPart;
    return {year, (number / 100) % 100, number % 100};
}

std::string formatDateNumber(DateNumber number) {
    // "%08d" pads to eight characters; a negative number keeps its sign inside those eight, and a wider
    // number simply has more characters: the positions are taken from the front either way.
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08d", number);
    const std::string s(digits);
    return s.substr(6, 2) + "." + s.substr(4, 2) + "." + s.substr(2, 2);
}

bool isValidDate(DateNumber number) {
    if (number <= 0) return false;
    const CalendarDate d = decodeDate(number);
    if (d.month < 1 || d.month > 12) return false;
    return d.day >= 1 && d.day <= daysInMonth(d.year, d.month);
}

int daysBetween(DateNumber a, DateNumber b) {
    if (!isValidDate(a) || !isValidDate(b)) return 0;
    const CalendarDate da = decodeDate(a);
    const CalendarDate db = decodeDate(b);
    return static_cast<int>(daysFromCivil(db.year, db.month, db.day) - daysFromCivil(da.year, da.month, da.day));
}

DateNumber addDays(DateNumber date, int days) {
    if (!isValidDate(date)) return date;
    const CalendarDate d = decodeDate(date);
    return encodeDate(civilFromDays(daysFromCivil(d.year, d.month, d.day) + days));
}

}  // namespace kvx
