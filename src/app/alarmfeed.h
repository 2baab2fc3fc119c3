// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/mqttmessages.h"

#include <QList>

namespace Brolant {

class AlarmPublishing;
class AlarmService;

// Every alarm as the broker receives it: its name, whether it is on, and its state now.
QList<MqttAlarm> alarmsAtBroker(AlarmService &alarms);
// From now on `publishing` receives each change of the alarms' settings and each announced change:
// the alarms and publishing know nothing of each other, so whoever builds both joins them here.
void feedAlarms(AlarmService &alarms, AlarmPublishing &publishing);

} // namespace Brolant
