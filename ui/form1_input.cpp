// SPDX-License-Identifier: GPL-3.0-or-later
// The entry lists and the two-press confirmation.
#include "form1.h"

#include "calc/pregnancy.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

namespace velluna {

void Form1::PGiorni()
{
    Ann->setEditText(leadingNumberText(Ann->currentText()));
    GiorniMese = monthLengths(leadingNumber(Ann->currentText()));
    const QString kept = Giorn->currentText();
    Giorn->clear();
    const int days = daysForMonthText(Mes->currentText(), GiorniMese);
    Giorn->addItems(dayItems(days));
    Giorn->setEditText(keptDayText(kept, days));
}

void Form1::Mes_Click()
{
    PGiorni();
}

void Form1::OK_Click()
{
    Text1->setFocus();
    if (Fase == 0) {
        Command1_Click();
        return;
    }
    if (!cycleAccepted(Ciclo->currentText())) {
        MostraErrore(QStringLiteral("Ciclo da 22 a 45 giorni!"));
        Fase = 1;
        return;
    }
    mestra->hide();
    Fase = 0;
    // The date lists stay reachable from the keyboard behind the cycle
    // panel, so the date is checked again before anything is computed
    // from it; a date edited into no date, or one that aged out at New
    // Year, sends the user back to the date.
    if (!lmpAccepted(Giorn->currentText(), Mes->currentText(), Ann->currentText(), m_clock.today())) {
        MostraErrore(QStringLiteral("Controllare la Data Inserita!"));
        return;
    }
    Elabora();
    AggiornaProgresso();
    // The focus holder says what the press produced: the probable date, and
    // the weeks and the month unless an early stop keeps them out of sight.
    QStringList shown;
    if (heightTwips() == layout::kHeightFull)
        shown = {Settimana->caption(), Label7->caption()};
    Text1->setAccessibleName(resultSummary(Label2->caption(), shown));
}

void Form1::Command1_Click()
{
    if (!cycleAccepted(Ciclo->currentText())) {
        MostraErrore(QStringLiteral("Ciclo da 22 a 45 giorni!"));
        return;
    }
    if (!lmpAccepted(Giorn->currentText(), Mes->currentText(), Ann->currentText(), m_clock.today())) {
        MostraErrore(QStringLiteral("Controllare la Data Inserita!"));
        return;
    }
    mestra->show();
    Fase = 1;
    Text1->setAccessibleName(QStringLiteral("Data accettata: scegli la lunghezza media del ciclo e premi Conferma."));
}

void Form1::MostraErrore(const QString &message)
{
    errore->setCaption(message);
    Text1->setAccessibleName(message); // where the press left the focus
    T1->hide();
    T1b->hide();
    errore->show();
    Merror->show();
    setHeightTwips(layout::kHeightMessage);
    Pausa(2);
    setHeightTwips(layout::kHeightStrip);
    errore->hide();
    Merror->hide();
}

void Form1::Pausa(double seconds)
{
    // The window keeps handling its events meanwhile, but the wait sleeps
    // until the next event or the deadline instead of spinning, and counts
    // on a monotonic clock, so midnight does not cut it short.
    const qint64 end = m_clock.elapsedMs() + static_cast<qint64>(seconds * 1000.0);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 now = m_clock.elapsedMs(); now < end; now = m_clock.elapsedMs()) {
        wake.start(static_cast<int>(end - now));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace velluna
