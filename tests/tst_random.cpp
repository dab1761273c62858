// Random use of the real window: thousands of seeded steps of typing, picks,
// presses (some inside a showing message), clicks, pointer moves and passing
// days, on windows started on random days. After every press the results,
// what the focus reports, the stage, the cycle panel and the height must be
// what a model of the presses expects, with the arithmetic left to the core
// that tst_core proves; after every pointer move, the height, "Conferma" and
// the enlarged picture must follow the control under the pointer.
// VELLUNA_RANDOM_SEED picks another seed; a failure names its seed.
#include "harness.h"

#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "input/datecheck.h"

#include <QRandomGenerator>
#include <QScreen>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

// What a press leaves in the window, as one text.
QString shownIn(const Form1 &f)
{
    const QStringList shown{f.Label1->caption(),      f.Label3->caption(),    f.Settimana->caption(),
                            f.Label7->caption(),      f.Posiz->caption(),     f.Consigli->caption(),
                            f.note->caption(),        f.Settimana->toolTip(), f.Image1->picture(),
                            f.Text1->accessibleName()};
    return shown.join(u" | ") +
           u" | %1 %2 %3 %4"_s.arg(f.GiorniPassati).arg(f.Fase).arg(f.mestra->isVisible()).arg(f.heightTwips());
}

// The same, as the presses so far lead a model to expect it.
struct Model
{
    QStringList shown{{},          {},          {}, {}, {},
                      u"Label6"_s, u"Label6"_s, {}, {}, u"Scegli la data dell'ultima mestruazione e premi Conferma."_s};
    int passati = 1, fase = 0, height = 1065;
    bool panel = false;
    QString text() const
    {
        return shown.join(u" | ") + u" | %1 %2 %3 %4"_s.arg(passati).arg(fase).arg(panel).arg(height);
    }

    void calculate(QDate lmp, const QString &cycle, QDate today)
    {
        const int diff = cycleDifference(cycle);
        const QDate adjusted = lmp.addDays(diff);
        const Status s = computeStatus(adjusted, diff, today);
        height = s.futureStop ? 2055 : s.milestoneStop ? 2040 : 7950;
        shown[0] = longDate(adjusted.addDays(kBirthOffsets[0]));
        shown[1] = longDate(adjusted.addDays(kBirthOffsets[2]));
        shown[9] = resultSummary(longDate(adjusted.addDays(kBirthOffsets[1])),
                                 height == 7950 ? QStringList{s.weekCaption, s.monthCaption} : QStringList());
        if (s.futureStop)
            return;
        passati = s.days;
        shown[2] = s.weekCaption;
        shown[3] = s.monthCaption;
        shown[4] = s.monthPhrase;
        if (!s.milestoneStop)
            std::tie(shown[5], shown[6]) = std::pair(s.milestone, s.advice);
        if (!s.weekTooltip.isEmpty())
            shown[7] = s.weekTooltip;
        if (s.pictureMonth)
            shown[8] = QString::number(s.pictureMonth);
    }

    // One press: the message it shows, if any. What the press does once its
    // message is gone is left to the caller.
    QString press(const QStringList &date, const QString &cycle, QDate today)
    {
        const bool dateOk = lmpAccepted(date[0], date[1], date[2], today);
        if (!cycleAccepted(cycle))
            return shown[9] = u"Ciclo da 22 a 45 giorni!"_s;
        if (fase == 0 && dateOk) {
            std::tie(fase, panel) = std::pair(1, true);
            shown[9] = u"Data accettata: scegli la lunghezza media del ciclo e premi Conferma."_s;
            return {};
        }
        std::tie(fase, panel) = std::pair(0, false);
        if (!dateOk)
            return shown[9] = u"Controllare la Data Inserita!"_s;
        calculate(*calendarDate(date[0], date[1], date[2]), cycle, today);
        return {};
    }
};

} // namespace

class TstRandom : public QObject
{
    Q_OBJECT

    QRandomGenerator m_rng;
    std::unique_ptr<Harness> m_h;
    Model m_model;
    QString m_failure;
    int m_step = 0, m_calculations = 0, m_nested = 0;

    void expect(bool holds, const QString &what)
    {
        const Form1 &f = *m_h->form;
        if (!holds && m_failure.isEmpty())
            m_failure = u"step %1: %2\n  lists %3/%4/%5, cycle %6, today %7"_s.arg(m_step).arg(what).arg(
                f.Giorn->currentText(), f.Mes->currentText(), f.Ann->currentText(), f.Ciclo->currentText(),
                m_h->clock.day.toString(Qt::ISODate));
    }

    // A text for the day, month, year or cycle list: mostly plain, at times odd.
    QString pick(int list)
    {
        const int y = m_h->clock.day.year();
        const QStringList odd[] = {{u""_s, u"ab"_s, u"+5"_s, u"00"_s, u"32"_s, u"5.0"_s, u" 7 "_s, u"٣"_s, u"29"_s},
                                   {u"13"_s, u"0"_s, u""_s, u" 3"_s, u"12.0"_s},
                                   {QString::number(y - 2), QString::number(y + 1), u"%1x"_s.arg(y), u""_s},
                                   {u"28.5"_s, u"21.99"_s, u"30 giorni"_s, u"abc"_s, u""_s, u" 3 0"_s, u"46"_s}};
        if (m_rng.bounded(4) == 0)
            return odd[list][m_rng.bounded(odd[list].size())];
        const int n =
            std::array{m_rng.bounded(1, 32), m_rng.bounded(1, 13), y - m_rng.bounded(2), 22 + m_rng.bounded(24)}[list];
        return list < 2 && m_rng.bounded(2) ? QString::number(n).rightJustified(2, u'0') : QString::number(n);
    }

    // A press predicted, performed and compared; inside its message another
    // press may run, predicted and compared in turn.
    void press(bool mayNest)
    {
        Form1 &f = *m_h->form;
        const int fase = m_model.fase;
        m_model.height = f.heightTwips();
        const QStringList date{f.Giorn->currentText(), f.Mes->currentText(), f.Ann->currentText()};
        const QString message = m_model.press(date, f.Ciclo->currentText(), m_h->clock.day);
        m_calculations += fase == 1 && message.isEmpty();
        std::function<void()> nested;
        if (!message.isEmpty() && mayNest && m_rng.bounded(3) == 0) {
            nested = [&] {
                ++m_nested;
                if (f.mestra->isVisible())
                    m_h->type(f.Ciclo, pick(3));
                press(false);
            };
        }
        // Enter presses too; a click inside a message's wait would be the
        // second half of a double-click, which is no press.
        if (!mayNest || m_rng.bounded(5) == 0) {
            QObject guard;
            if (nested)
                QTimer::singleShot(0, &guard, nested);
            QTest::keyClick(f.Giorn->lineEdit(), Qt::Key_Return);
        } else {
            m_h->pressOk(nested);
        }
        if (!message.isEmpty()) {
            m_model.height = 1065;
            m_model.fase |= fase == 1 && message.startsWith(u"Ciclo"); // the stage stays at the cycle
        }
        expect(shownIn(f) == m_model.text(),
               u"after a press\n  shown    %1\n  expected %2"_s.arg(shownIn(f), m_model.text()));
    }

    // The pointer alone: the input strip's background and heading shrink the
    // window and centre it; "Conferma" lights up, and goes plain over the
    // window's own background; the thumbnail opens the enlarged picture, which
    // the advice and the month phrase close.
    void move(QPoint p)
    {
        Form1 &f = *m_h->form;
        const QWidget *under = f.childAt(p);
        const bool lit = f.OK->underline(), open = f.imgG->isVisible();
        const int height = f.heightTwips(), top = f.topTwips();
        m_h->moveTo(p);
        const bool strip = under == f.Frame1 || under == f.Label4;
        const int centred = (f.screen()->geometry().height() * 15 - 1050) / 2;
        const bool opens = under == f.Image1 && f.Image1->hasPicture(), closes = under == f.note || under == f.Posiz;
        expect(f.heightTwips() == (strip ? 1050 : height) && qAbs(f.topTwips() - (strip ? centred : top)) < 15 &&
                   f.OK->underline() == (under == f.OK || (lit && under)) &&
                   f.OK->foreColor() == (f.OK->underline() ? Qt::blue : Qt::black) &&
                   f.imgG->isVisible() == (opens || (open && !closes)),
               u"after a move to %1,%2"_s.arg(p.x()).arg(p.y()));
    }

    void step()
    {
        Form1 &f = *m_h->form;
        List *const lists[] = {f.Giorn, f.Mes, f.Ann, f.Ciclo};
        const int r = m_rng.bounded(100), list = m_rng.bounded(f.mestra->isVisible() ? 4 : 3);
        const QPoint p(m_rng.bounded(f.width()), m_rng.bounded(f.height()));
        if (r < 35) {
            // A text typed or a pick with an arrow key (a month picked rebuilds
            // the day list); the focus coming into a date list shrinks the window.
            const bool enters = QApplication::focusWidget() != lists[list] && list < 3;
            if (r < 25)
                m_h->type(lists[list], pick(list));
            else
                QTest::mouseClick(lists[list]->lineEdit(), Qt::LeftButton);
            expect(!enters || f.heightTwips() == 1065,
                   u"height %1 with the focus in a date list"_s.arg(f.heightTwips()));
            if (r >= 25)
                QTest::keyClick(lists[list]->lineEdit(), m_rng.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
        } else if (r < 45) {
            // A whole date, mostly an accepted one, often within the last weeks.
            const QDate lmp = m_h->clock.day.addDays(-m_rng.bounded(-2, m_rng.bounded(2) ? 40 : 700));
            m_h->enterDate(lmp.toString(u"dd"_s), lmp.toString(u"M"_s), QString::number(lmp.year()));
        } else if (r < 70) {
            press(true);
        } else if (r < 77) {
            // A click anywhere in sight but on "Conferma" and the lists.
            const QWidget *target = f.childAt(p);
            if (target != f.OK && !qobject_cast<const List *>(target ? target->parentWidget() : nullptr) &&
                !qobject_cast<const List *>(target))
                m_h->clickAt(p);
        } else if (r < 96) {
            move(p);
        } else {
            m_h->clock.day = m_h->clock.day.addDays(r < 99 ? 1 : 180); // midnight, or months later
        }
    }

private slots:
    void randomUse()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        bool ok = false;
        const quint32 seed = qEnvironmentVariableIntValue("VELLUNA_RANDOM_SEED", &ok);
        m_rng.seed(ok ? seed : 20261206);
        for (m_step = 0; m_step < 6000 && m_failure.isEmpty(); ++m_step) {
            if (m_step % 600 == 0) {
                // A window started on a random day, or at the turn of a year.
                const QDate day = m_rng.bounded(4) ? QDate(2025, 1, 1).addDays(m_rng.bounded(6 * 365))
                                                   : QDate(2027 + m_rng.bounded(2), 12, 31);
                m_h.reset();
                m_h = std::make_unique<Harness>(day);
                m_model = Model();
            }
            step();
            const Form1 &f = *m_h->form;
            expect((f.Fase == 0 || f.Fase == 1) && !f.errore->isVisible() && !f.Merror->isVisible() &&
                       QList{1050, 1065, 2040, 2055, 7950}.contains(f.heightTwips()),
                   u"stage %1, height %2"_s.arg(f.Fase).arg(f.heightTwips()));
        }
        m_h.reset();
        QVERIFY2(m_failure.isEmpty(), qPrintable(u"seed %1, %2"_s.arg(ok ? seed : 20261206).arg(m_failure)));
        qInfo("%d calculations, %d presses inside a message", m_calculations, m_nested);
        QVERIFY(m_calculations > 100 && m_nested > 50);
    }
};

QTEST_MAIN(TstRandom)
#include "tst_random.moc"
