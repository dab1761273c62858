// Random use of the real window: thousands of seeded steps of typing, picks,
// presses (some nested inside a showing message), clicks, pointer moves,
// timer ticks and passing days. After every step the stage and the height
// must be possible ones; after every press the stage, the cycle frame and
// every result must equal what a model written here expects from the list
// texts, by plain calendar arithmetic and the texts built by their rules.
// The seed comes from VELLUNA_RANDOM_SEED when set and is printed with any
// failure.
#include "content/texts.h"
#include "formharness.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <tuple>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kSteps = 8000;
constexpr int kStepsPerWindow = 800; // then a new window starts on another day

// ---- The model: what a press must do, from the list texts alone ----

struct Texts
{
    QString day, month, year, cycle;
};

// The leading number: blanks skipped, a sign, digits, a point, digits.
double numberOf(QString text)
{
    static const QRegularExpression blanks(u"[ \t\n]"_s), leading(u"^[+-]?[0-9]*\\.?[0-9]*"_s);
    const QString s = leading.match(text.remove(blanks)).captured();
    return s.contains(QRegularExpression(u"[0-9]"_s)) ? s.toDouble() : 0.0;
}

bool cycleOk(const QString &cycle)
{
    return numberOf(cycle) >= 22 && numberOf(cycle) <= 45;
}

// A date part: ASCII digits with blanks around them, at most nine.
std::optional<int> wholeOf(const QString &text)
{
    static const QRegularExpression digits(u"^[0-9]{1,9}$"_s);
    const QString t = text.trimmed();
    return digits.match(t).hasMatch() ? std::optional(t.toInt()) : std::nullopt;
}

// The date a press accepts: a calendar day before today whose year, by its
// leading number, is this year or the last.
std::optional<QDate> acceptedDate(const Texts &t, QDate today)
{
    const auto d = wholeOf(t.day), m = wholeOf(t.month), y = wholeOf(t.year);
    const double year = numberOf(t.year);
    if (!d || !m || !y || *y < 1 || !QDate::isValid(*y, *m, *d) || year < today.year() - 1 || year > today.year() ||
        QDate(*y, *m, *d) >= today)
        return std::nullopt;
    return QDate(*y, *m, *d);
}

QString longDate(QDate d)
{
    static const QStringList weekdays = u"lunedì martedì mercoledì giovedì venerdì sabato domenica"_s.split(u' ');
    static const QStringList months =
        u"gennaio febbraio marzo aprile maggio giugno luglio agosto settembre ottobre novembre dicembre"_s.split(u' ');
    return u"%1 %2 %3 %4"_s.arg(weekdays[d.dayOfWeek() - 1]).arg(d.day()).arg(months[d.month() - 1]).arg(d.year());
}

QString percentCaption(qint64 passati)
{
    // Hundredths of a percent of 280 days, never a half: the fraction is a
    // number of sevenths. Trailing zeros go, and the point is a comma.
    QString s = QString::number((passati > 280 ? 10000 : std::llround(passati * 10000.0 / 280)) / 100.0, 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    return (s.endsWith(u'.') ? s.chopped(1) : s).replace(u'.', u',') + u'%';
}

QString countdownText(qint64 r)
{
    QString s = u"Mancano: "_s + QString::number(r) + (r == 1 ? u" giorno"_s : u" giorni"_s);
    if (r <= 6)
        return s + u'.';
    s += u", ovvero: "_s + QString::number(r / 7) + (r / 7 == 1 ? u" settimana"_s : u" settimane"_s);
    if (r % 7 == 0)
        return s + u'.';
    return s + u" e "_s + QString::number(r % 7) + (r % 7 == 1 ? u" giorno."_s : u" giorni."_s);
}

// What a press leaves in the window: the stage, the cycle frame and every
// result, as the model expects it or as the window shows it.
struct Model
{
    QString label1, label2, label3, week, weekTip, month, trimester, percent, countdown, picture;
    int giorniPassati = 1, fase = 0;
    bool cycleFrame = false;
    bool operator==(const Model &) const = default;

    QString describe() const
    {
        QStringList parts{label1, label2, label3, week, weekTip.left(20), month, trimester, percent, countdown};
        parts << picture << QString::number(giorniPassati) << QString::number(fase) << QString::number(cycleFrame);
        return parts.join(u" | ");
    }

    // The calculation at an accepted second press; gives the window height.
    int calculate(QDate lmp, const QString &cycle, QDate today)
    {
        const QDate adjusted = lmp.addDays(static_cast<qint64>(std::floor(numberOf(cycle))) - 28);
        label1 = longDate(adjusted.addDays(272));
        label2 = longDate(adjusted.addDays(279));
        label3 = longDate(adjusted.addDays(293));
        // Whole weeks and the rest as C divides: a rest below zero stops.
        const qint64 days = adjusted.daysTo(today), weeks = days / 7, rest = days % 7;
        int height = 2055;
        if (rest >= 0) {
            height = 7950;
            giorniPassati = static_cast<int>(days);
            week = weeks == 0 ? QString::number(rest) + (rest == 1 ? u" giorno"_s : u" giorni."_s)
                              : QString::number(weeks) + (weeks == 1 ? u" settimana e "_s : u" settimane e "_s) +
                                    QString::number(rest) + u" giorni"_s;
            if (weeks >= 4 && weeks <= 40)
                weekTip = content::weekText(static_cast<int>(weeks));
            // Months of 30.41666 days, counted from the date as entered.
            const qint64 elapsed = lmp.daysTo(today), m = elapsed * 100000 / 3041666 + 1;
            if (m >= 1 && m <= 9)
                picture = QString::number(m);
            month = QString::number(std::min<qint64>(m, 9)) + u"° Mese"_s + (m > 9 ? u" Finale"_s : QString());
            trimester = QString::number((std::min<qint64>(m, 9) + 2) / 3) + u"° Trimestre"_s;
            if ((elapsed + 7) / 7 >= 42) // past the last milestone week
                height = 2040;
        }
        percent = percentCaption(giorniPassati);
        countdown = countdownText(280 - giorniPassati);
        return height;
    }

    // One press of "Conferma": whether it shows a message; the height it
    // leaves goes to height, 0 for unchanged.
    bool press(const Texts &t, QDate today, int &height)
    {
        height = 1065;
        const auto lmp = acceptedDate(t, today);
        if (fase == 0 && cycleOk(t.cycle) && lmp) {
            fase = 1;
            cycleFrame = true;
            height = 0;
            return false;
        }
        if (fase == 0 || !cycleOk(t.cycle))
            return true; // a rejected cycle sets the stage to 1 again after the message
        cycleFrame = false;
        fase = 0;
        if (!lmp)
            return true; // the date is checked again: back to the date stage
        height = calculate(*lmp, t.cycle, today);
        return false;
    }
};

Model shown(const Form1 &f)
{
    return {f.Label1->caption(),    f.Label2->caption(),   f.Label3->caption(),    f.Settimana->caption(),
            f.Settimana->toolTip(), f.Label7->caption(),   f.Trimestre->caption(), f.Perce->caption(),
            f.Perce->toolTip(),     f.Image1->pictureId(), f.GiorniPassati,        f.Fase,
            f.mestra->isVisible()};
}

} // namespace

class TstRandom : public QObject
{
    Q_OBJECT

    quint32 m_seed = 20261206;
    QRandomGenerator m_rng;
    std::unique_ptr<Harness> m_h;
    Model m_model;
    int m_step = 0, m_calculations = 0, m_nested = 0;
    bool m_nesting = false;
    QString m_failure;

    // A text for the day, month, year or cycle list: mostly a plain one,
    // sometimes one of the odd ones.
    QString pick(int list)
    {
        const QString y = QString::number(m_h->clock.today().year());
        const QStringList odd[] = {{u""_s, u" "_s, u"ab"_s, u"5x"_s, u"+5"_s, u"-1"_s, u"0"_s, u"00"_s, u"32"_s,
                                    u"5.0"_s, u" 7 "_s, u"٣"_s, u"99999999999"_s, u"🤰"_s, u"29"_s},
                                   {u"13"_s, u"0"_s, u""_s, u"1a"_s, u" 3"_s, u"02 "_s, u"-2"_s, u"12.0"_s},
                                   {QString::number(y.toInt() - 2), QString::number(y.toInt() + 1), y.right(2),
                                    y + u"x"_s, u"0"_s + y, u" "_s + y, u""_s, u"year"_s},
                                   {u"28.5"_s, u"22.9"_s, u"45.5"_s, u"21.99"_s, u"30 giorni"_s, u"abc"_s, u""_s,
                                    u" 3 0"_s, u"+30"_s, u"-30"_s, u"045"_s, u".5"_s, u"1e2"_s}};
        if (m_rng.bounded(4) == 0)
            return odd[list][m_rng.bounded(odd[list].size())];
        const int n = list == 0   ? m_rng.bounded(1, 32)
                      : list == 1 ? m_rng.bounded(1, 13)
                      : list == 2 ? y.toInt() - m_rng.bounded(2)
                                  : m_rng.bounded(20, 48);
        return list < 2 && m_rng.bounded(2) ? QString::number(n).rightJustified(2, u'0') : QString::number(n);
    }

    Texts texts() const
    {
        const Form1 &f = *m_h->form;
        return {f.Giorn->currentText(), f.Mes->currentText(), f.Ann->currentText(), f.Ciclo->currentText()};
    }

    void fail(const QString &why)
    {
        const Texts t = texts();
        if (m_failure.isEmpty())
            m_failure = u"seed %1, step %2: %3\n  lists %4/%5/%6, cycle %7, today %8"_s.arg(m_seed).arg(m_step).arg(
                why, t.day, t.month, t.year, t.cycle, m_h->clock.today().toString(Qt::ISODate));
    }

    void startWindow()
    {
        // Start-up on a random day of a few years, or on a day that borders a
        // month, a year or a leap day; the lists show that day.
        static const QDate borders[] = {QDate(2026, 12, 31), QDate(2027, 1, 1), QDate(2028, 2, 29), QDate(2028, 3, 1),
                                        QDate(2027, 2, 28)};
        const QDate today =
            m_rng.bounded(3) == 0 ? borders[m_rng.bounded(5)] : QDate(2025, 1, 1).addDays(m_rng.bounded(6 * 365));
        m_h.reset(); // one window at a time
        m_h = std::make_unique<Harness>(today);
        m_h->clock.setStep(700); // a message's wait runs the event loop twice
        m_model = shown(*m_h->form);
        std::tie(m_model.fase, m_model.cycleFrame) = std::pair(0, false);
        const Form1 &f = *m_h->form;
        if (f.Giorn->currentText() != today.toString(u"dd"_s) || f.Mes->currentText() != today.toString(u"MM"_s) ||
            f.Ann->currentText() != QString::number(today.year()) || f.Giorn->count() != today.daysInMonth())
            fail(u"start-up lists"_s);
    }

    void check(bool afterPress, const char *what)
    {
        const Form1 &f = *m_h->form;
        static const QList<int> heights{1050, 1065, 1335, 2040, 2055, 7950};
        if ((f.Fase != 0 && f.Fase != 1) || !heights.contains(f.heightTwips()))
            fail(u"%1: stage %2, height %3"_s.arg(what).arg(f.Fase).arg(f.heightTwips()));
        if (afterPress && !m_nesting && (f.errore->isVisible() || f.Merror->isVisible()))
            fail(u"%1: the message is still showing"_s.arg(what));
        if (afterPress && !(shown(f) == m_model))
            fail(u"%1:\n  shown    %2\n  expected %3"_s.arg(what, shown(f).describe(), m_model.describe()));
    }

    // A press as the model sees it: predicted, performed, compared.
    void pressOnce(const std::function<void()> &perform, const char *what)
    {
        const int before = m_h->form->heightTwips(), fase = m_model.fase;
        int height = 0;
        const bool message = m_model.press(texts(), m_h->clock.today(), height);
        m_calculations += fase == 1 && !message;
        perform();
        if (m_h->form->heightTwips() != (height ? height : before))
            fail(u"%1: height %2, expected %3"_s.arg(what).arg(m_h->form->heightTwips()).arg(height ? height : before));
        check(true, what);
    }

    void pressOk(bool nested)
    {
        Form1 &f = *m_h->form;
        // Enter in a list, when one is there to take it, presses as a click does.
        const std::array lists{f.Giorn, f.Mes, f.Ann, f.Ciclo};
        List *const enterList = lists[m_rng.bounded(4)];
        const bool enter = m_rng.bounded(5) == 0 && enterList->isVisible();
        const auto perform = [&] {
            if (enter)
                QTest::keyClick(enterList->lineEdit(), Qt::Key_Return);
            else
                m_h->pressOk();
        };
        Model outer = m_model;
        int height = 0;
        if (!nested || !outer.press(texts(), m_h->clock.today(), height))
            return pressOnce(perform, enter ? "enter" : "press");
        // A second press while the first one's message shows runs to its end
        // inside the wait; then the first press ends. Only a rejected cycle puts
        // the stage back to 1 once its message ends; a date found wrong at the
        // second press has hidden the cycle frame first.
        bool innerRan = false;
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            innerRan = m_nesting = true;
            if (const int list = m_rng.bounded(f.mestra->isVisible() ? 8 : 6); list < 4)
                m_h->type(lists[list], pick(list)); // a date part or the cycle, edited first
            pressOnce([&] { m_h->pressOk(); }, "nested press");
            m_nesting = false;
            ++m_nested;
        });
        const bool cycleMessage = m_model.fase == 1 && !cycleOk(texts().cycle);
        std::tie(m_model.fase, m_model.cycleFrame) = std::pair(outer.fase, outer.cycleFrame);
        perform();
        if (!innerRan)
            fail(u"a press inside the message did not run"_s);
        m_model.fase |= cycleMessage;
        if (f.heightTwips() != 1065)
            fail(u"height %1 after a nested press, expected 1065"_s.arg(f.heightTwips()));
        check(true, "press around a nested one");
    }

    void step()
    {
        Form1 &f = *m_h->form;
        const QDate today = m_h->clock.today();
        List *const lists[] = {f.Giorn, f.Mes, f.Ann, f.Ciclo};
        const int r = m_rng.bounded(100);
        if (r < 20) {
            // One date part typed; focus coming into a date list collapses the
            // window to the input strip.
            const QWidget *w = QApplication::focusWidget();
            const bool collapses =
                std::none_of(lists, lists + 3, [w](List *l) { return w && (w == l || w->parentWidget() == l); });
            const int list = m_rng.bounded(3);
            m_h->type(lists[list], pick(list));
            if (collapses && f.heightTwips() != 1065)
                fail(u"height %1 after focus came into a date list"_s.arg(f.heightTwips()));
        } else if (r < 30) {
            // A whole date, mostly one that is accepted.
            const QDate lmp = today.addDays(-m_rng.bounded(-5, 740));
            const auto part = [&](int n) { return QString::number(n).rightJustified(m_rng.bounded(1, 3), u'0'); };
            m_h->enterDate(part(lmp.day()), part(lmp.month()), QString::number(lmp.year()));
        } else if (r < 37) {
            if (f.mestra->isVisible())
                m_h->type(f.Ciclo, pick(3));
        } else if (r < 44) {
            // Picks with the arrow keys; a new month rebuilds the day list.
            List *list = lists[m_rng.bounded(f.mestra->isVisible() ? 4 : 3)];
            QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
            const int index = list->currentIndex();
            for (int i = m_rng.bounded(1, 4); i > 0; --i)
                QTest::keyClick(list->lineEdit(), m_rng.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
            const auto m = wholeOf(f.Mes->currentText()), y = wholeOf(f.Ann->currentText());
            if (list == f.Mes && list->currentIndex() != index && m && y && QDate::isValid(*y, *m, 1) &&
                f.Giorn->count() != QDate(*y, *m, 1).daysInMonth())
                fail(u"%1 days listed for %2/%3"_s.arg(f.Giorn->count()).arg(*m).arg(*y));
        } else if (r < 65) {
            pressOk(r >= 60);
        } else if (r < 73) {
            // A click anywhere in sight but on "Conferma" and the lists.
            const QPoint p(m_rng.bounded(f.width()), m_rng.bounded(f.height()));
            QWidget *target = f.childAt(p);
            if (target &&
                (target == f.OK || qobject_cast<List *>(target) || qobject_cast<List *>(target->parentWidget())))
                return;
            target = target ? target : &f;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&f, p));
        } else if (r < 77) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_Tab);
        } else if (r < 90) {
            QTest::mouseMove(&f, QPoint(m_rng.bounded(f.width()), m_rng.bounded(f.height())));
        } else if (r < 95) {
            QTest::qWait(m_rng.bounded(8)); // blink ticks
        } else {
            // Midnight passes, or the day jumps on to New Year's Eve.
            m_h->clock.setToday(r < 99 ? today.addDays(1) : QDate(today.year(), 12, 31));
        }
    }

private slots:
    void randomUse()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        bool ok = false;
        const quint32 seed = qEnvironmentVariableIntValue("VELLUNA_RANDOM_SEED", &ok);
        m_seed = ok ? seed : m_seed;
        m_rng.seed(m_seed);
        qInfo("seed %u (VELLUNA_RANDOM_SEED chooses another)", m_seed);
        for (m_step = 0; m_step < kSteps && m_failure.isEmpty(); ++m_step) {
            if (m_step % kStepsPerWindow == 0)
                startWindow();
            step();
            check(false, "step");
        }
        m_h.reset();
        if (!m_failure.isEmpty())
            QFAIL(qPrintable(m_failure));
        // Enough calculations and nested presses for the run to mean something.
        QVERIFY2(m_calculations > kSteps / 40 && m_nested > kSteps / 100,
                 qPrintable(u"seed %1: too few calculations or nested presses"_s.arg(m_seed)));
    }
};

QTEST_MAIN(TstRandom)
#include "tst_random.moc"
