// Week, month, trimester, milestone and advice as the real window shows
// them after a calculation typed and clicked in, including the two early
// stops and what a second calculation leaves of the first.
#include "content/texts.h"
#include "formharness.h"

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {
const QDate kToday(2026, 12, 6);
const QString kDesign = u"Label6"_s; // design-time caption of the content labels

// What the window shows after the calculation. Label7's month is also the
// one of Posiz's phrase and of MeseCorrente. advice, tooltip: trimester and
// week whose text the label shows (0: the label's text before any
// calculation). marked: cursor 102 on the week label and Lampeggio 1.
struct Shown
{
    QString week;
    int passati;
    QString label7, trimestre, consigli;
    int advice, tooltip;
    bool marked;
    QString picture;
    int height = 7950;
};
} // namespace

class TstStatus : public QObject
{
    Q_OBJECT

private slots:
    void status_data();
    void status();
};

void TstStatus::status_data()
{
    QTest::addColumn<int>("earlier"); // days ago of a first calculation with a 28-day cycle (0: none)
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<Shown>("shown");

    const QString m1 = u"1° Mese"_s, m2 = u"2° Mese"_s, m4 = u"4° Mese"_s, fin = u"9° Mese Finale"_s;
    const QString t1 = u"1° Trimestre"_s, t2 = u"2° Trimestre"_s, t3 = u"3° Trimestre"_s;
    const QString none = u"Nessuno"_s, first = u"Primi esami e prima visita."_s;
    const QString prenatal = u"Eventuale diagnosi prenatale,"_s, birth = u"Probabile parto."_s;

    // clang-format off
    QTest::newRow("1 day, cycle 29") << 0 << 1 << "29" << Shown{"0 giorni.", 0, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("1 day") << 0 << 1 << "28" << Shown{"1 giorno", 1, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("2 days") << 0 << 2 << "28" << Shown{"2 giorni.", 2, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("7 days") << 0 << 7 << "28" << Shown{"1 settimana e 0 giorni", 7, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("8 days") << 0 << 8 << "28" << Shown{"1 settimana e 1 giorni", 8, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("15 days") << 0 << 15 << "28" << Shown{"2 settimane e 1 giorni", 15, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("27 days") << 0 << 27 << "28" << Shown{"3 settimane e 6 giorni", 27, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("27 days after 183: pointer, tooltip and blink stay") << 183 << 27 << "28"
        << Shown{"3 settimane e 6 giorni", 27, m1, t1, none, 1, 26, true, "1"};
    QTest::newRow("28 days") << 0 << 28 << "28" << Shown{"4 settimane e 0 giorni", 28, m1, t1, first, 1, 4, true, "1"};
    QTest::newRow("30 days") << 0 << 30 << "28" << Shown{"4 settimane e 2 giorni", 30, m1, t1, first, 1, 4, true, "1"};
    QTest::newRow("31 days") << 0 << 31 << "28" << Shown{"4 settimane e 3 giorni", 31, m2, t1, first, 1, 4, true, "2"};
    QTest::newRow("91 days") << 0 << 91 << "28"
        << Shown{"13 settimane e 0 giorni", 91, "3° Mese", t1, prenatal, 1, 13, true, "3"};
    QTest::newRow("92 days") << 0 << 92 << "28"
        << Shown{"13 settimane e 1 giorni", 92, m4, t2, prenatal, 2, 13, true, "4"};
    QTest::newRow("183 days") << 0 << 183 << "28" << Shown{"26 settimane e 1 giorni", 183, "7° Mese", t3,
        "Scelta luogo parto e corso pre-parto.", 3, 26, true, "7"};
    QTest::newRow("273 days") << 0 << 273 << "28"
        << Shown{"39 settimane e 0 giorni", 273, "9° Mese", t3, birth, 3, 39, true, "9"};
    QTest::newRow("274 days after 92: picture stays") << 92 << 274 << "28"
        << Shown{"39 settimane e 1 giorni", 274, fin, t3, birth, 3, 39, true, "4"};
    QTest::newRow("280 days after 92") << 92 << 280 << "28"
        << Shown{"40 settimane e 0 giorni", 280, fin, t3, birth, 3, 40, true, "4"};
    QTest::newRow("287 days after 92: advice stays") << 92 << 287 << "28"
        << Shown{"41 settimane e 0 giorni", 287, fin, t3, prenatal, 2, 13, true, "4", 2040};
    QTest::newRow("287 days, first calculation") << 0 << 287 << "28"
        << Shown{"41 settimane e 0 giorni", 287, fin, t3, kDesign, 0, 0, true, "", 2040};
    QTest::newRow("1 day, cycle 30, after 92: all stays") << 92 << 1 << "30"
        << Shown{"13 settimane e 1 giorni", 92, m4, t2, prenatal, 2, 13, true, "4", 2055};
    QTest::newRow("1 day, cycle 30, first calculation") << 0 << 1 << "30"
        << Shown{"", 1, "", kDesign, kDesign, 0, 0, false, "", 2055};
    QTest::newRow("1 day, cycle 36") << 0 << 1 << "36"
        << Shown{"-1 settimane e 0 giorni", -7, m1, t1, none, 1, 0, false, "1"};
    QTest::newRow("40 days, cycle 45") << 0 << 40 << "45"
        << Shown{"3 settimane e 2 giorni", 23, m2, t1, first, 1, 0, false, "2"};
    // clang-format on
}

void TstStatus::status()
{
    QFETCH(int, earlier);
    QFETCH(int, daysAgo);
    QFETCH(QString, cycle);
    QFETCH(Shown, shown);
    Harness h(kToday);
    if (earlier != 0)
        h.calculate(kToday.addDays(-earlier));
    const QDate lmp = kToday.addDays(-daysAgo);
    h.calculate(lmp, cycle);

    const Form1 &f = *h.form;
    const int month = shown.label7.section(u'°', 0, 0).toInt();
    QCOMPARE(f.Settimana->caption(), shown.week);
    QCOMPARE(f.GiorniPassati, shown.passati);
    QCOMPARE(f.MeseCorrente, month);
    QCOMPARE(f.Label7->caption(), shown.label7);
    QCOMPARE(f.Trimestre->caption(), shown.trimestre);
    QCOMPARE(f.Posiz->caption(), content::monthPhrase(month));
    QCOMPARE(f.Consigli->caption(), shown.consigli);
    QCOMPARE(f.note->caption(), shown.advice == 0 ? kDesign : content::adviceText(shown.advice));
    QCOMPARE(f.Settimana->toolTip(), content::weekText(shown.tooltip));
    QCOMPARE(f.Lampeggio, shown.marked ? 1 : 0);
    const QCursor pointer = f.Settimana->cursor();
    QCOMPARE(pointer.shape() == Qt::BitmapCursor && pointer.hotSpot() == QPoint(2, 4), shown.marked);
    QCOMPARE(f.Image1->pictureId(), shown.picture);
    QCOMPARE(f.Image1->hasPicture(), !shown.picture.isEmpty());
    QCOMPARE(f.heightTwips(), shown.height);
    QCOMPARE(f.height(), (shown.height - 465) / 15);
    // Unless the date lies ahead by part of a week, the date as entered is
    // what the calculation leaves behind.
    QCOMPARE(f.DataUM.toDate(), shown.height == 2055 ? lmp.addDays(cycle.toInt() - 28) : lmp);
}

QTEST_MAIN(TstStatus)
#include "tst_status.moc"
