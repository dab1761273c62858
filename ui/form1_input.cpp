// SPDX-License-Identifier: GPL-3.0-or-later
// The entry lists and the two-press confirmation.
#include "form1.h"

#include "input/lists.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

namespace velluna {

void Form1::PGiorni()
{
    const DayList list = dayList(Giorn->currentText(), Mes->currentText(), Ann->currentText());
    Ann->setEditText(list.year);
    Giorn->clear();
    Giorn->addItems(list.days);
    Giorn->setEditText(list.day);
}

void Form1::Mes_Click()
{
    PGiorni();
}

void Form1::OK_Click()
{
    Text1->setFocus();
    carryOut(m_confirmation.press(entryTexts(), m_clock.today()));
}

void Form1::Command1_Click()
{
    carryOut(m_confirmation.checkDate(entryTexts(), m_clock.today()));
}

EntryTexts Form1::entryTexts() const
{
    return {Giorn->currentText(), Mes->currentText(), Ann->currentText(), Ciclo->currentText(), {}};
}

void Form1::carryOut(const Confirmation::Answer &answer)
{
    if (answer.panel == Confirmation::Panel::Shown)
        mestra->show();
    else if (answer.panel == Confirmation::Panel::Hidden)
        mestra->hide();
    if (!answer.prompt.isEmpty())
        Text1->setAccessibleName(answer.prompt); // where the press left the focus
    if (answer.message != Confirmation::Message::None) {
        MostraErrore(messageText(answer.message));
        m_confirmation.messageGone(answer);
        return;
    }
    if (answer.calculate)
        showResults(m_pregnancy.calculate(answer.lmp, answer.cycle, m_clock.today()));
}

void Form1::MostraErrore(const QString &message)
{
    errore->setCaption(message);
    T1->hide();
    T1b->hide();
    errore->show();
    Merror->show();
    setHeightTwips(kHeightMessage);
    Pausa(2);
    setHeightTwips(kHeightStrip);
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
