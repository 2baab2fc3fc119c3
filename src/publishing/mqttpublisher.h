#pragma once

#include "platform/clock.h"
#include "publishing/brokerstate.h"
#include "publishing/mqttclient.h"
#include "publishing/mqttmessages.h"
#include "publishing/recordqueue.h"

#include <QDateTime>
#include <QMap>
#include <QObject>

#include <memory>
#include <optional>

namespace Brolant {

struct LoggerCore;
struct Reading;
struct Record;

// Publishes the logger's readings to an MQTT broker: the live reading at most once a second,
// every logged record (queued on disk while the broker is away, sent in order when it is back),
// the finished day's energy, the status with a last will, and Home Assistant discovery. It
// listens to the core's signals only; the files of the logger do not change for it.
class MqttPublisher : public QObject
{
    Q_OBJECT

public:
    MqttPublisher(const QString &programFolder, const MqttSettings &settings, LoggerCore &core);

    // Starts connecting; what happens is said by the signals, so connect to them first.
    void start();
    const BrokerState &state() const { return m_state; }
    qsizetype waitingRecords() const { return m_queue.size(); }
    // The alarms whose discovery is published from now on (again on every connection).
    void setAlarms(const QList<MqttAlarm> &alarms);
    // An alarm raised or cleared; kept until the broker has it, the latest state only.
    void alarmChanged(const QString &name, bool raised);
    // Says "offline" and disconnects; the queue stays on disk for the next run.
    void end();

signals:
    void stateChanged(const BrokerState &state);
    // One entry for the error log: the stage and the failure's description.
    void problemFound(const QString &stage, const QString &description);

private:
    void connectedToBroker();
    void brokerLost(const QString &reason);
    void publishLive(const Reading &reading);
    void queueRecord(const Record &record);
    void sendWaitingRecords();
    void recordDelivered(int messageId);
    void publishDayEnergy(const QDate &day, double wattHours);
    void setState(BrokerState::Kind kind, const QString &reason = QString());

    LoggerCore &m_core;
    MqttSettings m_settings;
    MqttMessages m_messages;
    RecordQueue m_queue;
    MqttClient m_client;
    std::optional<int> m_recordInFlight;
    std::optional<MqttMessage> m_dayEnergyWaiting;
    QList<MqttAlarm> m_alarms;
    QMap<QString, MqttMessage> m_alarmsWaiting;
    std::optional<MonotonicTime> m_lastLive;
    bool m_outage = false;
    bool m_queueFailing = false;
    BrokerState m_state;
};

} // namespace Brolant
