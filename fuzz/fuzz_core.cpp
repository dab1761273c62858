// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the core's reading of the list texts and everything that follows
// from an accepted date and cycle, under the sanitizers. The input is the day,
// month, year and cycle texts parted by 0xFF bytes (never found in UTF-8).
#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <cstdlib>

using namespace velluna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QString> t;
    for (const QByteArray &part : QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\xff'))
        t << QString::fromUtf8(part);
    t.resize(4);
    // The year list gets the written number back as its text: reading it again
    // changes nothing. A day kept across a new month is as typed, or its end.
    const int days = daysForMonthText(t[1], monthLengths(leadingNumber(t[2])));
    const QString kept = keptDayText(t[0], days);
    if (leadingNumberText(leadingNumberText(t[2])) != leadingNumberText(t[2]) ||
        (kept != t[0] && kept != QString::number(days)))
        abort();
    const QDate today(2026, 12, 6);
    if (!lmpAccepted(t[0], t[1], t[2], today) || !cycleAccepted(t[3]))
        return 0;
    const int diff = cycleDifference(t[3]);
    const Status s = computeStatus(calendarDate(t[0], t[1], t[2])->addDays(diff), diff, today);
    if ((!s.futureStop && (s.weeks * 7 + s.rest != s.days || s.month > 9)) ||
        computeProgress(s.days, 280).percent > 100)
        abort();
    return 0;
}
