// Fuzzes the core's reading of the four list texts and everything that
// follows from an accepted date and cycle, under the sanitizers. The input is
// the day, month, year and cycle texts parted by 0xFF bytes (never found in
// UTF-8); a fifth part moves "today" by its leading number of days.
#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <cmath>
#include <cstdlib>

using namespace velluna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QString> t;
    for (const QByteArray &part : QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\xff'))
        t << QString::fromUtf8(part);
    t.resize(5);
    const double shift = std::abs(leadingNumber(t[4]));
    const QDate today = QDate(2026, 12, 6).addDays(std::isfinite(shift) ? qint64(std::fmod(shift, 30000.0)) : 0);
    // Written back, a number reads the same: the year list takes its own text.
    for (const QString &text : t) {
        if (leadingNumberText(leadingNumberText(text)) != leadingNumberText(text))
            abort();
    }
    const double year = leadingNumber(t[2]);
    const int days = daysForMonthText(t[1], monthLengths(year));
    if (days < 28 || days > 31 || dayItems(days).size() != days || keptDayText(t[0], days).isNull() != t[0].isNull())
        abort();
    const auto date = calendarDate(t[0], t[1], t[2]);
    const bool accepted =
        date && *date < today && year >= today.year() - 1 && year <= today.year() && leadingNumber(t[1]) <= 12;
    if (lmpAccepted(t[0], t[1], t[2], today) != accepted)
        abort();
    if (!accepted || !cycleAccepted(t[3]))
        return 0;
    const int diff = cycleDifference(t[3]);
    const QDate adjusted = date->addDays(diff);
    const Status s = computeStatus(adjusted, diff, today);
    const bool weeks = s.futureStop || (s.weeks * 7 + s.rest == s.days && s.rest >= 0 && s.rest < 7);
    const bool month = s.futureStop || (s.month >= 1 && s.month <= 9 && s.trimester == (s.month + 2) / 3);
    const Progress p = computeProgress(s.futureStop ? 1 : s.days, kGiorniTotali);
    if (diff < -6 || diff > 17 || s.days != adjusted.daysTo(today) || !weeks || !month || p.percent > 100 ||
        adjusted.addDays(kBirthOffsets[2]).dayOfWeek() != adjusted.dayOfWeek())
        abort();
    return 0;
}
