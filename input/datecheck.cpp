// SPDX-License-Identifier: GPL-3.0-or-later
#include "datecheck.h"

#include "leadingnumber.h"

namespace velluna {

std::optional<int> calendarNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    // Nine digits keep the value inside an int whatever they are.
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<QDate> calendarDate(QStringView day, QStringView month, QStringView year)
{
    const auto d = calendarNumber(day);
    const auto m = calendarNumber(month);
    const auto y = calendarNumber(year);
    if (!d || !m || !y || !QDate::isValid(*y, *m, *d))
        return std::nullopt;
    return QDate(*y, *m, *d);
}

bool lmpAccepted(QStringView day, QStringView month, QStringView year, QDate today)
{
    if (day.isEmpty() || month.isEmpty() || year.isEmpty())
        return false;
    const auto date = calendarDate(day, month, year);
    if (!date)
        return false;
    if (leadingNumber(month) > 12)
        return false;
    const double y = leadingNumber(year);
    if (y < today.year() - 1 || y > today.year())
        return false;
    return *date < today;
}

bool cycleAccepted(QStringView cycle)
{
    const double c = leadingNumber(cycle);
    return c >= kCicloMin && c <= kCicloMax;
}

} // namespace velluna
