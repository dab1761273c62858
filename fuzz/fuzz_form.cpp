// Fuzzes the real window on Qt's offscreen platform. Each input is a short
// script that a fresh window plays through real events: texts typed into
// the lists, picks with the arrow keys, presses on "Conferma" by mouse or
// Enter, pointer moves and clicks anywhere, days that pass, and presses
// nested inside a showing message. After every step the confirmation stage
// and the window height must be ones the program can have.
#include "check.h"

#include "formharness.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdlib>

using namespace velluna;
using namespace velluna::test;

namespace {

constexpr std::array kHeights{1050, 1065, 1335, 2040, 2055, 7950};
const std::array kTodays{QDate(2026, 12, 6), QDate(2026, 12, 31), QDate(2027, 1, 1), QDate(2028, 2, 29),
                         QDate(2027, 3, 1)};
constexpr int kMaxSteps = 48;
// A fake second jumps so far that a message's wait ends at its first look
// at the clock; nested presses shorten it so that the wait runs the loop.
constexpr qint64 kQuickStep = 2500;
constexpr qint64 kNestingStep = 700;

class Script
{
public:
    Script(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    // A text up to the next 0xFF byte.
    QString text()
    {
        const size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != 0xFF)
            ++m_pos;
        const QByteArray bytes(reinterpret_cast<const char *>(m_data + start), static_cast<qsizetype>(m_pos - start));
        if (m_pos < m_size)
            ++m_pos;
        return QString::fromUtf8(bytes);
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void checkState(const Form1 &f, const char *step)
{
    const QString where = QString::fromLatin1(step);
    VELLUNA_CHECK(f.Fase == 0 || f.Fase == 1, where);
    VELLUNA_CHECK(std::find(kHeights.begin(), kHeights.end(), f.heightTwips()) != kHeights.end(), where,
                  QString::number(f.heightTwips()));
}

List *listFor(Form1 &f, uint8_t b)
{
    List *const lists[] = {f.Giorn, f.Mes, f.Ann, f.Ciclo};
    return lists[b % 4];
}

QPoint pointIn(const QWidget &w, uint8_t x, uint8_t y)
{
    return {x * w.width() / 256, y * w.height() / 256};
}

// A press after which no message may still show.
void pressed(Harness &h, const char *how)
{
    checkState(*h.form, how);
    VELLUNA_CHECK(!h.form->errore->isVisible() && !h.form->Merror->isVisible(), QString::fromLatin1(how));
}

void typeInto(Harness &h, List *list, const QString &text)
{
    // Short texts key by key, long ones as one input-method commit.
    if (text.size() <= 12) {
        h.type(list, text);
        return;
    }
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    list->lineEdit()->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(list->lineEdit(), &commit);
}

void step(Harness &h, Script &s)
{
    Form1 &f = *h.form;
    switch (s.byte() % 10) {
    case 0: {
        List *list = listFor(f, s.byte());
        typeInto(h, list, s.text());
        checkState(f, "type");
        break;
    }
    case 1: {
        static constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        List *list = listFor(f, s.byte());
        const uint8_t k = s.byte();
        list->lineEdit()->setFocus();
        for (int i = 0; i <= k / 4 % 8; ++i)
            QTest::keyClick(list->lineEdit(), keys[k % 4]);
        checkState(f, "pick");
        break;
    }
    case 2:
        h.pressOk();
        pressed(h, "press");
        break;
    case 3:
        QTest::keyClick(listFor(f, s.byte())->lineEdit(), Qt::Key_Return);
        pressed(h, "enter");
        break;
    case 4: {
        const uint8_t x = s.byte(), y = s.byte();
        QTest::mouseMove(&f, pointIn(f, x, y));
        checkState(f, "move");
        break;
    }
    case 5: {
        const uint8_t x = s.byte(), y = s.byte();
        const QPoint p = pointIn(f, x, y);
        QWidget *target = f.childAt(p);
        if (!target)
            target = &f;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&f, p));
        checkState(f, "click");
        break;
    }
    case 6:
        // The window stays open while days pass, midnight or New Year.
        h.clock.setToday(h.clock.today().addDays(s.byte() % 4 == 0 ? 366 : 1));
        break;
    case 7: {
        // A press inside the wait of a message, maybe after another text.
        const uint8_t b = s.byte();
        const QString text = s.text();
        h.clock.setStep(kNestingStep);
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            if (b & 1)
                typeInto(h, listFor(f, b >> 1), text);
            h.pressOk();
            checkState(f, "nested press");
        });
        h.pressOk();
        h.clock.setStep(kQuickStep);
        pressed(h, "outer press");
        break;
    }
    case 8:
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_Tab);
        checkState(f, "tab");
        break;
    case 9:
        QCoreApplication::processEvents();
        checkState(f, "ticks");
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_form";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may already be gone.
    static QApplication *app = new QApplication(argc, argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Script s(data, size);
    Harness h(kTodays[s.byte() % kTodays.size()]);
    h.clock.setStep(kQuickStep);
    checkState(*h.form, "start-up");
    for (int i = 0; i < kMaxSteps && !s.atEnd(); ++i)
        step(h, s);
    return 0;
}
