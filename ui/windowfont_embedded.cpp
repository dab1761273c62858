// SPDX-License-Identifier: GPL-3.0-or-later
// The window's face carried in the executable: Liberation Sans, regular and
// bold, with the metrics of the face the Linux window uses. Windows' own
// MS Sans Serif is a bitmap font with a few sizes only, which sets the
// window's 11-pixel text in its 16-pixel size and cuts it everywhere.
#include "windowfont.h"

#include <QFontDatabase>

namespace velluna {

const WindowFace &windowFace()
{
    static const WindowFace face = [] {
        WindowFace f;
        for (const char *file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
            f.families +=
                QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(file)));
        f.families.removeDuplicates();
        f.families << QStringLiteral("Arial");
        return f;
    }();
    return face;
}

} // namespace velluna
