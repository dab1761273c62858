// Fuzzes the real window on Qt's offscreen platform. Each input is a short
// script that a fresh window plays through real events: texts typed into
// the lists, picks with the arrow keys, presses on "Conferma" by mouse or
// Enter, pointer moves and clicks anywhere, days that pass, and presses
// nested inside a showing message. After every step the confirmation stage
// and the window height must be ones the program can have.
#include "check.h"

#include "formharness.h"

#include <array>

using namespace velluna;
using namespace velluna::test;

namespace {

// A fake second jumps so far that a message's wait ends at its first look
// at the clock; nested presses shorten it so that the wait runs the loop.
constexpr qint64 kQuickStep = 2500, kNestingStep = 700;

// The input read as a script: single bytes, and texts that end at a 0xFF
// byte (which never occurs in UTF-8) or at the end.
struct Script
{
    QByteArray data;
    qsizetype pos = 0;
    bool atEnd() const { return pos >= data.size(); }
    uint8_t byte() { return atEnd() ? 0 : static_cast<uint8_t>(data[pos++]); }
    QString text()
    {
        const qsizetype start = pos, end = data.indexOf('\xff', pos) < 0 ? data.size() : data.indexOf('\xff', pos);
        pos = end + 1;
        return QString::fromUtf8(data.sliced(start, end - start));
    }
};

// The stage and height after a step; after a step of the script, when no
// wait for a message is running any more, no message may show.
void check(const Form1 &f, const QByteArray &where, bool outside = true)
{
    static const QList<int> heights{1050, 1065, 1335, 2040, 2055, 7950};
    VELLUNA_CHECK((f.Fase == 0 || f.Fase == 1) && heights.contains(f.heightTwips()), QString::fromLatin1(where),
                  QString::number(f.Fase), QString::number(f.heightTwips()));
    VELLUNA_CHECK(!outside || (!f.errore->isVisible() && !f.Merror->isVisible()), QString::fromLatin1(where));
}

List *listFor(Form1 &f, uint8_t b)
{
    return std::array{f.Giorn, f.Mes, f.Ann, f.Ciclo}[b % 4];
}

// Short texts key by key, long ones as one input-method commit.
void typeInto(Harness &h, List *list, const QString &text)
{
    if (text.size() <= 12)
        return h.type(list, text);
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
    list->lineEdit()->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(list->lineEdit(), &commit);
}

// One step of the script; gives which kind it was.
int step(Harness &h, Script &s)
{
    Form1 &f = *h.form;
    const auto point = [&] { return QPoint{s.byte() * f.width() / 256, s.byte() * f.height() / 256}; };
    const int op = s.byte() % 10;
    if (op == 0) {
        List *list = listFor(f, s.byte());
        typeInto(h, list, s.text());
    } else if (op == 1) { // picks with the keys
        static constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        QLineEdit *edit = listFor(f, s.byte())->lineEdit();
        const uint8_t k = s.byte();
        edit->setFocus();
        for (int i = 0; i <= k / 4 % 8; ++i)
            QTest::keyClick(edit, keys[k % 4]);
    } else if (op == 2) {
        h.pressOk();
    } else if (op == 3) {
        QTest::keyClick(listFor(f, s.byte())->lineEdit(), Qt::Key_Return);
    } else if (op == 4) {
        QTest::mouseMove(&f, point());
    } else if (op == 5) { // a click on whatever lies there
        const QPoint p = point();
        QWidget *target = f.childAt(p) ? f.childAt(p) : &f;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&f, p));
    } else if (op == 6) { // the window stays open while days pass, midnight or New Year
        h.clock.setToday(h.clock.today().addDays(s.byte() % 4 == 0 ? 366 : 1));
    } else if (op == 7) { // a press inside the wait of a message, maybe after another text
        const uint8_t b = s.byte();
        const QString text = s.text();
        h.clock.setStep(kNestingStep);
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            if (b & 1)
                typeInto(h, listFor(f, b >> 1), text);
            h.pressOk();
            check(f, "nested press", false);
        });
        h.pressOk();
        h.clock.setStep(kQuickStep);
    } else if (op == 8) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_Tab);
    } else {
        QCoreApplication::processEvents(); // timer ticks
    }
    return op;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_form", *argv[] = {name, nullptr};
    new QApplication(argc, argv); // never destroyed: at exit Qt's own globals may already be gone
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Script s{QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))};
    const QDate todays[] = {QDate(2026, 12, 6), QDate(2026, 12, 31), QDate(2027, 1, 1), QDate(2028, 2, 29),
                            QDate(2027, 3, 1)};
    Harness h(todays[s.byte() % 5]);
    h.clock.setStep(kQuickStep);
    check(*h.form, "start-up");
    for (int i = 0; i < 48 && !s.atEnd(); ++i)
        check(*h.form, "step of kind " + QByteArray::number(step(h, s)));
    return 0;
}
