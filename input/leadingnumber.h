// SPDX-License-Identifier: GPL-3.0-or-later
// How every numeric check reads a list text: its leading decimal number.
#pragma once

#include <QString>
#include <QStringView>

namespace velluna {

// Blanks, tabs and line feeds anywhere in the text are skipped; then an
// optional sign, digits and an optional "." with further digits are read, up
// to the first other character. A text that does not start with a number
// gives 0: "28" gives 28, "30 giorni" 30, "" and "abc" 0. A number too large
// for a double gives an infinity, which every range check rejects.
double leadingNumber(QStringView text);

// The same number written back as plain decimal text, without leading zeros
// in the whole part or trailing zeros in the fraction: "2026x" gives "2026",
// "" gives "0". Exact for any length of text, since it never goes through a
// double.
QString leadingNumberText(QStringView text);

} // namespace velluna
