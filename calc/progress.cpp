// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress.h"

#include <cmath>

namespace velluna {

QString countdownSentence(int r)
{
    QString s = QStringLiteral("Mancano: ") + QString::number(r)
                + (r == 1 ? QStringLiteral(" giorno") : QStringLiteral(" giorni"));
    if (r <= 6)
        return s + u'.';
    const int weeks = r / 7;
    const int days = r % 7;
    s += QStringLiteral(", ovvero: ") + QString::number(weeks)
         + (weeks == 1 ? QStringLiteral(" settimana") : QStringLiteral(" settimane"));
    if (days == 0)
        return s + u'.';
    return s + QStringLiteral(" e ") + QString::number(days)
           + (days == 1 ? QStringLiteral(" giorno.") : QStringLiteral(" giorni."));
}

Progress computeProgress(int giorniPassati, int giorniTotali, const QLocale &locale)
{
    Progress p;
    double percent = static_cast<double>(giorniPassati) / giorniTotali * 100.0;
    if (percent > 100.0)
        percent = 100.0;
    // std::round rounds halves away from zero.
    p.percent = std::round(percent * 100.0) / 100.0;
    p.maskLeftTwips = static_cast<float>(p.percent) * static_cast<float>(kPassoPerc);
    // The shortest form that reads back as the rounded value has no
    // trailing zeros and no separator when the value is whole.
    p.caption = locale.toString(p.percent, 'f', QLocale::FloatingPointShortest) + u'%';
    p.countdown = countdownSentence(giorniTotali - giorniPassati);
    return p;
}

} // namespace velluna
