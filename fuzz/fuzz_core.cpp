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

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

using namespace velluna;

namespace {

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

bool matches(const QRegularExpression &re, const QString &s)
{
    return re.match(s).hasMatch();
}

void checkNumberReading(const QString &t)
{
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    const double n = leadingNumber(t);
    const QString s = leadingNumberText(t);
    VELLUNA_CHECK(!std::isnan(n), t);
    VELLUNA_CHECK(matches(plain, s) && s != u"-0", t, s);
    // The year list gets the written form back as its text, so reading it
    // again must change nothing.
    VELLUNA_CHECK(leadingNumberText(s) == s, t, s);
    VELLUNA_CHECK(leadingNumber(s) == n, t, s);

    if (const auto v = calendarNumber(t)) {
        VELLUNA_CHECK(*v >= 0 && *v <= 999999999, t);
        const bool bare = !t.isEmpty() && t.front().isDigit() && t.back().isDigit();
        VELLUNA_CHECK(!bare || leadingNumber(t) == *v, t);
    }
}

void checkDayList(const QString &day, const QString &month, const QString &year)
{
    const double y = leadingNumber(year);
    const auto lengths = monthLengths(y);
    for (int m = 1; m <= 12; ++m)
        VELLUNA_CHECK(lengths[m] >= 28 && lengths[m] <= 31, year);
    if (y >= 1 && y <= 9999 && y == std::floor(y))
        VELLUNA_CHECK(lengths[2] == (QDate::isLeapYear(static_cast<int>(y)) ? 29 : 28), year);
    const int days = daysForMonthText(month, lengths);
    VELLUNA_CHECK(days >= 28 && days <= 31, month);
    const QString kept = keptDayText(day, days);
    VELLUNA_CHECK(kept == day || (kept == QString::number(days) && leadingNumber(day) > days), day, kept);
    VELLUNA_CHECK(dayItems(days).size() == days);
}

void checkLongDate(const QString &text, QDate date)
{
    static const QRegularExpression re(QStringLiteral(
        "^(lunedì|martedì|mercoledì|giovedì|venerdì|sabato|domenica) ([1-9]|[12][0-9]|3[01]) "
        "(gennaio|febbraio|marzo|aprile|maggio|giugno|luglio|agosto|settembre|ottobre|novembre|dicembre) "
        "[0-9]{4}$"));
    VELLUNA_CHECK(matches(re, text), text);
    VELLUNA_CHECK(text.section(u' ', 1, 1) == QString::number(date.day()), text);
    VELLUNA_CHECK(text.section(u' ', 3, 3) == QString::number(date.year()), text);
}

void checkProgress(int giorniPassati)
{
    static const QRegularExpression caption(QStringLiteral("^-?(0|[1-9][0-9]*)(,[0-9]?[1-9])?%$"));
    static const QRegularExpression countdown(
        QStringLiteral("^Mancano: -?[0-9]+ (giorno|giorni)(\\.|, ovvero: [0-9]+ (settimana|settimane)(\\.| e [1-6] "
                       "(giorno|giorni)\\.))$"));
    const Progress p = computeProgress(giorniPassati, kGiorniTotali, kItalian);
    const QString n = QString::number(giorniPassati);
    VELLUNA_CHECK(p.percent <= 100.0, n);
    VELLUNA_CHECK(matches(caption, p.caption), n, p.caption);
    VELLUNA_CHECK(std::abs(kItalian.toDouble(p.caption.chopped(1)) - p.percent) < 1e-9, n, p.caption);
    VELLUNA_CHECK(p.maskLeftTwips == static_cast<float>(p.percent) * static_cast<float>(kPassoPerc), n);
    VELLUNA_CHECK(matches(countdown, p.countdown), n, p.countdown);
    VELLUNA_CHECK(
        p.countdown.startsWith(QStringLiteral("Mancano: ") + QString::number(kGiorniTotali - giorniPassati) + u' '), n,
        p.countdown);
}

void checkCalculation(QDate lmp, const QString &cycle, QDate today)
{
    const int diff = cycleDifference(cycle);
    VELLUNA_CHECK(diff >= -6 && diff <= 17, cycle);
    const QDate adjusted = lmp.addDays(diff);

    const QDate births[] = {adjusted.addDays(kBirthOffsets[0]), adjusted.addDays(kBirthOffsets[1]),
                            adjusted.addDays(kBirthOffsets[2])};
    for (const QDate &b : births) {
        checkLongDate(longDate(b), b);
        // One day short of whole weeks: the weekday before the adjusted date's.
        VELLUNA_CHECK(b.dayOfWeek() % 7 + 1 == adjusted.dayOfWeek(), cycle);
    }

    const Status s = computeStatus(adjusted, diff, today);
    const QString ctx = lmp.toString(Qt::ISODate) + QStringLiteral(" cycle ") + cycle + QStringLiteral(" today ") +
                        today.toString(Qt::ISODate);
    VELLUNA_CHECK(s.days == adjusted.daysTo(today), ctx);
    // Weeks round down while the rest keeps the sign of the days, so the
    // two add up to the days only where the rest is not negative.
    VELLUNA_CHECK(s.weeks * 7 <= s.days && s.days < s.weeks * 7 + 7, ctx);
    VELLUNA_CHECK(s.rest > -7 && s.rest < 7 && (s.rest < 0) == (s.futureStop), ctx);
    VELLUNA_CHECK(s.rest < 0 || s.weeks * 7 + s.rest == s.days, ctx);
    VELLUNA_CHECK(s.futureStop == (s.days < 0 && s.days % 7 != 0), ctx);
    // Only a cycle above 28 can move the adjusted date past today.
    VELLUNA_CHECK(s.days >= 1 - diff, ctx);
    if (s.futureStop) {
        checkProgress(1); // the start-up value stays
        return;
    }
    static const QRegularExpression week(
        QStringLiteral("^(-?[0-9]+ (settimana|settimane) e [0-6] giorni|1 giorno|[02-6] giorni\\.)$"));
    VELLUNA_CHECK(matches(week, s.weekCaption), ctx, s.weekCaption);
    VELLUNA_CHECK(s.weekMarked == (s.weeks > 3), ctx);
    VELLUNA_CHECK((s.weekMarked == !s.weekTooltip.isEmpty()) || s.weeks > 40, ctx);
    VELLUNA_CHECK(s.weekCaption.contains(u" settimana e ") == (s.weeks == 1), ctx, s.weekCaption);

    VELLUNA_CHECK(s.elapsed == lmp.daysTo(today) && s.elapsed >= 1, ctx);
    VELLUNA_CHECK(s.month >= 1 && s.month <= 9, ctx);
    VELLUNA_CHECK(s.finalMonth == (s.elapsed >= 274), ctx);
    VELLUNA_CHECK(s.pictureMonth == (s.finalMonth ? 0 : s.month), ctx);
    VELLUNA_CHECK(s.trimester == (s.month + 2) / 3, ctx);
    VELLUNA_CHECK(s.trimesterCaption == QString::number(s.trimester) + QStringLiteral("° Trimestre"), ctx,
                  s.trimesterCaption);
    VELLUNA_CHECK(s.monthCaption == QString::number(s.month) + QStringLiteral("° Mese") +
                                        (s.finalMonth ? QStringLiteral(" Finale") : QString()),
                  ctx, s.monthCaption);
    VELLUNA_CHECK(!s.monthPhrase.isEmpty(), ctx);
    VELLUNA_CHECK(s.milestoneWeek == (s.elapsed + 7) / 7, ctx);
    VELLUNA_CHECK(s.milestoneStop == (s.milestoneWeek >= 42), ctx);
    VELLUNA_CHECK(s.milestoneStop || (!s.milestone.isEmpty() && !s.advice.isEmpty()), ctx);
    checkProgress(s.days);
}

QDate todayFrom(const QString &text)
{
    if (text.isEmpty())
        return QDate(2026, 12, 6);
    const double n = std::abs(leadingNumber(text));
    return QDate(1990, 1, 1).addDays(std::isfinite(n) ? static_cast<qint64>(std::fmod(n, 40000.0)) : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QString> t = fuzz::splitTexts(data, size, 5);
    const QString &day = t[0], &month = t[1], &year = t[2], &cycle = t[3];
    const QDate today = todayFrom(t[4]);

    for (const QString &text : t)
        checkNumberReading(text);
    checkDayList(day, month, year);

    const auto date = calendarDate(day, month, year);
    if (date) {
        VELLUNA_CHECK(date->isValid());
        VELLUNA_CHECK(date->day() == calendarNumber(day) && date->month() == calendarNumber(month) &&
                          date->year() == calendarNumber(year),
                      day, month, year);
    }

    const bool cycleOk = cycleAccepted(cycle);
    const double c = leadingNumber(cycle);
    VELLUNA_CHECK(cycleOk == (c >= 22 && c <= 45), cycle);

    const double y = leadingNumber(year);
    const bool expected =
        date && *date < today && y >= today.year() - 1 && y <= today.year() && leadingNumber(month) <= 12;
    const bool accepted = lmpAccepted(day, month, year, today);
    VELLUNA_CHECK(accepted == expected, day, month, year, today.toString(Qt::ISODate));
    if (accepted) {
        // The year rule reads the year text's leading number, the calendar
        // check the whole text: both must name the same year. The month
        // needs only to stay in range (a month text of "\r3" is month 3
        // by the calendar check and 0 by its leading number).
        VELLUNA_CHECK(date->year() == y && leadingNumber(month) <= 12, day, month, year);
        VELLUNA_CHECK(date->month() >= 1 && date->month() <= 12);
        VELLUNA_CHECK(date->year() == today.year() || date->year() == today.year() - 1);
        if (cycleOk)
            checkCalculation(*date, cycle, today);
    }
    return 0;
}
