// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/alarmpublishing.h"

#include "publishing/mqttpublisher.h"

namespace Brolant {

AlarmPublishing::AlarmPublishing(AlarmsNow alarmsNow, QObject *parent)
    : QObject(parent), m_alarmsNow(std::move(alarmsNow))
{
}

void AlarmPublishing::publishTo(MqttPublisher &publisher)
{
    m_publisher = &publisher;
    settingsChanged();
}

void AlarmPublishing::settingsChanged()
{
    if (m_publisher)
        m_publisher->setAlarms(m_alarmsNow());
}

void AlarmPublishing::alarmChanged(const QString &name, bool raised)
{
    if (m_publisher)
        m_publisher->alarmChanged(name, raised);
}

} // namespace Brolant
