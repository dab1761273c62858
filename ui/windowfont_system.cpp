// SPDX-License-Identifier: GPL-3.0-or-later
// The window's face from the system's fonts: MS Sans Serif where it is
// installed, otherwise the narrowed Liberation Sans or the nearest face.
#include "windowfont.h"

#include <QFontDatabase>

namespace velluna {

const WindowFace &windowFace()
{
    static const WindowFace face = [] {
        WindowFace f{{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")}};
        // The face itself, not a fontconfig alias for it: the families list
        // answers that without resolving aliases.
        f.narrowed = !QFontDatabase::families().contains(f.families.first(), Qt::CaseInsensitive);
        return f;
    }();
    return face;
}

QByteArray windowFacePlatform()
{
    return {};
}

} // namespace velluna
