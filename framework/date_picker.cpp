// DateNumber <-> QDate for the date pickers, and the clamping into a range.
#include "framework/date_picker.h"

#include <QRegularExpression>
#include <algorithm>

namespace kvx {

namespace {
constexpr DateNumber kCenturyOffset = 19000000;
}

DateNumber normaliseDateNumber(DateNumber number) {
    return number >= kCenturyOffset ? number - kCenturyOffset : number;
}

QDate dateNumberToQDate(DateNumber number) {
    if (number <= 0) return QDate();
    const DateNumber full = normaliseDateNumber(number) + kCenturyOffset;
    return QDate(full / 10000, (full / 100) % 100, full % 100);
}

DateNumber qDateToDateNumber(const QDate& date) {
    if (!date.isValid() || date.year() < 1900) return 0;
    return (date.year() - 1900) * 10000 + date.month() * 100 + date.day();
}

QDate parseDateText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch()) return QDate();
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2) year += year < 80 ? 2000 : 1900;
    return QDate(year, match.captured(2).toInt(), match.captured(1).toInt());
}

DateNumber clampDateNumber(DateNumber date, DateNumber limitA, DateNumber limitB) {
    DateNumber d = normaliseDateNumber(date);
    const DateNumber a = normaliseDateNumber(limitA);
    const DateNumber b = normaliseDateNumber(limitB);
    const DateNumber earliest = std::min(a, b);
    const DateNumber latest = std::max(a, b);
    if (dateNumberToQDate(earliest).isValid() && d < earliest) d = earliest;
    if (dateNumberToQDate(latest).isValid() && d > latest) d = latest;
    return d;
}

}  // namespace kvx
