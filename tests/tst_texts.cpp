// Checks the Italian text tables: every text keeps close to the length its
// display was laid out for, paragraphs stay on one line, advice keeps its
// numbering and lookups outside the tables give nothing.
#include "content/texts.h"

#include <QRegularExpression>
#include <QtTest>

#include <climits>
#include <iterator>

using namespace velluna::content;

namespace {

// The labels are sized for texts of about the planned length; 15 % either
// way still fits.
bool withinLengthBand(qsizetype length, int planned)
{
    return qAbs(length - planned) * 100 <= qsizetype(planned) * 15;
}

QByteArray lengthMessage(const QString &text, int planned)
{
    return QStringLiteral("length %1, planned %2: %3").arg(text.size()).arg(planned).arg(text).toUtf8();
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

struct LabelledText
{
    QString label;
    QString text;
};

QList<LabelledText> everyText()
{
    QList<LabelledText> texts;
    for (int week = 4; week <= 40; ++week)
        texts.append({QStringLiteral("week %1").arg(week), weekText(week)});
    for (int trimester = 1; trimester <= 3; ++trimester) {
        const QStringList paragraphs = adviceParagraphs(trimester);
        for (qsizetype i = 0; i < paragraphs.size(); ++i)
            texts.append({QStringLiteral("advice %1.%2").arg(trimester).arg(i + 1), paragraphs.at(i)});
    }
    for (int month = 1; month <= 9; ++month) {
        const QStringList paragraphs = monthParagraphs(month);
        for (qsizetype i = 0; i < paragraphs.size(); ++i)
            texts.append({QStringLiteral("month %1.%2").arg(month).arg(i + 1), paragraphs.at(i)});
    }
    return texts;
}

} // namespace

class TstTexts : public QObject
{
    Q_OBJECT

private slots:
    void weekText_data();
    void weekText();
    void weekTextOutsideTable_data();
    void weekTextOutsideTable();

    void adviceParagraph_data();
    void adviceParagraph();
    void adviceSet_data();
    void adviceSet();

    void monthParagraph_data();
    void monthParagraph();
    void monthParagraphCount_data();
    void monthParagraphCount();

    void attribution();

    void writing_data();
    void writing();
    void noTextRepeated();
};

void TstTexts::weekText_data()
{
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("plannedLength");

    const int planned[] = {95,  100, 250, 71,  45,  130, 171, 220, 121, 183, 109, 115, 219,
                           138, 206, 188, 210, 204, 208, 198, 169, 203, 161, 200, 171, 208,
                           184, 177, 197, 162, 191, 197, 154, 144, 206, 167, 185};
    static_assert(std::size(planned) == 37);
    for (int i = 0; i < int(std::size(planned)); ++i)
        QTest::addRow("week %d", i + 4) << i + 4 << planned[i];
}

void TstTexts::weekText()
{
    QFETCH(int, week);
    QFETCH(int, plannedLength);

    const QString text = velluna::content::weekText(week);
    QVERIFY2(withinLengthBand(text.size(), plannedLength), lengthMessage(text, plannedLength));
    QVERIFY2(!hasLineBreak(text), qPrintable(text));
}

void TstTexts::weekTextOutsideTable_data()
{
    QTest::addColumn<int>("week");

    QTest::newRow("week 3, just before") << 3;
    QTest::newRow("week 41, just after") << 41;
    QTest::newRow("week 0") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TstTexts::weekTextOutsideTable()
{
    QFETCH(int, week);
    QVERIFY(velluna::content::weekText(week).isEmpty());
}

void TstTexts::adviceParagraph_data()
{
    QTest::addColumn<int>("trimester");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("plannedLength");

    const int planned[3][4] = {
        {101, 197, 134, 164},
        {53, 213, 181, 168},
        {91, 203, 183, 137},
    };
    for (int t = 0; t < 3; ++t) {
        for (int p = 0; p < 4; ++p)
            QTest::addRow("trimester %d, %d)", t + 1, p + 1) << t + 1 << p + 1 << planned[t][p];
    }
}

void TstTexts::adviceParagraph()
{
    QFETCH(int, trimester);
    QFETCH(int, number);
    QFETCH(int, plannedLength);

    const QStringList paragraphs = adviceParagraphs(trimester);
    QCOMPARE(paragraphs.size(), 4);
    const QString text = paragraphs.at(number - 1);
    QVERIFY2(text.startsWith(QStringLiteral("%1) ").arg(number)), qPrintable(text));
    QVERIFY2(withinLengthBand(text.size(), plannedLength), lengthMessage(text, plannedLength));
    QVERIFY2(!hasLineBreak(text), qPrintable(text));
}

void TstTexts::adviceSet_data()
{
    QTest::addColumn<int>("trimester");
    QTest::addColumn<int>("paragraphCount");

    QTest::newRow("trimester 1") << 1 << 4;
    QTest::newRow("trimester 2") << 2 << 4;
    QTest::newRow("trimester 3") << 3 << 4;
    QTest::newRow("trimester 0") << 0 << 0;
    QTest::newRow("trimester 4") << 4 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("INT_MAX") << INT_MAX << 0;
}

void TstTexts::adviceSet()
{
    QFETCH(int, trimester);
    QFETCH(int, paragraphCount);

    const QStringList paragraphs = adviceParagraphs(trimester);
    const QString text = adviceText(trimester);
    QCOMPARE(paragraphs.size(), paragraphCount);
    if (paragraphCount == 0) {
        QVERIFY(text.isEmpty());
        return;
    }

    // One bare carriage return between paragraphs, none after the last.
    QCOMPARE(text.count(u'\r'), paragraphCount - 1);
    QVERIFY(!text.contains(u'\n'));
    QVERIFY(!text.endsWith(u'\r'));
    const QStringList shown = text.split(u'\r');
    QCOMPARE(shown, paragraphs);
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2(shown.at(i).startsWith(QStringLiteral("%1) ").arg(i + 1)), qPrintable(shown.at(i)));
}

void TstTexts::monthParagraph_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("plannedLength");

    const QList<QList<int>> planned = {
        {137, 112, 38, 125, 158, 61},
        {283, 126, 75, 85},
        {347, 162, 86, 92},
        {192, 102, 60, 96},
        {342, 84, 129, 94},
        {169, 48, 68, 93},
        {123, 85, 33, 93},
        {108, 80, 175, 100},
        {362, 100, 55, 60},
    };
    for (qsizetype m = 0; m < planned.size(); ++m) {
        for (qsizetype p = 0; p < planned.at(m).size(); ++p)
            QTest::addRow("month %d, paragraph %d", int(m + 1), int(p + 1))
                << int(m + 1) << int(p + 1) << planned.at(m).at(p);
    }
}

void TstTexts::monthParagraph()
{
    QFETCH(int, month);
    QFETCH(int, number);
    QFETCH(int, plannedLength);

    const QStringList paragraphs = monthParagraphs(month);
    QVERIFY(number <= paragraphs.size());
    const QString text = paragraphs.at(number - 1);
    QVERIFY2(withinLengthBand(text.size(), plannedLength), lengthMessage(text, plannedLength));
    // The viewer separates paragraphs with its own carriage returns.
    QVERIFY2(!hasLineBreak(text), qPrintable(text));
}

void TstTexts::monthParagraphCount_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("paragraphCount");

    QTest::newRow("month 1") << 1 << 6;
    for (int month = 2; month <= 9; ++month)
        QTest::addRow("month %d", month) << month << 4;
    QTest::newRow("month 0") << 0 << 0;
    QTest::newRow("month 10") << 10 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("INT_MIN") << INT_MIN << 0;
}

void TstTexts::monthParagraphCount()
{
    QFETCH(int, month);
    QFETCH(int, paragraphCount);
    QCOMPARE(monthParagraphs(month).size(), paragraphCount);
}

void TstTexts::attribution()
{
    const QString leadIn = attributionLeadIn();
    const QString website = attributionWebsite();

    // The viewer adds its own indentation and line breaks around both.
    QVERIFY(!leadIn.isEmpty());
    QCOMPARE(leadIn, leadIn.trimmed());
    QVERIFY(!hasLineBreak(leadIn));

    QVERIFY(website.contains(u'.'));
    QVERIFY2(!website.contains(QRegularExpression(QStringLiteral("\\s"))), qPrintable(website));
    // Month 1 indents the address by sixteen spaces in a narrow label.
    QVERIFY2(website.size() <= 20, qPrintable(website));
}

void TstTexts::writing_data()
{
    QTest::addColumn<QString>("text");

    for (const LabelledText &entry : everyText())
        QTest::newRow(qPrintable(entry.label)) << entry.text;
}

void TstTexts::writing()
{
    QFETCH(QString, text);

    QVERIFY(!text.isEmpty());
    QCOMPARE(text, text.trimmed());
    QVERIFY2(!text.contains(QStringLiteral("  ")), qPrintable(text));
    QVERIFY2(text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?'), qPrintable(text));

    // Accented vowels are written as such, never as a vowel and an
    // apostrophe ("perche'"); "po'" is the one true truncation.
    static const QRegularExpression apostropheAccent(QStringLiteral("(\\w+)'(?!\\w)"),
                                                     QRegularExpression::UseUnicodePropertiesOption);
    auto matches = apostropheAccent.globalMatch(text);
    while (matches.hasNext()) {
        const QString word = matches.next().captured(1);
        QVERIFY2(word.compare(QStringLiteral("po"), Qt::CaseInsensitive) == 0, qPrintable(word + u'\''));
    }
}

void TstTexts::noTextRepeated()
{
    QHash<QString, QString> seen;
    for (const LabelledText &entry : everyText()) {
        const QString earlier = seen.value(entry.text);
        QVERIFY2(earlier.isEmpty(), qPrintable(entry.label + QStringLiteral(" repeats ") + earlier));
        seen.insert(entry.text, entry.label);
    }
}

QTEST_APPLESS_MAIN(TstTexts)

#include "tst_texts.moc"
