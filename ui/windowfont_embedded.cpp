// SPDX-License-Identifier: GPL-3.0-or-later
// The window's face carried in the executable: Velluna Sans, regular and
// bold, Liberation Sans 2 already narrowed as the Linux window narrows the
// Liberation Sans it takes from the system (the build makes it), drawn by
// Qt's own FreeType engine as on Linux. Windows' own MS Sans Serif is a
// bitmap font with a few sizes only, which sets the window's 11-pixel text
// in its 16-pixel size and cuts it everywhere. Windows' font engine (GDI)
// narrows a face only by whole pixels of its average character and sets
// lines on whole pixels, so the month pages would run under their pictures.
#include "windowfont.h"

#include <QFontDatabase>

namespace velluna {

const WindowFace &windowFace()
{
    static const WindowFace face = [] {
        WindowFace f;
        for (const char *file : {":/fonts/VellunaSans-Regular.ttf", ":/fonts/VellunaSans-Bold.ttf"})
            f.families +=
                QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(file)));
        f.families.removeDuplicates();
        f.families << QStringLiteral("Arial");
        f.narrowed = false;
        // Fitted to the pixel grid up and down only, as Linux does by
        // default: lines as high as the face's own line spacing.
        f.hinting = QFont::PreferVerticalHinting;
        return f;
    }();
    return face;
}

QByteArray windowFacePlatform()
{
    return QByteArrayLiteral("windows:fontengine=freetype");
}

} // namespace velluna
