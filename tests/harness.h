// What the window tests share: a clock they set, and the real window driven
// through events as a user would drive it.
#pragma once

#include "calc/clock.h"
#include "ui/form1.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace velluna::test {

// A fixed "today", and elapsed time that runs as real time does and also
// jumps at each reading: by the next of `jumps`, then by `step`. With the
// default step a two-second wait turns the event loop once and then ends.
class FakeClock final : public Clock
{
public:
    FakeClock() { m_real.start(); }
    QDate today() const override { return day; }
    qint64 elapsedMs() const override
    {
        m_elapsed += jumps.isEmpty() ? step : jumps.takeFirst();
        return m_elapsed + m_real.elapsed();
    }
    QDate day;
    qint64 step = 1990;
    mutable QList<qint64> jumps;

private:
    QElapsedTimer m_real;
    mutable qint64 m_elapsed = 0;
};

struct Harness
{
    FakeClock clock;
    std::unique_ptr<Form1> form;

    explicit Harness(QDate today)
    {
        // The offscreen platform warns at every change of the fixed height.
        static const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(u"propagateSizeHints"))
                    previous(type, context, message);
            });
        clock.day = today;
        form = std::make_unique<Form1>(clock);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the window did not become active");
        // The pointer rests on the day list, where it does nothing, so that
        // the next move is a move even where the last window had it.
        moveTo(form->Giorn);
    }

    // Replaces a list's text as a user does; what no key types, an input
    // method commits.
    void type(List *list, const QString &text)
    {
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        list->lineEdit()->selectAll();
        QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(list->lineEdit(), &commit);
    }
    void enterDate(const QString &day, const QString &month, const QString &year)
    {
        type(form->Giorn, day);
        type(form->Mes, month);
        type(form->Ann, year);
    }

    // The pointer to a point of the client area, or a click there: the
    // window system hands the event to whatever control lies in front.
    static QPoint centreOf(const QWidget *w) { return w->mapTo(w->window(), w->rect().center()); }
    void moveTo(QPoint p)
    {
        QCoreApplication::processEvents(); // the window may just have moved
        QTest::mouseMove(form->windowHandle(), p);
    }
    void moveTo(const QWidget *w) { moveTo(centreOf(w)); }
    void clickAt(QPoint p, const std::function<void()> &meanwhile = {})
    {
        moveTo(p);
        QObject guard; // `meanwhile` runs at the first turn of the event loop inside the click
        if (meanwhile)
            QTimer::singleShot(0, &guard, meanwhile);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, p);
    }
    void click(const QWidget *w) { clickAt(centreOf(w)); }
    void pressOk(const std::function<void()> &meanwhile = {}) { clickAt(centreOf(form->OK), meanwhile); }

    // Both presses of a calculation: the date, then the cycle.
    void calculate(QDate lmp, const QString &cycle = QStringLiteral("28"))
    {
        enterDate(QString::number(lmp.day()), QString::number(lmp.month()), QString::number(lmp.year()));
        pressOk();
        type(form->Ciclo, cycle);
        pressOk();
    }
};

} // namespace velluna::test
