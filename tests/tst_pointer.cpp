// What the pointer alone does on the real window (the confirm label's
// highlight, the enlarged month picture, the custom pointers) and the blink
// driven tick by tick.
#include "formharness.h"

#include "ui/layout.h"

#include <QTimerEvent>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;
using layout::px;

namespace {

const QDate kToday(2026, 12, 6);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

QPoint centreOf(const QWidget *w)
{
    return w->mapTo(w->window(), w->rect().center());
}

// Moves the pointer to a point of the window's client area; the event goes
// to whatever the window system finds there.
void moveTo(Form1 &f, QPoint p)
{
    QCoreApplication::processEvents(); // the window may just have moved
    QTest::mouseMove(&f, p);
}

bool highlighted(const Form1 &f)
{
    return f.OK->foreColor() == kBlue && f.OK->underline();
}

// One tick of the blink timer, as the timer itself delivers it. The timer
// runs with an interval long enough that no other tick comes between.
void tick(Form1 &f)
{
    QTimerEvent event(f.Timer1->timerId());
    QCoreApplication::sendEvent(f.Timer1, &event);
}

void holdTimer(Form1 &f)
{
    f.Timer1->start(100'000'000);
}

void tickUntil(Form1 &f, int phase)
{
    for (int i = 0; i < 200 && f.Conta != phase; ++i)
        tick(f);
}

} // namespace

class TstPointer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void okHighlight_data();
    void okHighlight();
    void thumbnail();
    void cursors_data();
    void cursors();
    void firstTick();
    void blink();
    void weekBlink();
};

// Each window opens where the last one was: the pointer leaves it first, or
// a move to the same place would be no move at all.
void TstPointer::init()
{
    QCursor::setPos(0, 0);
    QCoreApplication::processEvents();
}

void TstPointer::okHighlight_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("resets");
    QTest::addColumn<int>("height");
    // Gaps between the birth-date labels are bare Shape2: the window's own.
    const int label1Bottom = px(870) + px(195);
    const int label2Bottom = px(1110) + px(195);
    QTest::newRow("Label1") << QPoint(100, px(870) + 5) << false << 7950;
    QTest::newRow("Label2") << QPoint(100, px(1110) + 5) << false << 7950;
    QTest::newRow("Label3") << QPoint(100, px(1350) + 5) << false << 7950;
    QTest::newRow("gap Label1-Label2") << QPoint(100, label1Bottom + 1) << true << 7950;
    QTest::newRow("gap Label2-Label3") << QPoint(100, label2Bottom + 1) << true << 7950;
    QTest::newRow("Shape2 above Label1") << QPoint(100, px(870) - 1) << true << 7950;
    QTest::newRow("Settimana") << QPoint(30, px(1560) + 8) << false << 7950;
    QTest::newRow("bar beside Perce") << QPoint(5, px(1800) + 10) << false << 7950;
    QTest::newRow("Perce") << QPoint(px(840) + 30, px(1845) + 10) << false << 7950;
    QTest::newRow("Shape5 beside Posiz") << QPoint(3, px(2900)) << true << 7950;
    QTest::newRow("Label5") << QPoint(100, px(3600) + 8) << false << 7950;
    QTest::newRow("Shape8 beside note") << QPoint(3, px(6000)) << true << 7950;
    QTest::newRow("note") << QPoint(100, px(6000)) << false << 7950;
    QTest::newRow("Giorn") << QPoint(px(120) + 10, px(240) + 10) << false << 7950;
    QTest::newRow("Shape9 beside OK") << QPoint(px(2160) + 30, px(260)) << false << 1050;
    QTest::newRow("input strip background") << QPoint(3, px(400)) << false << 1050;
    QTest::newRow("Label4") << QPoint(px(120) + 10, 5) << false << 1050;
}

void TstPointer::okHighlight()
{
    QFETCH(QPoint, point);
    QFETCH(bool, resets);
    QFETCH(int, height);
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-280)); // no thumbnail yet: nothing opens over the bands
    QCOMPARE(f.heightTwips(), 7950);
    QCOMPARE(f.OK->underline(), false);

    moveTo(f, centreOf(f.OK));
    QVERIFY(highlighted(f));
    QCOMPARE(f.heightTwips(), 7950);
    moveTo(f, point);
    QCOMPARE(f.heightTwips(), height);
    if (resets) {
        QCOMPARE(f.OK->foreColor(), kBlack);
        QVERIFY(!f.OK->underline());
    } else {
        QVERIFY(highlighted(f));
    }
}

void TstPointer::thumbnail()
{
    Harness h(kToday);
    Form1 &f = *h.form;
    const QPoint onImage1 = centreOf(f.Image1);
    // A final month reached at once leaves the thumbnail empty.
    h.calculate(kToday.addDays(-280));
    moveTo(f, onImage1);
    QCOMPARE(f.Image1->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!f.imgG->isVisible());
    QVERIFY(!f.Image2->hasPicture());

    h.calculate(kToday.addDays(-130)); // month 5
    QCOMPARE(f.Image1->pictureId(), u"5"_s);
    QVERIFY(!f.imgG->isVisible()); // until the pointer moves again
    moveTo(f, QPoint(3, px(2900)));
    const QPoint closers[] = {centreOf(f.note), QPoint(100, px(2430) + 5)}; // note, then Posiz
    for (const QPoint closer : closers) {
        moveTo(f, onImage1);
        QVERIFY(f.imgG->isVisible());
        QCOMPARE(f.Image2->pictureId(), u"5"_s);
        // Bands, the bar, the labels above and the picture itself leave it open.
        for (const QPoint p : {centreOf(f.Image2), QPoint(3, px(2900)), QPoint(5, px(1800) + 10),
                               centreOf(f.Perce), centreOf(f.Settimana), QPoint(100, px(1090)),
                               QPoint(3, px(3600) + 8), QPoint(3, px(4080) + 8)}) {
            moveTo(f, p);
            QVERIFY2(f.imgG->isVisible(), qPrintable(u"%1,%2"_s.arg(p.x()).arg(p.y())));
        }
        moveTo(f, closer);
        QVERIFY(!f.imgG->isVisible());
    }

    // The thumbnail keeps month 5; the enlarged picture follows the month.
    h.calculate(kToday.addDays(-280));
    QCOMPARE(f.Image1->pictureId(), u"5"_s);
    moveTo(f, onImage1);
    QVERIFY(f.imgG->isVisible());
    QCOMPARE(f.Image2->pictureId(), u"9"_s);
}

void TstPointer::cursors_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("OK") << "OK" << QPoint(12, 1);
    QTest::newRow("Image1") << "Image1" << QPoint(12, 1);
    QTest::newRow("Perce") << "Perce" << QPoint(2, 4);
}

void TstPointer::cursors()
{
    QFETCH(QString, control);
    QFETCH(QPoint, hotSpot);
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-130));
    QWidget *const w = f.findChild<QWidget *>(control);
    QVERIFY(w);
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    moveTo(f, centreOf(w));
    QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(w->cursor().hotSpot(), hotSpot);
}

void TstPointer::firstTick()
{
    // Nothing has run the event loop, so the timer has not ticked yet.
    FakeClock clock(kToday);
    Form1 f(clock);
    holdTimer(f);
    QCOMPARE(f.Conta, 0);
    const QColor week = f.Settimana->foreColor();
    tick(f);
    QCOMPARE(f.Conta, 1);
    QCOMPARE(f.Posiz->foreColor(), kBlack);
    QCOMPARE(f.Settimana->foreColor(), week);
}

void TstPointer::blink()
{
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-60)); // week 8: the week label blinks too
    QCOMPARE(f.Lampeggio, 1);
    holdTimer(f);
    struct Phase
    {
        int phase;
        QColor colour;
        int after;
    };
    const Phase phases[] = {{0, kBlack, 1}, {99, kBlack, 100}, {100, kRed, 101}, {199, kRed, 0}, {0, kBlack, 1}};
    for (const Phase &p : phases) {
        tickUntil(f, p.phase);
        QCOMPARE(f.Conta, p.phase);
        tick(f);
        QCOMPARE(f.Conta, p.after);
        QCOMPARE(f.Posiz->foreColor(), p.colour);
        QCOMPARE(f.Settimana->foreColor(), p.colour == kRed ? kYellow : kBlack);
    }
}

void TstPointer::weekBlink()
{
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-10)); // week 1: only the month phrase blinks
    QCOMPARE(f.Lampeggio, 0);
    holdTimer(f);
    const QColor week = f.Settimana->foreColor();
    tickUntil(f, 100);
    tick(f);
    QCOMPARE(f.Posiz->foreColor(), kRed);
    QCOMPARE(f.Settimana->foreColor(), week);

    // Week 8 reached while the phrase is red: black at the next phase 0,
    // yellow at the following phase 100.
    h.calculate(kToday.addDays(-60));
    QCOMPARE(f.Lampeggio, 1);
    tickUntil(f, 199);
    QCOMPARE(f.Settimana->foreColor(), week);
    tick(f);
    tick(f);
    QCOMPARE(f.Settimana->foreColor(), kBlack);
    tickUntil(f, 100);
    tick(f);
    QCOMPARE(f.Settimana->foreColor(), kYellow);

    // Without the blink flag the week label keeps even its yellow.
    f.Lampeggio = 0;
    tickUntil(f, 0);
    tick(f);
    QCOMPARE(f.Posiz->foreColor(), kBlack);
    QCOMPARE(f.Settimana->foreColor(), kYellow);
}

QTEST_MAIN(TstPointer)
#include "tst_pointer.moc"
