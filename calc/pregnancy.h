// SPDX-License-Identifier: GPL-3.0-or-later
// The pregnancy state and the calculation that runs when the date and the
// cycle are accepted: birth dates, elapsed weeks and days, month, trimester,
// milestone, advice and progress, as what the window must show.
#pragma once

#include "content/monthdetail.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

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

// Month of pregnancy from days since the date as entered: 30.41666 days each.
int monthForElapsed(int elapsed);

// What one calculation puts in the window, field by control. An empty field
// leaves the control as it was: the early stops keep earlier results.
struct Results
{
    std::array<QString, 3> birthDates; // Label1, Label2, Label3
    std::optional<QString> Settimana;
    std::optional<QString> SettimanaTip;
    bool SettimanaMarked = false; // the question pointer, from four weeks on
    std::optional<QString> Label7;
    std::optional<QString> Trimestre;
    std::optional<QString> Posiz;
    std::optional<QString> Consigli;
    std::optional<QString> note;
    std::optional<content::Picture> Image1;
    QString Perce;
    QString PerceTip;
    float maskLeftTwips = 0; // where the black mask over the bar begins
    int heightTwips = 0;
    // The window is centred for the full height, even when an early stop
    // then shrinks it.
    int centredForTwips = 0;
    QString Text1; // what the focus holder says: the result in a sentence
};

// The state that the window keeps between calculations. Unset values count
// as 0, except the two day counts, which start at 1.
class Pregnancy
{
public:
    // An accepted date of the last menstruation and cycle text, on `today`.
    Results calculate(QDate lmp, QStringView cycle, QDate today);

    int meseCorrente() const { return MeseCorrente; }
    bool weekBlinks() const { return Lampeggio == 1; }

private:
    void Elabora(QDate lmp, QStringView cycle, QDate today, Results &d);
    void DividiG(QDate R);
    void Calcolo(QDate &M, QDate today, Results &d);
    void AggiornaProgresso(Results &d) const;

    int DiffCiclo = 0;     // cycle length minus 28, in whole days
    int GiorniTotali = 1;  // length of the pregnancy in days
    int GiorniPassati = 1; // days from the adjusted date to today
    QString DataLunga;     // the last long date written
    int MeseCorrente = 0;  // month of pregnancy, 9 at most
    int Lampeggio = 0;     // 1 once the week label blinks too
};

} // namespace velluna
