// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace velluna {

// Asks the window manager to leave the window out of the taskbar and the
// pager. Qt has no flag for this alone, so on X11 the window's initial
// _NET_WM_STATE carries the request; elsewhere nothing happens.
void keepOffTaskbar(QWidget *window);

} // namespace velluna
