// SPDX-License-Identifier: GPL-3.0-or-later
#include "pregnancy.h"

#include "content/texts.h"
#include "input/leadingnumber.h"

#include <QLocale>
#include <cmath>

namespace velluna {

namespace {

int floorDiv(int a, int b)
{
    return static_cast<int>(std::floor(static_cast<double>(a) / b));
}

QString weekCaption(int weeks, int rest)
{
    if (weeks == 0)
        return QString::number(rest) + (rest == 1 ? QStringLiteral(" giorno") : QStringLiteral(" giorni."));
    return QString::number(weeks) + (weeks == 1 ? QStringLiteral(" settimana e ") : QStringLiteral(" settimane e "))
           + QString::number(rest) + QStringLiteral(" giorni");
}

} // namespace

int cycleDifference(QStringView cycleText)
{
    return static_cast<int>(std::floor(leadingNumber(cycleText))) - 28;
}

QString longDate(QDate date)
{
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    return italian.dayName(date.dayOfWeek(), QLocale::LongFormat) + u' ' + QString::number(date.day()) + u' '
           + italian.monthName(date.month(), QLocale::LongFormat) + u' ' + QString::number(date.year());
}

int monthForElapsed(int elapsed)
{
    return static_cast<int>(std::floor(elapsed / 30.41666)) + 1;
}

QString resultSummary(const QString &probable, const QStringList &captions)
{
    QString summary = QStringLiteral("Probabile parto: ") + probable;
    for (QString caption : captions) {
        // "2 giorni." already ends its sentence.
        if (caption.endsWith(u'.'))
            caption.chop(1);
        summary += QStringLiteral(". ") + caption;
    }
    return summary;
}

Status computeStatus(QDate adjustedLmp, int cycleDiff, QDate today)
{
    Status s;
    s.days = static_cast<int>(adjustedLmp.daysTo(today));
    s.weeks = floorDiv(s.days, 7);
    s.rest = s.days % 7;
    if (s.rest < 0) {
        s.futureStop = true;
        return s;
    }
    s.weekCaption = weekCaption(s.weeks, s.rest);

    s.weekMarked = s.weeks > 3;
    if (s.weekMarked)
        s.weekTooltip = content::weekText(s.weeks);

    s.elapsed = s.days + cycleDiff;
    s.month = monthForElapsed(s.elapsed);
    if (s.month > 0 && s.month < 10)
        s.pictureMonth = s.month;
    if (s.month >= 10) {
        s.month = 9;
        s.finalMonth = true;
    }
    s.trimester = s.month < 4 ? 1 : s.month < 7 ? 2 : 3;
    s.trimesterCaption = QString::number(s.trimester) + QStringLiteral("° Trimestre");
    s.monthCaption = QString::number(s.month) + QStringLiteral("° Mese")
                     + (s.finalMonth ? QStringLiteral(" Finale") : QString());
    s.monthPhrase = content::monthPhrase(s.month);

    s.milestoneWeek = floorDiv(s.elapsed + 7, 7);
    if (s.milestoneWeek < 0 || s.milestoneWeek >= 42) {
        s.milestoneStop = true;
        return s;
    }
    s.milestone = content::milestone(s.milestoneWeek);
    s.advice = content::adviceText(s.trimester);
    return s;
}

} // namespace velluna
