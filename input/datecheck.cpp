// SPDX-License-Identifier: GPL-3.0-or-later
#include "datecheck.h"

#include "calc/pregnancy.h"
#include "leadingnumber.h"

#include <algorithm>
#include <cmath>

namespace velluna {

int calendarNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    // Only ASCII digits: no sign, point, blank inside or digits of another
    // script, which toInt() would take.
    if (!std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    bool ok = false;
    const int value = t.toInt(&ok); // too many digits for an int is no number either
    return ok ? value : 0;
}

std::optional<QDate> calendarDate(QStringView day, QStringView month, QStringView year)
{
    const int d = calendarNumber(day);
    const int m = calendarNumber(month);
    const int y = calendarNumber(year);
    if (!QDate::isValid(y, m, d))
        return std::nullopt;
    return QDate(y, m, d);
}

namespace {

// In the current year or the one before, and before today.
bool lmpAccepted(QDate date, QDate today)
{
    if (date.year() < today.year() - 1 || date.year() > today.year())
        return false;
    return date < today;
}

} // namespace

bool lmpAccepted(QStringView day, QStringView month, QStringView year, QDate today)
{
    // An empty text, or a month beyond 12, forms no calendar date either.
    const auto date = calendarDate(day, month, year);
    if (!date)
        return false;
    return lmpAccepted(*date, today);
}

std::optional<QDate> dueDateLmp(QStringView day, QStringView month, QStringView year, QDate today)
{
    const auto date = calendarDate(day, month, year);
    if (!date)
        return std::nullopt;
    const QDate lmp = date->addDays(-kGiorniTotali);
    return lmpAccepted(lmp, today) ? std::optional(lmp) : std::nullopt;
}

std::optional<int> embryoAge(QStringView text)
{
    const double age = leadingNumber(text);
    if (age < kEmbrioneMin || age > kEmbrioneMax || age != std::floor(age))
        return std::nullopt;
    return static_cast<int>(age);
}

bool cycleAccepted(QStringView cycle)
{
    const double c = leadingNumber(cycle);
    return c >= kCicloMin && c <= kCicloMax;
}

} // namespace velluna
