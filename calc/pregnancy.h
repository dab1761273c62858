// SPDX-License-Identifier: GPL-3.0-or-later
// The pregnancy arithmetic: birth dates, elapsed weeks and days, month,
// trimester and milestone week, with the texts the window shows for them.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace velluna {

inline constexpr int kGiorniTotali = 280;

// Days after the adjusted date of the last menstruation on which the
// earliest, probable and latest birth dates fall: 39, 40 and 42 weeks. The
// probable date is the day the countdown reaches "Mancano: 0 giorni." and the
// week label "40 settimane e 0 giorni".
inline constexpr std::array<int, 3> kBirthOffsets{273, kGiorniTotali, 294};

// The difference from a 28-day cycle, in whole days. A fractional cycle
// ("28.5") loses its fraction, so the date moved by it stays a calendar day
// and moving back by the same amount lands on the date as entered.
int cycleDifference(QStringView cycleText);

// Weekday, day without leading zero, month and four-digit year, with the
// full Italian names: "domenica 28 novembre 2027".
QString longDate(QDate date);

// Everything one calculation derives from the adjusted date of the last
// menstruation, the cycle difference and today, in the order the window
// applies it.
struct Status
{
    int days = 0;  // today minus the adjusted date
    int weeks = 0; // rounded down, so -1 for days -1 to -7
    int rest = 0;  // days modulo 7 with the sign of days
    QString weekCaption;
    bool futureStop = false; // the adjusted date lies ahead by part of a week

    bool weekMarked = false; // four weeks or more: pointer, blink, tooltip
    QString weekTooltip;     // empty when the week has no text (above 40)

    int elapsed = 0; // today minus the date as entered
    int month = 0;   // clamped to 9
    bool finalMonth = false;
    int pictureMonth = 0; // 1..9 when the thumbnail changes, else 0
    int trimester = 0;
    QString trimesterCaption;
    QString monthCaption;  // "5° Mese", "9° Mese Finale"
    QString monthPhrase;   // empty when the phrase stays as it was

    int milestoneWeek = 0;
    bool milestoneStop = false; // outside 0..41: the advice stays as it was
    QString milestone;
    QString advice;
};

Status computeStatus(QDate adjustedLmp, int cycleDiff, QDate today);

// Month of pregnancy from days since the date as entered: 30.41666 days each.
int monthForElapsed(int elapsed);

// What a screen reader hears after a calculation: "Probabile parto: " and the
// probable date, then each further caption given, as sentences.
QString resultSummary(const QString &probable, const QStringList &captions = {});

} // namespace velluna
