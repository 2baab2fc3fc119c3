// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/mqttmessages.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace Brolant {

class MqttPublisher;

// The alarms at the broker: every alarm that is on as T/S/alarm/<name>, with its discovery. It
// knows the alarms only as values, handed over by whoever builds both, so publishing needs
// nothing of the alarms' service.
class AlarmPublishing final : public QObject
{
    Q_OBJECT

public:
    // Every alarm with its state at the moment of asking.
    using AlarmsNow = std::function<QList<MqttAlarm>()>;

    explicit AlarmPublishing(AlarmsNow alarmsNow, QObject *parent = nullptr);

    // From now on the alarms go through `publisher`, which receives every alarm at once: the
    // publisher that replaced the last one after mqtt.cfg changed knows nothing of them yet.
    void publishTo(MqttPublisher &publisher);
    // The alarms' settings changed: every alarm is published anew.
    void settingsChanged();
    // An alarm was raised or cleared, as announced.
    void alarmChanged(const QString &name, bool raised);

private:
    AlarmsNow m_alarmsNow;
    QPointer<MqttPublisher> m_publisher; // nothing while publishing is off
};

} // namespace Brolant
