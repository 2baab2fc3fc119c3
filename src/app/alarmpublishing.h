#pragma once

namespace Brolant {

class AlarmService;
class MqttPublisher;

// Publishes every alarm that is on as T/S/alarm/<name>, with its discovery, from now on: the
// alarms and the publisher know nothing of each other, so whoever builds both joins them here.
void publishAlarms(AlarmService &alarms, MqttPublisher &publisher);

} // namespace Brolant
