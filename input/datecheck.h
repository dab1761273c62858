// SPDX-License-Identifier: GPL-3.0-or-later
// The checks that the confirmation runs on the list texts before anything is
// calculated.
#pragma once

#include <QDate>
#include <QStringView>
#include <optional>

namespace velluna {

inline constexpr int kCicloMin = 22;
inline constexpr int kCicloMax = 45;
inline constexpr int kEmbrioneMin = 2;
inline constexpr int kEmbrioneMax = 6;

// A day, month or year text as a whole number of ASCII digits, blanks
// around it allowed, small enough for an int; 0, which no calendar date has,
// for any other text.
int calendarNumber(QStringView text);

// The date that day, month and year texts denote, read day first, or nothing
// when they form no calendar date (Gregorian, leap years included).
std::optional<QDate> calendarDate(QStringView day, QStringView month, QStringView year);

// Whether the three texts are an acceptable date of the last menstruation on
// the given day: all filled in, a calendar date, in the current year or the
// one before, and before today.
bool lmpAccepted(QStringView day, QStringView month, QStringView year, QDate today);

// The date of the last menstruation that a due date stands for, 280 days
// before it, when the texts form a calendar date and that date would be
// accepted as the last menstruation; nothing otherwise.
std::optional<QDate> dueDateLmp(QStringView day, QStringView month, QStringView year, QDate today);

// The embryo's age in days at the transfer, when the text's leading number is
// a whole number from 2 to 6.
std::optional<int> embryoAge(QStringView text);

// Whether the cycle text's leading number lies in 22..45, both ends included.
bool cycleAccepted(QStringView cycle);

} // namespace velluna
