// SPDX-License-Identifier: GPL-3.0-or-later
// What the four entry lists offer, and how the day list follows the month.
#pragma once

#include "mode.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velluna {

QStringList cycleItems();               // "22" .. "45"
QStringList monthItems();               // "01" .. "12"
QStringList yearItems(int currentYear); // the year before, then this one
QStringList embryoItems();              // "2" .. "6"

// The year list of a mode and the date its lists preselect: this year and
// the last with today, or for a due date this year and the next with today
// + 280 days. Both preselections are rejected until she changes them, so a
// press by mistake shows no result.
struct ModeLists
{
    QStringList years;
    QDate preselected;
};
ModeLists modeLists(Mode mode, QDate today);

// The day list rebuilt for the month and year texts, as a pick of a month
// leaves it: the year text written as its number ("2026x" becomes "2026"),
// the days of that month ("01" .. "09", "10" ..), February by the Gregorian
// calendar and all 31 days for a text that names no month, and the day text
// kept, or the month's last day when the month is shorter.
struct DayList
{
    QString year;
    QStringList days;
    QString day;
};
DayList dayList(const QString &day, QStringView month, QStringView year);

} // namespace velluna
