// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: an owner that is never shown keeps the window off the taskbar,
// and SetWindowPos keeps it above the other windows.
#include "nativewindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <windows.h>

namespace velluna {

namespace {

// A window with a transient parent is one Qt leaves out when it asks whether
// the last window has closed, so the program would outlive its window.
// Closing this one ends the program, once the close has gone through.
class QuitOnClose final : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            auto *window = static_cast<QWidget *>(watched);
            QTimer::singleShot(0, window, [window] {
                if (!window->isVisible() && QGuiApplication::quitOnLastWindowClosed())
                    QCoreApplication::quit();
            });
        }
        return false;
    }
};

} // namespace

void keepOffTaskbar(QWidget *window)
{
    // Windows gives a taskbar button to every top-level window that has no
    // owner. A tool window would lose it too, but with a narrower title bar;
    // an owned window keeps the frame it has. Qt makes the owner of the
    // transient parent each time the window is shown, so the owner is given
    // that way; it is a child of the window and goes with it.
    window->winId();
    auto *owner = new QWindow;
    owner->QObject::setParent(window);
    owner->create();
    window->windowHandle()->setTransientParent(owner);
    window->installEventFilter(new QuitOnClose(window));
}

void keepAboveOthers(QWidget *window)
{
    // Only the stacking changes: no move, no resize, the result ignored.
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

} // namespace velluna
