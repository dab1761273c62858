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
    // earlier: days ago of a first calculation with a 28-day cycle in the
    // same window (0: none). posiz, advice, tooltip: month, trimester and
    // week whose text the label shows (0: the label's text before any
    // calculation). marked: cursor 102 on the week label and Lampeggio 1.
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QString>("week");
    QTest::addColumn<int>("passati");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("label7");
    QTest::addColumn<QString>("trimestre");
    QTest::addColumn<int>("posiz");
    QTest::addColumn<QString>("consigli");
    QTest::addColumn<int>("advice");
    QTest::addColumn<int>("tooltip");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("height");

    const QString m1 = u"1° Mese"_s, t1 = u"1° Trimestre"_s, t2 = u"2° Trimestre"_s, t3 = u"3° Trimestre"_s;
    const QString none = u"Nessuno"_s, first = u"Primi esami e prima visita."_s;
    const QString prenatal = u"Eventuale diagnosi prenatale,"_s, birth = u"Probabile parto."_s;
    const QString fin = u"9° Mese Finale"_s;

    // clang-format off
    QTest::newRow("1 day, cycle 29") << 0 << 1 << "29" << "0 giorni." << 0
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("1 day") << 0 << 1 << "28" << "1 giorno" << 1
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("2 days") << 0 << 2 << "28" << "2 giorni." << 2
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("7 days") << 0 << 7 << "28" << "1 settimana e 0 giorni" << 7
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("8 days") << 0 << 8 << "28" << "1 settimana e 1 giorni" << 8
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("15 days") << 0 << 15 << "28" << "2 settimane e 1 giorni" << 15
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("27 days") << 0 << 27 << "28" << "3 settimane e 6 giorni" << 27
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("27 days after 183: pointer, tooltip and blink stay")
        << 183 << 27 << "28" << "3 settimane e 6 giorni" << 27
        << 1 << m1 << t1 << 1 << none << 1 << 26 << true << "1" << 7950;
    QTest::newRow("28 days") << 0 << 28 << "28" << "4 settimane e 0 giorni" << 28
        << 1 << m1 << t1 << 1 << first << 1 << 4 << true << "1" << 7950;
    QTest::newRow("30 days") << 0 << 30 << "28" << "4 settimane e 2 giorni" << 30
        << 1 << m1 << t1 << 1 << first << 1 << 4 << true << "1" << 7950;
    QTest::newRow("31 days") << 0 << 31 << "28" << "4 settimane e 3 giorni" << 31
        << 2 << "2° Mese" << t1 << 2 << first << 1 << 4 << true << "2" << 7950;
    QTest::newRow("91 days") << 0 << 91 << "28" << "13 settimane e 0 giorni" << 91
        << 3 << "3° Mese" << t1 << 3 << prenatal << 1 << 13 << true << "3" << 7950;
    QTest::newRow("92 days") << 0 << 92 << "28" << "13 settimane e 1 giorni" << 92
        << 4 << "4° Mese" << t2 << 4 << prenatal << 2 << 13 << true << "4" << 7950;
    QTest::newRow("183 days") << 0 << 183 << "28" << "26 settimane e 1 giorni" << 183
        << 7 << "7° Mese" << t3 << 7 << "Scelta luogo parto e corso pre-parto." << 3 << 26 << true << "7" << 7950;
    QTest::newRow("273 days") << 0 << 273 << "28" << "39 settimane e 0 giorni" << 273
        << 9 << "9° Mese" << t3 << 9 << birth << 3 << 39 << true << "9" << 7950;
    QTest::newRow("274 days after 92: picture stays") << 92 << 274 << "28" << "39 settimane e 1 giorni" << 274
        << 9 << fin << t3 << 9 << birth << 3 << 39 << true << "4" << 7950;
    QTest::newRow("280 days after 92") << 92 << 280 << "28" << "40 settimane e 0 giorni" << 280
        << 9 << fin << t3 << 9 << birth << 3 << 40 << true << "4" << 7950;
    QTest::newRow("287 days after 92: advice stays") << 92 << 287 << "28" << "41 settimane e 0 giorni" << 287
        << 9 << fin << t3 << 9 << prenatal << 2 << 13 << true << "4" << 2040;
    QTest::newRow("287 days, first calculation") << 0 << 287 << "28" << "41 settimane e 0 giorni" << 287
        << 9 << fin << t3 << 9 << kDesign << 0 << 0 << true << "" << 2040;
    QTest::newRow("1 day, cycle 30, after 92: all stays") << 92 << 1 << "30" << "13 settimane e 1 giorni" << 92
        << 4 << "4° Mese" << t2 << 4 << prenatal << 2 << 13 << true << "4" << 2055;
    QTest::newRow("1 day, cycle 30, first calculation") << 0 << 1 << "30" << "" << 1
        << 0 << "" << kDesign << 0 << kDesign << 0 << 0 << false << "" << 2055;
    QTest::newRow("1 day, cycle 36") << 0 << 1 << "36" << "-1 settimane e 0 giorni" << -7
        << 1 << m1 << t1 << 1 << none << 1 << 0 << false << "1" << 7950;
    QTest::newRow("40 days, cycle 45") << 0 << 40 << "45" << "3 settimane e 2 giorni" << 23
        << 2 << "2° Mese" << t1 << 2 << first << 1 << 0 << false << "2" << 7950;
    // clang-format on
}

void TstStatus::status()
{
    QFETCH(int, earlier);
    QFETCH(int, daysAgo);
    QFETCH(QString, cycle);
    QFETCH(QString, week);
    QFETCH(int, passati);
    QFETCH(int, month);
    QFETCH(QString, label7);
    QFETCH(QString, trimestre);
    QFETCH(int, posiz);
    QFETCH(QString, consigli);
    QFETCH(int, advice);
    QFETCH(int, tooltip);
    QFETCH(bool, marked);
    QFETCH(QString, picture);
    QFETCH(int, height);

    Harness h(kToday);
    if (earlier != 0) {
        h.calculate(kToday.addDays(-earlier));
        QCOMPARE(h.form->heightTwips(), 7950);
    }
    const QDate lmp = kToday.addDays(-daysAgo);
    h.calculate(lmp, cycle);

    const Form1 &f = *h.form;
    QCOMPARE(f.Settimana->caption(), week);
    QCOMPARE(f.GiorniPassati, passati);
    QCOMPARE(f.MeseCorrente, month);
    QCOMPARE(f.Label7->caption(), label7);
    QCOMPARE(f.Trimestre->caption(), trimestre);
    QCOMPARE(f.Posiz->caption(), content::monthPhrase(posiz));
    QCOMPARE(f.Consigli->caption(), consigli);
    QCOMPARE(f.note->caption(), advice == 0 ? kDesign : content::adviceText(advice));
    QCOMPARE(f.Settimana->toolTip(), content::weekText(tooltip));
    QCOMPARE(f.Lampeggio, marked ? 1 : 0);
    const QCursor pointer = f.Settimana->cursor();
    QCOMPARE(pointer.shape() == Qt::BitmapCursor, marked);
    if (marked)
        QCOMPARE(pointer.hotSpot(), QPoint(2, 4));
    QCOMPARE(f.Image1->pictureId(), picture);
    QCOMPARE(f.Image1->hasPicture(), !picture.isEmpty());
    QCOMPARE(f.heightTwips(), height);
    QCOMPARE(f.height(), (height - 465) / 15);
    // Unless the date lies ahead by part of a week, the date as entered is
    // what the calculation leaves behind.
    const QDate adjusted = lmp.addDays(cycle.toInt() - 28);
    QCOMPARE(f.DataUM.toDate(), height == 2055 ? adjusted : lmp);
}

QTEST_MAIN(TstStatus)
#include "tst_status.moc"
