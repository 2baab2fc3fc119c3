#include "publishing/mqttpublisher.h"

#include "platform/clock.h"
#include "platform/programpaths.h"
#include "session/loggercore.h"
#include "text/failure.h"

namespace Brolant {

namespace {
constexpr std::chrono::seconds kLiveEvery{1};
const QString kBrokerNotAvailable = QStringLiteral("broker not available");

QString clientIdFor(const MqttSettings &settings)
{
    return QStringLiteral("brolant-") + settings.site;
}
} // namespace

MqttPublisher::MqttPublisher(const QString &programFolder, const MqttSettings &settings,
                             LoggerCore &core)
    : m_core(core),
      m_settings(settings),
      m_messages(settings),
      m_queue(programFolder),
      m_client(settings, clientIdFor(settings), m_messages.status(false))
{
    connect(&m_client, &MqttClient::connected, this, &MqttPublisher::connectedToBroker);
    connect(&m_client, &MqttClient::disconnected, this, &MqttPublisher::brokerLost);
    connect(&m_client, &MqttClient::delivered, this, &MqttPublisher::recordDelivered);
    connect(&core.receiver, &FrameReceiver::frameAccepted, this, &MqttPublisher::publishLive);
    connect(&core.logging, &LoggingCycle::intervalLogged, this, &MqttPublisher::queueRecord);
    connect(&core.energy, &EnergyCounter::dayClosed, this,
            [this](const QDate &day, double wattHours, const QString &) { publishDayEnergy(day, wattHours); });
    qRegisterMetaType<BrokerState>();
}

void MqttPublisher::start()
{
    setState(BrokerState::Kind::Connecting);
    m_client.start();
}

void MqttPublisher::setState(BrokerState::Kind kind, const QString &reason)
{
    m_state = {kind, QStringLiteral("%1:%2").arg(m_settings.host).arg(m_settings.port), reason};
    emit stateChanged(m_state);
}

void MqttPublisher::connectedToBroker()
{
    if (m_outage)
        emit problemFound(QStringLiteral("broker available again"),
                          QStringLiteral("%1:%2").arg(m_settings.host).arg(m_settings.port));
    m_outage = false;
    setState(BrokerState::Kind::Connected);
    m_client.publish(m_messages.status(true));
    for (const MqttMessage &config : m_messages.discovery(m_core.logging.windSpeedUnits()))
        m_client.publish(config);
    if (m_dayEnergyWaiting && m_client.publish(*m_dayEnergyWaiting))
        m_dayEnergyWaiting.reset();
    for (const MqttMessage &config : m_messages.alarmDiscovery(m_alarms))
        m_client.publish(config);
    for (auto waiting = m_alarmsWaiting.begin(); waiting != m_alarmsWaiting.end();)
        waiting = m_client.publish(*waiting) ? m_alarmsWaiting.erase(waiting) : std::next(waiting);
    m_recordInFlight.reset();
    sendWaitingRecords();
}

void MqttPublisher::brokerLost(const QString &reason)
{
    // One entry an outage, however often the retries fail; logging goes on regardless.
    if (!m_outage)
        emit problemFound(kBrokerNotAvailable, reason);
    m_outage = true;
    m_recordInFlight.reset();
    setState(BrokerState::Kind::Unavailable, reason);
}

void MqttPublisher::publishLive(const Reading &reading)
{
    const MonotonicTime now = m_core.clock.monotonic();
    if (!m_client.isConnected() || (m_lastLive && now - *m_lastLive < kLiveEvery))
        return;
    m_lastLive = now;
    m_client.publish(m_messages.live(reading, m_core.energy.total(), m_core.clock.now()));
}

void MqttPublisher::queueRecord(const Record &record)
{
    try {
        if (const qsizetype dropped = m_queue.push(m_messages.record(record).payload))
            emit problemFound(QStringLiteral("MQTT queue full"),
                       QStringLiteral("the oldest %1 record(s) waiting for the broker were dropped").arg(dropped));
        m_queueFailing = false;
    } catch (const Failure &failure) {
        // Still queued in memory; said once until the file can be written again.
        if (!std::exchange(m_queueFailing, true))
            emit problemFound(QStringLiteral("MQTT queue not written"), failure.description);
    }
    sendWaitingRecords();
}

void MqttPublisher::sendWaitingRecords()
{
    // One at a time, so they arrive in order whatever happens to the connection.
    if (m_recordInFlight || m_queue.isEmpty())
        return;
    m_recordInFlight = m_client.publish(m_messages.queuedRecord(m_queue.front()));
}

void MqttPublisher::recordDelivered(int messageId)
{
    if (!m_recordInFlight || *m_recordInFlight != messageId)
        return;
    m_recordInFlight.reset();
    m_queue.pop();
    sendWaitingRecords();
}

void MqttPublisher::publishDayEnergy(const QDate &day, double wattHours)
{
    const MqttMessage message = m_messages.dayEnergy(day, wattHours);
    if (!m_client.publish(message))
        m_dayEnergyWaiting = message; // retained when it goes, so the latest is all that matters
}

void MqttPublisher::setAlarms(const QList<MqttAlarm> &alarms)
{
    m_alarms = alarms;
    if (m_client.isConnected())
        for (const MqttMessage &config : m_messages.alarmDiscovery(m_alarms))
            m_client.publish(config);
}

void MqttPublisher::alarmChanged(const QString &name, bool raised)
{
    const MqttMessage message = m_messages.alarm(name, raised);
    if (m_client.publish(message))
        m_alarmsWaiting.remove(name);
    else
        m_alarmsWaiting.insert(name, message);
}

void MqttPublisher::end()
{
    try {
        m_queue.save();
    } catch (const Failure &failure) {
        emit problemFound(QStringLiteral("MQTT queue not written"), failure.description);
    }
    m_client.stop(m_messages.status(false));
}

} // namespace Brolant
