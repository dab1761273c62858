// SPDX-License-Identifier: GPL-3.0-or-later
// The month pictures and the month detail page: which month a month caption
// names, the page's text, and its picture with where that goes.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace velluna::content {

// A picture named by its bitmap resource ("5", "105"), with what a screen
// reader says of it.
struct Picture
{
    QString resource;
    QString description;
    bool operator==(const Picture &) const = default;
};

// The thumbnail of month 1..9, also shown enlarged; nothing for any other
// month, which leaves whatever picture is shown in place.
std::optional<Picture> monthPicture(int month);

// The month named by the first character of a month caption ("5° Mese"),
// 1 to 9, or 0 when that character is no digit from 1 to 9.
int monthFromCaption(QStringView caption);

// The paragraphs of month 1..9 joined by carriage returns, followed by the
// attribution laid out as that month wants it.
QString monthDetailText(int month);

// Where the page puts its picture: the first month's is smaller and lower,
// the second's and third's fill the page's width, and the other months leave
// it wherever the last one put it.
enum class PicturePlace { Unchanged, Small, Wide };

// What a click on the month phrase does. The page opens for the month that
// the month caption names; its picture follows the current month, and an
// empty field leaves what the page held.
struct MonthPage
{
    std::optional<QString> text; // set when the page opens
    PicturePlace place = PicturePlace::Unchanged;
    std::optional<Picture> picture;
};
MonthPage monthPage(QStringView monthCaption, int currentMonth);

} // namespace velluna::content
