// The progress bar after real calculations, and the month detail page opened
// and closed by clicks on the window.
#include "formharness.h"

#include "content/texts.h"
#include "ui/layout.h"

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 6);
const QString kOpenHint = u"Clicca per vedere più inforazioni"_s;
const QString kCloseHint = u"Clicca per tornare allo schema generale."_s;

QPoint centreOf(const QWidget *w)
{
    return w->mapTo(w->window(), w->rect().center());
}

void moveTo(Form1 &f, QPoint p)
{
    QCoreApplication::processEvents(); // the window may just have moved
    QTest::mouseMove(&f, p);
}

// A click where the window system would deliver it: to whatever control
// lies in front at that point of the client area, after the pointer got
// there.
void clickAt(Form1 &f, QPoint p)
{
    moveTo(f, p);
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p);
}

// The month text as the page must show it: the month's paragraphs, then the
// attribution laid out for that month.
void checkMonthText(const QString &caption, int month)
{
    const QStringList paragraphs = content::monthParagraphs(month);
    QCOMPARE(paragraphs.size(), month == 1 ? 6 : 4);
    QVERIFY(!caption.contains(u'\n'));
    const QStringList lines = caption.split(u'\r');
    QCOMPARE(lines.mid(0, paragraphs.size()), paragraphs);
    const QString lead = content::attributionLeadIn();
    const QString site = content::attributionWebsite();
    QStringList tail{QString(), lead + u' ' + site};
    if (month == 1)
        tail = {QString(), QString(13, u' ') + lead, QString(16, u' ') + site};
    else if (month == 5)
        tail = {lead + u' ' + site};
    QCOMPARE(lines.mid(paragraphs.size()), tail);
}

} // namespace

class TstViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void progress_data();
    void progress();
    void viewer();
    void hoverHints_data();
    void hoverHints();
};

void TstViewer::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

// Each window opens where the last one was: the pointer leaves it first, or
// a move to the same place would be no move at all.
void TstViewer::init()
{
    QCursor::setPos(0, 0);
    QCoreApplication::processEvents();
}

void TstViewer::progress_data()
{
    QTest::addColumn<int>("before"); // days ago of an earlier calculation, 0 for none
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("maskTwips");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("half way") << 0 << 140 << "28" << "50%" << 1620.0
                              << "Mancano: 140 giorni, ovvero: 20 settimane.";
    QTest::newRow("a week ahead") << 0 << 1 << "36" << "-2,5%" << -81.0
                                  << "Mancano: 287 giorni, ovvero: 41 settimane.";
    QTest::newRow("early stop after start-up")
        << 0 << 1 << "30" << "0,36%" << 0.36 * 32.4 << "Mancano: 279 giorni, ovvero: 39 settimane e 6 giorni.";
    QTest::newRow("early stop keeps the last days")
        << 140 << 1 << "30" << "50%" << 1620.0 << "Mancano: 140 giorni, ovvero: 20 settimane.";
}

void TstViewer::progress()
{
    QFETCH(int, before);
    QFETCH(int, daysAgo);
    QFETCH(QString, cycle);
    QFETCH(QString, caption);
    QFETCH(double, maskTwips);
    QFETCH(QString, sentence);
    Harness h(kToday);
    if (before != 0)
        h.calculate(kToday.addDays(-before));
    h.calculate(kToday.addDays(-daysAgo), cycle);
    Form1 &f = *h.form;
    QCOMPARE(f.Perce->caption(), caption);
    QCOMPARE(f.Perce->toolTip(), sentence);
    QCOMPARE(f.mascheraS->x(), layout::px(maskTwips));
    QCOMPARE(f.mascheraS->y(), layout::px(1800));
}

void TstViewer::viewer()
{
    const QRect small = layout::Geometry{720, 4215, 1695, 1200}.rect();
    const QRect design = layout::Geometry{120, 3735, 3015, 1680}.rect();
    struct Step
    {
        int daysAgo, month;
        QString picture;
        QRect rect;
    };
    // Months 4 to 9 leave the picture where the last month put it.
    const Step steps[] = {{10, 1, u"101"_s, small},
                          {130, 5, u"105"_s, small},
                          {40, 2, u"102"_s, design},
                          {280, 9, u"109"_s, design}};
    Harness h(kToday);
    Form1 &f = *h.form;
    bool closeOnText = true;
    for (const Step &s : steps) {
        h.calculate(kToday.addDays(-s.daysAgo));
        QVERIFY2(!f.Info->isVisible(), "a new calculation hides the page");
        QVERIFY(f.Label7->caption().startsWith(QString::number(s.month)));
        QCOMPARE(f.Label7->caption().endsWith(u" Finale"_s), s.month == 9);

        clickAt(f, centreOf(f.Posiz));
        QVERIFY(f.Info->isVisible());
        const QString text = f.TESTO->caption();
        checkMonthText(text, s.month);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(f.Image3->pictureId(), s.picture);
        QCOMPARE(f.Image3->geometry(), s.rect);

        // The page's margin beside the text takes the click and does nothing.
        clickAt(f, f.Info->mapTo(&f, QPoint(2, 100)));
        QVERIFY(f.Info->isVisible());

        // Closed by the text or by the picture, alternately.
        clickAt(f, closeOnText ? f.TESTO->mapTo(&f, QPoint(20, 10)) : centreOf(f.Image3));
        QVERIFY(!f.Info->isVisible());
        closeOnText = !closeOnText;

        clickAt(f, centreOf(f.Posiz));
        QVERIFY(f.Info->isVisible());
        QCOMPARE(f.TESTO->caption(), text);
        QCOMPARE(f.Image3->geometry(), s.rect);
        // Left open: the next calculation must hide it.
    }
}

void TstViewer::hoverHints_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("month phrase") << "Posiz" << kOpenHint;
    QTest::newRow("text") << "TESTO" << kCloseHint;
    QTest::newRow("picture") << "Image3" << kCloseHint;
}

void TstViewer::hoverHints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-40));
    if (control != u"Posiz"_s)
        clickAt(f, centreOf(f.Posiz));
    QWidget *const target = f.findChild<QWidget *>(control);
    QVERIFY(target);
    const QList<QWidget *> hinted{f.TESTO, f.Image3};
    for (QWidget *w : hinted)
        QVERIFY(w->toolTip().isEmpty());

    // Over the text, away from the picture that lies in front of it.
    moveTo(f, target == f.TESTO ? f.TESTO->mapTo(&f, QPoint(20, 10)) : centreOf(target));
    QCOMPARE(target->toolTip(), hint);
    QCOMPARE(target->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(target->cursor().hotSpot(), QPoint(12, 1));
    // Only the control under the pointer took the movement.
    for (QWidget *w : hinted) {
        if (w != target)
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    }
}

QTEST_MAIN(TstViewer)
#include "tst_viewer.moc"
