// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/mqttpublishing.h"

#include "platform/programpaths.h"
#include "problems/problemlog.h"
#include "publishing/loggedpayloads.h"
#include "publishing/mqttmessages.h"
#include "publishing/mqttsettings.h"
#include "publishing/recordqueue.h"
#include "session/loggersession.h"

namespace Brolant {

MqttPublishing::MqttPublishing(const LoggerSession &session, ProblemLog &problems, QObject *parent)
    : QObject(parent), m_session(session), m_problems(problems)
{
    connect(&session, &LoggerSession::settingsChanged, this, [this] {
        if (m_publisher)
            m_publisher->applyUnits();
    });
}

void MqttPublishing::start(const SettingsFileReading<MqttSettings> &reading)
{
    startWith(reading);
}

void MqttPublishing::apply(const SettingsFileReading<MqttSettings> &wanted)
{
    if (!m_applied)
        return;
    if (wanted == *m_applied)
        return; // written again, or changed where it does not matter
    if (m_publisher) {
        m_publisher->end();
        m_publisher.reset();
    }
    const QString what = wanted.settings ? QStringLiteral("publishing to %1:%2 as site %3")
                                               .arg(wanted.settings->host)
                                               .arg(wanted.settings->port)
                                               .arg(wanted.settings->site)
                                         : QStringLiteral("publishing off");
    m_problems.report(Problem::MqttSettingsChanged,
                      QStringLiteral("the new settings in %1 apply: %2").arg(FileName::kMqttSettings, what));
    startWith(wanted);
}

void MqttPublishing::startWith(const SettingsFileReading<MqttSettings> &wanted)
{
    m_applied = wanted;
    // Nothing is tried with a file that cannot be used.
    if (wanted.failure)
        m_problems.report(
            Problem::MqttNotStarted,
            QStringLiteral("%1 cannot be used: %2").arg(FileName::kMqttSettings, wanted.failure->description));
    if (!wanted.settings) {
        closeQueueLeftOpen();
        emit stateChanged(BrokerState{});
        return;
    }
    m_publisher = std::make_unique<MqttPublisher>(m_session.programFolder(), *wanted.settings, m_session, m_problems);
    connect(m_publisher.get(), &MqttPublisher::stateChanged, this, &MqttPublishing::stateChanged);
    emit started(*m_publisher);
    m_publisher->start();
}

void MqttPublishing::closeQueueLeftOpen()
{
    // A publisher killed with publishing on left it open: what it lost is queued again now, to wait
    // for publishing to come back, and the records logged from now on, unpublished, are not.
    const LoggedPayloads logged(m_session.programFolder());
    RecordQueue queue(m_session.programFolder(), &MqttMessages::isQueuedPayload, &logged);
    queue.close();
}

void MqttPublishing::end()
{
    m_applied.reset();
    if (m_publisher)
        m_publisher->end();
}

} // namespace Brolant
