// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthdetail.h"

#include "texts.h"

namespace velluna::content {

int monthFromCaption(QStringView caption)
{
    if (caption.isEmpty())
        return 0;
    const QChar c = caption.front();
    return c >= u'1' && c <= u'9' ? c.unicode() - u'0' : 0;
}

QString monthDetailText(int month)
{
    const QStringList paragraphs = monthParagraphs(month);
    if (paragraphs.isEmpty())
        return {};
    QString text = paragraphs.join(u'\r');
    if (month == 1) {
        // The first month's page ends lower, so the source sits on two
        // indented lines.
        text += QStringLiteral("\r\r") + QString(13, u' ') + attributionLeadIn();
        text += u'\r' + QString(16, u' ') + attributionWebsite();
    } else {
        // The fifth month's text is the longest; it skips the empty line.
        text += month == 5 ? QStringLiteral("\r") : QStringLiteral("\r\r");
        text += attributionLeadIn() + u' ' + attributionWebsite();
    }
    return text;
}

QString monthPictureName(int month)
{
    return QStringLiteral("Il bambino al %1° mese").arg(month);
}

PicturePlace detailPicturePlace(int month)
{
    if (month == 1)
        return PicturePlace::Small;
    if (month == 2 || month == 3)
        return PicturePlace::Wide;
    return PicturePlace::Unchanged;
}

} // namespace velluna::content
