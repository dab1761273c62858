// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures, pointers and icon that the program carries, loaded by the
// identifiers the window knows them by.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <optional>

namespace velluna::res {

// Bitmap "1".."9", "101".."109" or "LINEA". Where the screen is dense, the picture
// drawn at twice the size is returned instead, marked as such, so it takes
// the same room and stays sharp.
QPixmap bitmap(const QString &name);

// Cursor 101 (pointing hand) or 102 (arrow with question mark), with the hot
// spot its file records.
QCursor cursor(int id);

// The hot spot recorded in a Windows cursor file, if it is one.
std::optional<QPoint> cursorHotSpot(const QByteArray &curFile);

QIcon icon();

} // namespace velluna::res
