// Start-up, the day list that follows a picked month, and the heights that
// focus and pointer give the window, on the real window through real events.
#include "formharness.h"

#include <QAbstractItemView>
#include <QScreen>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

QStringList numbers(int from, int to, bool twoDigits)
{
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << (twoDigits && n < 10 ? u"0"_s : QString()) + QString::number(n);
    return items;
}

QStringList items(const QComboBox *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->itemText(i);
    return all;
}

// A pick in the month list as the user makes it: with the mouse, the popup
// opened on the arrow and the item clicked; with the keyboard, arrow keys on
// the closed list.
void pickMonth(Harness &h, const QString &month, bool keyboard)
{
    List *mes = h.form->Mes;
    const int target = mes->findText(month);
    QVERIFY(target >= 0);
    if (keyboard) {
        h.click(mes->lineEdit());
        const int steps = target - mes->currentIndex();
        for (int i = 0; i < qAbs(steps); ++i)
            QTest::keyClick(mes->lineEdit(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        return;
    }
    // The pointer goes to the arrow, opens the popup, then travels to the
    // item and clicks it.
    const QPoint arrow(mes->width() - 4, mes->height() / 2);
    QTest::mouseMove(mes, arrow);
    QTest::mouseClick(mes, Qt::LeftButton, {}, arrow);
    QAbstractItemView *view = mes->view();
    QTRY_VERIFY(view->isVisible());
    const QPoint item = view->visualRect(mes->model()->index(target, 0)).center();
    QTest::mouseMove(view->viewport(), item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY(!view->isVisible());
}

// Where the window's top belongs once re-centred for a height, in twips.
int centredTop(const Form1 &f, int height)
{
    return (f.screen()->geometry().height() * 15 - height) / 2;
}

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void startup_data();
    void startup();
    void monthPick_data();
    void monthPick();
    void typingDoesNotRebuild();
    void focusHeight_data();
    void focusHeight();
    void pointerHeight_data();
    void pointerHeight();
};

void TstStartup::startup_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("dataUM");
    QTest::addColumn<int>("days");
    QTest::newRow("5 March 2026") << QDate(2026, 3, 5) << "05/03/2026" << 31;
    QTest::newRow("31 January 2026") << QDate(2026, 1, 31) << "31/01/2026" << 31;
    QTest::newRow("29 February 2028") << QDate(2028, 2, 29) << "29/02/2028" << 29;
    QTest::newRow("30 November 2026") << QDate(2026, 11, 30) << "30/11/2026" << 30;
}

void TstStartup::startup()
{
    QFETCH(QDate, today);
    QFETCH(QString, dataUM);
    QFETCH(int, days);
    Harness h(today);
    const Form1 &f = *h.form;
    QCOMPARE(items(f.Ciclo), numbers(22, 45, false));
    QCOMPARE(f.Ciclo->currentText(), u"28"_s);
    QCOMPARE(items(f.Mes), numbers(1, 12, true));
    QCOMPARE(f.Mes->currentIndex(), today.month() - 1);
    QCOMPARE(items(f.Ann), numbers(today.year() - 1, today.year(), false));
    QCOMPARE(f.Ann->currentIndex(), 1);
    QCOMPARE(f.Ann->currentText(), QString::number(today.year()));
    QCOMPARE(items(f.Giorn), numbers(1, days, true));
    QCOMPARE(f.Giorn->currentIndex(), today.day() - 1);
    QCOMPARE(f.DataUM.toString(), dataUM);
    QCOMPARE(f.Giorn->currentText() + u'/' + f.Mes->currentText() + u'/' + f.Ann->currentText(), dataUM);

    QCOMPARE(f.heightTwips(), 1065);
    QCOMPARE(f.height(), (1065 - 465) / 15);
    QCOMPARE(f.width(), 216);
    QCOMPARE(f.Perce->caption(), u"0%"_s);
    QCOMPARE(f.mascheraS->x(), 0);
    QCOMPARE(f.statoper->pictureId(), u"LINEA"_s);
    QVERIFY(f.statoper->hasPicture());
    QCOMPARE(f.Fase, 0);
    QCOMPARE(f.GiorniPassati, 1);
    QCOMPARE(f.GiorniTotali, 1);
    QVERIFY(!f.mestra->isVisible());
    QVERIFY(f.windowFlags() & Qt::WindowStaysOnTopHint);
}

void TstStartup::monthPick_data()
{
    QTest::addColumn<QString>("day");   // typed into the day list first
    QTest::addColumn<QString>("year");  // typed into the year list; "-" leaves it
    QTest::addColumn<QString>("month"); // then picked
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<QString>("dayAfter");
    QTest::addColumn<QString>("yearAfter");
    QTest::addColumn<int>("days");
    // Today is 5 March 2026.
    QTest::newRow("31 to February") << "31" << "-" << "02" << false << "28" << "2026" << 28;
    QTest::newRow("31 to February, keys") << "31" << "-" << "02" << true << "28" << "2026" << 28;
    QTest::newRow("31 to February 2028") << "31" << "2028" << "02" << false << "29" << "2028" << 29;
    QTest::newRow("30 to February 2000") << "30" << "2000" << "02" << false << "29" << "2000" << 29;
    QTest::newRow("29 to February 2100") << "29" << "2100" << "02" << false << "28" << "2100" << 28;
    QTest::newRow("05 to April") << "05" << "-" << "04" << false << "05" << "2026" << 30;
    QTest::newRow("05 to April, keys") << "05" << "-" << "04" << true << "05" << "2026" << 30;
    QTest::newRow("31 to April") << "31" << "-" << "04" << true << "30" << "2026" << 30;
    QTest::newRow("5 keeps no zero") << "5" << "-" << "06" << false << "5" << "2026" << 30;
    QTest::newRow("empty day") << "" << "-" << "02" << false << "" << "2026" << 28;
    QTest::newRow("letters day") << "xy" << "-" << "02" << false << "xy" << "2026" << 28;
    QTest::newRow("year 2026abc") << "31" << "2026abc" << "12" << false << "31" << "2026" << 31;
    QTest::newRow("year 2028x, February") << "31" << "2028x" << "02" << false << "29" << "2028" << 29;
    QTest::newRow("empty year") << "31" << "" << "02" << false << "29" << "0" << 29;
}

void TstStartup::monthPick()
{
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(bool, keyboard);
    QFETCH(QString, dayAfter);
    QFETCH(QString, yearAfter);
    QFETCH(int, days);
    Harness h(QDate(2026, 3, 5));
    h.type(h.form->Giorn, day);
    if (year != u"-"_s)
        h.type(h.form->Ann, year);
    pickMonth(h, month, keyboard);
    QCOMPARE(h.form->Mes->currentText(), month);
    QCOMPARE(h.form->Ann->currentText(), yearAfter);
    QCOMPARE(items(h.form->Giorn), numbers(1, days, true));
    QCOMPARE(h.form->Giorn->currentText(), dayAfter);
}

void TstStartup::typingDoesNotRebuild()
{
    // Typing a month or a year leaves the day list as it was; only a pick
    // rebuilds it, which then reads the typed year.
    Harness h(QDate(2026, 3, 5));
    h.type(h.form->Giorn, u"31"_s);
    h.type(h.form->Mes, u"02"_s);
    h.type(h.form->Ann, u"2027abc"_s);
    QTest::keyClick(h.form->Ann->lineEdit(), Qt::Key_Tab);
    QCOMPARE(h.form->Giorn->count(), 31);
    QCOMPARE(h.form->Giorn->currentText(), u"31"_s);
    QCOMPARE(h.form->Ann->currentText(), u"2027abc"_s);
    QCOMPARE(h.form->Mes->currentText(), u"02"_s);
    h.type(h.form->Mes, u"04"_s);
    QCOMPARE(h.form->Giorn->count(), 31);
    pickMonth(h, u"11"_s, false);
    QCOMPARE(h.form->Giorn->count(), 30);
    QCOMPARE(h.form->Giorn->currentText(), u"30"_s);
    QCOMPARE(h.form->Ann->currentText(), u"2027"_s);
}

void TstStartup::focusHeight_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("height");
    QTest::newRow("Giorn") << "Giorn" << 1065;
    QTest::newRow("Mes") << "Mes" << 1065;
    QTest::newRow("Ann") << "Ann" << 1065;
    QTest::newRow("Ciclo") << "Ciclo" << 7950;
}

void TstStartup::focusHeight()
{
    QFETCH(QString, list);
    QFETCH(int, height);
    Harness h;
    h.calculate(QDate(2026, 10, 1));
    QCOMPARE(h.form->heightTwips(), 7950);
    h.pressOk(); // the date again: the cycle list shows, the height stays
    QVERIFY(h.form->mestra->isVisible());
    QCOMPARE(h.form->heightTwips(), 7950);
    const int top = h.form->topTwips();
    auto *target = h.form->findChild<List *>(list);
    h.click(target->lineEdit());
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(h.form->heightTwips(), height);
    QCOMPARE(h.form->height(), (height - 465) / 15);
    QCOMPARE(h.form->topTwips(), top);
}

void TstStartup::pointerHeight_data()
{
    QTest::addColumn<QString>("over"); // the control under the pointer
    QTest::addColumn<QPoint>("at");    // in that control
    QTest::addColumn<bool>("withCycle");
    QTest::addColumn<int>("height");
    QTest::newRow("frame, left edge") << "Frame1" << QPoint(3, 30) << false << 1050;
    QTest::newRow("frame, right of OK") << "Frame1" << QPoint(213, 10) << false << 1050;
    QTest::newRow("Label4") << "Label4" << QPoint(60, 8) << false << 1050;
    QTest::newRow("Giorn") << "Giorn" << QPoint(10, 10) << false << 7950;
    QTest::newRow("Ann arrow") << "Ann" << QPoint(44, 10) << false << 7950;
    QTest::newRow("OK") << "OK" << QPoint(30, 8) << false << 7950;
    QTest::newRow("cycle frame") << "mestra" << QPoint(3, 30) << true << 7950;
    QTest::newRow("cycle caption") << "Label6" << QPoint(60, 8) << true << 7950;
}

void TstStartup::pointerHeight()
{
    QFETCH(QString, over);
    QFETCH(QPoint, at);
    QFETCH(bool, withCycle);
    QFETCH(int, height);
    Harness h;
    h.calculate(QDate(2026, 10, 1));
    if (withCycle)
        h.pressOk();
    QCOMPARE(h.form->mestra->isVisible(), withCycle);
    const int top = h.form->topTwips();
    QVERIFY(qAbs(top - centredTop(*h.form, 7950)) < 15);
    auto *target = h.form->findChild<QWidget *>(over);
    QVERIFY(target && target->isVisible());
    QCOMPARE(h.form->childAt(target->mapTo(h.form.get(), at)), target->childAt(at) ? target->childAt(at) : target);
    QTest::mouseMove(target, at);
    QTest::mouseMove(target, at + QPoint(1, 1));
    QCOMPARE(h.form->heightTwips(), height);
    QCOMPARE(h.form->height(), (height - 465) / 15);
    if (height == 7950)
        QCOMPARE(h.form->topTwips(), top);
    else
        QVERIFY(qAbs(h.form->topTwips() - centredTop(*h.form, height)) < 15);
}

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
