// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists.h"

#include "calc/pregnancy.h"
#include "datecheck.h"
#include "leadingnumber.h"

#include <array>
#include <cmath>

namespace velluna {

namespace {

QString twoDigits(int n)
{
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

QStringList numbered(int first, int last, QString (*write)(int))
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << write(n);
    return items;
}

QString plain(int n)
{
    return QString::number(n);
}

} // namespace

QStringList cycleItems()
{
    return numbered(kCicloMin, kCicloMax, plain);
}

QStringList embryoItems()
{
    return numbered(kEmbrioneMin, kEmbrioneMax, plain);
}

QStringList monthItems()
{
    return numbered(1, 12, twoDigits);
}

QStringList yearItems(int currentYear)
{
    return {QString::number(currentYear - 1), QString::number(currentYear)};
}

ModeLists modeLists(Mode mode, QDate today)
{
    if (mode == Mode::DueDate)
        return {yearItems(today.year() + 1), today.addDays(kGiorniTotali)};
    return {yearItems(today.year()), today};
}

DayList dayList(const QString &day, QStringView month, QStringView year)
{
    DayList list;
    list.year = leadingNumberText(year);
    std::array<int, 13> GiorniMese{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // The date check follows the Gregorian calendar, so the list does too:
    // a century year is a leap year only when divisible by 400.
    const double y = leadingNumber(year);
    if (std::fmod(y, 4.0) == 0.0 && (std::fmod(y, 100.0) != 0.0 || std::fmod(y, 400.0) == 0.0))
        GiorniMese[2] = 29;
    // Only picks of "01" .. "12" reach here in use; any other month text
    // offers every day, so nothing typed is lost.
    const int m = calendarNumber(month);
    const int days = m >= 1 && m <= 12 ? GiorniMese[m] : 31;
    list.days = numbered(1, days, twoDigits);
    list.day = days < leadingNumber(day) ? QString::number(days) : day;
    return list;
}

} // namespace velluna
