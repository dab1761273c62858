// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthdetail.h"

#include "texts.h"

namespace velluna::content {

namespace {

std::optional<Picture> picture(int month, int firstResource)
{
    if (month < 1 || month > 9)
        return std::nullopt;
    return Picture{QString::number(firstResource + month - 1), QStringLiteral("Il bambino al %1° mese").arg(month)};
}

} // namespace

std::optional<Picture> monthPicture(int month)
{
    return picture(month, 1);
}

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

MonthPage monthPage(QStringView monthCaption, int currentMonth)
{
    MonthPage page;
    const int month = monthFromCaption(monthCaption);
    if (month != 0) {
        page.text = monthDetailText(month);
        if (month == 1)
            page.place = PicturePlace::Small;
        else if (month == 2 || month == 3)
            page.place = PicturePlace::Wide;
    }
    page.picture = picture(currentMonth, 101);
    return page;
}

} // namespace velluna::content
