// Start-up, the day list that follows a picked month, and the heights that
// focus and pointer give the window, on the real window through real events.
#include "formharness.h"

#include <QAbstractItemView>
#include <QScreen>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

// The list holds the numbers from..to, each of two digits at least.
void checkItems(const QComboBox *list, int from, int to)
{
    QCOMPARE(list->count(), to - from + 1);
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(list->itemText(i), QString::number(from + i).rightJustified(2, u'0'));
}

// A month as the user gives it: picked in the popup opened on the arrow,
// stepped to with arrow keys on the closed list, or only typed.
void giveMonth(Harness &h, const QString &month, const QString &how)
{
    List *mes = h.form->Mes;
    const int target = mes->findText(month);
    if (how == u"typed") {
        h.type(mes, month);
        QTest::keyClick(mes->lineEdit(), Qt::Key_Tab);
    } else if (how == u"keys") {
        h.click(mes->lineEdit());
        for (int steps = target - mes->currentIndex(); steps != 0; steps -= steps > 0 ? 1 : -1)
            QTest::keyClick(mes->lineEdit(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    } else {
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
}

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void startup_data();
    void startup();
    void dayList_data();
    void dayList();
    void heights_data();
    void heights();
};

void TstStartup::startup_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("31 January") << QDate(2026, 1, 31);
    QTest::newRow("29 February") << QDate(2028, 2, 29);
}

void TstStartup::startup()
{
    QFETCH(QDate, today);
    Harness h(today);
    const Form1 &f = *h.form;
    checkItems(f.Ciclo, 22, 45);
    checkItems(f.Giorn, 1, today.daysInMonth());
    checkItems(f.Mes, 1, 12);
    checkItems(f.Ann, today.year() - 1, today.year());
    QCOMPARE(f.Ciclo->currentText(), u"28"_s);
    QCOMPARE(QList({f.Giorn->currentIndex(), f.Mes->currentIndex(), f.Ann->currentIndex()}),
             QList({today.day() - 1, today.month() - 1, 1}));
    QCOMPARE(f.DataUM.toString(), today.toString(u"dd/MM/yyyy"_s));
    QCOMPARE(f.heightTwips(), 1065);
    QCOMPARE(f.width(), 216);
    QCOMPARE(f.Perce->caption(), u"0%"_s);
    QCOMPARE(f.mascheraS->x(), 0);
}

void TstStartup::dayList_data()
{
    // The day typed, then the year unless empty, then the month given by
    // "how" (see giveMonth); then the day and year shown, and the day count.
    for (const char *column : {"day", "year", "month", "how", "dayAfter", "yearAfter"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<int>("days");
    // Today is 5 March 2026.
    QTest::newRow("31 to February") << "31" << "" << "02" << "popup" << "28" << "2026" << 28;
    QTest::newRow("31 to February 2028x") << "31" << "2028x" << "02" << "keys" << "29" << "2028" << 29;
    QTest::newRow("30 to February 2000") << "30" << "2000" << "02" << "popup" << "29" << "2000" << 29;
    QTest::newRow("29 to February 2100") << "29" << "2100" << "02" << "keys" << "28" << "2100" << 28;
    QTest::newRow("05 to April") << "05" << "" << "04" << "popup" << "05" << "2026" << 30;
    QTest::newRow("empty day") << "" << "" << "02" << "popup" << "" << "2026" << 28;
    QTest::newRow("typing rebuilds nothing") << "31" << "2027abc" << "02" << "typed" << "31" << "2027abc" << 31;
}

void TstStartup::dayList()
{
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, how);
    QFETCH(QString, dayAfter);
    QFETCH(QString, yearAfter);
    QFETCH(int, days);
    Harness h(QDate(2026, 3, 5));
    h.type(h.form->Giorn, day);
    if (!year.isEmpty())
        h.type(h.form->Ann, year);
    giveMonth(h, month, how);
    QCOMPARE(h.form->Ann->currentText(), yearAfter);
    checkItems(h.form->Giorn, 1, days);
    QCOMPARE(h.form->Giorn->currentText(), dayAfter);
}

void TstStartup::heights_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("at"); // where the pointer goes in it; none: a click gives it focus
    QTest::addColumn<int>("height");
    // After a calculation (7950 twips); the date confirmed again for a control still hidden.
    QTest::newRow("focus Giorn") << "Giorn" << QPoint() << 1065;
    QTest::newRow("focus Mes") << "Mes" << QPoint() << 1065;
    QTest::newRow("focus Ann") << "Ann" << QPoint() << 1065;
    QTest::newRow("focus Ciclo") << "Ciclo" << QPoint() << 7950;
    QTest::newRow("frame, left edge") << "Frame1" << QPoint(3, 30) << 1050;
    QTest::newRow("Label4") << "Label4" << QPoint(60, 8) << 1050;
    QTest::newRow("Giorn") << "Giorn" << QPoint(10, 10) << 7950;
    QTest::newRow("OK") << "OK" << QPoint(30, 8) << 7950;
    QTest::newRow("cycle frame") << "mestra" << QPoint(3, 30) << 7950;
}

void TstStartup::heights()
{
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    QFETCH(int, height);
    Harness h;
    Form1 &f = *h.form;
    h.calculate(QDate(2026, 10, 1));
    auto *w = f.findChild<QWidget *>(target);
    if (!w->isVisible())
        h.pressOk();
    const int top = f.topTwips();
    if (at.isNull())
        h.click(static_cast<List *>(w)->lineEdit());
    else
        h.moveTo(w->mapTo(&f, at));
    QCOMPARE(f.heightTwips(), height);
    QCOMPARE(f.height(), (height - 465) / 15);
    // Only the input strip's own background re-centres the window.
    const int centred = (f.screen()->geometry().height() * 15 - height) / 2;
    QVERIFY(qAbs(f.topTwips() - (height == 1050 ? centred : top)) < 15);
}

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
