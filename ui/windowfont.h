// SPDX-License-Identifier: GPL-3.0-or-later
// The face the window's text is drawn in. Where it comes from depends on the
// system: one file for each, chosen by the build.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QStringList>

namespace velluna {

struct WindowFace
{
    QStringList families; // first choice first
    // Narrowed to 88 % when drawn: the layout was drawn for MS Sans Serif,
    // which sets about an eighth more text on a line than the faces that
    // stand in for it. A face made narrow already needs no narrowing.
    bool narrowed = true;
    QFont::HintingPreference hinting = QFont::PreferDefaultHinting; // the fit to the pixel grid
};

// Looked up on the first call, which needs the application object.
const WindowFace &windowFace();

// The platform, as QT_QPA_PLATFORM names it, that draws the face as the
// window was laid out for it, where the user names none; empty for Qt's
// choice. Set before the application object is made.
QByteArray windowFacePlatform();

} // namespace velluna
