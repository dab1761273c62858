// The Italian text tables: every text keeps close to the length its label
// was laid out for and stays on one line, advice keeps its numbering, and
// lookups outside the tables give nothing.
#include "content/texts.h"

#include <QtTest>

#include <climits>

using namespace velluna::content;

namespace {

// The planned lengths: weeks 4 to 40, advice by trimester, paragraphs by month.
const int weekLengths[37] = {95,  100, 250, 71,  45,  130, 171, 220, 121, 183, 109, 115, 219,
                             138, 206, 188, 210, 204, 208, 198, 169, 203, 161, 200, 171, 208,
                             184, 177, 197, 162, 191, 197, 154, 144, 206, 167, 185};
const int adviceLengths[3][4] = {{101, 197, 134, 164}, {53, 213, 181, 168}, {91, 203, 183, 137}};
const QList<QList<int>> monthLengths = {
    {137, 112, 38, 125, 158, 61}, {283, 126, 75, 85}, {347, 162, 86, 92}, {192, 102, 60, 96},
    {342, 84, 129, 94},           {169, 48, 68, 93},  {123, 85, 33, 93},  {108, 80, 175, 100},
    {362, 100, 55, 60},
};

} // namespace

class TstTexts : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void advice();
    void monthParagraphCounts();
    void outsideTables();
};

void TstTexts::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("planned");
    for (int week = 4; week <= 40; ++week)
        QTest::addRow("week %d", week) << weekText(week) << weekLengths[week - 4];
    for (int t = 1; t <= 3; ++t)
        for (int p = 0; p < 4; ++p)
            QTest::addRow("advice %d.%d", t, p + 1) << adviceParagraphs(t).value(p) << adviceLengths[t - 1][p];
    for (int m = 1; m <= 9; ++m)
        for (int p = 0; p < monthLengths[m - 1].size(); ++p)
            QTest::addRow("month %d.%d", m, p + 1) << monthParagraphs(m).value(p) << monthLengths[m - 1][p];
}

// Within 15 % of the planned length either way; one line, no stray spaces.
// The labels and the viewer put their own carriage returns between texts.
void TstTexts::text()
{
    QFETCH(QString, text);
    QFETCH(int, planned);
    QVERIFY2(qAbs(text.size() - planned) * 100 <= planned * 15,
             qPrintable(QStringLiteral("length %1, planned %2: %3").arg(text.size()).arg(planned).arg(text)));
    QVERIFY2(!text.contains(u'\r') && !text.contains(u'\n'), qPrintable(text));
    QVERIFY2(text == text.trimmed() && !text.contains(QStringLiteral("  ")), qPrintable(text));
}

// Paragraphs "1) " to "4) ", joined by one bare carriage return each.
void TstTexts::advice()
{
    for (int t = 1; t <= 3; ++t) {
        const QStringList paragraphs = adviceParagraphs(t);
        QCOMPARE(paragraphs.size(), 4);
        for (int p = 0; p < 4; ++p)
            QVERIFY2(paragraphs[p].startsWith(QStringLiteral("%1) ").arg(p + 1)), qPrintable(paragraphs[p]));
        const QString text = adviceText(t);
        QCOMPARE(text.count(u'\r'), 3);
        QVERIFY(!text.endsWith(u'\r'));
        QCOMPARE(text.split(u'\r'), paragraphs);
    }
}

void TstTexts::monthParagraphCounts()
{
    for (int m = 1; m <= 9; ++m)
        QCOMPARE(monthParagraphs(m).size(), monthLengths[m - 1].size());
}

void TstTexts::outsideTables()
{
    for (const int week : {INT_MIN, -1, 0, 3, 41, INT_MAX})
        QVERIFY(weekText(week).isEmpty());
    for (const int trimester : {INT_MIN, -1, 0, 4, INT_MAX})
        QVERIFY(adviceParagraphs(trimester).isEmpty() && adviceText(trimester).isEmpty());
    for (const int month : {INT_MIN, -1, 0, 10, INT_MAX})
        QVERIFY(monthParagraphs(month).isEmpty());
}

QTEST_APPLESS_MAIN(TstTexts)
#include "tst_texts.moc"
