// SPDX-License-Identifier: GPL-3.0-or-later
// The two presses of "Conferma": the first accepts the date, the second the
// cycle and starts the calculation. What each press does is decided here,
// from the list texts and today; the window only carries it out.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace velluna {

// The list texts as they stand at the moment of a press.
struct EntryTexts
{
    QString day, month, year, cycle;
};

class Confirmation
{
public:
    enum class Message { None, Date, Cycle };
    enum class Panel { Unchanged, Shown, Hidden };

    // What a press does, in this order: the cycle panel shown or hidden,
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
        QDate lmp; // the accepted date, when the press calculates
    };

    // 0 while the date is awaited, 1 once it is accepted and the cycle is.
    int fase() const { return Fase; }

    // A press of "Conferma".
    Answer press(const EntryTexts &texts, QDate today);
    // The first stage's check alone: the cycle guard, then the date.
    Answer checkDate(const EntryTexts &texts, QDate today);
    // Called when the message of `answer` has gone.
    void messageGone(const Answer &answer);

private:
    int Fase = 0;
};

// The error row's text for a message; empty for none.
QString messageText(Confirmation::Message message);

// What the focus holder says before the first press.
QString startPrompt();

} // namespace velluna
