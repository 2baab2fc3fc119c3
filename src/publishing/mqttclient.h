#pragma once

#include "publishing/mqttmessages.h"
#include "publishing/mqttsettings.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

class QSocketNotifier;
struct mosquitto;

namespace Brolant {

// A connection to an MQTT broker on libmosquitto, driven by Qt's event loop: the socket is
// watched by notifiers and every callback runs in this thread, so nothing waits on the network
// (only the name lookup of each attempt, instant for an address or a local name). A failed or
// lost connection is tried again after 1 s, doubling to 60 s.
class MqttClient : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kFirstRetry{1};
    static constexpr std::chrono::seconds kLongestRetry{60};

    // `lastWill` is what the broker says for this client when it vanishes without a word.
    MqttClient(const MqttSettings &settings, const QString &clientId,
               const std::optional<MqttMessage> &lastWill, QObject *parent = nullptr);
    ~MqttClient() override;

    void start();
    // Says `lastWords`, waits briefly for them to go out, and disconnects for good.
    void stop(const std::optional<MqttMessage> &lastWords = std::nullopt);
    bool isConnected() const { return m_connected; }
    // Sends now when connected; the message id to expect in delivered() (QoS 1), or nothing
    // when it could not be sent.
    std::optional<int> publish(const MqttMessage &message);

signals:
    void connected();
    // An attempt failed or the connection broke, in plain words.
    void disconnected(const QString &reason);
    // The broker has a QoS 1 message.
    void delivered(int messageId);

private:
    void attempt();
    void watchSocket();
    void readable();
    void writable();
    void keepAlive();
    // After one turn of libmosquitto's loop: a failure, or the write watch as it now needs.
    void afterLoop(int result);
    void failed(int errorCode);
    void updateWriteWatch();
    QString reasonFor(int errorCode) const;

    static void onConnect(mosquitto *, void *self, int result);
    static void onPublish(mosquitto *, void *self, int messageId);

    MqttSettings m_settings;
    mosquitto *m_client = nullptr;
    std::unique_ptr<QSocketNotifier> m_readWatch;
    std::unique_ptr<QSocketNotifier> m_writeWatch;
    QTimer m_retryTimer;
    QTimer m_keepAliveTimer;
    std::chrono::seconds m_nextRetry = kFirstRetry;
    QString m_refusal; // the broker's answer to the last attempt, when it said no
    bool m_connected = false;
    bool m_stopping = false;
};

} // namespace Brolant
