// SPDX-License-Identifier: GPL-3.0-or-later
#include "confirmation.h"

#include "datecheck.h"

namespace velluna {

namespace {

bool dateAccepted(const EntryTexts &t, QDate today)
{
    return lmpAccepted(t.day, t.month, t.year, today);
}

} // namespace

Confirmation::Answer Confirmation::press(const EntryTexts &texts, QDate today)
{
    if (Fase == 0)
        return checkDate(texts, today);
    if (!cycleAccepted(texts.cycle))
        return {.panel = Panel::Unchanged, .message = Message::Cycle, .calculate = false, .faseAfterMessage = 1};
    Fase = 0;
    // The date lists stay reachable from the keyboard behind the cycle
    // panel, so the date is checked again before anything is computed from
    // it; a date edited into no date, or one that aged out at New Year,
    // sends the user back to the date.
    if (!dateAccepted(texts, today))
        return {.panel = Panel::Hidden, .message = Message::Date, .calculate = false, .faseAfterMessage = {}};
    return {.panel = Panel::Hidden, .message = Message::None, .calculate = true, .faseAfterMessage = {}};
}

Confirmation::Answer Confirmation::checkDate(const EntryTexts &texts, QDate today)
{
    // The panel is hidden at this stage and the cycle holds "28" or a value
    // accepted before, so this guard passes in use; it comes first all the
    // same.
    if (!cycleAccepted(texts.cycle))
        return {.panel = Panel::Unchanged, .message = Message::Cycle, .calculate = false, .faseAfterMessage = {}};
    if (!dateAccepted(texts, today))
        return {.panel = Panel::Unchanged, .message = Message::Date, .calculate = false, .faseAfterMessage = {}};
    Fase = 1;
    return {.panel = Panel::Shown, .message = Message::None, .calculate = false, .faseAfterMessage = {}};
}

void Confirmation::messageGone(const Answer &answer)
{
    if (answer.faseAfterMessage)
        Fase = *answer.faseAfterMessage;
}

QString messageText(Confirmation::Message message)
{
    switch (message) {
    case Confirmation::Message::Date:
        return QStringLiteral("Controllare la Data Inserita!");
    case Confirmation::Message::Cycle:
        return QStringLiteral("Ciclo da 22 a 45 giorni!");
    case Confirmation::Message::None:
        break;
    }
    return {};
}

} // namespace velluna
