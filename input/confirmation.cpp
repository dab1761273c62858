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
            .lmp = {},
            .cycle = {}};
}

// The day counted from in the first mode, before the cycle moves it.
const QString kCycle28 = QStringLiteral("28");

} // namespace

void Confirmation::setMode(Mode mode)
{
    m_mode = mode;
    Fase = 0;
}

Confirmation::Answer Confirmation::press(const EntryTexts &texts, QDate today)
{
    if (Fase == 0)
        return checkDate(texts, today);
    const bool transfer = m_mode == Mode::Transfer;
    const std::optional<int> age = embryoAge(texts.embryo);
    if (transfer ? !age : !cycleAccepted(texts.cycle))
        return rejected(Panel::Unchanged, transfer ? Message::Embryo : Message::Cycle, 1);
    Fase = 0;
    // The date lists stay reachable from the keyboard behind the panel, so
    // the date is checked again before anything is computed from it; a date
    // edited into no date, or one that aged out at New Year, sends the user
    // back to the date.
    if (!dateAccepted(texts, today))
        return rejected(Panel::Hidden, Message::Date);
    const QDate date = *calendarDate(texts.day, texts.month, texts.year);
    // The transfer of an embryo `age` days old: its conception was `age`
    // days before, and the pregnancy counts from two weeks before that.
    if (transfer)
        return calculation(date.addDays(-14 - *age), kCycle28);
    return calculation(date, texts.cycle);
}

Confirmation::Answer Confirmation::checkDate(const EntryTexts &texts, QDate today)
{
    if (m_mode == Mode::DueDate) {
        const std::optional<QDate> lmp = dueDateLmp(texts.day, texts.month, texts.year, today);
        if (!lmp)
            return rejected(Panel::Unchanged, Message::Date);
        return calculation(*lmp, kCycle28);
    }
    // The panel is hidden at this stage and the cycle holds "28" or a value
    // accepted before, so this guard passes in use; it comes first all the
    // same. The other modes never read the cycle.
    if (m_mode == Mode::LastPeriod && !cycleAccepted(texts.cycle))
        return rejected(Panel::Unchanged, Message::Cycle);
    if (!dateAccepted(texts, today))
        return rejected(Panel::Unchanged, Message::Date);
    Fase = 1;
    return {.panel = Panel::Shown,
            .message = Message::None,
            .calculate = false,
            .faseAfterMessage = {},
            .prompt =
                m_mode == Mode::Transfer
                    ? QStringLiteral("Data accettata: scegli i giorni dell'embrione al transfer e premi Conferma.")
                    : QStringLiteral("Data accettata: scegli la lunghezza media del ciclo e premi Conferma."),
            .lmp = {},
            .cycle = {}};
}

Confirmation::Answer Confirmation::calculation(QDate lmp, const QString &cycle)
{
    Fase = 0;
    return {.panel = Panel::Hidden,
            .message = Message::None,
            .calculate = true,
            .faseAfterMessage = {},
            .prompt = {},
            .lmp = lmp,
            .cycle = cycle};
}

void Confirmation::messageGone(const Answer &answer)
{
    if (answer.faseAfterMessage)
        Fase = *answer.faseAfterMessage;
}

QString modeName(Mode mode)
{
    switch (mode) {
    case Mode::DueDate:
        return QStringLiteral("Data Presunta Parto");
    case Mode::Transfer:
        return QStringLiteral("Transfer Embrione");
    case Mode::LastPeriod:
        break;
    }
    return QStringLiteral("Ultima Mestruazione");
}

QString modeSwitchTip()
{
    return QStringLiteral(
        "Clicca per scegliere da quale data contare: ultima mestruazione, data presunta del parto o transfer "
        "dell'embrione.");
}

QString secondListCaption(Mode mode)
{
    return mode == Mode::Transfer ? QStringLiteral("Giorni dell'Embrione") : QStringLiteral("Lunghezza Media Ciclo");
}

QString messageText(Confirmation::Message message)
{
    switch (message) {
    case Confirmation::Message::Date:
        return QStringLiteral("Controllare la Data Inserita!");
    case Confirmation::Message::Cycle:
        return QStringLiteral("Ciclo da 22 a 45 giorni!");
    case Confirmation::Message::Embryo:
        return QStringLiteral("Embrione da 2 a 6 giorni!");
    case Confirmation::Message::None:
        break;
    }
    return {};
}

QString startPrompt(Mode mode)
{
    switch (mode) {
    case Mode::DueDate:
        return QStringLiteral("Scegli la data presunta del parto e premi Conferma.");
    case Mode::Transfer:
        return QStringLiteral("Scegli la data del transfer dell'embrione e premi Conferma.");
    case Mode::LastPeriod:
        break;
    }
    return QStringLiteral("Scegli la data dell'ultima mestruazione e premi Conferma.");
}

} // namespace velluna
