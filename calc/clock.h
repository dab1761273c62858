// SPDX-License-Identifier: GPL-3.0-or-later
// The program's only view of time: today's date for the calculation and the
// date checks, and a monotonic millisecond count for the two-second waits.
// Tests replace it so that no result depends on the real date.
#pragma once

#include <QDate>
#include <QElapsedTimer>

namespace velluna {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Milliseconds from an arbitrary start; never goes back, ignores midnight
    // and changes of the wall clock.
    virtual qint64 elapsedMs() const = 0;
};

class SystemClock final : public Clock
{
public:
    SystemClock() { m_timer.start(); }
    QDate today() const override { return QDate::currentDate(); }
    qint64 elapsedMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace velluna
