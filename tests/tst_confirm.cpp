// The two presses of "Conferma" on the real window: the date, the cycle,
// both messages and what an accepted cycle leaves behind.
#include "formharness.h"

#include <QScreen>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {
const QString kDateMessage = u"Controllare la Data Inserita!"_s;
const QString kCycleMessage = u"Ciclo da 22 a 45 giorni!"_s;
} // namespace

class TstConfirm : public QObject
{
    Q_OBJECT

private slots:
    void badDate_data();
    void badDate();
    void badCycleAtDateStage();
    void acceptedDate();
    void badCycle_data();
    void badCycle();
    void dateEditedBehindCyclePanel();
    void calculation();
    void secondCalculationReplacesDates();
    void rejectedPressCollapsesResults();
    void pressDuringMessage();
    void enterConfirms();
};

void TstConfirm::badDate_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::newRow("31 April") << "31" << "04" << "2026";
    QTest::newRow("empty day") << "" << "03" << "2026";
    QTest::newRow("letters") << "ab" << "cd" << "ef";
    QTest::newRow("signs") << "-5" << "+3" << "-2026";
    QTest::newRow("huge") << QString(40, u'9') << QString(400, u'1') << QString(2000, u'2');
    QTest::newRow("other scripts") << u"\u0665"_s << u"三"_s << u"\u0968\u0966\u0968\u096C"_s;
}

void TstConfirm::badDate()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    Harness h;
    h.enterDate(day, month, year);
    const auto shown = h.pressOkWatchingMessage();
    QCOMPARE(shown.message, kDateMessage);
    QCOMPARE(shown.height, 1335);
    QCOMPARE(h.form->heightTwips(), 1065);
    QVERIFY(!h.form->errore->isVisible());
    QVERIFY(!h.form->Merror->isVisible());
    QVERIFY(!h.form->mestra->isVisible());
    QCOMPARE(h.form->Fase, 0);
    QCOMPARE(h.form->Giorn->currentText(), day);
    QCOMPARE(h.form->Mes->currentText(), month);
    QCOMPARE(h.form->Ann->currentText(), year);
    QCOMPARE(h.form->Label1->caption(), QString());
}

void TstConfirm::badCycleAtDateStage()
{
    Harness h;
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    h.form->Ciclo->setEditText(u"50"_s); // hidden at this stage: not typeable
    QCOMPARE(h.pressOkWatchingMessage().message, kCycleMessage);
    QCOMPARE(h.form->Fase, 0);
}

void TstConfirm::acceptedDate()
{
    Harness h;
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    h.pressOk();
    QVERIFY(h.form->mestra->isVisible());
    QCOMPARE(h.form->Fase, 1);
    QCOMPARE(h.form->heightTwips(), 1065);
    QCOMPARE(QApplication::focusWidget(), h.form->Text1);
}

void TstConfirm::badCycle_data()
{
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("21") << "21" << false;
    QTest::newRow("46") << "46" << false;
    QTest::newRow("abc") << "abc" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("22") << "22" << true;
    QTest::newRow("45") << "45" << true;
    QTest::newRow("30 giorni") << "30 giorni" << true;
}

void TstConfirm::badCycle()
{
    QFETCH(QString, cycle);
    QFETCH(bool, accepted);
    Harness h;
    h.enterDate(u"01"_s, u"10"_s, u"2026"_s);
    h.pressOk();
    h.type(h.form->Ciclo, cycle);
    const auto shown = h.pressOkWatchingMessage();
    if (accepted) {
        QCOMPARE(shown.message, QString());
        QCOMPARE(h.form->Fase, 0);
        QCOMPARE(h.form->heightTwips(), 7950);
        return;
    }
    QCOMPARE(shown.message, kCycleMessage);
    QCOMPARE(shown.height, 1335);
    QCOMPARE(h.form->heightTwips(), 1065);
    QCOMPARE(h.form->Fase, 1);
    QVERIFY(h.form->mestra->isVisible());
    QCOMPARE(h.form->Ciclo->currentText(), cycle);
    // Corrected, the cycle goes through without entering the date again.
    h.type(h.form->Ciclo, u"28"_s);
    h.pressOk();
    QCOMPARE(h.form->Fase, 0);
    QCOMPARE(h.form->heightTwips(), 7950);
}

void TstConfirm::dateEditedBehindCyclePanel()
{
    // The cycle panel covers the date lists, but Shift+Tab still reaches
    // them; the second press checks the date again before computing.
    Harness h;
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    h.pressOk();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), h.form->Ann);
    h.form->Ann->lineEdit()->selectAll();
    QTest::keyClicks(h.form->Ann->lineEdit(), "x");
    QCOMPARE(h.pressOkWatchingMessage().message, kDateMessage);
    QCOMPARE(h.form->Fase, 0);
    QVERIFY(!h.form->mestra->isVisible());
    QCOMPARE(h.form->Label1->caption(), QString());
    QCOMPARE(h.form->Perce->caption(), u"0%"_s);
}

void TstConfirm::calculation()
{
    Harness h(QDate(2027, 6, 1));
    h.calculate(QDate(2027, 3, 1), u"45"_s);
    Form1 &f = *h.form;
    QCOMPARE(f.Label1->caption(), u"mercoledì 15 dicembre 2027"_s);
    QCOMPARE(f.Label2->caption(), u"mercoledì 22 dicembre 2027"_s);
    QCOMPARE(f.Label3->caption(), u"mercoledì 5 gennaio 2028"_s);
    QVERIFY(f.T1->isVisible());
    QVERIFY(f.T1b->isVisible());
    QVERIFY(!f.Info->isVisible());
    QVERIFY(!f.mestra->isVisible());
    QCOMPARE(f.Fase, 0);
    QCOMPARE(f.GiorniTotali, 280);
    QCOMPARE(f.DataUM.toDate(), QDate(2027, 3, 1)); // back to the date as entered
    QCOMPARE(f.DiffCiclo, -17.0);
    QCOMPARE(f.heightTwips(), 7950);
    QCOMPARE(f.height(), (7950 - 465) / 15);
    QCOMPARE(f.width(), 216);
    const int screenTwips = f.screen()->geometry().height() * 15;
    QCOMPARE(f.topTwips(), (screenTwips - 7950) / 2 / 15 * 15);
}

void TstConfirm::secondCalculationReplacesDates()
{
    Harness h(QDate(2027, 6, 1));
    h.calculate(QDate(2027, 3, 1));
    QCOMPARE(h.form->Label2->caption(), u"domenica 5 dicembre 2027"_s);
    h.calculate(QDate(2027, 3, 1), u"22"_s); // six days earlier
    QCOMPARE(h.form->Label1->caption(), u"lunedì 22 novembre 2027"_s);
    QCOMPARE(h.form->Label2->caption(), u"lunedì 29 novembre 2027"_s);
    QCOMPARE(h.form->Label3->caption(), u"lunedì 13 dicembre 2027"_s);
}

void TstConfirm::rejectedPressCollapsesResults()
{
    Harness h(QDate(2027, 6, 1));
    h.calculate(QDate(2027, 3, 1));
    h.enterDate(u"31"_s, u"04"_s, u"2027"_s);
    h.pressOk();
    QCOMPARE(h.form->heightTwips(), 1065);
    QVERIFY(!h.form->T1->isVisible());
    QVERIFY(!h.form->T1b->isVisible());
    QCOMPARE(h.form->Label2->caption(), u"domenica 5 dicembre 2027"_s);
}

void TstConfirm::pressDuringMessage()
{
    // A second press while the first message shows runs to its end inside
    // the wait; the outer press then closes the error row.
    Harness h;
    h.enterDate(u"31"_s, u"04"_s, u"2026"_s);
    bool nested = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        h.type(h.form->Giorn, u"30"_s);
        h.pressOk();
        nested = true;
        QCOMPARE(h.form->Fase, 1);
    });
    h.pressOk();
    QVERIFY(nested);
    QCOMPARE(h.form->Fase, 1);
    QCOMPARE(h.form->heightTwips(), 1065);
    QVERIFY(!h.form->errore->isVisible());
}

void TstConfirm::enterConfirms()
{
    Harness h;
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    QTest::keyClick(h.form->Ann->lineEdit(), Qt::Key_Return);
    QCOMPARE(h.form->Fase, 1);
    h.type(h.form->Ciclo, u"28"_s);
    QTest::keyClick(h.form->Ciclo->lineEdit(), Qt::Key_Enter);
    QCOMPARE(h.form->heightTwips(), 7950);
}

QTEST_MAIN(TstConfirm)
#include "tst_confirm.moc"
