#pragma once

#include "publishing/brokerstate.h"
#include "publishing/mqttpublisher.h"

#include <QObject>

#include <memory>

namespace Brolant {

class LoggerSession;

// Publishing as mqtt.cfg says: a publisher while the file switches publishing on, nothing while
// it does not; a file that cannot be used starts nothing and says why.
class MqttPublishing : public QObject
{
    Q_OBJECT

public:
    explicit MqttPublishing(LoggerSession &session, QObject *parent = nullptr);

    // Reads mqtt.cfg and starts publishing when it says so.
    void start();
    // The publisher at work; nothing while publishing is off.
    MqttPublisher *publisher() const { return m_publisher.get(); }
    // Says goodbye to the broker; the queue stays on disk for the next run.
    void end();

signals:
    void started(MqttPublisher &publisher);
    void stateChanged(const BrokerState &state);
    // One entry for the error log: the stage and the failure's description.
    void problemFound(const QString &stage, const QString &description);

private:
    LoggerSession &m_session;
    std::unique_ptr<MqttPublisher> m_publisher;
};

} // namespace Brolant
