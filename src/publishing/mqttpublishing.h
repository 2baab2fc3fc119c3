// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/brokerstate.h"
#include "publishing/mqttpublisher.h"
#include "publishing/mqttsettings.h"

#include <QObject>

#include <memory>
#include <optional>

namespace Brolant {

class LoggerSession;
class ProblemLog;

// Publishing as mqtt.cfg sets it: a publisher while the file switches publishing on, nothing while
// it does not; a file that cannot be used starts nothing and reports why. A change of the file
// (given by the settings store) applies at once: the publisher at work ends in order and one
// with the new settings (or none) replaces it.
class MqttPublishing : public QObject
{
    Q_OBJECT

public:
    MqttPublishing(const LoggerSession &session, ProblemLog &problems, QObject *parent = nullptr);

    // Starts publishing when mqtt.cfg, as in `reading`, switches it on.
    void start(const SettingsFileReading<MqttSettings> &reading);
    // mqtt.cfg changed (saved or edited).
    void apply(const SettingsFileReading<MqttSettings> &reading);
    // The publisher at work; nothing while publishing is off.
    MqttPublisher *publisher() const { return m_publisher.get(); }
    // Disconnects from the broker; the queue stays on disk for the next run.
    void end();

signals:
    // A publisher starts: whoever publishes through it joins it now (again after each change).
    void started(MqttPublisher &publisher);
    void stateChanged(const BrokerState &state);

private:
    void startWith(const SettingsFileReading<MqttSettings> &wanted);
    // With publishing off, a queue left open by a killed publisher is made good and closed.
    void closeQueueLeftOpen();

    const LoggerSession &m_session;
    ProblemLog &m_problems;
    std::unique_ptr<MqttPublisher> m_publisher;
    std::optional<SettingsFileReading<MqttSettings>> m_applied; // nothing before start() and after end()
};

} // namespace Brolant
