// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/connectionreasons.h"
#include "publishing/mosquittohandle.h"
#include "publishing/mqttmessages.h"
#include "publishing/mqttsettings.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;
struct mosquitto;
struct mosquitto_message;

namespace Brolant {

// A connection to an MQTT broker on libmosquitto, driven by Qt's event loop: the socket is
// watched by notifiers and every callback runs in this thread, so nothing waits on the network
// (only the name lookup of each attempt, instant for an address or a local name). A failed or
// lost connection is tried again after 1 s, doubling to 60 s. Each attempt starts from a fresh
// libmosquitto client: what was in flight on a lost connection is the caller's to send again, and
// nothing else sends it.
class MqttClient : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kFirstRetry{1};
    static constexpr std::chrono::seconds kLongestRetry{60};

    // `lastWill` is what the broker publishes for this client when it vanishes without a word.
    MqttClient(const MqttSettings &settings, const QString &clientId, const std::optional<MqttMessage> &lastWill,
               QObject *parent = nullptr);
    ~MqttClient() override;

    void start();
    // Sends `lastWords`, waits briefly for them and for what is in flight to be acknowledged, and
    // disconnects for good.
    void stop(const std::optional<MqttMessage> &lastWords = std::nullopt);
    // Turns the connection until `done` returns true, for at most the moment last words get: for an
    // answer received before the end.
    void awaitBriefly(const std::function<bool()> &done);
    bool isConnected() const { return m_connected; }
    // Sends now when connected; the message id to expect in delivered() or refused() (QoS 1 and
    // 2), or nothing when it could not be sent.
    std::optional<int> publish(const MqttMessage &message);
    // Asks for what is published on `topic`, the message the broker keeps included.
    void subscribe(const QString &topic);

signals:
    void connected();
    // An attempt failed or the connection broke; ConnectionReasons::text() gives it in words.
    void disconnected(const Brolant::Disconnection &disconnection);
    // The broker acknowledged a QoS 1 or 2 message.
    void delivered(int messageId);
    // The broker refused a QoS 1 or 2 message, in plain words.
    void refused(int messageId, const QString &topic, const QString &reason);
    // A message on a subscribed topic.
    void received(const MqttMessage &message);

private:
    void attempt();
    void watchSocket();
    void readable();
    void writable();
    void keepAlive();
    // After one turn of libmosquitto's loop: a failure, or the write watch as it now needs.
    void afterLoop(int result);
    void failed(const Disconnection &disconnection);
    void failedWith(int errorCode);
    void updateWriteWatch();
    // Turns the socket by hand, for the moment last words get, while `waiting` returns true.
    void turnWhile(const std::function<bool()> &waiting);

    static void onConnect(mosquitto *, void *self, int reasonCode, int flags, const struct mqtt5__property *);
    static void onPublish(mosquitto *, void *self, int messageId, int reasonCode, const struct mqtt5__property *);
    static void onMessage(mosquitto *, void *self, const mosquitto_message *message, const struct mqtt5__property *);
    static void onLog(mosquitto *, void *self, int level, const char *text);

    MqttSettings m_settings;
    QString m_clientId;
    std::optional<MqttMessage> m_lastWill;
    MosquittoHandle m_client;
    // The client of a connection that failed while libmosquitto may still be on the stack.
    MosquittoHandle m_retired;
    std::unique_ptr<QSocketNotifier> m_readWatch;
    std::unique_ptr<QSocketNotifier> m_writeWatch;
    QTimer m_retryTimer;
    QTimer m_keepAliveTimer;
    std::chrono::seconds m_nextRetry = kFirstRetry;
    std::optional<int> m_refusal;     // the broker's answer to the last attempt, when it refused
    QStringList m_libraryErrors;      // what libmosquitto logged as errors since the attempt began
    QHash<int, QString> m_unanswered; // message id -> topic, until the broker answers
    bool m_connected = false;
    bool m_stopping = false;
};

} // namespace Brolant
