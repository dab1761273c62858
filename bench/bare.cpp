// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the bench: an empty Qt window with Velluna's window
// flags, title length and start-up size, and nothing else: no controls, no
// pictures and no timer.
#include "ui/layout.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(QStringLiteral("Bare       ----Zebo"));
    using namespace velluna::layout;
    window.setFixedSize(px(kWindowWidth - kFrameWidth), px(kHeightStrip - kFrameHeight));
    window.show();
    return QApplication::exec();
}
