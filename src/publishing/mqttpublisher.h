// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"
#include "problems/problem.h"
#include "publishing/brokerstate.h"
#include "publishing/mqttclient.h"
#include "publishing/mqttmessages.h"
#include "publishing/recordqueue.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <optional>

namespace Brolant {

class LoggerSession;
class ProblemLog;
struct LiveReading;
struct Record;

// Publishes the logger's readings to an MQTT broker: the live reading at most once every
// LiveEvery seconds, every logged record and every finished day's energy (queued on disk while
// the broker is away or refuses them, sent once each and in order when it accepts them), the status
// with a last will, and Home Assistant discovery. It notices another logger publishing as the
// same site, and keeps the site online while either still publishes. It listens to the session's
// signals only; the files of the logger do not change for it.
class MqttPublisher : public QObject
{
    Q_OBJECT

public:
    // A refused record is offered again after this, in case the broker's rights were put right.
    static constexpr std::chrono::seconds kRefusedRetry{60};
    // Records the queue's file could not store (a full disk) are written again this often.
    static constexpr std::chrono::seconds kUnwrittenRetry{5};

    MqttPublisher(const QString &programFolder, const MqttSettings &settings, const LoggerSession &session,
                  ProblemLog &problems);
    // Its trouble ends with it: a publisher with new settings reports its own.
    ~MqttPublisher() override;

    // Who this logger is at the broker (its client id and the instance in its status): the same
    // for a program folder from run to run, another for every other folder or computer.
    static QString instanceId(const QString &programFolder);

    // Starts connecting; what happens is reported by the signals, so connect to them first.
    void start();
    const BrokerState &state() const { return m_state; }
    qsizetype waitingRecords() const { return m_queue.size(); }
    // The alarms whose discovery and state are published now and again on every connection.
    void setAlarms(const QList<MqttAlarm> &alarms);
    // An alarm raised or cleared; the latest state of each alarm is published again on every connection.
    void alarmChanged(const QString &name, bool raised);
    // The sensors' discovery again when the wind-speed units changed (Program Setup saved).
    void applyUnits();
    // Publishes "offline" and disconnects; the queue stays on disk for the next run. While another
    // logger of this site publishes, the broker keeps its "online".
    void end();

signals:
    void stateChanged(const BrokerState &state);

private:
    void reportQueueLoaded();
    void reportTornEnds();
    void connectedToBroker();
    void brokerLost(const Disconnection &disconnection);
    void onMessage(const MqttMessage &message);
    void publishLive(const LiveReading &live);
    void enqueue(const QByteArray &payload);
    // After a write of what the queue keeps: the retry of what it could not write, and its trouble.
    void queueWritten(const Result<> &written);
    void sendWaiting();
    void delivered(int messageId);
    void refused(int messageId, const QString &topic, const QString &reason);
    void publishAlarms();
    void publishDiscovery();
    // The wind-speed units the logger's settings name now.
    QString windUnits() const;
    void setState(BrokerState::Kind kind, const QString &reason = QString());
    QString address() const;

    const LoggerSession &m_session;
    ProblemLog &m_problems;
    MqttSettings m_settings;
    QString m_instance;
    MqttMessages m_messages;
    LoggedPayloads m_logged;
    RecordQueue m_queue;
    MqttClient m_client;
    std::optional<int> m_inFlight; // the queue's front, sent and not yet answered
    QTimer m_refusedRetry;
    QTimer m_unwrittenRetry;
    QList<MqttAlarm> m_alarms;
    QString m_discoveredUnits; // the wind-speed units of the discovery published last
    QMap<QString, bool> m_alarmRaised;
    QSet<QString> m_othersOnline; // instances of this site seen online, not since offline
    std::optional<MonotonicTime> m_lastLive;
    bool m_ending = false;
    bool m_othersAnswered = false; // another of this site published online after this one published offline
    BrokerState m_state;
};

} // namespace Brolant
