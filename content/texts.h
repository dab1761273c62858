// SPDX-License-Identifier: GPL-3.0-or-later
// The program's fixed Italian texts, looked up by the calculation and the
// month detail viewer. Everything here is plain data over QtCore.
#pragma once

#include <QString>
#include <QStringList>

namespace velluna::content {

// Development text for the elapsed week, shown as the tooltip of the week
// label. Defined for weeks 4 to 40; any other week gives an empty text.
QString weekText(int weeks);

// Short phrase for the month of pregnancy 1 to 9; empty otherwise.
QString monthPhrase(int month);

// Medical milestone for a milestone week 0 to 41; empty otherwise.
QString milestone(int milestoneWeek);

// The four advice paragraphs of trimester 1 to 3, each starting "1) " to
// "4) "; an empty list for any other trimester.
QStringList adviceParagraphs(int trimester);

// The advice paragraphs joined by single carriage returns, as the advice
// label shows them.
QString adviceText(int trimester);

// The paragraphs that describe the baby's development in month 1 to 9, in
// reading order; an empty list for any other month.
QStringList monthParagraphs(int month);

// The attribution that closes every month description: a lead-in phrase and
// the address of the public-health site where the reader can learn more.
QString attributionLeadIn();
QString attributionWebsite();

} // namespace velluna::content
