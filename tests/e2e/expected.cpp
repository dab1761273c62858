// SPDX-License-Identifier: GPL-3.0-or-later
// What the real program should show after the end-to-end test's
// calculation, drawn from what the test gives rather than computed: the
// same window on the same platform with the date in the lists, the results'
// captions, the month's phrase and thumbnail, the milestone, the advice set
// and the bar's mask as given, "Conferma" under the pointer as after its
// press. Writes the window in both colours of the blink (OUT.png, and
// OUT-blink.png with the month phrase red and the week yellow), the
// percentage's tooltip as OUT-tip.png, and prints where the percentage lies
// ("Perce: X Y W H") and the height of the title bar ("Caption: N").
// Usage: e2e_expected OUT.png NAME=VALUE...
//   NAME: a label (its caption), Giorn, Mes or Ann (the list's text), month
//   (phrase and thumbnail), milestone (week of the milestone), trimester
//   (advice set), mask (left edge of the bar's mask in pixels), tip (the
//   percentage's tooltip)
#include "content/texts.h"
#include "ui/form1.h"
#include "ui/windowfont.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

using namespace velluna;
using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", windowFacePlatform());
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: e2e_expected OUT.png NAME=VALUE...\n", stderr);
        return 2;
    }
    SystemClock clock;
    Form1 f(clock);
    const auto label = [&](const char *name) { return f.findChild<Label *>(QLatin1String(name)); };
    QString tip;
    for (const QString &arg : args.mid(2)) {
        const QString name = arg.section(u'=', 0, 0);
        const QString value = arg.section(u'=', 1);
        if (auto *list = f.findChild<QComboBox *>(name))
            list->setEditText(value);
        else if (auto *l = f.findChild<Label *>(name))
            l->setCaption(value);
        else if (name == QLatin1String("month")) {
            label("Posiz")->setCaption(content::monthPhrase(value.toInt()));
            f.findChild<Image *>(QStringLiteral("Image1"))->setPicture(value);
        } else if (name == QLatin1String("milestone"))
            label("Consigli")->setCaption(content::milestone(value.toInt()));
        else if (name == QLatin1String("trimester"))
            label("note")->setCaption(content::adviceText(value.toInt()));
        else if (name == QLatin1String("mask")) {
            QWidget *mask = f.findChild<QWidget *>(QStringLiteral("mascheraS"));
            mask->move(value.toInt(), mask->y());
        } else if (name == QLatin1String("tip"))
            tip = value;
        else {
            std::fprintf(stderr, "e2e_expected: unknown %s\n", qPrintable(name));
            return 2;
        }
    }
    f.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    f.findChild<QWidget *>(QStringLiteral("T1"))->show();
    f.findChild<QWidget *>(QStringLiteral("T1b"))->show();
    f.show();
    if (!QTest::qWaitForWindowExposed(&f))
        return 1;
    // The focus where "Conferma" leaves it, then the full height.
    f.findChild<QWidget *>(QStringLiteral("Text1"))->setFocus();
    f.setFixedHeight(layout::px(layout::kHeightFull - layout::kFrameHeight));
    const QWidget *ok = label("OK");
    QTest::mouseMove(f.windowHandle(), ok->mapTo(&f, ok->rect().center()));

    const QString out = args.at(1);
    const QString stem = out.chopped(4);
    for (const bool lit : {false, true}) {
        label("Posiz")->setForeColor(layout::bgr(lit ? layout::kRed : layout::kBlack));
        label("Settimana")->setForeColor(layout::bgr(lit ? layout::kYellowText : layout::kBlack));
        QCoreApplication::processEvents();
        if (!f.grab().save(lit ? stem + u"-blink.png"_s : out))
            return 1;
    }
    const QWidget *perce = label("Perce");
    QToolTip::showText(perce->mapToGlobal(perce->rect().center()), tip, &f);
    QWidget *tipLabel = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel"))
            tipLabel = w;
    if (!tipLabel || !tipLabel->grab().save(stem + u"-tip.png"_s))
        return 1;

    const QRect p(perce->mapTo(&f, QPoint()), perce->size());
    std::printf("Perce: %d %d %d %d\n", p.x(), p.y(), p.width(), p.height());
    // How far below the top of the frame the window system puts the client
    // area: the title bar's height as the program's own platform sees it.
    std::printf("Caption: %d\n", f.geometry().top() - f.frameGeometry().top());
    return 0;
}
