// The calculation core without a window: numbers read from texts, date
// rules, list contents, dates, status, progress and the month page text.
#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "content/monthdetail.h"
#include "content/texts.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <QTest>
#include <cmath>

using namespace velluna;
using namespace Qt::StringLiterals;

class TstCore : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberHuge();
    void lmpRules_data();
    void lmpRules();
    void cycleFraction();
    void monthBounds_data();
    void monthBounds();
    void milestoneBounds_data();
    void milestoneBounds();
    void progress_data();
    void progress();
    void countdown_data();
    void countdown();
    void decimalSeparator();
};

void TstCore::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "28" << 28.0 << "28";
    QTest::newRow("word after") << "30 giorni" << 30.0 << "30";
    QTest::newRow("empty") << "" << 0.0 << "0";
    QTest::newRow("letters") << "abc" << 0.0 << "0";
    QTest::newRow("blanks inside") << " 2 0\t2\n6 " << 2026.0 << "2026";
    QTest::newRow("trailing letters") << "2026x" << 2026.0 << "2026";
    QTest::newRow("fraction") << "28.50" << 28.5 << "28.5";
    QTest::newRow("bare fraction") << ".5" << 0.5 << "0.5";
    QTest::newRow("minus") << "-5" << -5.0 << "-5";
    QTest::newRow("plus") << "+7" << 7.0 << "7";
    QTest::newRow("leading zeros") << "007" << 7.0 << "7";
    QTest::newRow("no exponent") << "1e5" << 1.0 << "1";
    QTest::newRow("comma stops") << "28,5" << 28.0 << "28";
    QTest::newRow("second point stops") << "1.2.3" << 1.2 << "1.2";
    QTest::newRow("other script digits") << u"\u0661\u0662"_s << 0.0 << "0";
    QTest::newRow("carriage return stops") << "\r12" << 0.0 << "0";
}

void TstCore::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(QString, written);
    QCOMPARE(velluna::leadingNumber(text), number);
    QCOMPARE(leadingNumberText(text), written);
}

void TstCore::leadingNumberHuge()
{
    const QString digits(5000, u'9');
    QVERIFY(std::isinf(velluna::leadingNumber(digits)));
    QCOMPARE(leadingNumberText(u"000"_s + digits + u"x"_s), digits);
    QVERIFY(!cycleAccepted(digits));
}

void TstCore::lmpRules_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("accepted");
    // Today is 6 December 2026.
    QTest::newRow("yesterday") << "05" << "12" << "2026" << true;
    QTest::newRow("today") << "06" << "12" << "2026" << false;
    QTest::newRow("tomorrow") << "07" << "12" << "2026" << false;
    QTest::newRow("first of last year") << "01" << "01" << "2025" << true;
    QTest::newRow("two years back") << "31" << "12" << "2024" << false;
    QTest::newRow("two-digit year") << "05" << "03" << "26" << false;
    QTest::newRow("month 13") << "05" << "13" << "2026" << false;
    QTest::newRow("31 April") << "31" << "04" << "2026" << false;
    QTest::newRow("29 February common") << "29" << "02" << "2025" << false;
    QTest::newRow("day 0") << "00" << "03" << "2026" << false;
    QTest::newRow("blanks around") << " 5 " << " 3" << "2026 " << true;
    QTest::newRow("one digit") << "5" << "3" << "2026" << true;
    QTest::newRow("empty day") << "" << "03" << "2026" << false;
    QTest::newRow("blank day") << " " << "03" << "2026" << false;
    QTest::newRow("letters") << "ab" << "03" << "2026" << false;
    QTest::newRow("fractional day") << "5.0" << "03" << "2026" << false;
    QTest::newRow("signed day") << "+5" << "03" << "2026" << false;
    QTest::newRow("year with letters") << "05" << "03" << "2026x" << false;
    QTest::newRow("huge year") << "05" << "03" << QString(3000, u'9') << false;
    QTest::newRow("other script") << u"\u0665"_s << "03" << "2026" << false;
}

void TstCore::lmpRules()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(bool, accepted);
    QCOMPARE(lmpAccepted(day, month, year, QDate(2026, 12, 6)), accepted);
}

void TstCore::cycleFraction()
{
    // The fraction is dropped: 28.9 counts as 28, 22.5 as 22, and the
    // status still counts the month from the date as entered.
    QCOMPARE(cycleDifference(u"28.9"), 0);
    QCOMPARE(cycleDifference(u"22.5"), -6);
    QCOMPARE(cycleDifference(u"44.99"), 16);
    const QDate today(2026, 12, 6);
    const QDate lmp = today.addDays(-40);
    const int diff = cycleDifference(u"45.7");
    const Status s = computeStatus(lmp.addDays(diff), diff, today);
    QCOMPARE(s.elapsed, 40);
    QCOMPARE(s.days, 23);
}

void TstCore::monthBounds_data()
{
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("trimester");
    QTest::addColumn<int>("picture");
    QTest::newRow("30") << 30 << "1° Mese" << "1° Trimestre" << 1;
    QTest::newRow("31") << 31 << "2° Mese" << "1° Trimestre" << 2;
    QTest::newRow("91") << 91 << "3° Mese" << "1° Trimestre" << 3;
    QTest::newRow("92") << 92 << "4° Mese" << "2° Trimestre" << 4;
    QTest::newRow("182") << 182 << "6° Mese" << "2° Trimestre" << 6;
    QTest::newRow("183") << 183 << "7° Mese" << "3° Trimestre" << 7;
    QTest::newRow("273") << 273 << "9° Mese" << "3° Trimestre" << 9;
    QTest::newRow("274") << 274 << "9° Mese Finale" << "3° Trimestre" << 0;
}

void TstCore::monthBounds()
{
    QFETCH(int, elapsed);
    QFETCH(QString, month);
    QFETCH(QString, trimester);
    QFETCH(int, picture);
    const QDate today(2026, 12, 6);
    const Status s = computeStatus(today.addDays(-elapsed), 0, today);
    QCOMPARE(s.monthCaption, month);
    QCOMPARE(s.trimesterCaption, trimester);
    QCOMPARE(s.pictureMonth, picture);
    QCOMPARE(s.monthPhrase, content::monthPhrase(s.month));
}

void TstCore::milestoneBounds_data()
{
    QTest::addColumn<int>("week");
    QTest::addColumn<QString>("milestone");
    QTest::newRow("4") << 4 << "Nessuno";
    QTest::newRow("5") << 5 << "Primi esami e prima visita.";
    QTest::newRow("10") << 10 << "Primi esami e prima visita.";
    QTest::newRow("11") << 11 << "Eventuale diagnosi prenatale,";
    QTest::newRow("17") << 17 << "Eventuale diagnosi prenatale,";
    QTest::newRow("18") << 18 << "Ecografia morfologica.";
    QTest::newRow("22") << 22 << "Ecografia morfologica.";
    QTest::newRow("23") << 23 << "Scelta luogo parto e corso pre-parto.";
    QTest::newRow("31") << 31 << "Scelta luogo parto e corso pre-parto.";
    QTest::newRow("32") << 32 << "Inizio astenzione dal lavoro.";
    QTest::newRow("36") << 36 << "Inizio astenzione dal lavoro.";
    QTest::newRow("37") << 37 << "Esami pre-parto.";
    QTest::newRow("39") << 39 << "Esami pre-parto.";
    QTest::newRow("40") << 40 << "Probabile parto.";
    QTest::newRow("41") << 41 << "Probabile parto.";
    QTest::newRow("42 stops") << 42 << "";
}

void TstCore::milestoneBounds()
{
    QFETCH(int, week);
    QFETCH(QString, milestone);
    // Milestone week w is reached after 7 * (w - 1) days.
    const QDate today(2026, 12, 6);
    const Status s = computeStatus(today.addDays(-7 * (week - 1)), 0, today);
    QCOMPARE(s.milestoneWeek, week);
    QCOMPARE(s.milestone, milestone);
    QCOMPARE(s.milestoneStop, milestone.isEmpty());
    QCOMPARE(s.advice.isEmpty(), milestone.isEmpty());
}

void TstCore::progress_data()
{
    QTest::addColumn<int>("passati");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<float>("mask");
    QTest::newRow("half") << 140 << "50%" << 1620.0f;
    QTest::newRow("one day") << 1 << "0,36%" << 0.36f * 32.4f;
    QTest::newRow("full") << 280 << "100%" << 3240.0f;
    QTest::newRow("past") << 290 << "100%" << 3240.0f;
    QTest::newRow("week ahead") << -7 << "-2,5%" << -81.0f;
    QTest::newRow("37,86") << 106 << "37,86%" << 37.86f * 32.4f;
}

void TstCore::progress()
{
    QFETCH(int, passati);
    QFETCH(QString, caption);
    QFETCH(float, mask);
    const Progress p = computeProgress(passati, kGiorniTotali, QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(p.caption, caption);
    QCOMPARE(p.maskLeftTwips, mask);
}

void TstCore::countdown_data()
{
    QTest::addColumn<int>("remaining");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("1") << 1 << "Mancano: 1 giorno.";
    QTest::newRow("0") << 0 << "Mancano: 0 giorni.";
    QTest::newRow("-3") << -3 << "Mancano: -3 giorni.";
    QTest::newRow("7") << 7 << "Mancano: 7 giorni, ovvero: 1 settimana.";
    QTest::newRow("8") << 8 << "Mancano: 8 giorni, ovvero: 1 settimana e 1 giorno.";
    QTest::newRow("13") << 13 << "Mancano: 13 giorni, ovvero: 1 settimana e 6 giorni.";
    QTest::newRow("14") << 14 << "Mancano: 14 giorni, ovvero: 2 settimane.";
    QTest::newRow("15") << 15 << "Mancano: 15 giorni, ovvero: 2 settimane e 1 giorno.";
    QTest::newRow("280") << 280 << "Mancano: 280 giorni, ovvero: 40 settimane.";
}

void TstCore::countdown()
{
    QFETCH(int, remaining);
    QFETCH(QString, sentence);
    QCOMPARE(countdownSentence(remaining), sentence);
}

void TstCore::decimalSeparator()
{
    // Rounding to two decimals drops the zeros it leaves.
    QCOMPARE(computeProgress(35001, 2800000, QLocale(QLocale::Italian)).caption, u"1,25%"_s);
    QCOMPARE(computeProgress(35001, 2800000, QLocale(QLocale::English)).caption, u"1.25%"_s);
    QCOMPARE(computeProgress(12501, 100000, QLocale(QLocale::Italian)).caption, u"12,5%"_s);
    QCOMPARE(computeProgress(49998, 100000, QLocale(QLocale::Italian)).caption, u"50%"_s);
}

QTEST_APPLESS_MAIN(TstCore)
#include "tst_core.moc"
