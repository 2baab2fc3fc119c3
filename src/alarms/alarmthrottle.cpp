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
    connect(&m_releaseCheck, &QTimer::timeout, this, &AlarmThrottle::releaseHeld);
}

void AlarmThrottle::offer(const AlarmChange &change)
{
    Slot &slot = m_slots[size_t(change.kind)];
    // Back where it was last said to be, after changes held back: nothing new to say, whether the
    // period is over or not (a second "raised" would start the command and notify again).
    if (slot.lastPassed && change.raised == slot.passedRaised) {
        slot.held.reset();
        return;
    }
    if (quietSince(slot, m_clock.monotonic())) {
        pass(change);
        return;
    }
    slot.held = change;
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
    slot.held.reset();
    emit passed(change);
}

void AlarmThrottle::passHeld()
{
    m_releaseCheck.stop();
    for (const Slot &slot : m_slots)
        if (slot.held)
            pass(*slot.held);
}

void AlarmThrottle::releaseHeld()
{
    const MonotonicTime now = m_clock.monotonic();
    bool stillHolding = false;
    for (Slot &slot : m_slots) {
        if (!slot.held)
            continue;
        if (quietSince(slot, now))
            pass(*slot.held);
        else
            stillHolding = true;
    }
    if (!stillHolding)
        m_releaseCheck.stop();
}

} // namespace Brolant
