// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/alarmfeed.h"

#include "alarms/alarmservice.h"
#include "publishing/alarmpublishing.h"

namespace Brolant {

QList<MqttAlarm> alarmsAtBroker(AlarmService &alarms)
{
    QList<MqttAlarm> published;
    for (int kind = 0; kind < kAlarmKinds; ++kind) {
        const AlarmDefinition &definition = alarmDefinition(AlarmKind(kind));
        const bool on = alarms.settings().isOn(AlarmKind(kind));
        // With the state now, so a state the broker kept from an earlier run does not linger:
        // also for an alarm switched off since, whose "cleared" may not have reached it.
        const bool stateKnown = on || alarms.hasLogged(AlarmKind(kind));
        published.append({definition.name, definition.batteryLow, on,
                          stateKnown ? std::optional(alarms.monitor().isRaised(AlarmKind(kind))) : std::nullopt});
    }
    return published;
}

void feedAlarms(AlarmService &alarms, AlarmPublishing &publishing)
{
    QObject::connect(&alarms, &AlarmService::settingsChanged, &publishing, &AlarmPublishing::settingsChanged);
    QObject::connect(&alarms, &AlarmService::announced, &publishing, [&publishing](const AlarmChange &change) {
        publishing.alarmChanged(change.definition().name, change.raised);
    });
}

} // namespace Brolant
