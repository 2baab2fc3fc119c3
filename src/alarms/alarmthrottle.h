// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmmonitor.h"
#include "platform/clock.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <chrono>
#include <optional>

namespace Brolant {

// Lets the changes of each alarm through to the command, the desktop and the broker at most once
// per quiet period, so an alarm flapping across its threshold does not start a process, a
// notification and a message for every frame. A change kept back is let through at the end of
// the period when the alarm still stands that way, so whoever listens always ends on the truth.
class AlarmThrottle final : public QObject
{
    Q_OBJECT

public:
    // Ten seconds: the default Delay, so with the default settings nothing is ever kept back,
    // while a flapping alarm with no delay still starts its command at most six times a minute,
    // which a relay, a mail server and a person reading notifications can all bear.
    static constexpr std::chrono::seconds kQuietPeriod{10};

    explicit AlarmThrottle(const Clock &clock, QObject *parent = nullptr);

    void offer(const AlarmChange &change);
    // Lets every pending change through now, quiet period or not: the program ends, and
    // whoever listens must not be left on a state that no longer stands.
    void passPending();

signals:
    void passed(const AlarmChange &change);

private:
    struct Slot
    {
        std::optional<MonotonicTime> lastPassed;
        bool passedRaised = false;
        std::optional<AlarmChange> pending;
    };
    // By value: the change may be the pending one, which passing resets.
    void pass(AlarmChange change);
    void releasePending();
    bool quietSince(const Slot &slot, MonotonicTime now) const;

    const Clock &m_clock;
    std::array<Slot, kAlarmKinds> m_slots{};
    QTimer m_releaseCheck;
};

} // namespace Brolant
