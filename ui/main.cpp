// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/clock.h"
#include "ui/form1.h"
#include "ui/platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            velluna::chosenPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")));
    // The window is 216 pixels wide: drawing it through X shared memory saves
    // nothing and costs a round trip to the server on every blink.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velluna"));
    QApplication::setApplicationVersion(QStringLiteral(VELLUNA_VERSION));
    // Lets desktops match the window to its installed .desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.velluna.Velluna"));
    velluna::SystemClock clock;
    velluna::Form1 window(clock);
    window.show();
    return QApplication::exec();
}
