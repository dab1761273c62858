// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists.h"

#include "datecheck.h"
#include "leadingnumber.h"

#include <cmath>

namespace velluna {

QString twoDigits(int n)
{
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

QStringList cycleItems()
{
    QStringList items;
    for (int c = kCicloMin; c <= kCicloMax; ++c)
        items << QString::number(c);
    return items;
}

QStringList monthItems()
{
    QStringList items;
    for (int m = 1; m <= 12; ++m)
        items << twoDigits(m);
    return items;
}

QStringList yearItems(int currentYear)
{
    return {QString::number(currentYear - 1), QString::number(currentYear)};
}

QStringList dayItems(int days)
{
    QStringList items;
    for (int d = 1; d <= days; ++d)
        items << twoDigits(d);
    return items;
}

std::array<int, 13> monthLengths(double year)
{
    std::array<int, 13> lengths{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // The date check follows the Gregorian calendar, so the list does too:
    // a century year is a leap year only when divisible by 400.
    const bool leap = std::fmod(year, 4.0) == 0.0
                      && (std::fmod(year, 100.0) != 0.0 || std::fmod(year, 400.0) == 0.0);
    if (leap)
        lengths[2] = 29;
    return lengths;
}

int daysForMonthText(QStringView month, const std::array<int, 13> &lengths)
{
    const auto m = calendarNumber(month);
    return m && *m >= 1 && *m <= 12 ? lengths[*m] : 31;
}

QString keptDayText(const QString &kept, int days)
{
    return days < leadingNumber(kept) ? QString::number(days) : kept;
}

} // namespace velluna
