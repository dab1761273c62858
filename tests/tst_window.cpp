// SPDX-License-Identifier: GPL-3.0-or-later
// The real window through real events: what the pointer does, the day list
// following the month, presses inside a message's wait, early stops,
// double-clicks, the month page, the blink, the three modes and what a screen
// reader finds; and the window as drawn, compared with reference images.
#include "calc/pregnancy.h"
#include "content/monthdetail.h"
#include "input/confirmation.h"
#include "ui/form1.h"
#include "ui/layout.h"
#include "ui/platform.h"
#include "ui/resources.h"
#include "ui/windowfont.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <functional>

using namespace velluna;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 6);
// The hot spots of the two pointers: the hand and the question mark.
const QPoint kHand(12, 1);
const QPoint kQuestion(2, 4);

// A fixed "today", and elapsed time that moves on by `step` at each
// reading: with the default step a two-second wait turns the event loop once
// and then ends.
struct FakeClock final : Clock
{
    QDate day;
    qint64 step = 1990;
    mutable qint64 elapsed = 0;
    QDate today() const override { return day; }
    qint64 elapsedMs() const override { return elapsed += step; }
};

// The controls the tests reach, found by their object names as assistive
// tools find them; the window keeps everything else to itself.
struct Window
{
    explicit Window(Form1 &f)
        : form(&f)
    {
    }
    template <typename T>
    T *find(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    // The outer height in twips that the client area was sized for.
    int heightTwips() const
    {
        for (const int twips :
             {kHeightStripHover, kHeightStrip, kHeightMessage, kHeightMilestoneStop, kHeightFutureStop, kHeightFull}) {
            if (layout::px(twips - layout::kFrameHeight) == form->height())
                return twips;
        }
        return -1;
    }
    int topTwips() const { return form->pos().y() * layout::kTwipsPerPixel; }

    Form1 *form;
    List *Giorn = find<List>("Giorn");
    List *Mes = find<List>("Mes");
    List *Ann = find<List>("Ann");
    List *Ciclo = find<List>("Ciclo");
    List *Embrione = find<List>("Embrione");
    QMenu *Modo = find<QMenu>("Modo");
    Label *OK = find<Label>("OK");
    Label *Label1 = find<Label>("Label1");
    Label *Label2 = find<Label>("Label2");
    Label *Settimana = find<Label>("Settimana");
    Label *Label7 = find<Label>("Label7");
    Label *Posiz = find<Label>("Posiz");
    Label *Consigli = find<Label>("Consigli");
    Label *note = find<Label>("note");
    Label *Perce = find<Label>("Perce");
    Label *TESTO = find<Label>("TESTO");
    Label *errore = find<Label>("errore");
    Label *Label4 = find<Label>("Label4");
    Label *Label6 = find<Label>("Label6");
    Image *Image1 = find<Image>("Image1");
    Image *Image2 = find<Image>("Image2");
    Image *Image3 = find<Image>("Image3");
    Panel *mestra = find<Panel>("mestra");
    Panel *imgG = find<Panel>("imgG");
    Panel *Info = find<Panel>("Info");
    Shape *Merror = find<Shape>("Merror");
    Shape *T1 = find<Shape>("T1");
    QLineEdit *Text1 = find<QLineEdit>("Text1");
    QTimer *Timer1 = find<QTimer>("Timer1");
};

QString readerName(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

} // namespace

class TstWindow : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<Form1> m_form;
    std::optional<Window> m_window;

    // A new window on the given day, driven through events as a user would.
    Window &start(QDate today)
    {
        m_window.reset();
        m_form.reset();
        m_clock.day = today;
        m_clock.step = 1990;
        m_form = std::make_unique<Form1>(m_clock);
        m_window.emplace(*m_form);
        m_form->show();
        m_form->activateWindow();
        if (!QTest::qWaitForWindowActive(m_form.get()))
            qWarning("the window did not become active");
        // The pointer rests on the day list, where it does nothing, so that
        // the next move is a move even where the last window had it.
        moveTo(m_window->Giorn);
        return *m_window;
    }

    // Replaces a list's text as a user does; what no key types, an input
    // method commits.
    void type(List *list, const QString &text)
    {
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        list->lineEdit()->selectAll();
        QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(list->lineEdit(), &commit);
    }
    void enterDate(QDate d)
    {
        type(m_window->Giorn, d.toString(u"dd"_s));
        type(m_window->Mes, d.toString(u"MM"_s));
        type(m_window->Ann, QString::number(d.year()));
    }

    // The pointer to a point of the client area, or a click there: the
    // window system hands the event to whatever control lies in front.
    static QPoint centreOf(const QWidget *w) { return w->mapTo(w->window(), w->rect().center()); }
    void moveTo(QPoint p)
    {
        QCoreApplication::processEvents(); // the window may just have moved
        QTest::mouseMove(m_form->windowHandle(), p);
    }
    void moveTo(const QWidget *w) { moveTo(centreOf(w)); }
    void clickAt(QPoint p, const std::function<void()> &meanwhile = {})
    {
        moveTo(p);
        QObject guard; // `meanwhile` runs at the first turn of the event loop inside the click
        if (meanwhile)
            QTimer::singleShot(0, &guard, meanwhile);
        QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, p);
    }
    void pressOk(const std::function<void()> &meanwhile = {}) { clickAt(centreOf(m_window->OK), meanwhile); }

    // Both presses of a calculation: the date, then the cycle.
    void calculate(QDate lmp, const QString &cycle = u"28"_s)
    {
        enterDate(lmp);
        pressOk();
        type(m_window->Ciclo, cycle);
        pressOk();
    }

    // The window as drawn against testdata/render/SCENE.png, or SCENE@2x.png
    // on a screen of twice the density. VELLUNA_UPDATE_REFERENCES=1 writes
    // them anew when a change is meant; one that differs is written beside
    // the test as SCENE-actual.png. Gives what differs.
    QString compare(Window &f, const QString &scene)
    {
        QCoreApplication::processEvents();
        const QImage shown = f.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = scene + (shown.devicePixelRatio() > 1 ? u"@2x.png"_s : u".png"_s);
        if (qEnvironmentVariableIsSet("VELLUNA_UPDATE_REFERENCES"))
            return shown.save(QStringLiteral(VELLUNA_REFERENCES "/") + name) ? QString() : name;
        const QImage reference = QImage(QStringLiteral(VELLUNA_REFERENCES "/") + name).convertToFormat(shown.format());
        int differing = reference.size() == shown.size() ? 0 : shown.width() * shown.height();
        for (int i = 0; reference.size() == shown.size() && i < shown.width() * shown.height(); ++i) {
            const QRgb a = shown.pixel(i % shown.width(), i / shown.width());
            const QRgb b = reference.pixel(i % shown.width(), i / shown.width());
            differing += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 8;
        }
        if (differing <= 12) // a few glyph edges may round differently elsewhere
            return {};
        shown.save(scene + u"-actual.png"_s);
        return u"%1: %2 pixels differ; "_s.arg(name).arg(differing);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QAccessible::setActive(true);
        // The offscreen platform warns at every change of the fixed height,
        // and at every menu it cannot raise or give the keyboard to.
        static const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(u"propagateSizeHints") && !message.startsWith(u"This plugin does not support"))
                    previous(type, context, message);
            });
    }
    // The pointer alone. "Conferma" lights up as a link under the hand and
    // stays lit over the input strip, which shrinks the window to the strip
    // and centres it, as its heading does; the window's own background makes
    // it plain again, a label or a list does not. The thumbnail opens the
    // enlarged picture once it holds one; the advice and the month phrase
    // close it. The percentage shows the question pointer.
    void pointer()
    {
        Window &f = start(kToday);
        const int centredStrip =
            (f.form->screen()->geometry().height() * layout::kTwipsPerPixel - kHeightStripHover) / 2;
        calculate(kToday.addDays(-280)); // past the ninth month: no picture yet
        moveTo(f.Image1);
        QVERIFY(!f.imgG->isVisible());
        QCOMPARE(f.Image1->cursor().hotSpot(), kHand);
        calculate(kToday.addDays(-100));
        moveTo(f.OK);
        QVERIFY(f.OK->underline() && f.OK->foreColor() == Qt::blue);
        QCOMPARE(f.OK->cursor().hotSpot(), kHand);
        for (const QPoint strip : {QPoint(3, 30), centreOf(f.Label4)}) {
            calculate(kToday.addDays(-100));
            moveTo(f.Giorn);
            QCOMPARE(f.heightTwips(), kHeightFull);
            moveTo(strip);
            QCOMPARE(f.heightTwips(), kHeightStripHover);
            QVERIFY(qAbs(f.topTwips() - centredStrip) < layout::kTwipsPerPixel);
        }
        calculate(kToday.addDays(-100));
        for (QWidget *control : {static_cast<QWidget *>(f.Label1), static_cast<QWidget *>(f.Image1)}) {
            moveTo(control); // controls keep the pointer to themselves
            QVERIFY(f.OK->underline());
        }
        moveTo(QPoint(100, layout::px(1080))); // between the dates: the window's own background
        QVERIFY(!f.OK->underline() && f.OK->foreColor() == Qt::black);
        for (Label *closer : {f.note, f.Posiz}) {
            moveTo(f.Image1);
            QVERIFY(f.imgG->isVisible());
            QCOMPARE(f.Image2->picture(), u"4"_s);
            QCOMPARE(readerName(f.Image2), u"Il bambino al 4° mese"_s);
            moveTo(f.Perce); // the bar leaves it open
            moveTo(closer);
            QVERIFY(!f.imgG->isVisible());
        }
        QCOMPARE(f.Perce->cursor().hotSpot(), kQuestion);
        QCOMPARE(f.Posiz->cursor().hotSpot(), kHand);
    }

    // A pick of a month rebuilds the day list for that month of the year
    // shown, keeping the day where the month has it; a new year alone does
    // not, and a year with letters after it is written as its number.
    void dayList()
    {
        Window &f = start(QDate(2026, 1, 31));
        QCOMPARE(f.Giorn->count(), 31);
        QCOMPARE(f.Giorn->currentText(), u"31"_s);
        const auto pick = [&](Qt::Key key) {
            QTest::mouseClick(f.Mes->lineEdit(), Qt::LeftButton);
            QTest::keyClick(f.Mes->lineEdit(), key);
            return u"%1 %2 %3"_s.arg(f.Mes->currentText(), f.Giorn->currentText()).arg(f.Giorn->count());
        };
        QCOMPARE(pick(Qt::Key_Down), u"02 28 28"_s);
        type(f.Ann, u"2028x"_s);
        QCOMPARE(f.Giorn->count(), 28);
        type(f.Giorn, u"30"_s);
        QCOMPARE(pick(Qt::Key_Down), u"03 30 31"_s);
        QCOMPARE(f.Ann->currentText(), u"2028"_s);
        QCOMPARE(pick(Qt::Key_Up), u"02 29 29"_s);
    }

    // While a message shows for its two seconds the window goes on, and
    // another press is handled; a cycle rejected at the second stage still
    // leaves the user at the cycle, so the next press calculates.
    void pressDuringMessage()
    {
        Window &f = start(kToday);
        enterDate(kToday.addDays(-50));
        pressOk();
        type(f.Ciclo, u"50"_s);
        QString during;
        pressOk([&] {
            during = u"%1 %2 %3"_s.arg(f.errore->caption()).arg(f.heightTwips()).arg(f.T1->isVisible());
            type(f.Ciclo, u"28"_s);
            QTest::keyClick(f.Ciclo->lineEdit(), Qt::Key_Return);
            during += u", "_s + f.Settimana->caption();
        });
        QCOMPARE(during, u"Ciclo da 22 a 45 giorni! %1 0, 7 settimane e 1 giorni"_s.arg(kHeightMessage));
        QVERIFY(f.heightTwips() == kHeightStrip && !f.errore->isVisible() && !f.Merror->isVisible());
        QVERIFY(!f.mestra->isVisible());
        type(f.Ciclo, u"35"_s);
        pressOk();
        QCOMPARE(f.Settimana->caption(), u"6 settimane e 1 giorni"_s);
        QCOMPARE(f.heightTwips(), kHeightFull);
    }

    // Dates whose results lie out of range stop the calculation early: the
    // window, centred for every result, shrinks to its upper bands, and what
    // the stop does not reach keeps the earlier results. Then a click into a
    // date list shrinks it to the input strip where it stands.
    void earlyStops()
    {
        Window &f = start(kToday);
        calculate(kToday.addDays(-60));
        const QString before = f.Settimana->caption() + f.Label7->caption() + f.Consigli->caption();
        const QString advice = f.note->caption();
        calculate(kToday.addDays(-1), u"30"_s); // the adjusted date is tomorrow
        QCOMPARE(f.heightTwips(), kHeightFutureStop);
        QCOMPARE(f.Settimana->caption() + f.Label7->caption() + f.Consigli->caption(), before);
        QCOMPARE(f.Perce->caption(), u"21,43%"_s); // the days of the last calculation
        QCOMPARE(f.Label2->caption(), u"lunedì 13 settembre 2027"_s);
        const int centred = (f.form->screen()->geometry().height() * layout::kTwipsPerPixel - kHeightFull) / 2;
        QVERIFY(qAbs(f.topTwips() - centred) < layout::kTwipsPerPixel);
        calculate(kToday.addDays(-287));
        QCOMPARE(f.heightTwips(), kHeightMilestoneStop);
        QCOMPARE(f.Settimana->caption() + f.Label7->caption(), u"41 settimane e 0 giorni9° Mese Finale"_s);
        QVERIFY(f.Consigli->caption() == before.mid(before.indexOf(u"Mese") + 4) && f.note->caption() == advice);
        QCOMPARE(f.Text1->accessibleName(), u"Probabile parto: domenica 29 novembre 2026"_s);
        const int top = f.topTwips();
        QTest::mouseClick(f.Giorn->lineEdit(), Qt::LeftButton);
        QVERIFY(f.heightTwips() == kHeightStrip && f.topTwips() == top);
    }

    // The second press of a double-click on the same control is no click;
    // on a control that the first press brought forward it is one. The month
    // page, opened from the month phrase and closed by its text or its
    // picture, for months whose picture goes to different places; a new
    // calculation closes it.
    void monthPage()
    {
        const QRect small = layout::Image3Small.rect();
        const QRect design = layout::Image3.rect();
        const std::tuple<int, int, QRect> steps[] = {{10, 1, small}, {130, 5, small}, {40, 2, design}};
        Window &f = start(kToday);
        enterDate(QDate(2026, 10, 5));
        QTest::mouseDClick(f.form->windowHandle(), Qt::LeftButton, {}, centreOf(f.OK));
        QVERIFY(f.mestra->isVisible() && f.Label1->caption().isEmpty());
        pressOk(); // one more press calculates
        QTest::mouseDClick(f.form->windowHandle(), Qt::LeftButton, {}, centreOf(f.Posiz));
        // The page opened by the first press, closed by the second.
        QVERIFY(f.heightTwips() == kHeightFull && !f.Info->isVisible());
        for (const auto &[daysAgo, month, rect] : steps) {
            calculate(kToday.addDays(-daysAgo));
            for (QWidget *closer : {static_cast<QWidget *>(f.TESTO), static_cast<QWidget *>(f.Image3)}) {
                clickAt(centreOf(f.Posiz));
                QCOMPARE(f.Posiz->toolTip(), u"Clicca per vedere più informazioni"_s);
                QCOMPARE(f.TESTO->caption(), content::monthDetailText(month));
                QCOMPARE(readerName(f.Image3), u"Il bambino al %1° mese"_s.arg(month));
                QVERIFY(f.Image3->picture() == QString::number(100 + month) && f.Image3->geometry() == rect);
                const QPoint at = closer->mapTo(f.form, closer == f.TESTO ? QPoint(20, 10) : closer->rect().center());
                moveTo(at);
                QCOMPARE(closer->toolTip(), u"Clicca per tornare allo schema generale."_s);
                QCOMPARE(closer->cursor().hotSpot(), kHand);
                if (closer == f.TESTO || month != 2) // the last page stays open for the next calculation
                    clickAt(at);
                QCOMPARE(f.Info->isVisible(), closer == f.Image3 && month == 2);
            }
        }
        calculate(kToday.addDays(-280));
        QVERIFY(!f.Info->isVisible());
    }

    // The month phrase is black at phases 0 to 99 and red at 100 to 199; the
    // week label joins in once four weeks have passed, and keeps blinking
    // after a calculation of fewer weeks. A message's wait lets ticks through.
    void blink()
    {
        Window &f = start(kToday);
        f.Timer1->stop();
        const QColor plain = f.Settimana->foreColor();
        const auto tick = [&](Qt::GlobalColor posiz, QColor settimana) {
            QTimerEvent event(f.Timer1->timerId()); // as the timer delivers it
            QCoreApplication::sendEvent(f.Timer1, &event);
            QVERIFY(f.Posiz->foreColor() == posiz && f.Settimana->foreColor() == settimana);
        };
        tick(Qt::black, plain); // the first tick paints the phrase black
        calculate(kToday.addDays(-20));
        tick(Qt::red, plain);
        calculate(kToday.addDays(-60));
        tick(Qt::black, Qt::black);
        tick(Qt::red, Qt::yellow);
        calculate(kToday.addDays(-20)); // the week label blinks on
        tick(Qt::black, Qt::black);
        tick(Qt::red, Qt::yellow);
        enterDate(kToday); // rejected
        f.Timer1->start();
        m_clock.step = 0;
        QObject guard;
        connect(f.Timer1, &QTimer::timeout, &guard, [&] { m_clock.step = f.errore->isVisible() ? 1990 : -1; });
        pressOk();
        QCOMPARE(m_clock.step, 1990);
    }

    // A reader finds the lists by name, opens and closes them, and presses
    // "Conferma"; Tab runs through the lists to the focus holder, which reads
    // as text; every result reads as the text shown, with its tooltip, and
    // one out of sight is off screen. At start the lists show today and the
    // window stands in the middle of the screen.
    void reader()
    {
        Window &f = start(QDate(2028, 2, 29));
        QStringList shown;
        for (List *list : {f.Giorn, f.Mes, f.Ann, f.Ciclo})
            shown << readerName(list) + u' ' + list->itemText(0) + u".."_s + list->itemText(list->count() - 1) + u'='
                         + list->currentText();
        QCOMPARE(shown.join(u", "),
                 u"Giorno 01..29=29, Mese 01..12=02, Anno 2027..2028=2028, Lunghezza media del ciclo 22..45=28"_s);
        const QSize screen = f.form->screen()->size();
        QVERIFY(qAbs(2 * f.form->x() + layout::px(layout::kWindowWidth) - screen.width()) <= 1);
        QVERIFY(qAbs(2 * f.form->y() + layout::px(kHeightStrip) - screen.height()) <= 1);
        QVERIFY(QAccessible::queryAccessibleInterface(f.note)->state().offscreen);
        QAccessibleInterface *day = QAccessible::queryAccessibleInterface(f.Giorn);
        for (const bool expanded : {true, false}) {
            day->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            QVERIFY(day->state().expanded == expanded && f.Giorn->view()->isVisible() == expanded);
            QVERIFY(day->state().editable && day->state().expandable);
            QVERIFY(day->indexOfChild(day->child(0)) == 0 && day->indexOfChild(day->child(1)) == 1);
        }
        enterDate(QDate(2027, 9, 26));
        QCOMPARE(f.Text1->accessibleName(), startPrompt());
        QTest::keyClick(f.Ann, Qt::Key_Return); // Enter, where the window system sends it, confirms
        QVERIFY(f.mestra->isVisible() && f.Text1->accessibleName().startsWith(u"Data accettata"));
        QStringList order;
        type(f.Giorn, u"26"_s);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(u' '), u"Mes Ann Ciclo Text1"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Text1)->role(), QAccessible::StaticText);
        type(f.Ciclo, u"35"_s);
        QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(f.OK);
        ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.heightTwips(), kHeightFull);
        QCOMPARE(f.Label2->caption(), u"domenica 9 luglio 2028"_s);
        QCOMPARE(f.Text1->accessibleName(),
                 u"Probabile parto: domenica 9 luglio 2028. 21 settimane e 2 giorni. 6° Mese"_s);
        QCOMPARE(readerName(f.Image1), u"Il bambino al 6° mese"_s);
        QCOMPARE(f.Settimana->cursor().hotSpot(), kQuestion); // four weeks or more
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Perce)->text(QAccessible::Description), f.Perce->toolTip());
        QVERIFY(ok->role() == QAccessible::Button
                && QAccessible::queryAccessibleInterface(f.Posiz)->role() == QAccessible::Button
                && QAccessible::queryAccessibleInterface(f.Label2)->role() == QAccessible::StaticText);
    }

    // The heading switches the mode through its menu, by the pointer and by
    // the keyboard alone, with a reader following; each mode shows its lists
    // and calculates from the date its check accepts, the transfer through
    // the embryo's age in the cycle's place.
    void modes()
    {
        Window &f = start(kToday);
        QAccessibleInterface *heading = QAccessible::queryAccessibleInterface(f.Label4);
        QCOMPARE(f.Label4->cursor().hotSpot(), kHand);
        QCOMPARE(f.Label4->toolTip(), modeSwitchTip());
        clickAt(centreOf(f.Label4));
        QVERIFY(f.Modo->isVisible() && heading->state().expanded);
        QVERIFY(heading->role() == QAccessible::Button && readerName(f.Label4) == u"Ultima Mestruazione"_s);
        QStringList items;
        QAccessibleInterface *menu = heading->child(0);
        QVERIFY(heading->indexOfChild(menu) == 0 && menu->text(QAccessible::Name) == u"Da quale data contare"_s);
        for (int i = 0; i < menu->childCount(); ++i)
            items << menu->child(i)->text(QAccessible::Name) + u' ' + QString::number(menu->child(i)->state().checked);
        QCOMPARE(items.join(u", "), u"Ultima Mestruazione 1, Data Presunta Parto 0, Transfer Embrione 0"_s);
        QTest::mouseClick(f.Modo, Qt::LeftButton, {}, f.Modo->actionGeometry(f.Modo->actions().at(1)).center());
        const auto lists = [&] {
            return u"%1/%2/%3 %4..%5"_s.arg(f.Giorn->currentText(), f.Mes->currentText(), f.Ann->currentText(),
                                            f.Ann->itemText(0), f.Ann->itemText(1));
        };
        QCOMPARE(lists(), u"12/09/2027 2026..2027"_s);
        QVERIFY(!heading->state().expanded && readerName(f.Label4) == u"Data Presunta Parto"_s);
        QVERIFY(QApplication::focusWidget() == f.Giorn && f.Text1->accessibleName() == startPrompt(Mode::DueDate));
        pressOk();
        QCOMPARE(f.Text1->accessibleName(), messageText(Confirmation::Message::Date));
        type(f.Giorn, u"11"_s);
        pressOk();
        QCOMPARE(f.Label2->caption(), u"sabato 11 settembre 2027"_s);
        clickAt(centreOf(f.Label4)); // with results shown, the first touch shrinks the window
        QVERIFY(f.Modo->isVisible() && f.heightTwips() == kHeightStripHover);
        QTest::keyClick(f.Modo, Qt::Key_Escape);

        // The keyboard alone: from the focus holder back to the heading,
        // Space, the item by the arrows, Enter; the dates typed, Enter.
        // The keys go where the window system sends them: to the focus
        // widget, which for a list is the list, not its line edit.
        const auto keys = [](Qt::Key key, const QString &text = {}) {
            QWidget *focused = QApplication::focusWidget();
            if (!text.isEmpty()) {
                QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(focused, text);
            }
            QTest::keyClick(focused, key);
        };
        const auto chooseByKeys = [&](Qt::Key arrow, int times) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), f.Label4);
            keys(Qt::Key_Space);
            for (int i = 0; i < times; ++i)
                QTest::keyClick(f.Modo, arrow);
            QTest::keyClick(f.Modo, Qt::Key_Return);
        };
        type(f.Ciclo, u"30"_s);
        chooseByKeys(Qt::Key_Down, 1);
        QCOMPARE(readerName(f.Label4), u"Transfer Embrione"_s);
        QCOMPARE(lists(), u"06/12/2026 2025..2026"_s);
        keys(Qt::Key_Return, u"05"_s);
        QVERIFY(f.Embrione->isVisible() && !f.Ciclo->isVisible() && !f.Label4->isEnabled());
        QVERIFY(f.Label6->caption() == u"Giorni dell'Embrione"_s && f.Embrione->currentText() == u"5"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        keys(Qt::Key_Return, u"7"_s);
        QVERIFY(f.Text1->accessibleName() == messageText(Confirmation::Message::Embryo) && f.Embrione->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        keys(Qt::Key_Return, u"6"_s);
        QCOMPARE(f.Label2->caption(), u"domenica 22 agosto 2027"_s);

        chooseByKeys(Qt::Key_Up, 2);
        QVERIFY(readerName(f.Label4) == u"Ultima Mestruazione"_s && f.heightTwips() == kHeightStrip);
        keys(Qt::Key_Return, u"05"_s);
        QVERIFY(f.Ciclo->isVisible() && f.Ciclo->currentText() == u"30"_s);
        QCOMPARE(f.Label6->caption(), u"Lunghezza Media Ciclo"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        keys(Qt::Key_Return);
        QCOMPARE(f.Label2->caption(), u"lunedì 13 settembre 2027"_s);
        chooseByKeys(Qt::Key_Down, 1);
        keys(Qt::Key_Return, u"11"_s);
        QCOMPARE(f.Label2->caption(), u"sabato 11 settembre 2027"_s);
    }

    // On a Wayland desktop with an X server the program starts on X11,
    // unless the user named a platform.
    void platform()
    {
        QCOMPARE(chosenPlatform({}, "wayland-0", ":0"), "xcb");
        QCOMPARE(chosenPlatform({}, "wayland-0", {}), QByteArray());
        QCOMPARE(chosenPlatform({}, {}, ":0"), QByteArray());
        QCOMPARE(chosenPlatform("wayland", "wayland-0", ":0"), "wayland");
    }

    // The pointers' pictures are what Qt's own reader of cursor files makes
    // of them, where that reader is installed.
    void pointers()
    {
        for (const int id : {101, 102}) {
            QFile file(u":/cursors/%1.cur"_s.arg(id));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QImage expected = QImage::fromData(file.readAll(), "CUR");
            if (expected.isNull())
                QSKIP("Qt has no reader of cursor files here");
            const QImage actual = res::cursor(id).pixmap().toImage();
            QCOMPARE(actual.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
        }
    }

    // At start, with the cycle panel, after a calculation, with the enlarged
    // picture, with the month page, with a message, with the headings of the
    // other two modes and with the embryo's panel: a wrong colour, font,
    // wrap, stretch or front-to-back order shows as pixels that differ.
    void render()
    {
#ifdef Q_OS_WIN
        // The references hold the glyphs of Linux's font rendering; on
        // Windows the Wine end-to-end test compares the window with itself.
        QSKIP("the references are drawn with Linux's font rendering");
#endif
        Window &f = start(kToday);
        f.Timer1->stop(); // the blink stays at its start
        QString differing;
        differing += compare(f, u"start"_s);
        enterDate(QDate(2026, 8, 15));
        pressOk();
        differing += compare(f, u"cycle"_s);
        pressOk();
        differing += compare(f, u"results"_s);
        moveTo(f.Image1);
        differing += compare(f, u"enlarged"_s);
        moveTo(f.note);
        clickAt(centreOf(f.Posiz));
        differing += compare(f, u"month"_s);
        type(f.Giorn, u"32"_s);
        pressOk([&] { differing += compare(f, u"message"_s); });
        for (const int item : {1, 2}) {
            clickAt(centreOf(f.Label4));
            QTest::mouseClick(f.Modo, Qt::LeftButton, {}, f.Modo->actionGeometry(f.Modo->actions().at(item)).center());
            differing += compare(f, item == 1 ? u"duedate"_s : u"transfer"_s);
        }
        enterDate(QDate(2026, 8, 15));
        pressOk();
        differing += compare(f, u"embryo"_s);
        QVERIFY2(differing.isEmpty(), qPrintable(differing));
    }

    // Every tooltip, each week's included, shows in lines no wider than
    // sixty average characters of its font, on a Full HD screen (Qt breaks
    // one only where it would leave the screen), with the words as set. CTest
    // runs it on such a screen as tst_window_fullhd.
    void tooltips()
    {
        if (QGuiApplication::primaryScreen()->size() != QSize(1920, 1080))
            QSKIP("needs a Full HD screen: testdata/fullhd.json");
        Window &f = start(kToday);
        const auto hover = [](QWidget *w) {
            QHelpEvent help(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
            QApplication::sendEvent(w, &help);
            for (QWidget *tip : QApplication::topLevelWidgets()) {
                auto *label = qobject_cast<QLabel *>(tip);
                const int average = QFontMetrics(tip->font()).averageCharWidth();
                // A long text fills its lines rather than breaking at every word.
                if (label && tip->isVisible() && tip->objectName() == u"qtooltip_label")
                    return tip->width() <= 60 * average && (tip->width() > 45 * average || w->toolTip().size() < 60)
                           && label->text().replace(u'\n', u' ') == w->toolTip();
            }
            return false;
        };
        for (int weeks = 4; weeks <= 40; ++weeks) {
            calculate(kToday.addDays(-7 * weeks));
            QVERIFY2(hover(f.Settimana) && hover(f.Perce), qPrintable(f.Settimana->toolTip()));
        }
        moveTo(f.Posiz);
        QVERIFY(hover(f.Posiz));
        clickAt(centreOf(f.Posiz));
        moveTo(f.TESTO);
        QVERIFY(hover(f.TESTO));
    }

    // Every text the window can show fits the part of its label that can be
    // seen, in the face the window really draws with and as the label lays
    // it out with its own font metrics: the labels' own captions, every birth
    // date within the years the lists offer, every week, month, phrase,
    // trimester, milestone, advice set, percentage, message, mode, panel
    // caption and month page.
    // The window ends at its full height; the advice and the month page run
    // below it, and the month page also ends where its picture begins. CTest
    // runs it at single and double density; on Windows through the Windows
    // platform, which registers the face with Windows as the program does.
    void fit()
    {
        Form1 &form = *start(kToday).form;
        const QDate today = kToday;
        QMap<QString, QStringList> texts; // by the label that shows them
        for (const Label *label : form.findChildren<Label *>())
            texts[label->objectName()] << label->caption();
        for (int day = -800; day <= 800; ++day)
            for (const char *name : {"Label1", "Label2", "Label3"})
                texts[QLatin1String(name)] << longDate(today.addDays(day));
        for (int days = 0; days <= 800; ++days) {
            for (const QString &cycle : {u"22"_s, u"45"_s}) { // the shortest cycle and the longest
                const Results d = Pregnancy().calculate(today.addDays(-days), cycle, today);
                const std::pair<const char *, std::optional<QString>> shown[] = {
                    {"Settimana", d.Settimana}, {"Label7", d.Label7},     {"Posiz", d.Posiz},
                    {"Trimestre", d.Trimestre}, {"Consigli", d.Consigli}, {"note", d.note}};
                for (const auto &[name, text] : shown)
                    texts[QLatin1String(name)] << text.value_or(QString());
                texts[u"Perce"_s] << d.Perce;
            }
        }
        for (const auto message :
             {Confirmation::Message::Date, Confirmation::Message::Cycle, Confirmation::Message::Embryo})
            texts[u"errore"_s] << messageText(message);
        for (const Mode mode : kModes)
            texts[u"Label4"_s] << modeName(mode);
        texts[u"Label6"_s] << u"Giorni dell'Embrione"_s;

        const QRect window(0, 0, layout::px(layout::kWindowWidth - layout::kFrameWidth),
                           layout::px(layout::kHeightFull - layout::kFrameHeight));
        QStringList failures;
        int measured = 0;
        const auto check = [&](Label *label, const QString &text, int bottom) {
            label->setCaption(text);
            const QPoint origin = label->mapTo(&form, QPoint());
            QRect seen = QRect(origin, label->size()) & window;
            seen.setBottom(std::min(seen.bottom(), bottom));
            // Each line is as high as the face's line spacing; the blank
            // leading under the last one may fall outside.
            const QFontMetricsF metrics(label->font(), label);
            const QRectF drawn =
                metrics.boundingRect(label->contentsRect(), int(label->alignment() | Qt::TextWordWrap), label->text())
                    .adjusted(0, 0, 0, -metrics.leading())
                    .translated(origin);
            ++measured;
            if (!QRectF(seen).contains(drawn))
                QDebug(&failures.emplace_back()) << label->objectName() << text.left(40) << drawn << "outside" << seen;
        };
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            it->removeDuplicates();
            it->removeAll(QString());
            for (const QString &text : std::as_const(*it))
                check(form.findChild<Label *>(it.key()), text, window.bottom());
        }
        Label *page = form.findChild<Label *>(u"TESTO"_s);
        for (int month = 1; month <= 9; ++month) {
            // A month that leaves the picture where it was finds it at its
            // higher place at worst.
            const bool small =
                content::monthPage(u"%1° Mese"_s.arg(month), month).place == content::PicturePlace::Small;
            const QRect picture = (small ? layout::Image3Small : layout::Image3).rect();
            check(page, content::monthDetailText(month), page->parentWidget()->mapTo(&form, picture.topLeft()).y() - 1);
        }
        qInfo("%d texts measured in \"%s\"", measured, qPrintable(QFontInfo(page->font()).family()));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }
};

int main(int argc, char *argv[])
{
    // The platform the program itself starts on, where none is named.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", windowFacePlatform());
    QApplication app(argc, argv);
    TstWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
