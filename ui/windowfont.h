// SPDX-License-Identifier: GPL-3.0-or-later
// The face the window's text is drawn in. Where it comes from depends on the
// system: one file for each, chosen by the build.
#pragma once

#include <QStringList>

namespace velluna {

struct WindowFace
{
    QStringList families; // first choice first
    // Narrowed to 88 %: the layout was drawn for MS Sans Serif, which sets
    // about an eighth more text on a line than the faces that stand in for it.
    bool narrowed = true;
};

// Looked up on the first call, which needs the application object.
const WindowFace &windowFace();

} // namespace velluna
