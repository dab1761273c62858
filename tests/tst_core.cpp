// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation core without a window: numbers read from list texts, the
// date rules, the status and progress of a pregnancy, the birth dates, the
// text tables, the month page and the platform chosen at start.
#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "content/monthdetail.h"
#include "content/texts.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"
#include "ui/platform.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace velluna;
using namespace Qt::StringLiterals;

const QDate kToday(2026, 12, 6);

class TstCore : public QObject
{
    Q_OBJECT

private slots:
    // A text's leading number, and the same number written back; whether
    // day/month/year texts are accepted on 6 December 2026.
    void listTexts()
    {
        // Text | its number | the number written back.
        const QStringList numbers{
            u"30 giorni|30|30"_s, u"abc|0|0"_s, u" 2 0\t2\n6 |2026|2026"_s, u"028.50x|28.5|28.5"_s, u".5|0.5|0.5"_s,
            u"-5|-5|-5"_s,        u"+7|7|7"_s,  u"1.2.3e5|1.2|1.2"_s,       u"\u0661\u0662|0|0"_s,  u"\r12|0|0"_s};
        for (const QString &row : numbers) {
            const QStringList n = row.split(u'|');
            QVERIFY2(leadingNumber(n[0]) == n[1].toDouble() && leadingNumberText(n[0]) == n[2], qPrintable(row));
        }
        const QString digits(5000, u'9'); // too long for a double, exact as text
        QVERIFY(std::isinf(leadingNumber(digits)) && !cycleAccepted(digits));
        QCOMPARE(leadingNumberText(u"000"_s + digits + u"x"_s), digits);
        // Accepted on 6 December 2026 or not: day/month/year.
        const auto accepted = [](const QString &date) {
            const QStringList d = date.split(u'/');
            return lmpAccepted(d[0], d[1], d[2], kToday);
        };
        for (const QString &date : {u"05/12/2026"_s, u"01/01/2025"_s, u" 5 / 3/2026 "_s})
            QVERIFY2(accepted(date), qPrintable(date));
        for (const QString &date :
             {u"06/12/2026"_s, u"31/12/2024"_s, u"05/03/26"_s, u"05/13/2026"_s, u"31/04/2026"_s, u"29/02/2025"_s,
              u"05//2026"_s, u"5.0/03/2026"_s, u"+5/03/2026"_s, u"05/03/2026x"_s, u"05/03/"_s + QString(3000, u'9')})
            QVERIFY2(!accepted(date), qPrintable(date.left(20)));
        // The day list: February by the Gregorian calendar, and a day beyond
        // the month's end becomes its last day.
        QCOMPARE(QList({monthLengths(2025)[2], monthLengths(2028)[2], monthLengths(2100)[2], monthLengths(2000)[2]}),
                 QList({28, 29, 28, 29}));
        QCOMPARE(keptDayText(u"31"_s, 28) + u'|' + keptDayText(u"05"_s, 30) + u'|' + keptDayText({}, 28), u"28|05|"_s);
        QCOMPARE(daysForMonthText(u"04", monthLengths(2026)) + daysForMonthText(u"4x", monthLengths(2026)), 30 + 31);
    }

    // What a calculation derives for a date as entered some days ago and a
    // cycle: week caption | days | month | trimester (T) | thumbnail | the
    // week label marked (*) | milestone week (w), and "stop" for the early
    // stops.
    void status_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<QString>("shown");
        const auto row = [](int daysAgo, const char *cycle, const char16_t *shown) {
            QTest::addRow("%d days, cycle %s", daysAgo, cycle) << daysAgo << cycle << QString::fromUtf16(shown);
        };
        row(1, "29", u"0 giorni. | 0 | 1° Mese | T1 | 1 | - | w1");
        row(1, "28", u"1 giorno | 1 | 1° Mese | T1 | 1 | - | w1");
        row(8, "28", u"1 settimana e 1 giorni | 8 | 1° Mese | T1 | 1 | - | w2");
        row(27, "28", u"3 settimane e 6 giorni | 27 | 1° Mese | T1 | 1 | - | w4");
        row(28, "28", u"4 settimane e 0 giorni | 28 | 1° Mese | T1 | 1 | * | w5");
        row(91, "28", u"13 settimane e 0 giorni | 91 | 3° Mese | T1 | 3 | * | w14");
        row(92, "28", u"13 settimane e 1 giorni | 92 | 4° Mese | T2 | 4 | * | w14");
        row(182, "28", u"26 settimane e 0 giorni | 182 | 6° Mese | T2 | 6 | * | w27");
        row(183, "28", u"26 settimane e 1 giorni | 183 | 7° Mese | T3 | 7 | * | w27");
        row(273, "28", u"39 settimane e 0 giorni | 273 | 9° Mese | T3 | 9 | * | w40");
        row(274, "28", u"39 settimane e 1 giorni | 274 | 9° Mese Finale | T3 | 0 | * | w40");
        row(287, "28", u"41 settimane e 0 giorni | 287 | 9° Mese Finale | T3 | 0 | * | w42 | stop");
        row(1, "30", u"stop");
        row(1, "36", u"-1 settimane e 0 giorni | -7 | 1° Mese | T1 | 1 | - | w1");
        row(40, "45.7", u"3 settimane e 2 giorni | 23 | 2° Mese | T1 | 2 | - | w6");
    }
    void status()
    {
        QFETCH(int, daysAgo);
        QFETCH(QString, cycle);
        const int diff = cycleDifference(cycle); // a fraction is dropped
        const Status s = computeStatus(kToday.addDays(diff - daysAgo), diff, kToday);
        QStringList parts{s.weekCaption, QString::number(s.days), s.monthCaption, u"T%1"_s.arg(s.trimester)};
        parts << QString::number(s.pictureMonth) << (s.weekMarked ? u"*"_s : u"-"_s)
              << u"w%1%2"_s.arg(s.milestoneWeek).arg(s.milestoneStop ? u" | stop"_s : QString());
        QTEST(s.futureStop ? u"stop"_s : parts.join(u" | "), "shown");
        const QString trimester = s.futureStop ? QString() : u"%1° Trimestre"_s.arg(s.trimester);
        QCOMPARE(
            QStringList({s.trimesterCaption, s.weekTooltip, s.monthPhrase}),
            QStringList({trimester, content::weekText(s.weekMarked ? s.weeks : 0), content::monthPhrase(s.month)}));
        if (!s.futureStop && !s.milestoneStop)
            QCOMPARE(s.milestone + s.advice, content::milestone(s.milestoneWeek) + content::adviceText(s.trimester));
    }

    // The first day of months 0 to 10, counted from the date as entered, and
    // the milestone of each milestone week 0 to 41.
    void bounds()
    {
        const int firstDays[] = {-30, 0, 31, 61, 92, 122, 153, 183, 213, 244, 274};
        for (int m = 0; m <= 10; ++m)
            QVERIFY(monthForElapsed(firstDays[m]) == m && monthForElapsed(firstDays[m] - 1) == m - 1);
        const QStringList milestones = u"Nessuno|Primi esami e prima visita.|Eventuale diagnosi prenatale,|"
                                       u"Ecografia morfologica.|Scelta luogo parto e corso pre-parto.|"
                                       u"Inizio astensione dal lavoro.|Esami pre-parto.|Probabile parto."_s.split(u'|');
        const QString ofWeek = u"000001111112222222333334444444445555566677"_s;
        for (int week = 0; week <= 41; ++week)
            QCOMPARE(content::milestone(week), milestones[ofWeek[week].digitValue()]);
    }

    // 1 March 2027 with cycles of 28, 35, 45 and 22: the three birth dates.
    // On the probable one forty weeks are complete and the countdown ends.
    void birthDates()
    {
        const std::pair<int, const char16_t *> rows[] = {
            {28, u"lunedì 29 novembre 2027 | lunedì 6 dicembre 2027 | lunedì 20 dicembre 2027"},
            {35, u"lunedì 6 dicembre 2027 | lunedì 13 dicembre 2027 | lunedì 27 dicembre 2027"},
            {45, u"giovedì 16 dicembre 2027 | giovedì 23 dicembre 2027 | giovedì 6 gennaio 2028"},
            {22, u"martedì 23 novembre 2027 | martedì 30 novembre 2027 | martedì 14 dicembre 2027"}};
        for (const auto &[cycle, dates] : rows) {
            const int diff = cycleDifference(QString::number(cycle));
            const QDate adjusted = QDate(2027, 3, 1).addDays(diff);
            QStringList shown;
            for (const int offset : kBirthOffsets)
                shown << longDate(adjusted.addDays(offset));
            QCOMPARE(shown.join(u" | "), QString::fromUtf16(dates));
            const Status s = computeStatus(adjusted, diff, adjusted.addDays(kBirthOffsets[1]));
            QCOMPARE(s.weekCaption + u" | "_s + computeProgress(s.days, kGiorniTotali).countdown,
                     u"40 settimane e 0 giorni | Mancano: 0 giorni."_s);
        }
    }

    // Days passed: the percentage, where the bar's mask begins (twips) and
    // the countdown.
    void progress_data()
    {
        QTest::addColumn<int>("passati");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<float>("mask");
        QTest::addColumn<QString>("countdown");
        const auto row = [](int passati, const char *caption, float mask, const char *countdown) {
            QTest::addRow("%d", passati) << passati << caption << mask << countdown;
        };
        row(140, "50%", 1620, "Mancano: 140 giorni, ovvero: 20 settimane.");
        row(1, "0,36%", 11.664f, "Mancano: 279 giorni, ovvero: 39 settimane e 6 giorni.");
        row(279, "99,64%", 3228.336f, "Mancano: 1 giorno.");
        row(290, "100%", 3240, "Mancano: -10 giorni.");
        row(-7, "-2,5%", -81, "Mancano: 287 giorni, ovvero: 41 settimane.");
        row(273, "97,5%", 3159, "Mancano: 7 giorni, ovvero: 1 settimana.");
        row(272, "97,14%", 3147.336f, "Mancano: 8 giorni, ovvero: 1 settimana e 1 giorno.");
        row(274, "97,86%", 3170.664f, "Mancano: 6 giorni.");
    }
    void progress()
    {
        QFETCH(int, passati);
        const Progress p = computeProgress(passati, kGiorniTotali, QLocale(QLocale::Italian));
        QTEST(p.caption, "caption");
        QTEST(p.maskLeftTwips, "mask");
        QTEST(p.countdown, "countdown");
        // The zeros that rounding leaves go; the separator is the locale's.
        QCOMPARE(computeProgress(12501, 100000, QLocale(QLocale::Italian)).caption, u"12,5%"_s);
        QCOMPARE(computeProgress(35001, 2800000, QLocale(QLocale::English)).caption, u"1.25%"_s);
    }

    // Every text keeps close to the length its label was laid out for, on
    // one line without stray blanks; the advice is numbered and joined by
    // carriage returns; nothing lies outside the tables.
    void texts()
    {
        // Weeks 4 to 40, the month pages' paragraphs, the advice of each trimester.
        const QList<int> planned{95,  100, 250, 71,  45,  130, 171, 220, 121, 183, 109, 115, 219, 138, 206,
                                 188, 210, 204, 208, 198, 169, 203, 161, 200, 171, 208, 184, 177, 197, 162,
                                 191, 197, 154, 144, 206, 167, 185, 137, 112, 38,  125, 158, 61,  283, 126,
                                 75,  85,  347, 162, 86,  92,  192, 102, 60,  96,  342, 84,  129, 94,  169,
                                 48,  68,  93,  123, 85,  33,  93,  108, 80,  175, 100, 362, 100, 55,  60,
                                 101, 197, 134, 164, 53,  213, 181, 168, 91,  203, 183, 137};
        QStringList texts;
        for (int week = 4; week <= 40; ++week)
            texts << content::weekText(week);
        for (int m = 1; m <= 9; ++m)
            texts << content::monthParagraphs(m);
        for (int t = 1; t <= 3; ++t) {
            texts << content::adviceParagraphs(t);
            QCOMPARE(content::adviceText(t), content::adviceParagraphs(t).join(u'\r'));
        }
        QCOMPARE(texts.size(), planned.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const QString &text = texts[i];
            QVERIFY2(qAbs(text.size() - planned[i]) * 100 <= planned[i] * 15, qPrintable(text));
            QVERIFY2(!text.contains(QRegularExpression(u"^\\s|\\s$|  |[\r\n]"_s)), qPrintable(text));
            QVERIFY(i < 75 || text.startsWith(u"%1) "_s.arg((i - 75) % 4 + 1)));
        }
        for (const int outside : {-1, 3, 41})
            QVERIFY(content::weekText(outside).isEmpty() && content::monthParagraphs(outside / 4).isEmpty());
        QVERIFY((content::adviceText(4) + content::monthPhrase(10) + content::milestone(42) + content::milestone(-1))
                    .isEmpty());
    }

    // The month page's text: the paragraphs, then the attribution as each
    // month lays it out; the month named by a caption's first character;
    // what a screen reader hears; the platform chosen at start.
    void sentences()
    {
        const QString lead = content::attributionLeadIn(), site = content::attributionWebsite();
        const auto page = [](int m) { return content::monthParagraphs(m).join(u'\r'); };
        QCOMPARE(content::monthDetailText(1),
                 page(1) + u"\r\r"_s + QString(13, u' ') + lead + u'\r' + QString(16, u' ') + site);
        QCOMPARE(content::monthDetailText(5), page(5) + u'\r' + lead + u' ' + site);
        QCOMPARE(content::monthDetailText(8), page(8) + u"\r\r"_s + lead + u' ' + site);
        QCOMPARE(QList({content::monthFromCaption(u"9° Mese Finale"), content::monthFromCaption(u"0° Mese"),
                        content::monthFromCaption(u"")}),
                 QList({9, 0, 0}));
        QCOMPARE(content::monthPictureName(4), u"Il bambino al 4° mese"_s);
        QCOMPARE(resultSummary(u"lunedì 6 dicembre 2027"_s, {u"2 giorni."_s, u"1° Mese"_s}),
                 u"Probabile parto: lunedì 6 dicembre 2027. 2 giorni. 1° Mese"_s);
        // On a Wayland desktop with an X server the program starts on X11,
        // unless the user named a platform.
        QCOMPARE(QByteArrayList({chosenPlatform({}, "wayland-0", ":0"), chosenPlatform({}, "wayland-0", {}),
                                 chosenPlatform({}, {}, ":0"), chosenPlatform("wayland", "wayland-0", ":0")}),
                 QByteArrayList({"xcb", {}, {}, "wayland"}));
    }
};

QTEST_APPLESS_MAIN(TstCore)
#include "tst_core.moc"
