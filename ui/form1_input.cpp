// SPDX-License-Identifier: GPL-3.0-or-later
// The entry lists and the two-press confirmation.
#include "form1.h"

#include "input/lists.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
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

// The year list of the mode, and its date preselected.
void Form1::fillDateLists(const ModeLists &lists)
{
    const QDate d = lists.preselected;
    Ann->clear();
    Ann->addItems(lists.years);
    // Picking a month from code is a pick like the user's.
    Mes->selectItem(d.month() - 1);
    Mes_Click();
    Ann->selectItem(lists.years.indexOf(QString::number(d.year())));
    PGiorni();
    Giorn->selectItem(d.day() - 1);
}

// The heading opens its menu under itself, the current mode's item
// ready for the keyboard.
void Form1::Label4_Click()
{
    Modo->popup(Label4->mapToGlobal(QPoint(0, Label4->height())));
    Modo->setActiveAction(Modo->actions().at(static_cast<int>(m_confirmation.mode())));
}

void Form1::Modo_Click(QAction *item)
{
    chooseMode(kModes.at(Modo->actions().indexOf(item)));
}

// Any mode chosen, the current one too, starts again at its date: the
// heading names it, the lists offer and preselect its dates, the panel goes
// and the window shows the input strip alone. Nothing is calculated.
void Form1::chooseMode(Mode mode)
{
    m_confirmation.setMode(mode);
    Label4->setCaption(modeName(mode));
    fillDateLists(modeLists(mode, m_clock.today()));
    const bool transfer = mode == Mode::Transfer;
    Label6->setCaption(secondListCaption(mode));
    Ciclo->setVisible(!transfer);
    Embrione->setVisible(transfer);
    Embrione->setEditText(QStringLiteral("5"));
    mestra->hide();
    Label4->setEnabled(true);
    Text1->setAccessibleName(startPrompt(mode));
    setHeightTwips(kHeightStrip);
    Giorn->setFocus();
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
    return {Giorn->currentText(), Mes->currentText(), Ann->currentText(), Ciclo->currentText(),
            Embrione->currentText()};
}

void Form1::carryOut(const Confirmation::Answer &answer)
{
    if (answer.panel == Confirmation::Panel::Shown)
        mestra->show();
    else if (answer.panel == Confirmation::Panel::Hidden)
        mestra->hide();
    // While the panel covers the heading, the heading is out of reach.
    Label4->setEnabled(mestra->isHidden());
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
