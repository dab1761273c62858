// A clock the tests set: a fixed "today", and elapsed time that moves on by
// itself at each reading so that two-second waits end in a few ticks.
#pragma once

#include "calc/clock.h"

namespace velluna::test {

class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDate today = QDate(2026, 12, 6))
        : m_today(today)
    {
    }
    QDate today() const override { return m_today; }
    qint64 elapsedMs() const override { return m_elapsed += m_step; }

    void setToday(QDate d) { m_today = d; }
    void setStep(qint64 ms) { m_step = ms; }
    void advance(qint64 ms) { m_elapsed += ms; }

private:
    QDate m_today;
    mutable qint64 m_elapsed = 0;
    qint64 m_step = 250;
};

} // namespace velluna::test
