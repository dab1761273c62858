// SPDX-License-Identifier: GPL-3.0-or-later
// What the window asks of the window system beyond Qt's own words: one
// small file for each platform carries it out, and CMake picks the file.
#pragma once

class QWidget;

namespace velluna {

// Leaves the window out of the taskbar and the pager, with its frame and
// title bar as they are. Called once, before the window is first shown.
void keepOffTaskbar(QWidget *window);

// Puts the window above all others that are not themselves kept on top,
// changing its stacking only, not its place or size.
void keepAboveOthers(QWidget *window);

} // namespace velluna
