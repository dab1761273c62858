// SPDX-License-Identifier: GPL-3.0-or-later
// What the real program should show after the end-to-end test's
// calculation: the same window on the same day and platform, the same date
// and cycle typed in and "Conferma" pressed twice. Writes its client area
// as a PNG and prints the texts of the results, one "name: text" a line,
// and the height of the title bar.
// Usage: e2e_expected DD MM YYYY CYCLE OUT.png
#include "calc/clock.h"
#include "ui/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

using namespace velluna;

namespace {

void type(Form1 &f, const char *list, const char *text)
{
    QLineEdit *edit = f.findChild<QComboBox *>(QLatin1String(list))->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void pressOk(Form1 &f)
{
    const QWidget *ok = f.findChild<QLabel *>(QStringLiteral("OK"));
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, ok->mapTo(&f, ok->rect().center()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 6) {
        std::fputs("usage: e2e_expected DD MM YYYY CYCLE OUT.png\n", stderr);
        return 2;
    }
    SystemClock clock;
    Form1 f(clock);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f))
        return 1;
    type(f, "Giorn", argv[1]);
    type(f, "Mes", argv[2]);
    type(f, "Ann", argv[3]);
    pressOk(f);
    type(f, "Ciclo", argv[4]);
    pressOk(f);
    QCoreApplication::processEvents();
    if (!f.grab().save(QString::fromLocal8Bit(argv[5])))
        return 1;
    for (const char *name : {"Label1", "Label2", "Label3", "Settimana", "Label7", "Trimestre", "Perce"}) {
        const QString text = f.findChild<QLabel *>(QLatin1String(name))->text().simplified();
        std::printf("%s: %s\n", name, text.toUtf8().constData());
    }
    // How far below the top of the frame the window system puts the client
    // area: the title bar's height as the program's own platform sees it.
    std::printf("Caption: %d\n", f.geometry().top() - f.frameGeometry().top());
    return 0;
}
