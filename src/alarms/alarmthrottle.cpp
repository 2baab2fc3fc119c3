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

void AlarmThrottle::pass(const AlarmChange &change)
{
    Slot &slot = m_slots[size_t(change.kind)];
    slot.lastPassed = m_clock.monotonic();
    slot.passedRaised = change.raised;
    slot.held.reset();
    emit passed(change);
}

void AlarmThrottle::releaseHeld()
{
    const MonotonicTime now = m_clock.monotonic();
    bool stillHolding = false;
    for (Slot &slot : m_slots) {
        if (!slot.held)
            continue;
        if (!quietSince(slot, now)) {
            stillHolding = true;
            continue;
        }
        // Back where it was last said to be: nothing new to say.
        if (slot.held->raised == slot.passedRaised)
            slot.held.reset();
        else
            pass(*slot.held);
    }
    if (!stillHolding)
        m_releaseCheck.stop();
}

} // namespace Brolant
