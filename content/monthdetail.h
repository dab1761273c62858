// SPDX-License-Identifier: GPL-3.0-or-later
// The month detail page: which month a month caption names, the text shown
// for it, and where its picture goes.
#pragma once

#include <QString>
#include <QStringView>

namespace velluna::content {

// The month named by the first character of a month caption ("5° Mese"),
// 1 to 9, or 0 when that character is no digit from 1 to 9.
int monthFromCaption(QStringView caption);

// The paragraphs of month 1..9 joined by carriage returns, followed by the
// attribution laid out as that month wants it.
QString monthDetailText(int month);

// What a screen reader says of the month's picture: "Il bambino al 4° mese".
QString monthPictureName(int month);

// Where the page puts its picture: the first month's is smaller and lower,
// the second's and third's fill the page's width, and the other months leave
// it wherever the last one put it.
enum class PicturePlace { Unchanged, Small, Wide };
PicturePlace detailPicturePlace(int month);

} // namespace velluna::content
