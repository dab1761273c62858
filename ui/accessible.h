// SPDX-License-Identifier: GPL-3.0-or-later
// How the window's own controls present themselves to screen readers.
#pragma once

namespace velluna {

// Installs, once, the accessibility factory for the window, its labels and
// its lists.
void installAccessibility();

} // namespace velluna
