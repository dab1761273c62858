// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation core without a window: numbers read from list texts, the
// date rules, the day list, the confirmation, what a calculation shows, the
// progress, the month page and every text by its key.
#include "calc/heights.h"
#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "content/monthdetail.h"
#include "content/texts.h"
#include "input/confirmation.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <QFile>
#include <QTest>
#include <cmath>

using namespace velluna;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velluna::Confirmation::Message)
Q_DECLARE_METATYPE(velluna::Confirmation::Panel)
Q_DECLARE_METATYPE(velluna::content::PicturePlace)
Q_DECLARE_METATYPE(velluna::Mode)

const QDate kToday(2026, 12, 6);

class TstCore : public QObject
{
    Q_OBJECT

private slots:
    // The percentage takes the decimal separator of the user's settings.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

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
        QTest::newRow("nines") << u"09"_s << u"09"_s << u"2026"_s << true;
        QTest::newRow("first day of last year") << u"01"_s << u"01"_s << u"2025"_s << true;
        QTest::newRow("blanks around") << u" 5 "_s << u" 3"_s << u"2026 "_s << true;
        QTest::newRow("today") << u"06"_s << u"12"_s << u"2026"_s << false;
        QTest::newRow("tomorrow") << u"07"_s << u"12"_s << u"2026"_s << false;
        QTest::newRow("two years back") << u"31"_s << u"12"_s << u"2024"_s << false;
        QTest::newRow("next year") << u"05"_s << u"03"_s << u"2027"_s << false;
        QTest::newRow("month 13") << u"05"_s << u"13"_s << u"2026"_s << false;
        QTest::newRow("31 April") << u"31"_s << u"04"_s << u"2026"_s << false;
        QTest::newRow("29 February, common year") << u"29"_s << u"02"_s << u"2025"_s << false;
        QTest::newRow("empty month") << u"05"_s << QString() << u"2026"_s << false;
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

    // The day list rebuilt at a pick of a month: February by the Gregorian
    // calendar, a month text that names no month offers 31 days, a day beyond
    // the month's end becomes its last day, the year text its number.
    void dayList_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("yearAfter");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("dayAfter");
        QTest::newRow("February, leap year") << u"31"_s << u"02"_s << u"2028"_s << u"2028"_s << 29 << u"29"_s;
        QTest::newRow("February 2000") << u"29"_s << u"02"_s << u"2000"_s << u"2000"_s << 29 << u"29"_s;
        QTest::newRow("April keeps the 5th") << u"05"_s << u"04"_s << u"2026"_s << u"2026"_s << 30 << u"05"_s;
        QTest::newRow("April keeps its last day as typed")
            << u"030"_s << u"04"_s << u"2026"_s << u"2026"_s << 30 << u"030"_s;
        QTest::newRow("no day") << QString() << u"02"_s << u"2026"_s << u"2026"_s << 28 << QString();
        QTest::newRow("a word after the year") << u"3x"_s << u"06"_s << u"2026abc"_s << u"2026"_s << 30 << u"3x"_s;
        QTest::newRow("no year") << u"29"_s << u"02"_s << QString() << u"0"_s << 29 << u"29"_s;
        QTest::newRow("no month") << u"31"_s << u"4x"_s << u"2026"_s << u"2026"_s << 31 << u"31"_s;
        QTest::newRow("month 13") << u"31"_s << u"13"_s << u"2026"_s << u"2026"_s << 31 << u"31"_s;
    }
    void dayList()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, days);
        const DayList list = velluna::dayList(day, month, year);
        QTEST(list.year, "yearAfter");
        QCOMPARE(list.days.size(), days);
        QCOMPARE(list.days.mid(8, 2), QStringList({u"09"_s, u"10"_s}));
        QCOMPARE(list.days.first() + list.days.last(), u"01"_s + QString::number(days));
        QTEST(list.day, "dayAfter");
    }
    // Every month of common, leap and century years has the days of Qt's
    // Gregorian calendar.
    void monthLengths()
    {
        for (const int year : {2025, 2028, 2100, 2000}) {
            for (int month = 1; month <= 12; ++month) {
                const DayList list = velluna::dayList({}, QString::number(month), QString::number(year));
                QCOMPARE(list.days.size(), QDate(year, month, 1).daysInMonth());
            }
        }
    }
    // The year list and the date preselected in each mode, and the press
    // that rejects the preselection until she changes it.
    void modeLists_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("firstYear");
        QTest::addColumn<QDate>("preselected");
        QTest::newRow("last menstruation") << Mode::LastPeriod << kToday << u"2025"_s << kToday;
        QTest::newRow("due date") << Mode::DueDate << kToday << u"2026"_s << QDate(2027, 9, 12);
        QTest::newRow("due date in January") << Mode::DueDate << QDate(2027, 1, 10) << u"2027"_s << QDate(2027, 10, 17);
        QTest::newRow("transfer") << Mode::Transfer << kToday << u"2025"_s << kToday;
    }
    void modeLists()
    {
        QFETCH(Mode, mode);
        QFETCH(QDate, today);
        QFETCH(QDate, preselected);
        const ModeLists lists = velluna::modeLists(mode, today);
        QTEST(lists.years.first(), "firstYear");
        QCOMPARE(lists.years.size(), 2);
        QVERIFY(lists.years.contains(QString::number(preselected.year())));
        QCOMPARE(lists.preselected, preselected);
        Confirmation c;
        c.setMode(mode);
        const EntryTexts texts{preselected.toString(u"dd"_s), preselected.toString(u"MM"_s),
                               preselected.toString(u"yyyy"_s), u"28"_s, u"5"_s};
        QCOMPARE(c.press(texts, today).message, Confirmation::Message::Date);
    }

    // Every transition of the presses in each mode: at which stage, with
    // which date and which text in the list the mode reads second (the cycle,
    // or the embryo's age), what the press does, the stage after it and
    // after its message, and the date of the last menstruation calculated
    // from. The list a mode does not read holds no number.
    void confirmation_data()
    {
        using M = Confirmation::Message;
        using P = Confirmation::Panel;
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("second");
        QTest::addColumn<M>("message");
        QTest::addColumn<P>("panel");
        QTest::addColumn<int>("stageAfter");
        QTest::addColumn<int>("stageAfterMessage"); // -1: left as the press left it
        QTest::addColumn<QString>("lmp");           // empty: no calculation

        const auto row = [](const char *name, Mode mode, int stage, const char *date, const char *second, M message,
                            P panel, int stageAfter, int stageAfterMessage, const char *lmp) {
            QTest::newRow(name) << mode << stage << date << second << message << panel << stageAfter
                                << stageAfterMessage << lmp;
        };
        const Mode L = Mode::LastPeriod;
        const Mode D = Mode::DueDate;
        const Mode T = Mode::Transfer;
        row("date accepted", L, 0, "05/12/2026", "28", M::None, P::Shown, 1, -1, "");
        row("date rejected", L, 0, "06/12/2026", "28", M::Date, P::Unchanged, 0, -1, "");
        row("date empty", L, 0, "/12/2026", "28", M::Date, P::Unchanged, 0, -1, "");
        row("cycle guard first", L, 0, "06/12/2026", "21", M::Cycle, P::Unchanged, 0, -1, "");
        row("shortest cycle", L, 1, "05/12/2026", "22", M::None, P::Hidden, 0, -1, "05/12/2026");
        row("longest cycle", L, 1, "05/12/2026", "45", M::None, P::Hidden, 0, -1, "05/12/2026");
        row("cycle with a word", L, 1, "05/12/2026", "30 giorni", M::None, P::Hidden, 0, -1, "05/12/2026");
        row("cycle too short", L, 1, "05/12/2026", "21", M::Cycle, P::Unchanged, 1, 1, "");
        row("cycle too long", L, 1, "05/12/2026", "46", M::Cycle, P::Unchanged, 1, 1, "");
        row("cycle no number", L, 1, "05/12/2026", "abc", M::Cycle, P::Unchanged, 1, 1, "");
        row("date edited behind the panel", L, 1, "32/12/2026", "28", M::Date, P::Hidden, 0, -1, "");
        row("date aged out", L, 1, "05/12/2024", "28", M::Date, P::Hidden, 0, -1, "");
        row("due date in 279 days", D, 0, "11/09/2027", "", M::None, P::Hidden, 0, -1, "05/12/2026");
        row("due date in 280 days", D, 0, "12/09/2027", "", M::Date, P::Unchanged, 0, -1, "");
        row("due date from last year's first day", D, 0, "08/10/2025", "", M::None, P::Hidden, 0, -1, "01/01/2025");
        row("due date from two years back", D, 0, "07/10/2025", "", M::Date, P::Unchanged, 0, -1, "");
        row("due date 29 February, common year", D, 0, "29/02/2027", "", M::Date, P::Unchanged, 0, -1, "");
        row("transfer yesterday", T, 0, "05/12/2026", "", M::None, P::Shown, 1, -1, "");
        row("transfer today", T, 0, "06/12/2026", "5", M::Date, P::Unchanged, 0, -1, "");
        row("transfer 29 February, common year", T, 0, "29/02/2026", "5", M::Date, P::Unchanged, 0, -1, "");
        row("embryo of 1 day", T, 1, "05/12/2026", "1", M::Embryo, P::Unchanged, 1, 1, "");
        row("embryo of 2 days", T, 1, "05/12/2026", "2", M::None, P::Hidden, 0, -1, "19/11/2026");
        row("embryo of 5.5 days", T, 1, "05/12/2026", "5.5", M::Embryo, P::Unchanged, 1, 1, "");
        row("embryo of 6 days", T, 1, "05/12/2026", "6 giorni", M::None, P::Hidden, 0, -1, "15/11/2026");
        row("embryo of 7 days", T, 1, "05/12/2026", "7", M::Embryo, P::Unchanged, 1, 1, "");
        row("embryo of no days", T, 1, "05/12/2026", "", M::Embryo, P::Unchanged, 1, 1, "");
        row("transfer edited behind the panel", T, 1, "32/12/2026", "5", M::Date, P::Hidden, 0, -1, "");
    }
    void confirmation()
    {
        QFETCH(Mode, mode);
        QFETCH(int, stage);
        QFETCH(QString, date);
        QFETCH(QString, second);
        QFETCH(int, stageAfterMessage);
        QFETCH(QString, lmp);
        Confirmation c;
        c.setMode(mode);
        if (stage == 1)
            c.press({u"01"_s, u"12"_s, u"2026"_s, u"28"_s, u"5"_s}, kToday);
        QCOMPARE(c.fase(), stage);
        const QStringList dmy = date.split(u'/');
        const QString none = u"abc"_s;
        const QString cycle = mode == Mode::LastPeriod ? second : none;
        const QString age = mode == Mode::Transfer ? second : none;
        const Confirmation::Answer answer = c.press({dmy[0], dmy[1], dmy[2], cycle, age}, kToday);
        QTEST(answer.message, "message");
        QTEST(answer.panel, "panel");
        QTEST(c.fase(), "stageAfter");
        QCOMPARE(answer.faseAfterMessage.value_or(-1), stageAfterMessage);
        QCOMPARE(answer.calculate, !lmp.isEmpty());
        QCOMPARE(answer.lmp, QDate::fromString(lmp, u"dd/MM/yyyy"_s));
        if (answer.calculate)
            QCOMPARE(answer.cycle, mode == Mode::LastPeriod ? second : u"28"_s);
    }
    // A due date or a transfer shows what the last menstruation it stands
    // for shows with a cycle of 28 days, entered in the first mode; the
    // probable date is the due date entered, or the transfer's + 261 days
    // for a day-5 embryo.
    void modeResults_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("probable");
        QTest::newRow("due date 29 February")
            << Mode::DueDate << u"29/02/2028"_s << QString() << u"martedì 29 febbraio 2028"_s;
        QTest::newRow("day 5") << Mode::Transfer << u"20/03/2027"_s << u"5"_s << u"lunedì 6 dicembre 2027"_s;
        QTest::newRow("day 3") << Mode::Transfer << u"20/03/2027"_s << u"3"_s << u"mercoledì 8 dicembre 2027"_s;
        QTest::newRow("day 6") << Mode::Transfer << u"20/03/2027"_s << u"6"_s << u"domenica 5 dicembre 2027"_s;
        QTest::newRow("transfer 29 February")
            << Mode::Transfer << u"29/02/2028"_s << u"5"_s << u"giovedì 16 novembre 2028"_s;
    }
    void modeResults()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, date);
        QFETCH(QString, age);
        const QDate today(2028, 3, 10);
        const QStringList dmy = date.split(u'/');
        Confirmation c;
        c.setMode(mode);
        Confirmation::Answer a = c.press({dmy[0], dmy[1], dmy[2], u"abc"_s, age}, today);
        if (mode == Mode::Transfer)
            a = c.press({dmy[0], dmy[1], dmy[2], u"abc"_s, age}, today);
        QVERIFY(a.calculate);
        const Results d = Pregnancy().calculate(a.lmp, a.cycle, today);
        QTEST(d.birthDates[1], "probable");

        Confirmation first;
        const EntryTexts lmp{a.lmp.toString(u"dd"_s), a.lmp.toString(u"MM"_s), a.lmp.toString(u"yyyy"_s), u"28"_s, {}};
        first.press(lmp, today);
        const Confirmation::Answer b = first.press(lmp, today);
        const Results expected = Pregnancy().calculate(b.lmp, b.cycle, today);
        QVERIFY(d.birthDates == expected.birthDates);
        QCOMPARE(d.Text1, expected.Text1);
        QCOMPARE(d.PerceTip, expected.PerceTip);
    }

    // What a calculation shows, control by control, for a date of the last
    // menstruation some days ago and a cycle, after an earlier calculation
    // of `before` days ago (28 days' cycle) or none. "kept": the control
    // keeps what it showed; texts are named by their week, month, trimester
    // or milestone week (0 or -1: kept).
    void results_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<QString>("week");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<int>("tipWeek");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("trimester");
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("milestoneWeek");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("blinks");
        const auto row = [](const char *name, int before, int daysAgo, const char *cycle, const char *week, bool marked,
                            int tipWeek, const char16_t *month, int trimester, int picture, int milestoneWeek,
                            int height, const char *percent, bool blinks) {
            QTest::newRow(name) << before << daysAgo << cycle << week << marked << tipWeek << QString::fromUtf16(month)
                                << trimester << picture << milestoneWeek << height << percent << blinks;
        };
        const int full = kHeightFull;
        row("adjusted date today", 0, 1, "29", "0 giorni.", false, 0, u"1° Mese", 1, 1, 1, full, "0%", false);
        row("one day", 0, 1, "28", "1 giorno", false, 0, u"1° Mese", 1, 1, 1, full, "0,36%", false);
        row("eight days", 0, 8, "28", "1 settimana e 1 giorni", false, 0, u"1° Mese", 1, 1, 2, full, "2,86%", false);
        row("27 days", 0, 27, "28", "3 settimane e 6 giorni", false, 0, u"1° Mese", 1, 1, 4, full, "9,64%", false);
        row("four weeks", 0, 28, "28", "4 settimane e 0 giorni", true, 4, u"1° Mese", 1, 1, 5, full, "10%", true);
        row("second month", 0, 31, "28", "4 settimane e 3 giorni", true, 4, u"2° Mese", 1, 2, 5, full, "11,07%", true);
        row("91 days", 0, 91, "28", "13 settimane e 0 giorni", true, 13, u"3° Mese", 1, 3, 14, full, "32,5%", true);
        row("second trimester", 0, 92, "28", "13 settimane e 1 giorni", true, 13, u"4° Mese", 2, 4, 14, full, "32,86%",
            true);
        row("182 days", 0, 182, "28", "26 settimane e 0 giorni", true, 26, u"6° Mese", 2, 6, 27, full, "65%", true);
        row("third trimester", 0, 183, "28", "26 settimane e 1 giorni", true, 26, u"7° Mese", 3, 7, 27, full, "65,36%",
            true);
        row("273 days", 0, 273, "28", "39 settimane e 0 giorni", true, 39, u"9° Mese", 3, 9, 40, full, "97,5%", true);
        row("final month", 0, 274, "28", "39 settimane e 1 giorni", true, 39, u"9° Mese Finale", 3, 0, 40, full,
            "97,86%", true);
        row("forty weeks", 0, 280, "28", "40 settimane e 0 giorni", true, 40, u"9° Mese Finale", 3, 0, 41, full, "100%",
            true);
        row("milestone stop", 60, 287, "28", "41 settimane e 0 giorni", true, 0, u"9° Mese Finale", 3, 0, -1,
            kHeightMilestoneStop, "100%", true);
        row("future stop", 60, 1, "30", "kept", false, 0, u"kept", 0, 0, -1, kHeightFutureStop, "21,43%", true);
        row("future stop first", 0, 1, "30", "kept", false, 0, u"kept", 0, 0, -1, kHeightFutureStop, "0,36%", false);
        row("a week ahead", 0, 1, "36", "-1 settimane e 0 giorni", false, 0, u"1° Mese", 1, 1, 1, full, "-2,5%", false);
        row("long cycle", 0, 40, "45.7", "3 settimane e 2 giorni", false, 0, u"2° Mese", 1, 2, 6, full, "8,21%", false);
        row("fewer weeks after more", 60, 20, "28", "2 settimane e 6 giorni", false, 0, u"1° Mese", 1, 1, 3, full,
            "7,14%", true);
    }
    void results()
    {
        QFETCH(int, before);
        QFETCH(int, daysAgo);
        QFETCH(QString, cycle);
        QFETCH(int, tipWeek);
        QFETCH(int, trimester);
        QFETCH(int, picture);
        QFETCH(int, milestoneWeek);
        const QString kept = u"kept"_s;
        Pregnancy pregnancy;
        if (before)
            pregnancy.calculate(kToday.addDays(-before), u"28"_s, kToday);
        const Results d = pregnancy.calculate(kToday.addDays(-daysAgo), cycle, kToday);
        QTEST(d.Settimana.value_or(kept), "week");
        QTEST(d.SettimanaMarked, "marked");
        QCOMPARE(d.SettimanaTip, tipWeek ? std::optional(content::weekText(tipWeek)) : std::nullopt);
        QTEST(d.Label7.value_or(kept), "month");
        const int month = d.Label7 ? content::monthFromCaption(*d.Label7) : 0;
        QCOMPARE(d.Posiz, month ? std::optional(content::monthPhrase(month)) : std::nullopt);
        QCOMPARE(d.Trimestre, trimester ? std::optional(u"%1° Trimestre"_s.arg(trimester)) : std::nullopt);
        QCOMPARE(d.Image1, content::monthPicture(picture));
        QCOMPARE(d.Consigli, milestoneWeek >= 0 ? std::optional(content::milestone(milestoneWeek)) : std::nullopt);
        QCOMPARE(d.note, milestoneWeek >= 0 ? std::optional(content::adviceText(trimester)) : std::nullopt);
        QTEST(d.heightTwips, "height");
        QCOMPARE(d.centredForTwips, kHeightFull);
        QTEST(d.Perce, "percent");
        QTEST(pregnancy.weekBlinks(), "blinks");
        if (d.Label7)
            QCOMPARE(pregnancy.meseCorrente(), month);
    }

    // What the focus holder says: the probable date, and the weeks and the
    // month while they are in sight.
    void spokenResult()
    {
        QCOMPARE(Pregnancy().calculate(kToday.addDays(-2), u"28"_s, kToday).Text1,
                 u"Probabile parto: venerdì 10 settembre 2027. 2 giorni. 1° Mese"_s);
        QCOMPARE(Pregnancy().calculate(kToday.addDays(-1), u"30"_s, kToday).Text1,
                 u"Probabile parto: lunedì 13 settembre 2027"_s);
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
        QTest::newRow("45 days") << 45 << u"giovedì 16 dicembre 2027"_s << u"giovedì 23 dicembre 2027"_s
                                 << u"giovedì 6 gennaio 2028"_s;
    }
    void birthDates()
    {
        QFETCH(int, cycle);
        const QDate lmp(2027, 3, 1);
        const QDate probable = lmp.addDays(cycle - 28 + kGiorniTotali);
        const Results d = Pregnancy().calculate(lmp, QString::number(cycle), probable);
        QTEST(d.birthDates[0], "earliest");
        QTEST(d.birthDates[1], "probable");
        QTEST(d.birthDates[2], "latest");
        QCOMPARE(d.Settimana, u"40 settimane e 0 giorni"_s);
        QCOMPARE(d.PerceTip, u"Mancano: 0 giorni."_s);
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

    // A click on the month phrase: the page of the month that the month
    // caption names, its picture where that month wants it, and the picture
    // of the current month.
    void monthPage_data()
    {
        using P = content::PicturePlace;
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("page"); // 0: the page does not open
        QTest::addColumn<P>("place");
        QTest::addColumn<QString>("picture");
        QTest::newRow("first month") << u"1° Mese"_s << 1 << 1 << P::Small << u"101"_s;
        QTest::newRow("third month") << u"3° Mese"_s << 3 << 3 << P::Wide << u"103"_s;
        QTest::newRow("final month") << u"9° Mese Finale"_s << 9 << 9 << P::Unchanged << u"109"_s;
        QTest::newRow("before a calculation") << QString() << 0 << 0 << P::Unchanged << QString();
        QTest::newRow("no month number") << u"Mese"_s << 10 << 0 << P::Unchanged << QString();
    }
    void monthPage()
    {
        QFETCH(QString, caption);
        QFETCH(int, current);
        QFETCH(int, page);
        const content::MonthPage p = content::monthPage(caption, current);
        QCOMPARE(p.text, page ? std::optional(content::monthDetailText(page)) : std::nullopt);
        QTEST(p.place, "place");
        QTEST(p.picture ? p.picture->resource : QString(), "picture");
    }

    // Every text as the window shows it, by its key, against the approved
    // copy in testdata/texts.txt: a text moved to another week, month or
    // trimester, or one that goes missing, shows as a difference. When a
    // text is meant to change, VELLUNA_UPDATE_REFERENCES=1 writes the copy
    // anew; read it before committing.
    void textsAsShown()
    {
        QString shown;
        const auto add = [&](const QString &key, const QString &text) {
            shown += key + u": "_s + QString(text).replace(u'\r', u"\n    "_s) + u'\n';
        };
        for (int week = 3; week <= 41; ++week)
            add(u"week %1"_s.arg(week), content::weekText(week));
        for (int week = -1; week <= 42; ++week)
            add(u"milestone week %1"_s.arg(week), content::milestone(week));
        for (int t = 0; t <= 4; ++t)
            add(u"advice, trimester %1"_s.arg(t), content::adviceText(t));
        for (int m = 0; m <= 10; ++m) {
            add(u"month %1, phrase"_s.arg(m), content::monthPhrase(m));
            const auto picture = content::monthPicture(m);
            add(u"month %1, picture"_s.arg(m), picture ? picture->resource + u' ' + picture->description : QString());
            add(u"month %1, page"_s.arg(m), content::monthDetailText(m));
        }
        add(u"message, date"_s, messageText(Confirmation::Message::Date));
        add(u"message, cycle"_s, messageText(Confirmation::Message::Cycle));
        add(u"message, embryo"_s, messageText(Confirmation::Message::Embryo));
        for (const Mode mode : kModes) {
            Confirmation c;
            c.setMode(mode);
            add(u"mode "_s + modeName(mode) + u", prompt, start"_s, startPrompt(mode));
            add(u"mode "_s + modeName(mode) + u", prompt, date accepted"_s,
                c.press({u"05"_s, u"12"_s, u"2026"_s, u"28"_s, u"5"_s}, kToday).prompt);
        }
        add(u"mode switch, tooltip"_s, modeSwitchTip());
        for (const Mode mode : kModes)
            add(u"mode "_s + modeName(mode) + u", second list"_s, secondListCaption(mode));

        QFile file(QStringLiteral(VELLUNA_TESTDATA "/texts.txt"));
        if (qEnvironmentVariableIsSet("VELLUNA_UPDATE_REFERENCES")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(shown.toUtf8());
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList approved = QString::fromUtf8(file.readAll()).split(u'\n');
        const QStringList lines = shown.split(u'\n');
        for (qsizetype i = 0; i < qMax(lines.size(), approved.size()); ++i)
            QCOMPARE(lines.value(i), approved.value(i));
    }
};

QTEST_APPLESS_MAIN(TstCore)
#include "tst_core.moc"
