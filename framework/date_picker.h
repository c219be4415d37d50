// Conversions between DateNumber ((year - 1900) * 10000 + month * 100 + day) and the date picker's QDate.
#pragma once

#include <QDate>

#include "base/date_number.h"

namespace kvx {

// The (year - 1900) form: a number of 19000000 or above (year * 10000 + month * 100 + day) has 19000000
// taken off; others are returned unchanged.
DateNumber normaliseDateNumber(DateNumber number);

// Invalid QDate for 0 and for numbers that are no calendar day.
QDate dateNumberToQDate(DateNumber number);
// (year - 1900) * 10000 + month * 100 + day; 0 for an invalid date.
DateNumber qDateToDateNumber(const QDate& date);

// A date typed as TT.MM.JJJJ or in the display form TT.MM.JJ (two-digit years 00..79 are 2000..2079,
// 80..99 are 1980..1999); invalid QDate for anything else.
QDate parseDateText(const QString& text);

// `date` moved into the range spanned by the two limits: the smaller limit is the earliest date, the other
// the latest, whatever their order (compared in the (year - 1900) form). A limit that is no valid date (0)
// bounds nothing on its side. The result is in the (year - 1900) form.
DateNumber clampDateNumber(DateNumber date, DateNumber limitA, DateNumber limitB);

}  // namespace kvx
