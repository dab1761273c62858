// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/clock.h"
#include "ui/form1.h"
#include "ui/platform.h"
#include "ui/windowfont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QByteArray platform =
        velluna::chosenPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (platform.isEmpty())
        platform = velluna::windowFacePlatform();
    qputenv("QT_QPA_PLATFORM", platform);
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
    // A line edit lays out its text in the application's font before it takes
    // the window's; with the window's font as the application's while the
    // window is built, no face is loaded that nothing shows.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(velluna::windowFont());
    velluna::Form1 window(clock);
    QApplication::setFont(applicationFont);
    window.show();
    return QApplication::exec();
}
