// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/localday.h"

#include <QDateTime>

#include <algorithm>

namespace Brolant {

LocalDay::LocalDay(const QDate &date)
{
    const QDateTime start(date, QTime(0, 0));
    const QDateTime end(date.addDays(1), QTime(0, 0));
    m_length = int(start.secsTo(end));
    m_shift = end.offsetFromUtc() - start.offsetFromUtc();
    if (m_shift == 0)
        return;
    // The one second of the day at which the clock moved: the first whose offset is the new one.
    int before = 0;
    int after = m_length;
    while (after - before > 1) {
        const int middle = (before + after) / 2;
        (start.addSecs(middle).offsetFromUtc() == start.offsetFromUtc() ? before : after) = middle;
    }
    m_changeAt = after;
}

int LocalDay::secondOf(int clockSecond, bool repeated) const
{
    // Until the change the clock reads the seconds since midnight; after it, it is off by the shift.
    if (m_shift == 0 || (clockSecond < m_changeAt && !(repeated && clockSecond >= m_changeAt + m_shift)))
        return clockSecond;
    return std::clamp(clockSecond - m_shift, m_changeAt, m_length - 1);
}

} // namespace Brolant
