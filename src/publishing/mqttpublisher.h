#pragma once

#include "logging/errorlog.h"
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
    // A publisher when mqtt.cfg switches publishing on; nothing when it does not, or when the
    // file cannot be used (then one error-log entry says why, and nothing is tried).
    static std::unique_ptr<MqttPublisher> startIfConfigured(const QString &programFolder,
                                                            LoggerCore &core);

    MqttPublisher(const QString &programFolder, const MqttSettings &settings, LoggerCore &core);

    // The broker as a user should see it: "connected to host:port", "broker not available: ...".
    const QString &state() const { return m_state; }
    qsizetype waitingRecords() const { return m_queue.size(); }
    // The alarms whose discovery is published from now on (again on every connection).
    void setAlarms(const QList<MqttAlarm> &alarms);
    // An alarm raised or cleared; kept until the broker has it, the latest state only.
    void alarmChanged(const QString &name, bool raised);
    // Says "offline" and disconnects; the queue stays on disk for the next run.
    void end();

signals:
    void stateChanged(const QString &state);

private:
    void connectedToBroker();
    void brokerLost(const QString &reason);
    void publishLive(const Reading &reading);
    void queueRecord(const Record &record);
    void sendWaitingRecords();
    void recordDelivered(int messageId);
    void publishDayEnergy(const QDate &day, double wattHours);
    void setState(const QString &state);
    void logProblem(const QString &stage, const QString &description);

    LoggerCore &m_core;
    MqttSettings m_settings;
    MqttMessages m_messages;
    RecordQueue m_queue;
    ErrorLog m_errorLog;
    MqttClient m_client;
    std::optional<int> m_recordInFlight;
    std::optional<MqttMessage> m_dayEnergyWaiting;
    QList<MqttAlarm> m_alarms;
    QMap<QString, MqttMessage> m_alarmsWaiting;
    QDateTime m_lastLive;
    bool m_outage = false;
    bool m_queueFailing = false;
    QString m_state;
};

} // namespace Brolant
