// A window left open while the date changes: midnight and New Year between
// two presses, and midnight while a message shows.
#include "formharness.h"

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

class TstTime : public QObject
{
    Q_OBJECT

private slots:
    void pressesOnTwoDays_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("lmp");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QDate>("second");
        // After the press on the second day: stage, cycle frame, height |
        // week | month | countdown | the message shown.
        QTest::addColumn<QString>("after");
        QTest::newRow("midnight: today becomes yesterday") << QDate(2026, 12, 6) << QDate(2026, 12, 6) << "28" << false
                                                           << QDate(2026, 12, 7) << "1 1 1065 |  |  |  | ";
        QTest::newRow("midnight: tomorrow becomes today")
            << QDate(2026, 12, 6) << QDate(2026, 12, 7) << "28" << false << QDate(2026, 12, 7)
            << "0 0 1065 |  |  |  | Controllare la Data Inserita!";
        QTest::newRow("New Year: New Year's Eve becomes yesterday")
            << QDate(2026, 12, 31) << QDate(2026, 12, 31) << "28" << false << QDate(2027, 1, 1)
            << "1 1 1065 |  |  |  | ";
        QTest::newRow("same day")
            << QDate(2026, 12, 6) << QDate(2026, 11, 6) << "28" << true << QDate(2026, 12, 6)
            << "0 0 7950 | 4 settimane e 2 giorni | 1° Mese | Mancano: 250 giorni, ovvero: 35 settimane e 5 giorni. | ";
        QTest::newRow("month turns at midnight")
            << QDate(2026, 12, 6) << QDate(2026, 11, 6) << "28" << true << QDate(2026, 12, 7)
            << "0 0 7950 | 4 settimane e 3 giorni | 2° Mese | Mancano: 249 giorni, ovvero: 35 settimane e 4 giorni. | ";
        QTest::newRow("adjusted date still ahead") // the start-up countdown stays
            << QDate(2026, 12, 6) << QDate(2026, 12, 5) << "30" << true << QDate(2026, 12, 6)
            << "0 0 2055 |  |  | Mancano: 279 giorni, ovvero: 39 settimane e 6 giorni. | ";
        QTest::newRow("adjusted date reached at midnight")
            << QDate(2026, 12, 6) << QDate(2026, 12, 5) << "30" << true << QDate(2026, 12, 7)
            << "0 0 7950 | 0 giorni. | 1° Mese | Mancano: 280 giorni, ovvero: 40 settimane. | ";
        QTest::newRow("New Year: last year's date stays")
            << QDate(2026, 12, 6) << QDate(2026, 1, 1) << "28" << true << QDate(2027, 1, 1)
            << "0 0 2040 | 52 settimane e 1 giorni | 9° Mese Finale | Mancano: -85 giorni. | ";
        QTest::newRow("New Year: the year before last drops out")
            << QDate(2026, 12, 31) << QDate(2025, 1, 1) << "28" << true << QDate(2027, 1, 1)
            << "0 0 1065 |  |  |  | Controllare la Data Inserita!";
        QTest::newRow("New Year: a leap day ages out")
            << QDate(2029, 12, 31) << QDate(2028, 2, 29) << "28" << true << QDate(2030, 1, 1)
            << "0 0 1065 |  |  |  | Controllare la Data Inserita!";
    }

    // A date entered and pressed on one day, the cycle typed if the date
    // was taken, and the next press on another day.
    void pressesOnTwoDays()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, lmp);
        QFETCH(QString, cycle);
        QFETCH(bool, accepted);
        QFETCH(QDate, second);
        QFETCH(QString, after);
        Harness h(first);
        Form1 &f = *h.form;
        h.enterDate(QString::number(lmp.day()), lmp.toString(u"MM"_s), QString::number(lmp.year()));
        h.pressOk();
        QCOMPARE(f.Fase == 1, accepted);
        if (accepted)
            h.type(f.Ciclo, cycle);
        h.clock.setToday(second);
        const QString message = h.pressOkWatchingMessage().message;
        QCOMPARE(QStringList({u"%1 %2 %3"_s.arg(f.Fase).arg(f.mestra->isVisible()).arg(f.heightTwips()),
                              f.Settimana->caption(), f.Label7->caption(), f.Perce->toolTip(), message})
                     .join(u" | "),
                 after);
    }

    void messageAcrossMidnight()
    {
        // The wait counts on the monotonic clock only: when the day changes
        // while a message shows, the message stays its two seconds, and a press
        // inside it already sees the new day.
        Harness h(QDate(2026, 12, 6));
        h.enterDate(u"06"_s, u"12"_s, u"2026"_s); // today: rejected
        h.clock.setStep(0);
        int ticks = 0, ticksShowing = 0;
        bool nestedAccepted = false;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] {
            h.clock.advance(100);
            ticksShowing += h.form->errore->isVisible();
            if (++ticks == 5)
                h.clock.setToday(QDate(2026, 12, 7));
            if (ticks == 10) {
                h.pressOk();
                nestedAccepted = h.form->Fase == 1;
            }
            if (ticks > 100)
                tick.stop(); // a wait that never ends stops the clock too
        });
        tick.start(0);
        h.pressOk();
        QVERIFY(nestedAccepted);
        // The wait began at the press and ended at the first look at the clock
        // two seconds on: after the twentieth step of 100 ms, or at the latest
        // the one after if it looked just before.
        QVERIFY2(ticksShowing >= 19 && ticks <= 21,
                 qPrintable(u"%1 ticks, %2 while showing"_s.arg(ticks).arg(ticksShowing)));
        QVERIFY(!h.form->errore->isVisible());
        QCOMPARE(h.form->heightTwips(), 1065);
        QCOMPARE(h.form->Fase, 1);
    }
};

QTEST_MAIN(TstTime)
#include "tst_time.moc"
