// SPDX-License-Identifier: GPL-3.0-or-later
#include "confirmation.h"

#include "datecheck.h"

namespace velluna {

namespace {

bool dateAccepted(const EntryTexts &t, QDate today)
{
    return lmpAccepted(t.day, t.month, t.year, today);
}

Confirmation::Answer rejected(Confirmation::Panel panel, Confirmation::Message message,
                              std::optional<int> faseAfterMessage = {})
{
    return {.panel = panel,
            .message = message,
            .calculate = false,
            .faseAfterMessage = faseAfterMessage,
            .prompt = messageText(message),
            .lmp = {}};
}

} // namespace

Confirmation::Answer Confirmation::press(const EntryTexts &texts, QDate today)
{
    if (Fase == 0)
        return checkDate(texts, today);
    if (!cycleAccepted(texts.cycle))
        return rejected(Panel::Unchanged, Message::Cycle, 1);
    Fase = 0;
    // The date lists stay reachable from the keyboard behind the cycle
    // panel, so the date is checked again before anything is computed from
    // it; a date edited into no date, or one that aged out at New Year,
    // sends the user back to the date.
    if (!dateAccepted(texts, today))
        return rejected(Panel::Hidden, Message::Date);
    return {.panel = Panel::Hidden,
            .message = Message::None,
            .calculate = true,
            .faseAfterMessage = {},
            .prompt = {},
            .lmp = *calendarDate(texts.day, texts.month, texts.year)};
}

Confirmation::Answer Confirmation::checkDate(const EntryTexts &texts, QDate today)
{
    // The panel is hidden at this stage and the cycle holds "28" or a value
    // accepted before, so this guard passes in use; it comes first all the
    // same.
    if (!cycleAccepted(texts.cycle))
        return rejected(Panel::Unchanged, Message::Cycle);
    if (!dateAccepted(texts, today))
        return rejected(Panel::Unchanged, Message::Date);
    Fase = 1;
    return {.panel = Panel::Shown,
            .message = Message::None,
            .calculate = false,
            .faseAfterMessage = {},
            .prompt = QStringLiteral("Data accettata: scegli la lunghezza media del ciclo e premi Conferma."),
            .lmp = {}};
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

QString startPrompt()
{
    return QStringLiteral("Scegli la data dell'ultima mestruazione e premi Conferma.");
}

} // namespace velluna
