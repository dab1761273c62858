// The real window through real events: the lists at start and after a month
// is picked, double-clicks, the heights, what the pointer alone does, the
// month page, the blink, the two-second wait and what a screen reader finds;
// and the window as drawn, compared with reference images.
#include "harness.h"

#include "content/monthdetail.h"
#include "ui/layout.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTimerEvent>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;
using layout::px;

namespace {
const QDate kToday(2026, 12, 6);

QString readerName(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}
} // namespace

class TstWindow : public QObject
{
    Q_OBJECT

    QStringList m_failures;

    // The window as drawn against testdata/render/SCENE.png, or SCENE@2x.png
    // on a screen of twice the density. VELLUNA_UPDATE_REFERENCES=1 writes
    // them anew when a change is meant; one that differs is written beside
    // the test as SCENE-actual.png.
    void compare(Form1 &f, const QString &scene)
    {
        QCoreApplication::processEvents();
        const QImage shown = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = scene + (shown.devicePixelRatio() > 1 ? u"@2x.png"_s : u".png"_s);
        if (qEnvironmentVariableIsSet("VELLUNA_UPDATE_REFERENCES"))
            return void(shown.save(QStringLiteral(VELLUNA_REFERENCES "/") + name));
        const QImage reference = QImage(QStringLiteral(VELLUNA_REFERENCES "/") + name).convertToFormat(shown.format());
        int differing = reference.size() == shown.size() ? 0 : shown.width() * shown.height();
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = reference.pixel(x, y);
                differing += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 8;
            }
        }
        if (differing > 12) { // a few glyph edges may round differently elsewhere
            shown.save(scene + u"-actual.png"_s);
            m_failures << u"%1: %2 pixels differ"_s.arg(name).arg(differing);
        }
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QAccessible::setActive(true);
    }

    void startup()
    {
        Harness h(QDate(2028, 2, 29));
        const Form1 &f = *h.form;
        QStringList items;
        for (const List *list : {f.Giorn, f.Mes, f.Ann, f.Ciclo})
            items << list->itemText(0) + u".."_s + list->itemText(list->count() - 1) + u'=' + list->currentText();
        QCOMPARE(items.join(u' '), u"01..29=29 01..12=02 2027..2028=2028 22..45=28"_s);
        QCOMPARE(f.Giorn->itemText(8) + f.Giorn->itemText(9) + f.Ciclo->itemText(1), u"091023"_s);
        QCOMPARE(f.Mes->currentIndex() + f.Ann->currentIndex(), 1 + 1);
        QCOMPARE(f.DataUM.toString(), u"29/02/2028"_s);
    }

    // A day and maybe a year typed, then a month picked from the list that
    // opens on its arrow, or only typed: the day and year shown, the days
    // listed.
    void dayList_data()
    {
        QTest::addColumn<QStringList>("typed"); // day, year, month
        QTest::addColumn<QString>("after");
        QTest::newRow("31 to February") << QStringList{u"31"_s, {}, u"02"_s} << u"28 2026 28"_s;
        QTest::newRow("31 to February 2028x") << QStringList{u"31"_s, u"2028x"_s, u"02"_s} << u"29 2028 29"_s;
        QTest::newRow("29 to February 2100") << QStringList{u"29"_s, u"2100"_s, u"02"_s} << u"28 2100 28"_s;
        QTest::newRow("05 to April") << QStringList{u"05"_s, {}, u"04"_s} << u"05 2026 30"_s;
        QTest::newRow("typed, not picked") << QStringList{u"31"_s, u"2027abc"_s, {}} << u"31 2027abc 31"_s;
    }
    void dayList()
    {
        QFETCH(QStringList, typed);
        Harness h(QDate(2026, 3, 5));
        Form1 &f = *h.form;
        h.type(f.Giorn, typed[0]);
        if (!typed[1].isEmpty())
            h.type(f.Ann, typed[1]);
        if (typed[2].isEmpty()) {
            h.type(f.Mes, u"02"_s);
            QTest::keyClick(f.Mes->lineEdit(), Qt::Key_Tab);
        } else {
            const QPoint arrow(f.Mes->width() - 4, f.Mes->height() / 2);
            QTest::mouseMove(f.Mes, arrow);
            QTest::mouseClick(f.Mes, Qt::LeftButton, {}, arrow);
            QTRY_VERIFY(f.Mes->view()->isVisible());
            const QModelIndex month = f.Mes->model()->index(f.Mes->findText(typed[2]), 0);
            QTest::mouseMove(f.Mes->view()->viewport(), f.Mes->view()->visualRect(month).center());
            QTest::mouseClick(f.Mes->view()->viewport(), Qt::LeftButton, {}, f.Mes->view()->visualRect(month).center());
        }
        QTEST(u"%1 %2 %3"_s.arg(f.Giorn->currentText(), f.Ann->currentText()).arg(f.Giorn->count()), "after");
    }

    // The second press of a double-click on the same control is no click;
    // on a control that the first press brought forward it is one.
    void doubleClick()
    {
        Harness h(kToday);
        Form1 &f = *h.form;
        h.enterDate(u"05"_s, u"10"_s, u"2026"_s);
        QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, Harness::centreOf(f.OK));
        QVERIFY(f.Fase == 1 && f.mestra->isVisible() && f.Label1->caption().isEmpty());
        h.pressOk();
        QCOMPARE(f.heightTwips(), 7950);
        QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, Harness::centreOf(f.Posiz));
        QVERIFY(!f.Info->isVisible()); // opened by the first press, closed by the second on the page
    }

    // The pointer over fixed places: "Conferma" goes plain between the birth
    // dates (the window's own background) and not over one of them; the
    // thumbnail opens the enlarged picture, which the month phrase closes;
    // the custom pointers.
    void pointer()
    {
        Harness h(kToday);
        Form1 &f = *h.form;
        h.calculate(kToday.addDays(-130)); // month 5
        for (const int y : {px(870) + 5, px(1305) + 1}) {
            h.moveTo(f.OK);
            h.moveTo(QPoint(100, y));
            QCOMPARE(f.OK->underline(), y < px(1305));
        }
        h.moveTo(f.Image1);
        QVERIFY(f.imgG->isVisible() && readerName(f.Image2) == u"Il bambino al 5° mese"_s);
        h.moveTo(QPoint(100, px(2430) + 5));
        QVERIFY(!f.imgG->isVisible());
        const std::pair<QWidget *, QPoint> pointers[] = {
            {f.OK, {12, 1}}, {f.Image1, {12, 1}}, {f.Perce, {2, 4}}, {f.Settimana, {2, 4}}, {f.Posiz, {12, 1}}};
        for (const auto &[w, hotSpot] : pointers) {
            h.moveTo(w);
            QVERIFY2(w->cursor().shape() == Qt::BitmapCursor && w->cursor().hotSpot() == hotSpot,
                     qPrintable(w->objectName()));
        }
        QCOMPARE(f.Posiz->toolTip(), u"Clicca per vedere più informazioni"_s);
    }

    // The month page, opened from the month phrase and closed by its text or
    // its picture, for months whose picture goes to different places.
    void monthPage()
    {
        const QRect small = layout::Geometry{720, 4215, 1695, 1200}.rect();
        const QRect design = layout::Geometry{120, 3735, 3015, 1680}.rect();
        const std::tuple<int, int, QRect> steps[] = {{10, 1, small}, {130, 5, small}, {40, 2, design}};
        Harness h(kToday);
        Form1 &f = *h.form;
        for (const auto &[daysAgo, month, rect] : steps) {
            h.calculate(kToday.addDays(-daysAgo));
            QVERIFY2(!f.Info->isVisible(), "a new calculation closes the page");
            for (QWidget *closer : {static_cast<QWidget *>(f.TESTO), static_cast<QWidget *>(f.Image3)}) {
                h.click(f.Posiz);
                QCOMPARE(f.TESTO->caption(), content::monthDetailText(month));
                QCOMPARE(readerName(f.Image3), u"Il bambino al %1° mese"_s.arg(month));
                QVERIFY(f.Info->isVisible() && f.Image3->picture() == QString::number(100 + month));
                QCOMPARE(f.Image3->geometry(), rect);
                const QPoint at = closer->mapTo(&f, closer == f.TESTO ? QPoint(20, 10) : closer->rect().center());
                h.moveTo(at);
                QCOMPARE(closer->toolTip(), u"Clicca per tornare allo schema generale."_s);
                QCOMPARE(closer->cursor().hotSpot(), QPoint(12, 1));
                if (closer == f.TESTO || month != 2) // the last page stays open for the next calculation
                    h.clickAt(at);
                QCOMPARE(f.Info->isVisible(), closer == f.Image3 && month == 2);
            }
        }
        h.calculate(kToday.addDays(-280));
        QVERIFY(!f.Info->isVisible());
    }

    // The month phrase is black at phases 0 to 99 and red at 100 to 199; the
    // week label joins in once four weeks have passed, and one left yellow
    // stays so while it does not blink. A message's wait lets ticks through.
    void blink()
    {
        Harness h(kToday);
        Form1 &f = *h.form;
        f.Timer1->stop();
        const QColor plain = f.Settimana->foreColor();
        const auto phase = [&](int conta, Qt::GlobalColor posiz, QColor settimana) {
            QTimerEvent tick(f.Timer1->timerId()); // as the timer delivers it
            QCoreApplication::sendEvent(f.Timer1, &tick);
            QVERIFY(f.Conta == conta && f.Posiz->foreColor() == posiz && f.Settimana->foreColor() == settimana);
        };
        phase(100, Qt::black, plain); // the first tick paints the phrase black
        h.calculate(kToday.addDays(-20));
        phase(0, Qt::red, plain);
        h.calculate(kToday.addDays(-60));
        phase(100, Qt::black, Qt::black);
        phase(0, Qt::red, Qt::yellow);
        f.Lampeggio = 0;
        phase(100, Qt::black, Qt::yellow);
        phase(0, Qt::red, Qt::yellow);
        h.enterDate(u"06"_s, u"12"_s, u"2026"_s);
        f.Timer1->start();
        h.clock.step = 0;
        QObject guard;
        connect(f.Timer1, &QTimer::timeout, &guard, [&] { h.clock.step = f.errore->isVisible() ? 1990 : -1; });
        h.pressOk();
        QCOMPARE(h.clock.step, 1990);
    }

    // A message ends at its deadline with no other timer to wake the wait.
    void waitEnds()
    {
        Harness h(kToday);
        Form1 &f = *h.form;
        f.Timer1->stop();
        h.clock.step = 0;
        h.clock.jumps = {0, 1990}; // 10 ms before the deadline at the wait's second look
        bool rescued = false;
        QObject guard;
        QTimer::singleShot(3000, &guard, [&] { rescued = f.errore->isVisible(); });
        h.pressOk();
        QVERIFY(!rescued && !f.errore->isVisible() && f.heightTwips() == 1065);
    }

    // A reader finds the lists by name, opens and closes them, and finds
    // "Conferma" as a button it can press; the focus says what a press did
    // and Tab runs through the lists to it; every result reads as the text
    // shown, with its tooltip, and one out of sight is off screen.
    void reader()
    {
        Harness h(kToday);
        Form1 &f = *h.form;
        QCOMPARE(QStringList({readerName(f.Giorn), readerName(f.Mes), readerName(f.Ann), readerName(f.Ciclo)}),
                 QStringList({u"Giorno"_s, u"Mese"_s, u"Anno"_s, u"Lunghezza media del ciclo"_s}));
        QVERIFY(QAccessible::queryAccessibleInterface(f.note)->state().offscreen);
        QAccessibleInterface *day = QAccessible::queryAccessibleInterface(f.Giorn);
        for (const bool expanded : {true, false}) {
            day->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            QVERIFY(day->state().expanded == expanded && f.Giorn->view()->isVisible() == expanded);
        }
        h.enterDate(u"05"_s, u"07"_s, u"2026"_s);
        QTest::keyClick(f.Ann->lineEdit(), Qt::Key_Return); // Enter confirms as a press does
        QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QCOMPARE(focus->role(), QAccessible::StaticText);
        QCOMPARE(focus->text(QAccessible::Name),
                 u"Data accettata: scegli la lunghezza media del ciclo e premi Conferma."_s);
        QStringList order;
        h.type(f.Giorn, u"05"_s);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(u' '), u"Mes Ann Ciclo Text1"_s);
        h.type(f.Ciclo, u"35"_s);
        QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(f.OK);
        QCOMPARE(ok->role(), QAccessible::Button);
        ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(f.heightTwips() == 7950 && f.DataUM.toDate() == QDate(2026, 7, 5) && f.DiffCiclo == -7);
        QCOMPARE(readerName(f.Image1), u"Il bambino al 6° mese"_s);
        for (Label *shown : {f.Label2, f.Settimana, f.Perce, f.Posiz, f.note}) {
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(shown);
            QCOMPARE(node->text(QAccessible::Name) + node->text(QAccessible::Description),
                     shown->text() + shown->toolTip());
            QCOMPARE(node->role(), shown == f.Posiz ? QAccessible::Button : QAccessible::StaticText);
        }
        QVERIFY(QAccessible::queryAccessibleInterface(f.Ciclo)->state().invisible);
    }

    // At start, with the cycle panel, after a calculation, with the enlarged
    // picture, with the month page and with a message: a wrong colour, font,
    // wrap, stretch or front-to-back order shows as pixels that differ.
    void render()
    {
        Harness h(kToday);
        Form1 &f = *h.form;
        f.Timer1->stop(); // the blink stays at its start
        compare(f, u"start"_s);
        h.enterDate(u"15"_s, u"08"_s, u"2026"_s);
        h.pressOk();
        compare(f, u"cycle"_s);
        h.pressOk();
        compare(f, u"results"_s);
        h.moveTo(f.Image1);
        compare(f, u"enlarged"_s);
        h.moveTo(f.note);
        h.click(f.Posiz);
        compare(f, u"month"_s);
        h.type(f.Giorn, u"32"_s);
        h.pressOk([&] { compare(f, u"message"_s); });
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(u"; ")));
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
