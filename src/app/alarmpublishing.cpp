#include "app/alarmpublishing.h"

#include "alarms/alarmservice.h"
#include "publishing/mqttpublisher.h"

namespace Brolant {

void publishAlarms(AlarmService &alarms, MqttPublisher &publisher)
{
    const auto publishAll = [&alarms, &publisher] {
        QList<MqttAlarm> published;
        for (int kind = 0; kind < kAlarmKinds; ++kind) {
            const AlarmDefinition &definition = alarmDefinition(AlarmKind(kind));
            const bool on = alarms.settings().isOn(AlarmKind(kind));
            // With the state now, so a state the broker kept from an earlier run does not linger:
            // also for an alarm switched off since, whose "cleared" may not have reached it.
            const bool stateKnown = on || alarms.hasSaid(AlarmKind(kind));
            published.append({definition.name, definition.batteryLow, on,
                              stateKnown ? std::optional(alarms.monitor().isRaised(AlarmKind(kind))) : std::nullopt});
        }
        publisher.setAlarms(published);
    };
    publishAll();
    QObject::connect(&alarms, &AlarmService::settingsChanged, &publisher, publishAll);
    QObject::connect(&alarms, &AlarmService::announced, &publisher, [&publisher](const AlarmChange &change) {
        publisher.alarmChanged(change.definition().name, change.raised);
    });
}

} // namespace Brolant
