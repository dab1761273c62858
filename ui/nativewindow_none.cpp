// SPDX-License-Identifier: GPL-3.0-or-later
// Window systems that let a program place itself neither above others nor
// out of the taskbar (a native Wayland window): Qt's stay-on-top hint is all
// there is.
#include "nativewindow.h"

namespace velluna {

void keepOffTaskbar(QWidget *) {}

void keepAboveOthers(QWidget *) {}

} // namespace velluna
