// SPDX-License-Identifier: GPL-3.0-or-later
// The month detail page: which month a month caption names, the text shown
// for it, and where its picture goes.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace velluna::content {

// The month named by the first character of a month caption ("5° Mese"),
// 1 to 9, or 0 when that character is no digit from 1 to 9.
int monthFromCaption(QStringView caption);

// The paragraphs of month 1..9 joined by carriage returns, followed by the
// attribution laid out as that month wants it.
QString monthDetailText(int month);

// What a screen reader says of the month's picture: "Il bambino al 4° mese".
QString monthPictureName(int month);

struct TwipsRect
{
    int left, top, width, height;
};

// The picture's rectangle inside the page for months 1 to 3; the other
// months leave it wherever the last one put it.
std::optional<TwipsRect> detailPictureRect(int month);

} // namespace velluna::content
