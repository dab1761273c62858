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
    void dateCheckedOnTheDayOfThePress_data();
    void dateCheckedOnTheDayOfThePress();
    void calculationOnTheDayOfTheSecondPress_data();
    void calculationOnTheDayOfTheSecondPress();
    void openOverNewYear();
    void messageAcrossMidnight();
};

void TstTime::dateCheckedOnTheDayOfThePress_data()
{
    QTest::addColumn<QDate>("before");
    QTest::addColumn<QDate>("after");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("acceptedBefore");
    QTest::addColumn<bool>("acceptedAfter");
    QTest::newRow("midnight: today becomes yesterday")
        << QDate(2026, 12, 6) << QDate(2026, 12, 7) << "06/12/2026" << false << true;
    QTest::newRow("midnight: tomorrow becomes today")
        << QDate(2026, 12, 6) << QDate(2026, 12, 7) << "07/12/2026" << false << false;
    QTest::newRow("New Year: the year before last drops out")
        << QDate(2026, 12, 31) << QDate(2027, 1, 1) << "15/06/2025" << true << false;
    QTest::newRow("New Year: its first day too")
        << QDate(2026, 12, 31) << QDate(2027, 1, 1) << "01/01/2025" << true << false;
    QTest::newRow("New Year: New Year's Eve becomes yesterday")
        << QDate(2026, 12, 31) << QDate(2027, 1, 1) << "31/12/2026" << false << true;
    QTest::newRow("New Year: last year stays")
        << QDate(2026, 12, 31) << QDate(2027, 1, 1) << "01/01/2026" << true << true;
    QTest::newRow("New Year: a leap day ages out")
        << QDate(2029, 12, 31) << QDate(2030, 1, 1) << "29/02/2028" << true << false;
}

void TstTime::dateCheckedOnTheDayOfThePress()
{
    QFETCH(QDate, before);
    QFETCH(QDate, after);
    QFETCH(QString, date);
    QFETCH(bool, acceptedBefore);
    QFETCH(bool, acceptedAfter);
    Harness h(before);
    const QStringList parts = date.split(u'/');
    h.enterDate(parts[0], parts[1], parts[2]);
    h.pressOk();
    QCOMPARE(h.form->Fase == 1, acceptedBefore);
    if (acceptedBefore)
        h.pressOk(); // the calculation; the next press checks the date again
    QCOMPARE(h.form->Fase, 0);
    h.clock.setToday(after);
    h.pressOk();
    QCOMPARE(h.form->Fase == 1, acceptedAfter);
    QCOMPARE(h.form->mestra->isVisible(), acceptedAfter);
}

void TstTime::calculationOnTheDayOfTheSecondPress_data()
{
    QTest::addColumn<QDate>("lmp");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("countdown");
    // The date is accepted on 6 December 2026 in every row.
    QTest::newRow("same day") << QDate(2026, 11, 6) << "28" << QDate(2026, 12, 6) << "4 settimane e 2 giorni"
                              << "1° Mese" << 7950 << "Mancano: 250 giorni, ovvero: 35 settimane e 5 giorni.";
    QTest::newRow("month turns at midnight")
        << QDate(2026, 11, 6) << "28" << QDate(2026, 12, 7) << "4 settimane e 3 giorni"
        << "2° Mese" << 7950 << "Mancano: 249 giorni, ovvero: 35 settimane e 4 giorni.";
    QTest::newRow("adjusted date still ahead")
        << QDate(2026, 12, 5) << "30" << QDate(2026, 12, 6) << ""
        << "" << 2055 << "Mancano: 279 giorni, ovvero: 39 settimane e 6 giorni."; // from the start-up value
    QTest::newRow("adjusted date reached at midnight")
        << QDate(2026, 12, 5) << "30" << QDate(2026, 12, 7) << "0 giorni."
        << "1° Mese" << 7950 << "Mancano: 280 giorni, ovvero: 40 settimane.";
    QTest::newRow("New Year between the presses")
        << QDate(2026, 1, 1) << "28" << QDate(2027, 1, 1) << "52 settimane e 1 giorni"
        << "9° Mese Finale" << 2040 << "Mancano: -85 giorni.";
}

void TstTime::calculationOnTheDayOfTheSecondPress()
{
    QFETCH(QDate, lmp);
    QFETCH(QString, cycle);
    QFETCH(QDate, second);
    QFETCH(QString, week);
    QFETCH(QString, month);
    QFETCH(int, height);
    QFETCH(QString, countdown);
    Harness h(QDate(2026, 12, 6));
    h.enterDate(QString::number(lmp.day()), QString::number(lmp.month()), QString::number(lmp.year()));
    h.pressOk();
    QCOMPARE(h.form->Fase, 1);
    h.type(h.form->Ciclo, cycle);
    h.clock.setToday(second);
    h.pressOk();
    QCOMPARE(h.form->heightTwips(), height);
    QCOMPARE(h.form->Settimana->caption(), week);
    QCOMPARE(h.form->Label7->caption(), month);
    QCOMPARE(h.form->Perce->toolTip(), countdown);
}

void TstTime::openOverNewYear()
{
    // Started on New Year's Eve, the lists offer that day and its year and
    // the one before; a day later they still do, and the day is yesterday.
    Harness h(QDate(2026, 12, 31));
    Form1 &f = *h.form;
    QCOMPARE(f.Ann->currentText(), u"2026"_s);
    h.pressOk();
    QCOMPARE(f.Fase, 0);
    h.clock.setToday(QDate(2027, 1, 1));
    h.pressOk();
    QCOMPARE(f.Fase, 1);
    h.pressOk();
    QCOMPARE(f.Settimana->caption(), u"1 giorno"_s);
    QCOMPARE(f.Label1->caption(), u"mercoledì 29 settembre 2027"_s);
    // The year list still offers 2025, which is now two years back.
    QCOMPARE(f.Ann->itemText(0), u"2025"_s);
    h.click(f.Ann->lineEdit());
    QTest::keyClick(f.Ann->lineEdit(), Qt::Key_Up);
    QCOMPARE(f.Ann->currentText(), u"2025"_s);
    QCOMPARE(h.pressOkWatchingMessage().message, u"Controllare la Data Inserita!"_s);
}

void TstTime::messageAcrossMidnight()
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
    tick.setInterval(0);
    connect(&tick, &QTimer::timeout, this, [&] {
        ++ticks;
        h.clock.advance(100);
        ticksShowing += h.form->errore->isVisible();
        if (ticks == 5)
            h.clock.setToday(QDate(2026, 12, 7));
        if (ticks == 10) {
            h.pressOk();
            nestedAccepted = h.form->Fase == 1;
        }
        if (ticks > 100)
            tick.stop(); // a wait that never ends stops the clock too
    });
    tick.start();
    h.pressOk();
    tick.stop();
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

QTEST_MAIN(TstTime)
#include "tst_time.moc"
