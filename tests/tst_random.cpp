// Random use of the real window: thousands of seeded steps of typing, picks,
// presses (some nested inside a showing message), clicks, pointer moves,
// timer ticks and passing days. After every step the stage and the height
// must be possible ones; after every press the stage, the cycle frame and
// every result must equal what a model written here expects, computed with
// plain day arithmetic and the texts built by their rules. The seed comes
// from VELLUNA_RANDOM_SEED when set and is printed with any failure.
#include "content/texts.h"
#include "formharness.h"

#include <QLocale>
#include <QRandomGenerator>
#include <functional>
#include <optional>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kSteps = 8000;
constexpr int kStepsPerWindow = 800; // then a new window starts on another day
constexpr quint32 kDefaultSeed = 20261206;

// ---- Calendar arithmetic: days counted from 1 March of year 0 ----

bool leap(qint64 y)
{
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int monthDays(int m, qint64 y)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

qint64 dayNumber(qint64 y, int m, int d)
{
    if (m < 3)
        --y;
    const int mp = (m + 9) % 12; // March is 0
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * mp + 2) / 5 + d - 1;
}

struct Ymd
{
    qint64 y;
    int m, d;
};

Ymd fromDayNumber(qint64 n)
{
    qint64 y = (10000 * n + 14780) / 3652425;
    qint64 doy = n - (365 * y + y / 4 - y / 100 + y / 400);
    if (doy < 0) {
        --y;
        doy = n - (365 * y + y / 4 - y / 100 + y / 400);
    }
    const int mp = static_cast<int>((100 * doy + 52) / 3060);
    const int m = (mp + 2) % 12 + 1;
    return {y + (m < 3 ? 1 : 0), m, static_cast<int>(doy - (mp * 306 + 5) / 10 + 1)};
}

qint64 dayNumber(QDate d)
{
    return dayNumber(d.year(), d.month(), d.day());
}

QString longDate(qint64 n)
{
    static const char16_t *const weekdays[] = {u"mercoledì", u"giovedì", u"venerdì", u"sabato",
                                               u"domenica",  u"lunedì",  u"martedì"}; // day 0 is a Wednesday
    static const char16_t *const months[] = {u"gennaio",   u"febbraio", u"marzo",    u"aprile",
                                             u"maggio",    u"giugno",   u"luglio",   u"agosto",
                                             u"settembre", u"ottobre",  u"novembre", u"dicembre"};
    const Ymd ymd = fromDayNumber(n);
    return QString::fromUtf16(weekdays[((n % 7) + 7) % 7]) + u' ' + QString::number(ymd.d) + u' ' +
           QString::fromUtf16(months[ymd.m - 1]) + u' ' + QString::number(ymd.y);
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// ---- Reading list texts ----

// The leading number: blanks skipped, a sign, digits, a point, digits.
double numberOf(const QString &text)
{
    QString s;
    bool point = false, digits = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (s.isEmpty() && (c == u'+' || c == u'-')) {
            s += c;
        } else if (c >= u'0' && c <= u'9') {
            s += c;
            digits = true;
        } else if (c == u'.' && !point) {
            s += c;
            point = true;
        } else {
            break;
        }
    }
    return digits ? s.toDouble() : 0.0;
}

// A date part: ASCII digits with blanks around them, at most nine.
std::optional<int> wholeOf(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return t.toInt();
}

// ---- What the window shows ----

struct Results
{
    QString label1, label2, label3, week, weekTip, month, trimester, percent, countdown, picture;
    int giorniPassati = 1;
    bool operator==(const Results &) const = default;
};

QString describe(const Results &r)
{
    QStringList parts{r.label1, r.label2, r.label3, r.week, r.weekTip.left(20), r.month, r.trimester};
    parts << r.percent << r.countdown << r.picture << QString::number(r.giorniPassati);
    return parts.join(u" | ");
}

Results shown(const Form1 &f)
{
    return {f.Label1->caption(),    f.Label2->caption(),   f.Label3->caption(),    f.Settimana->caption(),
            f.Settimana->toolTip(), f.Label7->caption(),   f.Trimestre->caption(), f.Perce->caption(),
            f.Perce->toolTip(),     f.Image1->pictureId(), f.GiorniPassati};
}

QString percentCaption(qint64 passati, qint64 totali)
{
    // Hundredths of a percent, halves away from zero; with 280 days no
    // half arises, since the fraction is a number of sevenths.
    qint64 h = 10000;
    if (passati <= totali) {
        const qint64 num = passati * 10000;
        h = num >= 0 ? (2 * num + totali) / (2 * totali) : -((-2 * num + totali) / (2 * totali));
    }
    const qint64 a = h < 0 ? -h : h;
    QString s = (h < 0 ? u"-"_s : QString()) + QString::number(a / 100);
    if (a % 100 != 0)
        s += u',' + (a % 10 == 0 ? QString::number(a % 100 / 10) : QString::number(a % 100).rightJustified(2, u'0'));
    return s + u'%';
}

QString countdown(qint64 r)
{
    QString s = u"Mancano: "_s + QString::number(r) + (r == 1 ? u" giorno"_s : u" giorni"_s);
    if (r <= 6)
        return s + u'.';
    s += u", ovvero: "_s + QString::number(r / 7) + (r / 7 == 1 ? u" settimana"_s : u" settimane"_s);
    if (r % 7 == 0)
        return s + u'.';
    return s + u" e "_s + QString::number(r % 7) + (r % 7 == 1 ? u" giorno."_s : u" giorni."_s);
}

// ---- The model of the confirmation ----

struct Model
{
    int fase = 0;
    bool cycleFrame = false;
    int giorniTotali = 1;
    Results results;
};

struct Texts
{
    QString day, month, year, cycle;
};

bool cycleOk(const QString &cycle)
{
    const double c = numberOf(cycle);
    return c >= 22 && c <= 45;
}

std::optional<qint64> calendarDay(const Texts &t)
{
    const auto d = wholeOf(t.day), m = wholeOf(t.month), y = wholeOf(t.year);
    // The calendar has no year 0: 1 BC is followed by AD 1.
    if (!d || !m || !y || *y < 1 || *m < 1 || *m > 12 || *d < 1 || *d > monthDays(*m, *y))
        return std::nullopt;
    return dayNumber(*y, *m, *d);
}

bool dateOk(const Texts &t, QDate today)
{
    const auto day = calendarDay(t);
    const double year = numberOf(t.year);
    return day && year >= today.year() - 1 && year <= today.year() && *day < dayNumber(today);
}

// A calculation from the list texts as they stand at the second press,
// once they have passed the date check again. Gives the window height, 0
// when unchanged.
int calculate(Model &m, const Texts &t, QDate today)
{
    Results &r = m.results;
    int height = 0;
    if (const auto lmp = calendarDay(t)) {
        m.giorniTotali = 280;
        const qint64 adjusted = *lmp + static_cast<qint64>(std::floor(numberOf(t.cycle))) - 28;
        r.label1 = longDate(adjusted + 272);
        r.label2 = longDate(adjusted + 279);
        r.label3 = longDate(adjusted + 293);
        const qint64 days = dayNumber(today) - adjusted;
        const qint64 weeks = floorDiv(days, 7), rest = days % 7;
        height = rest < 0 ? 2055 : 7950;
        if (rest >= 0) {
            r.giorniPassati = static_cast<int>(days);
            if (weeks == 0)
                r.week = QString::number(rest) + (rest == 1 ? u" giorno"_s : u" giorni."_s);
            else
                r.week = QString::number(weeks) + (weeks == 1 ? u" settimana e "_s : u" settimane e "_s) +
                         QString::number(rest) + u" giorni"_s;
            if (weeks >= 4 && weeks <= 40)
                r.weekTip = content::weekText(static_cast<int>(weeks));
            // Months of 30.41666 days, counted from the date as entered.
            const qint64 elapsed = dayNumber(today) - *lmp;
            const qint64 month = floorDiv(elapsed * 100000, 3041666) + 1;
            if (month >= 1 && month <= 9)
                r.picture = QString::number(month);
            const qint64 shownMonth = std::min<qint64>(month, 9);
            r.month = QString::number(shownMonth) + u"° Mese"_s + (month > 9 ? u" Finale"_s : QString());
            r.trimester = shownMonth < 4 ? u"1° Trimestre"_s : shownMonth < 7 ? u"2° Trimestre"_s : u"3° Trimestre"_s;
            const qint64 milestoneWeek = floorDiv(elapsed + 7, 7);
            if (milestoneWeek < 0 || milestoneWeek >= 42)
                height = 2040;
        }
    }
    r.percent = percentCaption(r.giorniPassati, m.giorniTotali);
    r.countdown = countdown(m.giorniTotali - r.giorniPassati);
    return height;
}

// One press of "Conferma" in the model: whether it shows a message, and
// the height it leaves (0 for unchanged).
bool press(Model &m, const Texts &t, QDate today, int &height)
{
    height = 1065;
    if (m.fase == 0) {
        if (!cycleOk(t.cycle) || t.day.isEmpty() || t.month.isEmpty() || t.year.isEmpty() || !dateOk(t, today))
            return true;
        m.cycleFrame = true;
        m.fase = 1;
        height = 0;
        return false;
    }
    if (!cycleOk(t.cycle))
        return true; // the stage is set to 1 again after the message
    m.cycleFrame = false;
    m.fase = 0;
    if (t.day.isEmpty() || t.month.isEmpty() || t.year.isEmpty() || !dateOk(t, today))
        return true; // the date is checked again: back to the date stage
    height = calculate(m, t, today);
    return false;
}

} // namespace

class TstRandom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomUse();
    void sessionThenClose();

private:
    QString pickDay();
    QString pickMonth();
    QString pickYear();
    QString pickCycle();
    Texts texts() const;
    void startWindow();
    void pressOnce(const std::function<void()> &perform, const char *what);
    void pressOk(bool nested);
    void check(bool afterPress, const char *what);
    void fail(const QString &why);
    void step();

    quint32 m_seed = kDefaultSeed;
    QRandomGenerator m_rng;
    std::unique_ptr<Harness> m_h;
    Model m_model;
    int m_step = 0;
    bool m_nesting = false;
    QString m_failure;
    struct
    {
        int presses = 0, calculations = 0, messages = 0, nested = 0;
    } m_counts;
};

void TstRandom::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIntValue("VELLUNA_RANDOM_SEED", &ok);
    if (ok)
        m_seed = seed;
    m_rng.seed(m_seed);
}

QString TstRandom::pickDay()
{
    static const QStringList odd{u""_s,   u" "_s,   u"ab"_s,  u"5x"_s, u"+5"_s,          u"-1"_s,   u"0"_s, u"00"_s,
                                 u"32"_s, u"5.0"_s, u" 7 "_s, u"٣"_s,  u"99999999999"_s, u"🤰"_s, u"29"_s};
    const int d = m_rng.bounded(1, 32);
    switch (m_rng.bounded(4)) {
    case 0:
        return odd[m_rng.bounded(odd.size())];
    case 1:
        return QString::number(d);
    default:
        return d < 10 ? u"0"_s + QString::number(d) : QString::number(d);
    }
}

QString TstRandom::pickMonth()
{
    static const QStringList odd{u"13"_s, u"0"_s, u""_s, u"1a"_s, u" 3"_s, u"02 "_s, u"-2"_s, u"12.0"_s};
    const int m = m_rng.bounded(1, 13);
    if (m_rng.bounded(5) == 0)
        return odd[m_rng.bounded(odd.size())];
    return m < 10 && m_rng.bounded(2) ? u"0"_s + QString::number(m) : QString::number(m);
}

QString TstRandom::pickYear()
{
    const int y = m_h->clock.today().year();
    const QStringList odd{QString::number(y - 2),
                          QString::number(y + 1),
                          QString::number(y % 100),
                          QString::number(y) + u"x"_s,
                          u"0"_s + QString::number(y),
                          u" "_s + QString::number(y),
                          u""_s,
                          u"year"_s};
    if (m_rng.bounded(5) == 0)
        return odd[m_rng.bounded(odd.size())];
    return QString::number(y - m_rng.bounded(2));
}

QString TstRandom::pickCycle()
{
    static const QStringList odd{u"28.5"_s, u"22.9"_s, u"45.5"_s, u"21.99"_s, u"30 giorni"_s, u"abc"_s, u""_s,
                                 u" 3 0"_s, u"+30"_s,  u"-30"_s,  u"045"_s,   u".5"_s,        u"1e2"_s};
    if (m_rng.bounded(4) == 0)
        return odd[m_rng.bounded(odd.size())];
    return QString::number(m_rng.bounded(20, 48));
}

Texts TstRandom::texts() const
{
    const Form1 &f = *m_h->form;
    return {f.Giorn->currentText(), f.Mes->currentText(), f.Ann->currentText(), f.Ciclo->currentText()};
}

void TstRandom::fail(const QString &why)
{
    if (!m_failure.isEmpty())
        return;
    const Texts t = texts();
    m_failure = u"seed %1, step %2: %3\n  lists %4/%5/%6, cycle %7, today %8"_s.arg(m_seed).arg(m_step).arg(
        why, t.day, t.month, t.year, t.cycle, m_h->clock.today().toString(Qt::ISODate));
}

void TstRandom::startWindow()
{
    // Start-up on a random day of a few years, or on a day that borders a
    // month, a year or a leap day.
    static const QDate borders[] = {QDate(2026, 12, 31), QDate(2027, 1, 1), QDate(2028, 2, 29), QDate(2028, 3, 1),
                                    QDate(2027, 2, 28)};
    const QDate today =
        m_rng.bounded(3) == 0 ? borders[m_rng.bounded(5)] : QDate(2025, 1, 1).addDays(m_rng.bounded(6 * 365));
    m_h.reset(); // one window at a time
    m_h = std::make_unique<Harness>(today);
    m_h->clock.setStep(700); // a message's wait runs the event loop twice
    m_model = Model{};
    m_model.results = shown(*m_h->form);
    const Form1 &f = *m_h->form;
    const QString d = QString::number(today.day()).rightJustified(2, u'0');
    const QString m = QString::number(today.month()).rightJustified(2, u'0');
    if (f.Giorn->currentText() != d || f.Mes->currentText() != m ||
        f.Ann->currentText() != QString::number(today.year()) ||
        f.Giorn->count() != monthDays(today.month(), today.year()))
        fail(u"start-up lists on "_s + today.toString(Qt::ISODate));
}

void TstRandom::check(bool afterPress, const char *what)
{
    const Form1 &f = *m_h->form;
    static const QList<int> heights{1050, 1065, 1335, 2040, 2055, 7950};
    if (f.Fase != 0 && f.Fase != 1)
        fail(u"%1: stage %2"_s.arg(what).arg(f.Fase));
    if (!heights.contains(f.heightTwips()))
        fail(u"%1: height %2"_s.arg(what).arg(f.heightTwips()));
    if (!afterPress)
        return;
    if (f.Fase != m_model.fase || f.mestra->isVisible() != m_model.cycleFrame)
        fail(u"%1: stage %2 and cycle frame %3, expected %4 and %5"_s.arg(what)
                 .arg(f.Fase)
                 .arg(f.mestra->isVisible())
                 .arg(m_model.fase)
                 .arg(m_model.cycleFrame));
    if (!m_nesting && (f.errore->isVisible() || f.Merror->isVisible()))
        fail(u"%1: the message is still showing"_s.arg(what));
    if (!(shown(f) == m_model.results))
        fail(u"%1:\n  shown    %2\n  expected %3"_s.arg(what, describe(shown(f)), describe(m_model.results)));
}

// A press as the model sees it: predicted, performed, compared.
void TstRandom::pressOnce(const std::function<void()> &perform, const char *what)
{
    Form1 &f = *m_h->form;
    const int before = f.heightTwips();
    int height = 0;
    const int calculations = m_model.fase;
    const bool message = press(m_model, texts(), m_h->clock.today(), height);
    ++m_counts.presses;
    m_counts.messages += message;
    m_counts.calculations += calculations == 1 && m_model.fase == 0 && !message;
    perform();
    if (f.heightTwips() != (height ? height : before))
        fail(u"%1: height %2, expected %3"_s.arg(what).arg(f.heightTwips()).arg(height ? height : before));
    check(true, what);
}

void TstRandom::pressOk(bool nested)
{
    Form1 &f = *m_h->form;
    // Enter in a list, when one is there to take it, presses as a click does.
    List *const lists[] = {f.Giorn, f.Mes, f.Ann, f.Ciclo};
    List *enterList = lists[m_rng.bounded(4)];
    const bool enter = m_rng.bounded(5) == 0 && enterList->isVisible();
    const auto perform = [&] {
        if (enter)
            QTest::keyClick(enterList->lineEdit(), Qt::Key_Return);
        else
            m_h->pressOk();
    };
    if (!nested) {
        pressOnce(perform, enter ? "enter" : "press");
        return;
    }
    // A second press while the first one's message shows runs to its end
    // inside the wait; then the first press ends: a rejected cycle keeps the
    // stage at 1, and the window goes back to the input strip.
    Model before = m_model;
    int height = 0;
    if (!press(before, texts(), m_h->clock.today(), height)) {
        pressOnce(perform, "press");
        return;
    }
    bool innerRan = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        innerRan = true;
        m_nesting = true;
        if (m_rng.bounded(2))
            m_h->type(f.Giorn, pickDay());
        pressOnce([&] { m_h->pressOk(); }, "nested press");
        m_nesting = false;
        ++m_counts.nested;
    });
    // Only a rejected cycle puts the stage back to 1 once its message ends;
    // a date found wrong at the second press hides the cycle frame first.
    const bool cycleMessage = m_model.fase == 1 && !cycleOk(texts().cycle);
    m_model.fase = before.fase;
    m_model.cycleFrame = before.cycleFrame;
    perform();
    if (!innerRan)
        fail(u"a press inside the message did not run"_s);
    if (cycleMessage)
        m_model.fase = 1;
    if (f.heightTwips() != 1065)
        fail(u"height %1 after a nested press, expected 1065"_s.arg(f.heightTwips()));
    check(true, "press around a nested one");
}

void TstRandom::step()
{
    Form1 &f = *m_h->form;
    const QDate today = m_h->clock.today();
    const auto inDateList = [&] {
        const QWidget *w = QApplication::focusWidget();
        for (const QWidget *list : {f.Giorn, f.Mes, f.Ann}) {
            if (w && (w == list || w->parentWidget() == list))
                return true;
        }
        return false;
    };
    const int r = m_rng.bounded(100);
    if (r < 20) {
        // One date part typed; focus coming into a date list collapses the
        // window to the input strip.
        const bool collapses = !inDateList();
        switch (m_rng.bounded(3)) {
        case 0:
            m_h->type(f.Giorn, pickDay());
            break;
        case 1:
            m_h->type(f.Mes, pickMonth());
            break;
        default:
            m_h->type(f.Ann, pickYear());
            break;
        }
        if (collapses && f.heightTwips() != 1065)
            fail(u"height %1 after focus came into a date list"_s.arg(f.heightTwips()));
    } else if (r < 30) {
        // A whole date, mostly one that is accepted.
        const QDate lmp = today.addDays(-m_rng.bounded(-5, 740));
        const auto part = [&](int n) {
            return m_rng.bounded(2) ? QString::number(n) : QString::number(n).rightJustified(2, u'0');
        };
        m_h->enterDate(part(lmp.day()), part(lmp.month()), QString::number(lmp.year()));
    } else if (r < 37) {
        if (f.mestra->isVisible())
            m_h->type(f.Ciclo, pickCycle());
    } else if (r < 44) {
        // Picks with the arrow keys; a new month rebuilds the day list.
        List *const lists[] = {f.Giorn, f.Mes, f.Ann, f.Ciclo};
        List *list = lists[m_rng.bounded(f.mestra->isVisible() ? 4 : 3)];
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        const int index = list->currentIndex();
        for (int i = m_rng.bounded(1, 4); i > 0; --i)
            QTest::keyClick(list->lineEdit(), m_rng.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
        const auto m = wholeOf(f.Mes->currentText()), y = wholeOf(f.Ann->currentText());
        if (list == f.Mes && list->currentIndex() != index && m && y && *m >= 1 && *m <= 12 &&
            f.Giorn->count() != monthDays(*m, *y))
            fail(u"%1 days listed for %2/%3"_s.arg(f.Giorn->count()).arg(*m).arg(*y));
    } else if (r < 60) {
        pressOk(false);
    } else if (r < 65) {
        pressOk(true);
    } else if (r < 73) {
        // A click anywhere in sight but on "Conferma" and the lists.
        const QPoint p(m_rng.bounded(f.width()), m_rng.bounded(f.height()));
        QWidget *target = f.childAt(p);
        if (target && (target == f.OK || qobject_cast<List *>(target) || qobject_cast<List *>(target->parentWidget())))
            return;
        target = target ? target : &f;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&f, p));
    } else if (r < 77) {
        QWidget *w = QApplication::focusWidget();
        QTest::keyClick(w ? w : &f, Qt::Key_Tab);
    } else if (r < 90) {
        QTest::mouseMove(&f, QPoint(m_rng.bounded(f.width()), m_rng.bounded(f.height())));
    } else if (r < 95) {
        QTest::qWait(m_rng.bounded(8)); // blink ticks
    } else if (r < 99) {
        m_h->clock.setToday(today.addDays(1)); // midnight passes
    } else {
        m_h->clock.setToday(QDate(today.year(), 12, 31)); // on to New Year's Eve
    }
}

void TstRandom::randomUse()
{
    qInfo("seed %u (VELLUNA_RANDOM_SEED chooses another), %d steps", m_seed, kSteps);
    for (m_step = 0; m_step < kSteps && m_failure.isEmpty(); ++m_step) {
        if (m_step % kStepsPerWindow == 0)
            startWindow();
        step();
        check(false, "step");
    }
    m_h.reset();
    qInfo("%d presses: %d calculations, %d messages, %d presses inside a message", m_counts.presses,
          m_counts.calculations, m_counts.messages, m_counts.nested);
    if (!m_failure.isEmpty())
        QFAIL(qPrintable(m_failure));
    // Enough of every kind for the run to mean something.
    QVERIFY(m_counts.calculations > kSteps / 40 && m_counts.nested > kSteps / 100);
}

void TstRandom::sessionThenClose()
{
    // What a leak check of one use of the program goes through: start-up,
    // two calculations, the month page opened and closed, the window closed.
    Harness h(QDate(2027, 6, 1));
    h.calculate(QDate(2027, 3, 1));
    h.calculate(QDate(2026, 11, 20), u"33"_s);
    h.click(h.form->Posiz);
    QVERIFY(h.form->Info->isVisible());
    h.click(h.form->TESTO);
    QVERIFY(!h.form->Info->isVisible());
    QVERIFY(h.form->close());
}

QTEST_MAIN(TstRandom)
#include "tst_random.moc"
