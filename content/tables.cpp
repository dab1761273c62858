// SPDX-License-Identifier: GPL-3.0-or-later
// The month phrases and the medical milestones, used exactly as written.
#include "texts.h"

#include <array>

namespace velluna::content {

QString monthPhrase(int month)
{
    static const std::array<const char16_t *, 9> phrases{
        u"Concepimento e annidamento.",
        u"Inizia il battito cardiaco. Testa e arti si abbozzano.",
        u"E' lungo solo 10cm ma il sesso è già determinato.",
        u"Si mette il pollice in bocca.",
        u"Si percepiscono i primi movimenti.",
        u"Supera i 30cm e pesa circa 700gr.",
        u"Percepisce rumori esterni e si gira a testa in giù.",
        u"Distingue la luce dal buio.",
        u"Ha meno spazio, ma continua a muoversi fino al parto.",
    };
    if (month < 1 || month > 9)
        return {};
    return QString::fromUtf16(phrases[month - 1]);
}

QString milestone(int week)
{
    struct Range
    {
        int last;
        const char16_t *text;
    };
    // Consecutive ranges of milestone weeks, each ending at `last`.
    static const std::array<Range, 8> ranges{{
        {4, u"Nessuno"},
        {10, u"Primi esami e prima visita."},
        {17, u"Eventuale diagnosi prenatale,"},
        {22, u"Ecografia morfologica."},
        {31, u"Scelta luogo parto e corso pre-parto."},
        {36, u"Inizio astensione dal lavoro."},
        {39, u"Esami pre-parto."},
        {41, u"Probabile parto."},
    }};
    if (week < 0)
        return {};
    for (const Range &r : ranges) {
        if (week <= r.last)
            return QString::fromUtf16(r.text);
    }
    return {};
}

} // namespace velluna::content
