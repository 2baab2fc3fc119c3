#include "publishing/mqttclient.h"

#include <QSocketNotifier>

#include <mosquitto.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace Brolant {

namespace {
constexpr int kKeepAliveSeconds = 30;
constexpr std::chrono::seconds kKeepAliveCheck{1};
constexpr int kLastWordsMilliseconds = 500;
constexpr int kLastWordsStep = 10;
constexpr int kBadUserNameOrPassword = 4;
constexpr int kNotAuthorised = 5;

// libmosquitto wants its initialisation once per process.
void initialiseLibraryOnce()
{
    static const int initialised = mosquitto_lib_init();
    Q_UNUSED(initialised);
}
} // namespace

MqttClient::MqttClient(const MqttSettings &settings, const QString &clientId,
                       const std::optional<MqttMessage> &lastWill, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    initialiseLibraryOnce();
    m_client = mosquitto_new(clientId.toUtf8().constData(), true, this);
    if (!settings.user.isEmpty())
        mosquitto_username_pw_set(m_client, settings.user.toUtf8().constData(),
                                  settings.password.toUtf8().constData());
    if (settings.tls) {
        if (settings.caFile.isEmpty())
            mosquitto_int_option(m_client, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
        else
            mosquitto_tls_set(m_client, settings.caFile.toLocal8Bit().constData(), nullptr, nullptr,
                              nullptr, nullptr);
    }
    if (lastWill)
        mosquitto_will_set(m_client, lastWill->topic.toUtf8().constData(), int(lastWill->payload.size()),
                           lastWill->payload.constData(), lastWill->qos, lastWill->retained);
    mosquitto_connect_callback_set(m_client, &MqttClient::onConnect);
    mosquitto_publish_callback_set(m_client, &MqttClient::onPublish);

    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &MqttClient::attempt);
    m_keepAliveTimer.setInterval(kKeepAliveCheck);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &MqttClient::keepAlive);
}

MqttClient::~MqttClient()
{
    m_readWatch.reset();
    m_writeWatch.reset();
    mosquitto_destroy(m_client);
}

void MqttClient::start()
{
    m_stopping = false;
    attempt();
}

void MqttClient::attempt()
{
    m_refusal.clear();
    const int result = mosquitto_connect_async(m_client, m_settings.host.toUtf8().constData(),
                                               m_settings.port, kKeepAliveSeconds);
    if (result != MOSQ_ERR_SUCCESS) {
        failed(result);
        return;
    }
    watchSocket();
    m_keepAliveTimer.start();
}

void MqttClient::watchSocket()
{
    const int socket = mosquitto_socket(m_client);
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
        m_writeWatch->setEnabled(mosquitto_want_write(m_client));
}

void MqttClient::readable()
{
    afterLoop(mosquitto_loop_read(m_client, 1));
}

void MqttClient::writable()
{
    afterLoop(mosquitto_loop_write(m_client, 1));
}

void MqttClient::keepAlive()
{
    afterLoop(mosquitto_loop_misc(m_client));
}

void MqttClient::afterLoop(int result)
{
    if (result != MOSQ_ERR_SUCCESS)
        failed(result);
    else
        updateWriteWatch();
}

void MqttClient::failed(int errorCode)
{
    const QString reason = reasonFor(errorCode);
    m_readWatch.reset();
    m_writeWatch.reset();
    m_keepAliveTimer.stop();
    m_connected = false;
    if (m_stopping)
        return;
    emit disconnected(reason);
    if (m_stopping)
        return; // a listener stopped it
    m_retryTimer.start(m_nextRetry);
    m_nextRetry = std::min(m_nextRetry * 2, kLongestRetry);
}

QString MqttClient::reasonFor(int errorCode) const
{
    if (!m_refusal.isEmpty())
        return m_refusal;
    const QString where = QStringLiteral("%1:%2").arg(m_settings.host).arg(m_settings.port);
    switch (errorCode) {
    case MOSQ_ERR_ERRNO:
        if (errno == ECONNREFUSED)
            return QStringLiteral("no broker at %1").arg(where);
        return QStringLiteral("%1: %2").arg(where, QString::fromLocal8Bit(std::strerror(errno)));
    case MOSQ_ERR_EAI:
        return QStringLiteral("no host called %1").arg(m_settings.host);
    case MOSQ_ERR_TLS:
        return QStringLiteral("certificate not trusted, or no TLS at %1").arg(where);
    case MOSQ_ERR_CONN_LOST:
    case MOSQ_ERR_NO_CONN:
        return QStringLiteral("the connection to %1 was lost").arg(where);
    default:
        return QStringLiteral("%1: %2").arg(where, QString::fromUtf8(mosquitto_strerror(errorCode)));
    }
}

void MqttClient::onConnect(mosquitto *, void *self, int result)
{
    auto *client = static_cast<MqttClient *>(self);
    if (result == 0) {
        client->m_connected = true;
        client->m_nextRetry = kFirstRetry;
        emit client->connected();
        return;
    }
    // Mosquitto answers a wrong password with "not authorised"; to the user both mean the same.
    client->m_refusal = result == kBadUserNameOrPassword || result == kNotAuthorised
                            ? QStringLiteral("wrong user name or password")
                            : QString::fromUtf8(mosquitto_connack_string(result));
}

void MqttClient::onPublish(mosquitto *, void *self, int messageId)
{
    emit static_cast<MqttClient *>(self)->delivered(messageId);
}

std::optional<int> MqttClient::publish(const MqttMessage &message)
{
    if (!m_connected)
        return std::nullopt;
    int messageId = 0;
    const int result = mosquitto_publish(m_client, &messageId, message.topic.toUtf8().constData(),
                                         int(message.payload.size()), message.payload.constData(),
                                         message.qos, message.retained);
    if (result != MOSQ_ERR_SUCCESS)
        return std::nullopt;
    // Written out straight away where the socket takes it; the rest when it is writable.
    writable();
    return messageId;
}

void MqttClient::stop(const std::optional<MqttMessage> &lastWords)
{
    m_stopping = true;
    m_retryTimer.stop();
    if (m_connected) {
        if (lastWords)
            publish(*lastWords);
        mosquitto_disconnect(m_client);
        // The words and the disconnect are small: give them a moment to leave, never longer.
        for (int waited = 0; waited < kLastWordsMilliseconds && mosquitto_want_write(m_client);
             waited += kLastWordsStep)
            mosquitto_loop(m_client, kLastWordsStep, 1);
    }
    m_connected = false;
    m_readWatch.reset();
    m_writeWatch.reset();
    m_keepAliveTimer.stop();
}

} // namespace Brolant
