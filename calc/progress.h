// SPDX-License-Identifier: GPL-3.0-or-later
// The share of the pregnancy elapsed and the days that remain.
#pragma once

#include <QLocale>
#include <QString>

namespace velluna {

struct Progress
{
    double percent = 0;      // capped at 100, rounded to two decimals
    QString caption;         // "37,86%" with the locale's decimal separator
    float maskLeftTwips = 0; // where the black mask over the bar begins
    QString countdown;       // "Mancano: 174 giorni, ovvero: 24 settimane e 6 giorni."
};

inline constexpr double kPassoPerc = 3240.0 / 100.0; // twips of bar per percent

Progress computeProgress(int giorniPassati, int giorniTotali, const QLocale &locale = QLocale());

QString countdownSentence(int remaining);

} // namespace velluna
