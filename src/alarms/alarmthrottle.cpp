// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmthrottle.h"

namespace Brolant {

namespace {
// Checked on the monotonic clock, as often as silence is.
constexpr std::chrono::seconds kReleaseCheck{1};
} // namespace

AlarmThrottle::AlarmThrottle(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_releaseCheck.setInterval(kReleaseCheck);
    connect(&m_releaseCheck, &QTimer::timeout, this, &AlarmThrottle::releasePending);
}

void AlarmThrottle::offer(const AlarmChange &change)
{
    Slot &slot = m_slots[size_t(change.kind)];
    // Back where it was last reported to be, after changes kept back: nothing new to report, whether the
    // period is over or not (a second "raised" would start the command and notify again).
    if (slot.lastPassed && change.raised == slot.passedRaised) {
        slot.pending.reset();
        return;
    }
    if (quietSince(slot, m_clock.monotonic())) {
        pass(change);
        return;
    }
    slot.pending = change;
    m_releaseCheck.start();
}

bool AlarmThrottle::quietSince(const Slot &slot, MonotonicTime now) const
{
    return !slot.lastPassed || now - *slot.lastPassed >= kQuietPeriod;
}

void AlarmThrottle::pass(AlarmChange change)
{
    Slot &slot = m_slots[size_t(change.kind)];
    slot.lastPassed = m_clock.monotonic();
    slot.passedRaised = change.raised;
    slot.pending.reset();
    emit passed(change);
}

void AlarmThrottle::passPending()
{
    m_releaseCheck.stop();
    for (const Slot &slot : m_slots)
        if (slot.pending)
            pass(*slot.pending);
}

void AlarmThrottle::releasePending()
{
    const MonotonicTime now = m_clock.monotonic();
    bool stillPending = false;
    for (Slot &slot : m_slots) {
        if (!slot.pending)
            continue;
        if (quietSince(slot, now))
            pass(*slot.pending);
        else
            stillPending = true;
    }
    if (!stillPending)
        m_releaseCheck.stop();
}

} // namespace Brolant
