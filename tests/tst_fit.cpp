// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the window can show fits the part of its label that can be
// seen, in the face the window really draws with and as the label lays it
// out with its own font metrics: the labels' own captions, every birth date
// within the years the lists offer, every week, month, phrase, trimester,
// milestone, advice set, percentage, message and month page. The window ends
// at its full height; the advice and the month page run below it, and the
// month page also ends where its picture begins.
#include "calc/pregnancy.h"
#include "content/monthdetail.h"
#include "input/confirmation.h"
#include "ui/form1.h"
#include "ui/windowfont.h"

#include <QTest>

using namespace velluna;
using namespace Qt::StringLiterals;

namespace {

struct FixedClock final : Clock
{
    QDate today() const override { return {2026, 12, 7}; }
    qint64 elapsedMs() const override { return 0; }
};

} // namespace

class TstFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFits()
    {
        FixedClock clock;
        Form1 form(clock);
        const QDate today = clock.today();
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
        texts[u"errore"_s] << messageText(Confirmation::Message::Date) << messageText(Confirmation::Message::Cycle);

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
    // The platform the program itself starts on.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", windowFacePlatform());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    TstFit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fit.moc"
