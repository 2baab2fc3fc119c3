// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/mqttclient.h"

#include "publishing/connectionreasons.h"
#include "text/failure.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <mosquitto.h>
#include <poll.h>

namespace Brolant {

namespace {
constexpr std::chrono::seconds kKeepAliveCheck{1};
constexpr int kLastWordsMilliseconds = 500;
constexpr int kLastWordsStep = 10;
constexpr int kSubscriptionQos = 1;
// MQTT 5 reason codes from here on say no.
constexpr int kFirstRefusal = 0x80;
} // namespace

MqttClient::MqttClient(const MqttSettings &settings, const QString &clientId,
                       const std::optional<MqttMessage> &lastWill, QObject *parent)
    : QObject(parent), m_settings(settings), m_clientId(clientId), m_lastWill(lastWill)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &MqttClient::attempt);
    m_keepAliveTimer.setInterval(kKeepAliveCheck);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &MqttClient::keepAlive);
}

MqttClient::~MqttClient() = default;

void MqttClient::start()
{
    m_stopping = false;
    attempt();
}

void MqttClient::attempt()
{
    m_retired.reset();
    m_client.reset();
    m_refusal.reset();
    m_libraryErrors.clear();
    m_unanswered.clear();
    Result<MosquittoHandle> made = MosquittoSetup::make(m_settings, m_clientId, m_lastWill, this);
    if (!made) {
        // Nothing was sent: the settings could not all be applied.
        failed({DisconnectReason::NotSetUp, {}, 0, made.failure().description});
        return;
    }
    m_client = std::move(made).value();
    mosquitto *client = m_client.get();
    mosquitto_connect_v5_callback_set(client, &MqttClient::onConnect);
    mosquitto_publish_v5_callback_set(client, &MqttClient::onPublish);
    mosquitto_message_v5_callback_set(client, &MqttClient::onMessage);
    mosquitto_log_callback_set(client, &MqttClient::onLog);
    const int result = mosquitto_connect_async(client, m_settings.host.toUtf8().constData(), m_settings.port,
                                               int(m_settings.keepAlive.count()));
    if (result != MOSQ_ERR_SUCCESS) {
        failedWith(result);
        return;
    }
    watchSocket();
    m_keepAliveTimer.start();
}

void MqttClient::watchSocket()
{
    const int socket = mosquitto_socket(m_client.get());
    m_readWatch.reset();
    m_writeWatch.reset();
    if (socket < 0)
        return;
    m_readWatch = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    connect(m_readWatch.get(), &QSocketNotifier::activated, this, &MqttClient::readable);
    m_writeWatch = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
    connect(m_writeWatch.get(), &QSocketNotifier::activated, this, &MqttClient::writable);
    updateWriteWatch();
}

void MqttClient::updateWriteWatch()
{
    if (m_writeWatch)
        m_writeWatch->setEnabled(mosquitto_want_write(m_client.get()));
}

void MqttClient::readable()
{
    afterLoop(mosquitto_loop_read(m_client.get(), 1));
}

void MqttClient::writable()
{
    afterLoop(mosquitto_loop_write(m_client.get(), 1));
}

void MqttClient::keepAlive()
{
    afterLoop(mosquitto_loop_misc(m_client.get()));
}

void MqttClient::afterLoop(int result)
{
    if (!m_client)
        return; // a listener's call inside the loop already found the connection gone
    if (result != MOSQ_ERR_SUCCESS)
        failedWith(result);
    else
        updateWriteWatch();
}

void MqttClient::failedWith(int errorCode)
{
    const int savedErrno = errno;
    if (m_refusal) {
        failed({DisconnectReason::Refused, {}, *m_refusal, {}});
        return;
    }
    const ConnectionFailure failure{errorCode, savedErrno, m_libraryErrors, m_connected};
    failed({ConnectionReasons::of(failure, m_settings), failure, 0, {}});
}

void MqttClient::failed(const Disconnection &disconnection)
{
    m_readWatch.reset();
    m_writeWatch.reset();
    m_keepAliveTimer.stop();
    m_connected = false;
    m_retired = std::move(m_client);
    if (m_stopping)
        return;
    emit disconnected(disconnection);
    if (m_stopping)
        return; // a listener stopped it
    m_retryTimer.start(m_nextRetry);
    m_nextRetry = std::min(m_nextRetry * 2, kLongestRetry);
}

void MqttClient::onConnect(mosquitto *, void *self, int reasonCode, int, const mqtt5__property *)
{
    auto *client = static_cast<MqttClient *>(self);
    if (reasonCode == 0) {
        client->m_connected = true;
        client->m_nextRetry = kFirstRetry;
        emit client->connected();
        return;
    }
    client->m_refusal = reasonCode;
}

void MqttClient::onPublish(mosquitto *, void *self, int messageId, int reasonCode, const mqtt5__property *)
{
    auto *client = static_cast<MqttClient *>(self);
    const QString topic = client->m_unanswered.take(messageId);
    if (reasonCode >= kFirstRefusal)
        emit client->refused(messageId, topic, ConnectionReasons::forMessageRefusal(reasonCode));
    else
        emit client->delivered(messageId);
}

void MqttClient::onMessage(mosquitto *, void *self, const mosquitto_message *message, const mqtt5__property *properties)
{
    emit static_cast<MqttClient *>(self)->received(
        {QString::fromUtf8(message->topic),
         QByteArray(static_cast<const char *>(message->payload), message->payloadlen), message->qos, message->retain,
         MqttProperties::userProperties(properties)});
}

void MqttClient::onLog(mosquitto *, void *self, int level, const char *text)
{
    if (level == MOSQ_LOG_ERR)
        static_cast<MqttClient *>(self)->m_libraryErrors.append(QString::fromUtf8(text));
}

std::optional<int> MqttClient::publish(const MqttMessage &message)
{
    if (!m_connected)
        return std::nullopt;
    int messageId = 0;
    const MqttProperties properties(message.userProperties);
    const int result = mosquitto_publish_v5(m_client.get(), &messageId, message.topic.toUtf8().constData(),
                                            int(message.payload.size()), message.payload.constData(), message.qos,
                                            message.retained, properties.list());
    if (result != MOSQ_ERR_SUCCESS)
        return std::nullopt;
    if (message.qos > 0)
        m_unanswered.insert(messageId, message.topic);
    // libmosquitto writes at once what the socket accepts, except inside its own callbacks, where
    // running its loop would wait on itself: the rest goes when the socket is writable.
    updateWriteWatch();
    return messageId;
}

void MqttClient::subscribe(const QString &topic)
{
    if (!m_connected)
        return;
    if (mosquitto_subscribe_v5(m_client.get(), nullptr, topic.toUtf8().constData(), kSubscriptionQos, 0, nullptr)
        == MOSQ_ERR_SUCCESS)
        updateWriteWatch();
}

void MqttClient::awaitBriefly(const std::function<bool()> &done)
{
    if (m_connected)
        turnWhile([&done] { return !done(); });
}

void MqttClient::turnWhile(const std::function<bool()> &waiting)
{
    // The socket is waited on as the event loop does, not by mosquitto_loop, which also wakes once
    // for every message published since the start (a byte each in libmosquitto's wake-up pipe):
    // after a long run its turns came back at once and the socket closed before the broker
    // answered, so a delivered record went again.
    const QDeadlineTimer deadline(kLastWordsMilliseconds);
    while (m_client && waiting() && !deadline.hasExpired()) {
        pollfd socket{mosquitto_socket(m_client.get()), POLLIN, 0};
        if (socket.fd < 0)
            return;
        if (mosquitto_want_write(m_client.get()))
            socket.events |= POLLOUT;
        if (::poll(&socket, 1, int(std::min<qint64>(deadline.remainingTime(), kLastWordsStep))) < 0 && errno != EINTR)
            return;
        if ((socket.revents & (POLLIN | POLLERR | POLLHUP))
            && mosquitto_loop_read(m_client.get(), 1) != MOSQ_ERR_SUCCESS)
            return;
        if ((socket.revents & POLLOUT) && m_client && mosquitto_loop_write(m_client.get(), 1) != MOSQ_ERR_SUCCESS)
            return;
    }
}

void MqttClient::stop(const std::optional<MqttMessage> &lastWords)
{
    m_stopping = true;
    m_retryTimer.stop();
    if (m_connected) {
        if (lastWords)
            publish(*lastWords);
        // The words, what is in flight and the disconnect are small: give them a moment to be
        // acknowledged, never longer.
        turnWhile([this] { return !m_unanswered.isEmpty() || mosquitto_want_write(m_client.get()); });
        if (m_client) {
            mosquitto_disconnect(m_client.get());
            turnWhile([this] { return mosquitto_want_write(m_client.get()); });
        }
    }
    m_connected = false;
    m_readWatch.reset();
    m_writeWatch.reset();
    m_keepAliveTimer.stop();
}

} // namespace Brolant
