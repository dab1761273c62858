// SPDX-License-Identifier: GPL-3.0-or-later
#include "leadingnumber.h"

#include <cstdlib>
#include <string>

namespace velluna {

namespace {

struct Parts
{
    bool negative = false;
    QString whole;    // digits before the point, possibly empty
    QString fraction; // digits after the point, possibly empty
};

bool skipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool asciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

Parts split(QStringView text)
{
    Parts p;
    enum { Sign, Whole, Fraction } state = Sign;
    for (const QChar c : text) {
        if (skipped(c))
            continue;
        if (state == Sign) {
            state = Whole;
            if (c == u'+' || c == u'-') {
                p.negative = c == u'-';
                continue;
            }
        }
        if (asciiDigit(c)) {
            (state == Whole ? p.whole : p.fraction).append(c);
        } else if (c == u'.' && state == Whole) {
            state = Fraction;
        } else {
            break;
        }
    }
    return p;
}

} // namespace

double leadingNumber(QStringView text)
{
    const Parts p = split(text);
    if (p.whole.isEmpty() && p.fraction.isEmpty())
        return 0.0;
    std::string s = p.negative ? "-" : "";
    s += p.whole.isEmpty() ? std::string("0") : p.whole.toStdString();
    if (!p.fraction.isEmpty()) {
        s += '.';
        s += p.fraction.toStdString();
    }
    return std::strtod(s.c_str(), nullptr);
}

QString leadingNumberText(QStringView text)
{
    Parts p = split(text);
    qsizetype firstNonZero = 0;
    while (firstNonZero < p.whole.size() && p.whole.at(firstNonZero) == u'0')
        ++firstNonZero;
    QString whole = p.whole.mid(firstNonZero);
    while (!p.fraction.isEmpty() && p.fraction.endsWith(u'0'))
        p.fraction.chop(1);
    if (whole.isEmpty() && p.fraction.isEmpty())
        return QStringLiteral("0");
    QString out = p.negative ? QStringLiteral("-") : QString();
    out += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!p.fraction.isEmpty())
        out += u'.' + p.fraction;
    return out;
}

} // namespace velluna
