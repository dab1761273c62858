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
    void cycleRange_data();
    void cycleRange();
    void monthLengths_data();
    void monthLengths();
    void keptDay();
    void birthDates_data();
    void birthDates();
    void cycleFraction();
    void monthBounds_data();
    void monthBounds();
    void milestoneBounds_data();
    void milestoneBounds();
    void weekCaption_data();
    void weekCaption();
    void progress_data();
    void progress();
    void countdown_data();
    void countdown();
    void decimalSeparator();
    void monthPage();
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

void TstCore::cycleRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("22") << "22" << true;
    QTest::newRow("45") << "45" << true;
    QTest::newRow("21") << "21" << false;
    QTest::newRow("46") << "46" << false;
    QTest::newRow("45.5") << "45.5" << false;
    QTest::newRow("words") << "30 giorni" << true;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("empty") << "" << false;
}

void TstCore::cycleRange()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(cycleAccepted(text), accepted);
}

void TstCore::monthLengths_data()
{
    QTest::addColumn<double>("year");
    QTest::addColumn<int>("february");
    QTest::newRow("2024") << 2024.0 << 29;
    QTest::newRow("2025") << 2025.0 << 28;
    QTest::newRow("2100") << 2100.0 << 28;
    QTest::newRow("2000") << 2000.0 << 29;
    QTest::newRow("0") << 0.0 << 29;
    QTest::newRow("fraction") << 2024.5 << 28;
}

void TstCore::monthLengths()
{
    QFETCH(double, year);
    QFETCH(int, february);
    const auto lengths = velluna::monthLengths(year);
    QCOMPARE(lengths[2], february);
    QCOMPARE(lengths[4], 30);
    QCOMPARE(lengths[12], 31);
}

void TstCore::keptDay()
{
    QCOMPARE(keptDayText(QStringLiteral("31"), 30), QStringLiteral("30"));
    QCOMPARE(keptDayText(QStringLiteral("05"), 30), QStringLiteral("05"));
    QCOMPARE(keptDayText(QString(), 28), QString());
    QCOMPARE(keptDayText(QStringLiteral("xy"), 28), QStringLiteral("xy"));
    QCOMPARE(dayItems(28).first(), QStringLiteral("01"));
    QCOMPARE(dayItems(28).last(), QStringLiteral("28"));
}

void TstCore::birthDates_data()
{
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QDate>("adjusted");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("28") << "28" << QDate(2027, 3, 1)
                        << QStringList{u"domenica 28 novembre 2027"_s, u"domenica 5 dicembre 2027"_s,
                                       u"domenica 19 dicembre 2027"_s};
    QTest::newRow("45") << "45" << QDate(2027, 3, 18)
                        << QStringList{u"mercoledì 15 dicembre 2027"_s, u"mercoledì 22 dicembre 2027"_s,
                                       u"mercoledì 5 gennaio 2028"_s};
    QTest::newRow("22") << "22" << QDate(2027, 2, 23) << QStringList{};
}

void TstCore::birthDates()
{
    QFETCH(QString, cycle);
    QFETCH(QDate, adjusted);
    QFETCH(QStringList, dates);
    const QDate lmp(2027, 3, 1);
    QCOMPARE(lmp.addDays(cycleDifference(cycle)), adjusted);
    for (int i = 0; i < dates.size(); ++i)
        QCOMPARE(longDate(adjusted.addDays(kBirthOffsets[i])), dates[i]);
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

void TstCore::weekCaption_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<int>("cycleDiff");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0") << 0 << 0 << "0 giorni.";
    QTest::newRow("1") << 1 << 0 << "1 giorno";
    QTest::newRow("2") << 2 << 0 << "2 giorni.";
    QTest::newRow("7") << 7 << 0 << "1 settimana e 0 giorni";
    QTest::newRow("8") << 8 << 0 << "1 settimana e 1 giorni";
    QTest::newRow("15") << 15 << 0 << "2 settimane e 1 giorni";
    QTest::newRow("week ahead") << -7 << 8 << "-1 settimane e 0 giorni";
    QTest::newRow("day ahead") << -1 << 2 << "";
}

void TstCore::weekCaption()
{
    QFETCH(int, daysAgo);
    QFETCH(int, cycleDiff);
    QFETCH(QString, caption);
    const QDate today(2026, 12, 6);
    const Status s = computeStatus(today.addDays(-daysAgo), cycleDiff, today);
    QCOMPARE(s.weekCaption, caption);
    QCOMPARE(s.futureStop, caption.isEmpty());
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

void TstCore::monthPage()
{
    QCOMPARE(content::monthFromCaption(u"9° Mese Finale"), 9);
    QCOMPARE(content::monthFromCaption(u"0° Mese"), 0);
    QCOMPARE(content::monthFromCaption(u"-1° Mese"), 0);
    QCOMPARE(content::monthFromCaption(u""), 0);

    const QString lead = content::attributionLeadIn();
    const QString site = content::attributionWebsite();
    const QString first = content::monthDetailText(1);
    QCOMPARE(first.count(u'\r'), 5 + 2 + 1);
    QVERIFY(first.endsWith(u"\r\r"_s + QString(13, u' ') + lead + u"\r"_s + QString(16, u' ') + site));
    QVERIFY(content::monthDetailText(5).endsWith(u"\r"_s + lead + u" "_s + site));
    QVERIFY(!content::monthDetailText(5).contains(u"\r\r"_s));
    QVERIFY(content::monthDetailText(9).endsWith(u"\r\r"_s + lead + u" "_s + site));
    QVERIFY(!content::monthDetailText(2).contains(u'\n'));
    QVERIFY(content::monthDetailText(0).isEmpty());
}

QTEST_APPLESS_MAIN(TstCore)
#include "tst_core.moc"
