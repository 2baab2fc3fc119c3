// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

namespace Brolant {

// A clock the test sets. Moving it forward lets time pass on both clocks; a wall clock changed
// by the user or a time server moves only the wall clock.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2010, 3, 7), QTime(14, 5, 30))) : m_now(std::move(now)) {}
    QDateTime now() const override { return m_now; }
    MonotonicTime monotonic() const override { return MonotonicTime(m_elapsed); }

    // Time passes up to `now` (a moment before the present is a wall clock set back).
    void set(const QDateTime &now)
    {
        m_elapsed += std::chrono::milliseconds(std::max<qint64>(0, m_now.msecsTo(now)));
        m_now = now;
    }
    void advance(qint64 milliseconds)
    {
        m_elapsed += std::chrono::milliseconds(milliseconds);
        m_now = m_now.addMSecs(milliseconds);
    }
    // The wall clock is changed; no time passes.
    void setWallClock(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
    std::chrono::milliseconds m_elapsed{0};
};

} // namespace Brolant
