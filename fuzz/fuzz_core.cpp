// Fuzzes the core's reading of the four list texts and everything that
// follows from an accepted pair of date and cycle. The input is the day,
// month, year and cycle texts parted by 0xFF bytes; an optional fifth part
// moves "today" (its leading number of days after 1 January 1990, modulo
// about a century), otherwise today is 6 December 2026.
#include "check.h"

#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "input/datecheck.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

using namespace velluna;
using namespace Qt::StringLiterals;

namespace {

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

bool matches(const char *pattern, const QString &s)
{
    static QHash<const char *, QRegularExpression> compiled; // by the pattern's address
    if (!compiled.contains(pattern))
        compiled.insert(pattern, QRegularExpression(QString::fromUtf8(pattern)));
    return compiled[pattern].match(s).hasMatch();
}

void checkNumberReading(const QString &t)
{
    const double n = leadingNumber(t);
    const QString s = leadingNumberText(t);
    VELLUNA_CHECK(!std::isnan(n) && matches("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$", s) && s != u"-0", t, s);
    // The year list gets the written form back as its text, so reading it
    // again must change nothing.
    VELLUNA_CHECK(leadingNumberText(s) == s && leadingNumber(s) == n, t, s);
    if (const auto v = calendarNumber(t)) {
        // Digits at both ends: no blank around the number to skip.
        VELLUNA_CHECK(*v >= 0 && *v <= 999999999 && (!t.front().isDigit() || !t.back().isDigit() || n == *v), t);
    }
}

void checkProgress(int giorniPassati)
{
    const Progress p = computeProgress(giorniPassati, kGiorniTotali, kItalian);
    const QString n = QString::number(giorniPassati);
    VELLUNA_CHECK(p.percent <= 100.0 && matches("^-?(0|[1-9][0-9]*)(,[0-9]?[1-9])?%$", p.caption), n, p.caption);
    VELLUNA_CHECK(std::abs(kItalian.toDouble(p.caption.chopped(1)) - p.percent) < 1e-9 &&
                      p.maskLeftTwips == static_cast<float>(p.percent) * static_cast<float>(kPassoPerc),
                  n, p.caption);
    VELLUNA_CHECK(matches("^Mancano: -?[0-9]+ (giorno|giorni)(\\.|, ovvero: [0-9]+ (settimana|settimane)(\\.| e [1-6] "
                          "(giorno|giorni)\\.))$",
                          p.countdown) &&
                      p.countdown.startsWith(u"Mancano: "_s + QString::number(kGiorniTotali - giorniPassati) + u' '),
                  n, p.countdown);
}

void checkCalculation(QDate lmp, const QString &cycle, QDate today)
{
    const int diff = cycleDifference(cycle);
    const QDate adjusted = lmp.addDays(diff);
    for (const int offset : kBirthOffsets) {
        const QDate b = adjusted.addDays(offset);
        VELLUNA_CHECK(longDate(b) == kItalian.toString(b, QStringLiteral("dddd d MMMM yyyy")), longDate(b));
        // One day short of whole weeks: the weekday before the adjusted date's.
        VELLUNA_CHECK(b.dayOfWeek() % 7 + 1 == adjusted.dayOfWeek(), cycle);
    }
    const Status s = computeStatus(adjusted, diff, today);
    const QString ctx = lmp.toString(Qt::ISODate) + u" cycle "_s + cycle + u" today "_s + today.toString(Qt::ISODate);
    // Weeks round down while the rest keeps the sign of the days; only a
    // cycle above 28 can move the adjusted date past today.
    VELLUNA_CHECK(diff >= -6 && diff <= 17 && s.days == adjusted.daysTo(today) && s.days >= 1 - diff, ctx);
    VELLUNA_CHECK(s.weeks == std::floor(s.days / 7.0) && (s.rest < 0 || s.weeks * 7 + s.rest == s.days), ctx);
    VELLUNA_CHECK(s.rest > -7 && s.rest < 7 && (s.rest < 0) == s.futureStop && s.futureStop == (s.days % 7 < 0), ctx);
    if (s.futureStop)
        return checkProgress(1); // the start-up value stays
    VELLUNA_CHECK(matches("^(-?[0-9]+ (settimana|settimane) e [0-6] giorni|1 giorno|[02-6] giorni\\.)$", s.weekCaption),
                  ctx, s.weekCaption);
    VELLUNA_CHECK(s.weekMarked == (s.weeks > 3) && (s.weekMarked == !s.weekTooltip.isEmpty() || s.weeks > 40), ctx);
    VELLUNA_CHECK(s.elapsed == lmp.daysTo(today) && s.elapsed >= 1 && s.month >= 1 && s.month <= 9, ctx);
    VELLUNA_CHECK(s.finalMonth == (s.elapsed >= 274) && s.pictureMonth == (s.finalMonth ? 0 : s.month), ctx);
    VELLUNA_CHECK(s.trimester == (s.month + 2) / 3 && !s.monthPhrase.isEmpty(), ctx);
    VELLUNA_CHECK(s.monthCaption == QString::number(s.month) + (s.finalMonth ? u"° Mese Finale"_s : u"° Mese"_s), ctx);
    VELLUNA_CHECK(s.milestoneWeek == (s.elapsed + 7) / 7 && s.milestoneStop == (s.milestoneWeek >= 42), ctx);
    VELLUNA_CHECK(s.milestoneStop || (!s.milestone.isEmpty() && !s.advice.isEmpty()), ctx);
    checkProgress(s.days);
}

QDate todayFrom(const QString &text)
{
    const double n = std::abs(leadingNumber(text));
    return text.isEmpty()
               ? QDate(2026, 12, 6)
               : QDate(1990, 1, 1).addDays(std::isfinite(n) ? static_cast<qint64>(std::fmod(n, 40000.0)) : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QString> t = fuzz::splitTexts(data, size, 5);
    const QString &day = t[0], &month = t[1], &year = t[2], &cycle = t[3];
    const QDate today = todayFrom(t[4]);
    const double y = leadingNumber(year);
    for (const QString &text : t)
        checkNumberReading(text);
    const auto lengths = monthLengths(y);
    VELLUNA_CHECK(std::all_of(lengths.begin() + 1, lengths.end(), [](int n) { return n >= 28 && n <= 31; }), year);
    if (y >= 1 && y <= 9999 && y == std::floor(y))
        VELLUNA_CHECK(lengths[2] == (QDate::isLeapYear(static_cast<int>(y)) ? 29 : 28), year);
    const int days = daysForMonthText(month, lengths);
    const QString kept = keptDayText(day, days);
    VELLUNA_CHECK(days >= 28 && days <= 31 && dayItems(days).size() == days, month);
    VELLUNA_CHECK(kept == day || (kept == QString::number(days) && leadingNumber(day) > days), day, kept);
    const auto date = calendarDate(day, month, year);
    VELLUNA_CHECK(!date || (date->isValid() && date->day() == calendarNumber(day) &&
                            date->month() == calendarNumber(month) && date->year() == calendarNumber(year)),
                  day, month, year);
    VELLUNA_CHECK(cycleAccepted(cycle) == (leadingNumber(cycle) >= 22 && leadingNumber(cycle) <= 45), cycle);
    const bool accepted =
        date && *date < today && y >= today.year() - 1 && y <= today.year() && leadingNumber(month) <= 12;
    VELLUNA_CHECK(lmpAccepted(day, month, year, today) == accepted, day, month, year, today.toString(Qt::ISODate));
    // The year rule reads the year text's leading number, the calendar
    // check the whole text: both must name the same year. The month needs
    // only to stay in range (a month text of "\r3" is month 3 by the
    // calendar check and 0 by its leading number).
    VELLUNA_CHECK(!accepted || (date->year() == y && date->month() >= 1 && date->month() <= 12), day, month, year);
    if (accepted && cycleAccepted(cycle))
        checkCalculation(*date, cycle, today);
    return 0;
}
