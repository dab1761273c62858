// SPDX-License-Identifier: GPL-3.0-or-later
// The presses of "Conferma": the first accepts the date, the second the
// cycle, or the embryo's age, and starts the calculation; a due date is
// calculated at the first. What each press does is decided here, from the
// mode, the list texts and today; the window only carries it out.
#pragma once

#include "mode.h"

#include <QDate>
#include <QString>
#include <optional>

namespace velluna {

// The list texts as they stand at the moment of a press.
struct EntryTexts
{
    QString day, month, year, cycle, embryo;
};

class Confirmation
{
public:
    enum class Message { None, Date, Cycle, Embryo };
    enum class Panel { Unchanged, Shown, Hidden };

    // What a press does, in this order: the panel of the cycle or of the
    // embryo's age shown or hidden,
    // the message shown for its two seconds, or the calculation run.
    struct Answer
    {
        Panel panel = Panel::Unchanged;
        Message message = Message::None;
        bool calculate = false;
        // The stage once the message has gone. Other presses may run while
        // a message shows; a cycle rejected at the second stage keeps the
        // user at the cycle whatever they did meanwhile.
        std::optional<int> faseAfterMessage;
        // What the focus holder says after the press, when it changes: the
        // message, or what to enter next. The calculation says its result.
        QString prompt;
        // When the press calculates: the date of the last menstruation and
        // the cycle text that the calculation takes.
        QDate lmp;
        QString cycle;
    };

    // 0 while the date is awaited, 1 once it is accepted and the cycle or
    // the embryo's age is.
    int fase() const { return Fase; }
    Mode mode() const { return m_mode; }
    // A mode chosen, the current one too: the first stage again.
    void setMode(Mode mode);

    // A press of "Conferma".
    Answer press(const EntryTexts &texts, QDate today);
    // The first stage's check alone: in the first mode the cycle guard, then
    // the date.
    Answer checkDate(const EntryTexts &texts, QDate today);
    // Called when the message of `answer` has gone.
    void messageGone(const Answer &answer);

private:
    Answer calculation(QDate lmp, const QString &cycle);

    int Fase = 0;
    Mode m_mode = Mode::LastPeriod;
};

// The error row's text for a message; empty for none.
QString messageText(Confirmation::Message message);

// What the focus holder says before the first press in a mode.
QString startPrompt(Mode mode = Mode::LastPeriod);

} // namespace velluna
