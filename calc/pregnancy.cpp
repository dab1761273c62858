// SPDX-License-Identifier: GPL-3.0-or-later
#include "pregnancy.h"

#include "calc/heights.h"
#include "calc/progress.h"
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

// A caption as a sentence of its own: "2 giorni." already ends one.
QString sentence(QString caption)
{
    if (caption.endsWith(u'.'))
        caption.chop(1);
    return QStringLiteral(". ") + caption;
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

Results Pregnancy::calculate(QDate lmp, QStringView cycle, QDate today)
{
    Results d;
    Elabora(lmp, cycle, today, d);
    AggiornaProgresso(d);
    // The focus holder says what the press produced: the probable date, and
    // the weeks and the month unless an early stop keeps them out of sight.
    d.Text1 = QStringLiteral("Probabile parto: ") + d.birthDates[1];
    if (d.heightTwips == kHeightFull)
        d.Text1 += sentence(*d.Settimana) + sentence(*d.Label7);
    return d;
}

void Pregnancy::Elabora(QDate lmp, QStringView cycle, QDate today, Results &d)
{
    DiffCiclo = cycleDifference(cycle);
    QDate adjusted = lmp.addDays(DiffCiclo);
    d.heightTwips = kHeightFull;
    d.centredForTwips = kHeightFull;
    GiorniTotali = kGiorniTotali;
    auto date = d.birthDates.begin();
    for (const int offset : kBirthOffsets) {
        DividiG(adjusted.addDays(offset));
        *date++ = DataLunga;
    }
    Calcolo(adjusted, today, d);
}

void Pregnancy::DividiG(QDate R)
{
    DataLunga = longDate(R);
}

void Pregnancy::Calcolo(QDate &M, QDate today, Results &d)
{
    const int days = static_cast<int>(M.daysTo(today));
    const int weeks = floorDiv(days, 7);
    const int rest = days % 7; // with the sign of days
    if (rest < 0) {
        // The adjusted date lies ahead by part of a week: nothing is shown.
        d.heightTwips = kHeightFutureStop;
        return;
    }
    GiorniPassati = days;
    if (weeks > 3) {
        d.SettimanaMarked = true;
        Lampeggio = 1;
        if (weeks <= 40)
            d.SettimanaTip = content::weekText(weeks);
    }
    d.Settimana = weekCaption(weeks, rest);

    // Month, trimester and milestone count from the date as entered.
    DiffCiclo = -DiffCiclo;
    M = M.addDays(DiffCiclo);
    const int elapsed = static_cast<int>(M.daysTo(today));
    int month = monthForElapsed(elapsed);
    MeseCorrente = month;
    d.Image1 = content::monthPicture(month);
    const bool final = month >= 10;
    if (final) {
        month = 9;
        MeseCorrente = 9;
    }
    const int trimester = month < 4 ? 1 : month < 7 ? 2 : 3;
    d.Trimestre = QString::number(trimester) + QStringLiteral("° Trimestre");
    d.Label7 = QString::number(month) + QStringLiteral("° Mese") + (final ? QStringLiteral(" Finale") : QString());
    if (month >= 1)
        d.Posiz = content::monthPhrase(month);

    const int milestoneWeek = floorDiv(elapsed + 7, 7);
    if (milestoneWeek < 0 || milestoneWeek >= 42) {
        d.heightTwips = kHeightMilestoneStop;
        return;
    }
    d.Consigli = content::milestone(milestoneWeek);
    d.note = content::adviceText(trimester);
}

void Pregnancy::AggiornaProgresso(Results &d) const
{
    const Progress p = computeProgress(GiorniPassati, GiorniTotali);
    d.Perce = p.caption;
    d.PerceTip = p.countdown;
    d.maskLeftTwips = p.maskLeftTwips;
}

} // namespace velluna
