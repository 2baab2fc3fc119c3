#include "publishing/mqttpublishing.h"

#include "platform/programpaths.h"
#include "publishing/mqttsettings.h"
#include "session/loggersession.h"

namespace Brolant {

MqttPublishing::MqttPublishing(LoggerSession &session, QObject *parent) : QObject(parent), m_session(session) {}

void MqttPublishing::start()
{
    std::optional<MqttSettings> settings;
    try {
        settings = MqttSettings::load(m_session.programFolder());
    } catch (const Failure &failure) {
        // Nothing is tried with a file that cannot be used.
        emit problemFound(QStringLiteral("MQTT publishing not started"),
                          QStringLiteral("%1 cannot be used: %2").arg(FileName::kMqttSettings, failure.description));
        return;
    }
    if (!settings)
        return;
    m_publisher = std::make_unique<MqttPublisher>(m_session.programFolder(), *settings, m_session.core());
    connect(m_publisher.get(), &MqttPublisher::problemFound, this, &MqttPublishing::problemFound);
    connect(m_publisher.get(), &MqttPublisher::stateChanged, this, &MqttPublishing::stateChanged);
    emit started(*m_publisher);
    m_publisher->start();
}

void MqttPublishing::end()
{
    if (m_publisher)
        m_publisher->end();
}

} // namespace Brolant
