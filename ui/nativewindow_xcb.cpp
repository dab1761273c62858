// SPDX-License-Identifier: GPL-3.0-or-later
// X11: the window's initial _NET_WM_STATE keeps it off the taskbar; Qt's
// stay-on-top hint already asks the window manager for _NET_WM_STATE_ABOVE.
#include "nativewindow.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <iterator>

namespace velluna {

namespace {

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

} // namespace

void keepOffTaskbar(QWidget *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *c = x11->connection();
    // Set before the window is first mapped: Qt adds its own states (such
    // as staying on top) to what it finds there.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t states[] = {internAtom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 internAtom(c, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(c, XCB_PROP_MODE_APPEND, id, internAtom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        std::size(states), states);
    xcb_flush(c);
}

void keepAboveOthers(QWidget *)
{
    // The window was created with Qt::WindowStaysOnTopHint, which stays in
    // force for its whole life.
}

} // namespace velluna
