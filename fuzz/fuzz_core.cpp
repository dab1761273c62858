// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the core's reading of the list texts and everything that follows
// from an accepted date and cycle, under the sanitizers. The input is the day,
// month, year and cycle (or embryo's age) texts and a text whose length picks
// the mode, parted by 0xFF bytes (never found in UTF-8).
#include "calc/pregnancy.h"
#include "input/confirmation.h"
#include "input/leadingnumber.h"
#include "input/lists.h"

#include <cstdlib>

using namespace velluna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QString> t;
    for (const QByteArray &part : QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\xff'))
        t << QString::fromUtf8(part);
    t.resize(5);
    // The year list gets the written number back as its text: reading it again
    // changes nothing. A day kept across a new month is as typed, or its end.
    const DayList list = dayList(t[0], t[1], t[2]);
    if (leadingNumberText(list.year) != list.year
        || (list.day != t[0] && list.day != QString::number(list.days.size())))
        abort();
    const QDate today(2026, 12, 6);
    Confirmation confirmation;
    confirmation.setMode(kModes[std::size_t(t[4].size()) % kModes.size()]);
    const EntryTexts texts{t[0], t[1], t[2], t[3], t[3]};
    Confirmation::Answer answer = confirmation.press(texts, today);
    if (!answer.calculate)
        answer = confirmation.press(texts, today);
    if (!answer.calculate)
        return 0;
    const Results d = Pregnancy().calculate(answer.lmp, answer.cycle, today);
    if (d.Text1.isEmpty() || d.Perce.isEmpty() || (d.Label7 && d.Label7->front() > u'9'))
        abort();
    return 0;
}
