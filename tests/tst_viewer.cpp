// The progress bar after real calculations, and the month detail page opened
// and closed by clicks on the window.
#include "formharness.h"

#include "content/texts.h"
#include "ui/layout.h"

#include <tuple>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 6);
const QString kOpenHint = u"Clicca per vedere più inforazioni"_s;
const QString kCloseHint = u"Clicca per tornare allo schema generale."_s;

} // namespace

class TstViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void progress_data();
    void progress();
    void viewer();
    void hoverHints();
};

void TstViewer::progress_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("maskTwips");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("half way") << 140 << "28" << "50%" << 1620.0 << "Mancano: 140 giorni, ovvero: 20 settimane.";
    QTest::newRow("a week ahead") << 1 << "36" << "-2,5%" << -81.0 << "Mancano: 287 giorni, ovvero: 41 settimane.";
    // The early stop keeps the days passed since start-up.
    QTest::newRow("early stop") << 1 << "30" << "0,36%" << 0.36 * 32.4
                                << "Mancano: 279 giorni, ovvero: 39 settimane e 6 giorni.";
}

void TstViewer::progress()
{
    QFETCH(int, daysAgo);
    QFETCH(QString, cycle);
    QFETCH(QString, caption);
    QFETCH(double, maskTwips);
    QFETCH(QString, sentence);
    Harness h(kToday);
    h.calculate(kToday.addDays(-daysAgo), cycle);
    QCOMPARE(h.form->Perce->caption(), caption);
    QCOMPARE(h.form->Perce->toolTip(), sentence);
    QCOMPARE(h.form->mascheraS->pos(), QPoint(layout::px(maskTwips), layout::px(1800)));
}

void TstViewer::viewer()
{
    const QRect small = layout::Geometry{720, 4215, 1695, 1200}.rect();
    const QRect design = layout::Geometry{120, 3735, 3015, 1680}.rect();
    const QString lead = content::attributionLeadIn(), site = content::attributionWebsite();
    const QStringList oneLine{QString(), lead + u' ' + site};
    // The month, its paragraph count, the attribution laid out after them
    // and where the picture goes; months 4 to 9 leave it where it was.
    struct Step
    {
        int daysAgo, month, paragraphs;
        QStringList attribution;
        QRect rect;
    };
    const Step steps[] = {{10, 1, 6, {QString(), QString(13, u' ') + lead, QString(16, u' ') + site}, small},
                          {130, 5, 4, {lead + u' ' + site}, small},
                          {40, 2, 4, oneLine, design},
                          {280, 9, 4, oneLine, design}};
    Harness h(kToday);
    Form1 &f = *h.form;
    bool closeOnText = true;
    for (const Step &s : steps) {
        h.calculate(kToday.addDays(-s.daysAgo));
        QVERIFY2(!f.Info->isVisible(), "a new calculation hides the page");
        QVERIFY(f.Label7->caption().startsWith(QString::number(s.month)));
        QCOMPARE(f.Label7->caption().endsWith(u" Finale"_s), s.month == 9);

        h.clickAt(Harness::centreOf(f.Posiz));
        QVERIFY(f.Info->isVisible());
        const QStringList paragraphs = content::monthParagraphs(s.month);
        QCOMPARE(paragraphs.size(), s.paragraphs);
        const QString text = f.TESTO->caption();
        QCOMPARE(text, (paragraphs + s.attribution).join(u'\r'));
        QCOMPARE(f.Image3->pictureId(), QString::number(100 + s.month));
        QCOMPARE(f.Image3->geometry(), s.rect);

        // Closed by the text or by the picture, alternately.
        h.clickAt(closeOnText ? f.TESTO->mapTo(&f, QPoint(20, 10)) : Harness::centreOf(f.Image3));
        QVERIFY(!f.Info->isVisible());
        closeOnText = !closeOnText;

        h.clickAt(Harness::centreOf(f.Posiz));
        QVERIFY(f.Info->isVisible());
        QCOMPARE(f.TESTO->caption(), text);
        QCOMPARE(f.Image3->geometry(), s.rect);
        // Left open: the next calculation must hide it.
    }
}

void TstViewer::hoverHints()
{
    Harness h(kToday);
    Form1 &f = *h.form;
    h.calculate(kToday.addDays(-40));
    // Over the text away from the picture in front of it; the page opens
    // between the month phrase and the text.
    const std::tuple<QWidget *, QPoint, QString> hovers[] = {
        {f.Posiz, Harness::centreOf(f.Posiz), kOpenHint},
        {f.TESTO, f.TESTO->mapTo(&f, QPoint(20, 10)), kCloseHint},
        {f.Image3, Harness::centreOf(f.Image3), kCloseHint}};
    for (const auto &[w, at, hint] : hovers) {
        if (w == f.TESTO)
            h.clickAt(Harness::centreOf(f.Posiz));
        QVERIFY(w->toolTip().isEmpty() || w == f.Posiz);
        h.moveTo(at);
        QCOMPARE(w->toolTip(), hint);
        QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(w->cursor().hotSpot(), QPoint(12, 1));
    }
}

QTEST_MAIN(TstViewer)
#include "tst_viewer.moc"
