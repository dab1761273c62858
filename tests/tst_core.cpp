// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation core without a window: numbers read from list texts, the
// date rules, the status and progress of a pregnancy, the birth dates, the
// text tables, the month page and the confirmation.
#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "content/monthdetail.h"
#include "content/texts.h"
#include "input/confirmation.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace velluna;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velluna::Confirmation::Message)
Q_DECLARE_METATYPE(velluna::Confirmation::Panel)

const QDate kToday(2026, 12, 6);

class TstCore : public QObject
{
    Q_OBJECT

private slots:
    // A text's leading number, and the same number written back.
    void leadingNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("written");
        QTest::newRow("a number and a word") << u"30 giorni"_s << 30.0 << u"30"_s;
        QTest::newRow("no number") << u"abc"_s << 0.0 << u"0"_s;
        QTest::newRow("blanks anywhere") << u" 2 0\t2\n6 "_s << 2026.0 << u"2026"_s;
        QTest::newRow("leading and trailing zeros") << u"028.50x"_s << 28.5 << u"28.5"_s;
        QTest::newRow("no whole part") << u".5"_s << 0.5 << u"0.5"_s;
        QTest::newRow("minus") << u"-5"_s << -5.0 << u"-5"_s;
        QTest::newRow("plus") << u"+7"_s << 7.0 << u"7"_s;
        QTest::newRow("one point only") << u"1.2.3e5"_s << 1.2 << u"1.2"_s;
        QTest::newRow("Arabic digits") << u"\u0661\u0662"_s << 0.0 << u"0"_s;
        QTest::newRow("carriage return") << u"\r12"_s << 0.0 << u"0"_s;
    }
    void leadingNumbers()
    {
        QFETCH(QString, text);
        QTEST(leadingNumber(text), "number");
        QTEST(leadingNumberText(text), "written");
    }
    void hugeNumber()
    {
        const QString digits(5000, u'9'); // too long for a double, exact as text
        QVERIFY(std::isinf(leadingNumber(digits)));
        QVERIFY(!cycleAccepted(digits));
        QCOMPARE(leadingNumberText(u"000"_s + digits + u"x"_s), digits);
    }

    // Day, month and year texts accepted on 6 December 2026 or not.
    void lmpDates_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("yesterday") << u"05"_s << u"12"_s << u"2026"_s << true;
        QTest::newRow("first day of last year") << u"01"_s << u"01"_s << u"2025"_s << true;
        QTest::newRow("blanks around") << u" 5 "_s << u" 3"_s << u"2026 "_s << true;
        QTest::newRow("today") << u"06"_s << u"12"_s << u"2026"_s << false;
        QTest::newRow("tomorrow") << u"07"_s << u"12"_s << u"2026"_s << false;
        QTest::newRow("two years back") << u"31"_s << u"12"_s << u"2024"_s << false;
        QTest::newRow("two-digit year") << u"05"_s << u"03"_s << u"26"_s << false;
        QTest::newRow("next year") << u"05"_s << u"03"_s << u"2027"_s << false;
        QTest::newRow("month 13") << u"05"_s << u"13"_s << u"2026"_s << false;
        QTest::newRow("31 April") << u"31"_s << u"04"_s << u"2026"_s << false;
        QTest::newRow("29 February, common year") << u"29"_s << u"02"_s << u"2025"_s << false;
        QTest::newRow("empty month") << u"05"_s << QString() << u"2026"_s << false;
        QTest::newRow("empty day") << QString() << u"03"_s << u"2026"_s << false;
        QTest::newRow("empty year") << u"05"_s << u"03"_s << QString() << false;
        QTest::newRow("a fraction") << u"5.0"_s << u"03"_s << u"2026"_s << false;
        QTest::newRow("a sign") << u"+5"_s << u"03"_s << u"2026"_s << false;
        QTest::newRow("a letter after") << u"05"_s << u"03"_s << u"2026x"_s << false;
        QTest::newRow("a huge year") << u"05"_s << u"03"_s << QString(3000, u'9') << false;
    }
    void lmpDates()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QTEST(lmpAccepted(day, month, year, kToday), "accepted");
    }

    // The day list: February by the Gregorian calendar, a month text that
    // names no month offers 31 days, and a day beyond the month's end becomes
    // its last day.
    void dayList()
    {
        QCOMPARE(monthLengths(2025)[2], 28);
        QCOMPARE(monthLengths(2028)[2], 29);
        QCOMPARE(monthLengths(2100)[2], 28);
        QCOMPARE(monthLengths(2000)[2], 29);
        QCOMPARE(daysForMonthText(u"04", monthLengths(2026)), 30);
        QCOMPARE(daysForMonthText(u"4x", monthLengths(2026)), 31);
        QCOMPARE(daysForMonthText(u"13", monthLengths(2026)), 31);
        QCOMPARE(keptDayText(u"31"_s, 28), u"28"_s);
        QCOMPARE(keptDayText(u"05"_s, 30), u"05"_s);
        QCOMPARE(keptDayText({}, 28), QString());
    }

    // Every transition of the two presses: at which stage, with which texts,
    // what the press does, and the stage after it and after its message.
    void confirmation_data()
    {
        using M = Confirmation::Message;
        using P = Confirmation::Panel;
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<M>("message");
        QTest::addColumn<P>("panel");
        QTest::addColumn<bool>("calculates");
        QTest::addColumn<int>("stageAfter");
        QTest::addColumn<int>("stageAfterMessage"); // -1: left as the press left it

        const auto row = [](const char *name, int stage, const char *day, const char *year, const char *cycle,
                            M message, P panel, bool calculates, int stageAfter, int stageAfterMessage) {
            QTest::newRow(name) << stage << day << year << cycle << message << panel << calculates << stageAfter
                                << stageAfterMessage;
        };
        row("date accepted", 0, "05", "2026", "28", M::None, P::Shown, false, 1, -1);
        row("date rejected", 0, "06", "2026", "28", M::Date, P::Unchanged, false, 0, -1);
        row("date empty", 0, "", "2026", "28", M::Date, P::Unchanged, false, 0, -1);
        row("cycle guard first", 0, "06", "2026", "21", M::Cycle, P::Unchanged, false, 0, -1);
        row("shortest cycle", 1, "05", "2026", "22", M::None, P::Hidden, true, 0, -1);
        row("longest cycle", 1, "05", "2026", "45", M::None, P::Hidden, true, 0, -1);
        row("cycle with a word", 1, "05", "2026", "30 giorni", M::None, P::Hidden, true, 0, -1);
        row("cycle too short", 1, "05", "2026", "21", M::Cycle, P::Unchanged, false, 1, 1);
        row("cycle too long", 1, "05", "2026", "46", M::Cycle, P::Unchanged, false, 1, 1);
        row("cycle no number", 1, "05", "2026", "abc", M::Cycle, P::Unchanged, false, 1, 1);
        row("date edited behind the panel", 1, "32", "2026", "28", M::Date, P::Hidden, false, 0, -1);
        row("date aged out", 1, "05", "2024", "28", M::Date, P::Hidden, false, 0, -1);
    }
    void confirmation()
    {
        QFETCH(int, stage);
        QFETCH(QString, day);
        QFETCH(QString, year);
        QFETCH(QString, cycle);
        QFETCH(int, stageAfterMessage);
        Confirmation c;
        if (stage == 1)
            c.press({u"01"_s, u"12"_s, u"2026"_s, u"28"_s}, kToday);
        QCOMPARE(c.fase(), stage);
        const Confirmation::Answer answer = c.press({day, u"12"_s, year, cycle}, kToday);
        QTEST(answer.message, "message");
        QTEST(answer.panel, "panel");
        QTEST(answer.calculate, "calculates");
        QTEST(c.fase(), "stageAfter");
        QCOMPARE(answer.faseAfterMessage.value_or(-1), stageAfterMessage);
    }

    // While a message shows, other presses run. One at the first stage
    // leaves the stage as they left it; a cycle rejected at the second
    // stage brings the user back to the cycle. The first stage's check
    // alone shows the panel whatever the stage.
    void confirmationNested()
    {
        const EntryTexts good{u"05"_s, u"12"_s, u"2026"_s, u"28"_s};
        Confirmation c;
        const Confirmation::Answer rejected = c.press({u"06"_s, u"12"_s, u"2026"_s, u"28"_s}, kToday);
        c.press(good, kToday); // inside the message: the date accepted
        c.messageGone(rejected);
        QCOMPARE(c.fase(), 1);
        const Confirmation::Answer cycle = c.press({u"05"_s, u"12"_s, u"2026"_s, u"50"_s}, kToday);
        c.press(good, kToday); // inside the message: a calculation
        QCOMPARE(c.fase(), 0);
        c.messageGone(cycle);
        QCOMPARE(c.fase(), 1);
        QCOMPARE(c.checkDate(good, kToday).panel, Confirmation::Panel::Shown);
        QCOMPARE(c.fase(), 1);
    }
    void messages()
    {
        QCOMPARE(messageText(Confirmation::Message::Date), u"Controllare la Data Inserita!"_s);
        QCOMPARE(messageText(Confirmation::Message::Cycle), u"Ciclo da 22 a 45 giorni!"_s);
        QCOMPARE(messageText(Confirmation::Message::None), QString());
    }

    // What a calculation derives for a date as entered some days ago and a
    // cycle; the early stops: "milestone" keeps the milestone and advice as
    // they were, "future" stops before anything is shown.
    void status_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<QString>("week");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("trimester");
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("tooltipWeek"); // 0: the week label has none
        QTest::addColumn<int>("milestoneWeek");
        QTest::addColumn<QString>("stop");
        const auto row = [](int daysAgo, const char *cycle, const char *week, int days, const char16_t *month,
                            int trimester, int picture, int tooltipWeek, int milestoneWeek, const char *stop = "") {
            QTest::addRow("%d days, cycle %s", daysAgo, cycle)
                << daysAgo << cycle << week << days << QString::fromUtf16(month)
                << (trimester ? u"%1° Trimestre"_s.arg(trimester) : QString()) << picture << tooltipWeek
                << milestoneWeek << stop;
        };
        row(1, "29", "0 giorni.", 0, u"1° Mese", 1, 1, 0, 1);
        row(1, "28", "1 giorno", 1, u"1° Mese", 1, 1, 0, 1);
        row(8, "28", "1 settimana e 1 giorni", 8, u"1° Mese", 1, 1, 0, 2);
        row(27, "28", "3 settimane e 6 giorni", 27, u"1° Mese", 1, 1, 0, 4);
        row(28, "28", "4 settimane e 0 giorni", 28, u"1° Mese", 1, 1, 4, 5);
        row(91, "28", "13 settimane e 0 giorni", 91, u"3° Mese", 1, 3, 13, 14);
        row(92, "28", "13 settimane e 1 giorni", 92, u"4° Mese", 2, 4, 13, 14);
        row(182, "28", "26 settimane e 0 giorni", 182, u"6° Mese", 2, 6, 26, 27);
        row(183, "28", "26 settimane e 1 giorni", 183, u"7° Mese", 3, 7, 26, 27);
        row(273, "28", "39 settimane e 0 giorni", 273, u"9° Mese", 3, 9, 39, 40);
        row(274, "28", "39 settimane e 1 giorni", 274, u"9° Mese Finale", 3, 0, 39, 40);
        row(287, "28", "41 settimane e 0 giorni", 287, u"9° Mese Finale", 3, 0, 0, 42, "milestone");
        row(1, "30", "", 0, u"", 0, 0, 0, 0, "future");
        row(1, "36", "-1 settimane e 0 giorni", -7, u"1° Mese", 1, 1, 0, 1);
        row(40, "45.7", "3 settimane e 2 giorni", 23, u"2° Mese", 1, 2, 0, 6);
    }
    void status()
    {
        QFETCH(int, daysAgo);
        QFETCH(QString, cycle);
        QFETCH(QString, trimester);
        QFETCH(int, tooltipWeek);
        QFETCH(QString, stop);
        const int diff = cycleDifference(cycle); // a fraction is dropped
        const Status s = computeStatus(kToday.addDays(diff - daysAgo), diff, kToday);
        QCOMPARE(s.futureStop, stop == u"future");
        if (s.futureStop)
            return;
        QTEST(s.weekCaption, "week");
        QTEST(s.days, "days");
        QTEST(s.monthCaption, "month");
        QCOMPARE(s.trimesterCaption, trimester);
        QTEST(s.pictureMonth, "picture");
        QCOMPARE(s.weekMarked, s.days >= 28); // four weeks or more
        QCOMPARE(s.weekTooltip, content::weekText(tooltipWeek));
        QTEST(s.milestoneWeek, "milestoneWeek");
        QCOMPARE(s.milestoneStop, stop == u"milestone");
    }

    // The first day of months 0 to 10, counted from the date as entered.
    void months()
    {
        const int firstDays[] = {-30, 0, 31, 61, 92, 122, 153, 183, 213, 244, 274};
        for (int m = 0; m <= 10; ++m) {
            QCOMPARE(monthForElapsed(firstDays[m]), m);
            QCOMPARE(monthForElapsed(firstDays[m] - 1), m - 1);
        }
    }

    // The milestone of each range of milestone weeks, at both ends.
    void milestones_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("milestone");
        QTest::newRow("before the first visit") << 0 << 4 << u"Nessuno"_s;
        QTest::newRow("first visit") << 5 << 10 << u"Primi esami e prima visita."_s;
        QTest::newRow("prenatal diagnosis") << 11 << 17 << u"Eventuale diagnosi prenatale,"_s;
        QTest::newRow("anomaly scan") << 18 << 22 << u"Ecografia morfologica."_s;
        QTest::newRow("where to give birth") << 23 << 31 << u"Scelta luogo parto e corso pre-parto."_s;
        QTest::newRow("leave from work") << 32 << 36 << u"Inizio astensione dal lavoro."_s;
        QTest::newRow("last tests") << 37 << 39 << u"Esami pre-parto."_s;
        QTest::newRow("birth") << 40 << 41 << u"Probabile parto."_s;
        QTest::newRow("after") << 42 << 42 << QString();
        QTest::newRow("before") << -1 << -1 << QString();
    }
    void milestones()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QTEST(content::milestone(first), "milestone");
        QTEST(content::milestone(last), "milestone");
    }

    // 1 March 2027 with a cycle: the three birth dates. On the probable one
    // forty weeks are complete and the countdown ends.
    void birthDates_data()
    {
        QTest::addColumn<int>("cycle");
        QTest::addColumn<QString>("earliest");
        QTest::addColumn<QString>("probable");
        QTest::addColumn<QString>("latest");
        QTest::newRow("28 days") << 28 << u"lunedì 29 novembre 2027"_s << u"lunedì 6 dicembre 2027"_s
                                 << u"lunedì 20 dicembre 2027"_s;
        QTest::newRow("35 days") << 35 << u"lunedì 6 dicembre 2027"_s << u"lunedì 13 dicembre 2027"_s
                                 << u"lunedì 27 dicembre 2027"_s;
        QTest::newRow("45 days") << 45 << u"giovedì 16 dicembre 2027"_s << u"giovedì 23 dicembre 2027"_s
                                 << u"giovedì 6 gennaio 2028"_s;
        QTest::newRow("22 days") << 22 << u"martedì 23 novembre 2027"_s << u"martedì 30 novembre 2027"_s
                                 << u"martedì 14 dicembre 2027"_s;
    }
    void birthDates()
    {
        QFETCH(int, cycle);
        const int diff = cycleDifference(QString::number(cycle));
        const QDate adjusted = QDate(2027, 3, 1).addDays(diff);
        QTEST(longDate(adjusted.addDays(kBirthOffsets[0])), "earliest");
        QTEST(longDate(adjusted.addDays(kBirthOffsets[1])), "probable");
        QTEST(longDate(adjusted.addDays(kBirthOffsets[2])), "latest");
        const Status s = computeStatus(adjusted, diff, adjusted.addDays(kBirthOffsets[1]));
        QCOMPARE(s.weekCaption, u"40 settimane e 0 giorni"_s);
        QCOMPARE(computeProgress(s.days, kGiorniTotali).countdown, u"Mancano: 0 giorni."_s);
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
    }
    // The zeros that rounding leaves go; the separator is the locale's.
    void percentage()
    {
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

    // The month page's text: the paragraphs, then the attribution; the
    // month named by a caption's first character; where its picture goes;
    // what a screen reader hears.
    void sentences()
    {
        for (int m = 1; m <= 9; ++m) {
            const QString text = content::monthDetailText(m);
            QVERIFY(text.startsWith(content::monthParagraphs(m).join(u'\r') + u'\r'));
            QVERIFY(text.endsWith(content::attributionWebsite()) && text.contains(content::attributionLeadIn()));
        }
        QCOMPARE(content::monthFromCaption(u"9° Mese Finale"), 9);
        QCOMPARE(content::monthFromCaption(u"0° Mese"), 0);
        QCOMPARE(content::monthFromCaption(u""), 0);
        QCOMPARE(content::detailPicturePlace(1), content::PicturePlace::Small);
        QCOMPARE(content::detailPicturePlace(3), content::PicturePlace::Wide);
        QCOMPARE(content::detailPicturePlace(4), content::PicturePlace::Unchanged);
        QCOMPARE(content::monthPictureName(4), u"Il bambino al 4° mese"_s);
        QCOMPARE(resultSummary(u"lunedì 6 dicembre 2027"_s, {u"2 giorni."_s, u"1° Mese"_s}),
                 u"Probabile parto: lunedì 6 dicembre 2027. 2 giorni. 1° Mese"_s);
    }
};

QTEST_APPLESS_MAIN(TstCore)
#include "tst_core.moc"
