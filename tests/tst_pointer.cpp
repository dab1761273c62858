// What the pointer alone does on the real window (the confirm label's
// highlight, the enlarged month picture, the custom pointers) and the blink
// driven tick by tick.
#include "formharness.h"

#include "ui/layout.h"

#include <QTimerEvent>
#include <tuple>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;
using layout::px;

namespace {

const QDate kToday(2026, 12, 6);

// One tick of the blink timer, as the timer itself delivers it. The timer
// is held at an interval long enough that no other tick comes between.
void tick(Form1 &f)
{
    QTimerEvent event(f.Timer1->timerId());
    QCoreApplication::sendEvent(f.Timer1, &event);
}

} // namespace

class TstPointer : public QObject
{
    Q_OBJECT

private slots:
    void okHighlight_data();
    void okHighlight();
    void thumbnail();
    void cursors_data();
    void cursors();
    void firstTick();
    void blink_data();
    void blink();
};

void TstPointer::okHighlight_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("resets");
    QTest::addColumn<int>("height");
    // Gaps between the birth-date labels are bare Shape2: the window's own.
    QTest::newRow("Label1") << QPoint(100, px(870) + 5) << false << 7950;
    QTest::newRow("Label2") << QPoint(100, px(1110) + 5) << false << 7950;
    QTest::newRow("gap Label1-Label2") << QPoint(100, px(870) + px(195) + 1) << true << 7950;
    QTest::newRow("gap Label2-Label3") << QPoint(100, px(1110) + px(195) + 1) << true << 7950;
    QTest::newRow("Shape5 beside Posiz") << QPoint(3, px(2900)) << true << 7950;
    QTest::newRow("Shape8 beside note") << QPoint(3, px(6000)) << true << 7950;
    QTest::newRow("Shape9 beside OK") << QPoint(px(2160) + 30, px(260)) << false << 1050;
    QTest::newRow("input strip background") << QPoint(3, px(400)) << false << 1050;
}

void TstPointer::okHighlight()
{
    QFETCH(QPoint, point);
    QFETCH(bool, resets);
    QFETCH(int, height);
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-280)); // no thumbnail yet: nothing opens over the bands
    h.moveTo(f.OK);
    QVERIFY(f.OK->foreColor() == Qt::blue && f.OK->underline());
    h.moveTo(point);
    QCOMPARE(f.heightTwips(), height);
    QCOMPARE(f.OK->foreColor(), QColor(resets ? Qt::black : Qt::blue));
    QCOMPARE(f.OK->underline(), !resets);
}

void TstPointer::thumbnail()
{
    Harness h(kToday);
    Form1 &f = *h.form;
    // A final month reached at once leaves the thumbnail empty.
    h.calculate(kToday.addDays(-280));
    h.moveTo(f.Image1);
    QVERIFY(!f.imgG->isVisible() && !f.Image2->hasPicture());

    h.calculate(kToday.addDays(-130)); // month 5
    QVERIFY(!f.imgG->isVisible()); // until the pointer moves again
    h.moveTo(QPoint(3, px(2900)));
    // Opened again each time: closed by the note, then by Posiz.
    for (const QPoint closer : {Harness::centreOf(f.note), QPoint(100, px(2430) + 5)}) {
        h.moveTo(f.Image1);
        QVERIFY(f.imgG->isVisible());
        QCOMPARE(f.Image2->pictureId(), u"5"_s);
        // The picture itself, the bands and the bar leave it open.
        for (const QPoint p :
             {Harness::centreOf(f.Image2), QPoint(3, px(2900)), QPoint(3, px(3600) + 8), QPoint(5, px(1800) + 10)}) {
            h.moveTo(p);
            QVERIFY2(f.imgG->isVisible(), qPrintable(u"%1,%2"_s.arg(p.x()).arg(p.y())));
        }
        h.moveTo(closer);
        QVERIFY(!f.imgG->isVisible());
    }
}

void TstPointer::cursors_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("hotSpot"); // cursor 101 or 102
    QTest::newRow("OK") << "OK" << QPoint(12, 1);
    QTest::newRow("Image1") << "Image1" << QPoint(12, 1);
    QTest::newRow("Perce") << "Perce" << QPoint(2, 4);
}

void TstPointer::cursors()
{
    QFETCH(QString, control);
    QFETCH(QPoint, hotSpot);
    Harness h(kToday);
    h.calculate(kToday.addDays(-130));
    QWidget *const w = h.form->findChild<QWidget *>(control);
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    h.moveTo(w);
    QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(w->cursor().hotSpot(), hotSpot);
}

void TstPointer::firstTick()
{
    // Nothing has run the event loop, so the timer has not ticked yet.
    FakeClock clock(kToday);
    Form1 f(clock);
    f.Timer1->start(100'000'000);
    QCOMPARE(f.Conta, 0);
    tick(f);
    QCOMPARE(f.Conta, 1);
    QCOMPARE(f.Posiz->foreColor(), QColor(Qt::black));
}

void TstPointer::blink_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<int>("lampeggio");
    QTest::newRow("week 1: the month phrase alone") << 10 << 0;
    QTest::newRow("week 8: the week label too") << 60 << 1;
}

void TstPointer::blink()
{
    QFETCH(int, daysAgo);
    QFETCH(int, lampeggio);
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-daysAgo));
    QCOMPARE(f.Lampeggio, lampeggio);
    f.Timer1->start(100'000'000);
    const QColor week = f.Settimana->foreColor();
    // The phase a tick finds, the phrase's colour after it and the next phase.
    const std::tuple<int, Qt::GlobalColor, int> phases[] = {
        {0, Qt::black, 1}, {99, Qt::black, 100}, {100, Qt::red, 101}, {199, Qt::red, 0}, {0, Qt::black, 1}};
    for (const auto &[phase, colour, next] : phases) {
        for (int i = 0; i < 200 && f.Conta != phase; ++i)
            tick(f);
        tick(f);
        QCOMPARE(f.Conta, next);
        QCOMPARE(f.Posiz->foreColor(), QColor(colour));
        QCOMPARE(f.Settimana->foreColor(), !lampeggio ? week : QColor(colour == Qt::red ? Qt::yellow : Qt::black));
    }
}

QTEST_MAIN(TstPointer)
#include "tst_pointer.moc"
