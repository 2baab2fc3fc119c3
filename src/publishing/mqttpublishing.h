#pragma once

#include "publishing/brokerstate.h"
#include "publishing/mqttpublisher.h"

#include <QObject>

#include <memory>
#include <optional>

namespace Brolant {

class LoggerSession;
class ProblemLog;

// Publishing as mqtt.cfg says: a publisher while the file switches publishing on, nothing while
// it does not; a file that cannot be used starts nothing and says why. A change of the file
// applies at once: the publisher at work ends in order and one with the new settings (or none)
// takes over.
class MqttPublishing : public QObject
{
    Q_OBJECT

public:
    MqttPublishing(const LoggerSession &session, ProblemLog &problems, QObject *parent = nullptr);

    // Reads mqtt.cfg and starts publishing when it says so.
    void start();
    // The publisher at work; nothing while publishing is off.
    MqttPublisher *publisher() const { return m_publisher.get(); }
    // Says goodbye to the broker; the queue stays on disk for the next run.
    void end();

signals:
    // A publisher starts: whoever publishes through it joins it now (again after each change).
    void started(MqttPublisher &publisher);
    void stateChanged(const BrokerState &state);

private:
    // What mqtt.cfg asks for: settings while it switches publishing on, else nothing, with the
    // reason when the file cannot be used.
    struct Wanted
    {
        std::optional<MqttSettings> settings;
        QString problem;
        bool operator==(const Wanted &) const = default;
    };
    Wanted read() const;
    void apply(const Wanted &wanted);
    void fileChanged(const QString &fileName);

    const LoggerSession &m_session;
    ProblemLog &m_problems;
    std::unique_ptr<MqttPublisher> m_publisher;
    std::optional<Wanted> m_applied; // nothing before start() and after end()
};

} // namespace Brolant
