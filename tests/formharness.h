// Drives the real window through events, as a user would.
#pragma once

#include "fakeclock.h"
#include "ui/form1.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

namespace velluna::test {

// The offscreen platform warns at every change of the window's fixed
// height; that says nothing about the program. Installed once the test
// runner has put its own handler in place, and passing everything else on.
inline void quietSizeHintWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(u"propagateSizeHints"))
                previous(type, context, message);
        });
}

struct Harness
{
    FakeClock clock;
    std::unique_ptr<Form1> form;

    explicit Harness(QDate today = QDate(2026, 12, 6))
        : clock(today)
    {
        quietSizeHintWarnings();
        // Each window opens where the last one was: the pointer leaves first,
        // or a move to where it already is would be no move at all.
        QCursor::setPos(0, 0);
        QCoreApplication::processEvents();
        form = std::make_unique<Form1>(clock);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the window did not become active");
    }

    // Replaces a list's text by typing, as a user would.
    void type(List *list, const QString &text)
    {
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        list->lineEdit()->selectAll();
        QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
        for (const QChar c : text) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
                QTest::keyClick(list->lineEdit(), c.toLatin1());
            } else {
                // What a keyboard cannot type, an input method commits.
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(list->lineEdit(), &commit);
            }
        }
    }

    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    static QPoint centreOf(const QWidget *w) { return w->mapTo(w->window(), w->rect().center()); }

    // The pointer to a point of the client area: the event goes to whatever
    // control the window system finds there.
    void moveTo(QPoint p)
    {
        QCoreApplication::processEvents(); // the window may just have moved
        QTest::mouseMove(form.get(), p);
    }
    void moveTo(const QWidget *w) { moveTo(centreOf(w)); }

    // A click delivered to whatever lies in front at that point, after the
    // pointer got there.
    void clickAt(QPoint p)
    {
        moveTo(p);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, p);
    }

    void pressOk() { click(form->OK); }

    void enterDate(const QString &day, const QString &month, const QString &year)
    {
        type(form->Giorn, day);
        type(form->Mes, month);
        type(form->Ann, year);
    }

    // Both presses of a calculation: the date, then the cycle.
    void calculate(QDate lmp, const QString &cycle = QStringLiteral("28"))
    {
        enterDate(QString::number(lmp.day()), QString::number(lmp.month()), QString::number(lmp.year()));
        pressOk();
        type(form->Ciclo, cycle);
        pressOk();
    }

    // What a press shows while its message is up: the caption and height.
    struct Shown
    {
        QString message;
        int height = 0;
    };
    Shown pressOkWatchingMessage()
    {
        Shown shown;
        QObject guard; // drops the check if no message ever runs the loop
        QTimer::singleShot(0, &guard, [&] {
            if (form->errore->isVisible())
                shown = {form->errore->caption(), form->heightTwips()};
        });
        pressOk();
        return shown;
    }
};

} // namespace velluna::test
