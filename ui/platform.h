// SPDX-License-Identifier: GPL-3.0-or-later
// The windowing platform the program starts on.
#pragma once

#include <QByteArray>

namespace velluna {

// A native Wayland window can neither keep itself above others, nor stay out
// of the taskbar, nor place itself at the screen's centre. On a Wayland
// desktop that also runs its X11 compatibility server the program therefore
// starts on X11 ("xcb"), unless the user named a platform; without an X
// server it runs on Wayland and does without those three. An empty choice
// leaves it to Qt.
inline QByteArray chosenPlatform(const QByteArray &qpaPlatform, const QByteArray &waylandDisplay,
                                 const QByteArray &display)
{
    if (qpaPlatform.isEmpty() && !waylandDisplay.isEmpty() && !display.isEmpty())
        return QByteArrayLiteral("xcb");
    return qpaPlatform;
}

} // namespace velluna
