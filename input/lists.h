// SPDX-License-Identifier: GPL-3.0-or-later
// What the four entry lists offer, and how the day list follows the month.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace velluna {

QStringList cycleItems();                // "22" .. "45"
QStringList monthItems();                // "01" .. "12"
QStringList yearItems(int currentYear);  // the year before, then this one
QStringList dayItems(int days);          // "01" .. "09", "10" .. days

// Month lengths indexed 1..12 (entry 0 unused) for the year number that the
// year list's text reads as; February has 29 days in Gregorian leap years.
std::array<int, 13> monthLengths(double year);

// Days offered for a month text: its length when the text is a calendar
// month 1..12, and the longest month otherwise, so nothing is lost.
int daysForMonthText(QStringView month, const std::array<int, 13> &lengths);

// The day text kept across a rebuild of the day list: a day beyond the new
// month's end becomes its last day; anything else stays as typed.
QString keptDayText(const QString &kept, int days);

// Two digits for days and months below 10, as the lists show them.
QString twoDigits(int n);

} // namespace velluna
