// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

namespace Brolant {

// A day of the local clock as it passed: 23 hours long on the day the clocks go forward, 25 on
// the day they go back. Records carry the clock's time of day; here they find their place in
// the day's own seconds, so a trend neither gaps nor folds an hour at a clock change.
class LocalDay
{
public:
    explicit LocalDay(const QDate &date);

    // Seconds from this midnight to the next.
    int length() const { return m_length; }
    // The second of the day, from its midnight, at which the clock showed `clockSecond`. Where it
    // showed it twice (the hour repeated when the clocks go back), the later one when `repeated`;
    // a time the clock skipped stands at the change.
    int secondOf(int clockSecond, bool repeated) const;

private:
    int m_length;
    int m_changeAt = 0; // seconds from midnight to the change of the clock
    int m_shift = 0;    // how far the clock moved then: forward above 0, back below
};

} // namespace Brolant
