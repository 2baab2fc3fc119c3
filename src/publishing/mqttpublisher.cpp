// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/mqttpublisher.h"

#include "platform/programpaths.h"
#include "problems/problemlog.h"
#include "session/loggersession.h"
#include "text/failure.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSysInfo>

namespace Brolant {

namespace {
const QByteArray kOnline = QByteArrayLiteral("online");
const QByteArray kOffline = QByteArrayLiteral("offline");
// What a publisher reports once while it lasts: a publisher that replaces it reports it again.
constexpr Problem kEpisodes[] = {Problem::BrokerNotAvailable, Problem::BrokerRefusesRecords,
                                 Problem::BrokerRefusesMessages, Problem::MqttQueueFull, Problem::MqttQueueNotWritten};
// Enough of the hash to distinguish a few loggers, short enough for any broker's client ids.
constexpr qsizetype kInstanceHexDigits = 12;
} // namespace

MqttPublisher::MqttPublisher(const QString &programFolder, const MqttSettings &settings, const LoggerSession &session,
                             ProblemLog &problems)
    : m_session(session),
      m_problems(problems),
      m_settings(settings),
      m_instance(instanceId(programFolder)),
      m_messages(settings, m_instance),
      m_logged(programFolder),
      m_queue(programFolder, &MqttMessages::isQueuedPayload, &m_logged),
      m_client(settings, m_instance, m_messages.status(false))
{
    connect(&m_client, &MqttClient::connected, this, &MqttPublisher::connectedToBroker);
    connect(&m_client, &MqttClient::disconnected, this, &MqttPublisher::brokerLost);
    connect(&m_client, &MqttClient::delivered, this, &MqttPublisher::delivered);
    connect(&m_client, &MqttClient::refused, this, &MqttPublisher::refused);
    connect(&m_client, &MqttClient::received, this, &MqttPublisher::onMessage);
    connect(&session, &LoggerSession::readingReceived, this, &MqttPublisher::publishLive);
    connect(&session, &LoggerSession::recordStored, this,
            [this](const Record &record) { enqueue(m_messages.record(record).payload); });
    connect(&session, &LoggerSession::dayClosed, this,
            [this](const QDate &day, double wattHours) { enqueue(m_messages.dayEnergy(day, wattHours).payload); });
    m_refusedRetry.setSingleShot(true);
    m_refusedRetry.setInterval(kRefusedRetry);
    connect(&m_refusedRetry, &QTimer::timeout, this, &MqttPublisher::sendWaiting);
    m_unwrittenRetry.setInterval(kUnwrittenRetry);
    connect(&m_unwrittenRetry, &QTimer::timeout, this, [this] { queueWritten(m_queue.writeUnwritten()); });
    qRegisterMetaType<BrokerState>();
}

MqttPublisher::~MqttPublisher()
{
    for (const Problem problem : kEpisodes)
        m_problems.forget(problem);
}

QString MqttPublisher::instanceId(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    const QByteArray who = QSysInfo::machineUniqueId() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n'
                           + (folder.exists() ? folder.canonicalFilePath() : folder.absoluteFilePath()).toUtf8();
    return QStringLiteral("brolant-")
           + QString::fromLatin1(
               QCryptographicHash::hash(who, QCryptographicHash::Sha256).toHex().left(kInstanceHexDigits));
}

QString MqttPublisher::address() const
{
    return QStringLiteral("%1:%2").arg(m_settings.host).arg(m_settings.port);
}

void MqttPublisher::start()
{
    reportQueueLoaded();
    setState(BrokerState::Kind::Connecting);
    m_client.start();
}

void MqttPublisher::reportQueueLoaded()
{
    const RecordQueue::Loaded &loaded = m_queue.loaded();
    if (loaded.damaged > 0)
        m_problems.report(Problem::MqttQueueDamaged,
                          QStringLiteral("%1 line(s) of %2 were no records and are not sent; they are set aside in %3")
                              .arg(loaded.damaged)
                              .arg(FileName::kMqttQueue, FileName::kMqttQueueDamaged));
    if (loaded.requeued > 0)
        m_problems.report(Problem::MqttQueueRequeued,
                          QStringLiteral("%1 record(s) or days' energy in the daily logs and %2 were missing from %3 "
                                         "(the power failed?) and are queued again")
                              .arg(loaded.requeued)
                              .arg(FileName::kEnergyArchive, FileName::kMqttQueue));
    if (loaded.dropped > 0)
        m_problems.report(Problem::MqttQueueTrimmed,
                          QStringLiteral("%1 held more than %2 records: the oldest %3 were dropped")
                              .arg(FileName::kMqttQueue)
                              .arg(RecordQueue::kCapacity)
                              .arg(loaded.dropped));
    if (!loaded.journal)
        m_problems.report(Problem::MqttQueueNotLoaded, loaded.journal.failure().description);
    reportTornEnds();
}

void MqttPublisher::reportTornEnds()
{
    for (const TextFile::TornEnd &torn : m_queue.consumeTornEnds())
        m_problems.reportTornEnd(torn);
}

void MqttPublisher::setState(BrokerState::Kind kind, const QString &reason)
{
    m_state.kind = kind;
    m_state.address = address();
    m_state.reason = reason;
    emit stateChanged(m_state);
}

void MqttPublisher::connectedToBroker()
{
    m_problems.resolved(Problem::BrokerNotAvailable, address());
    setState(BrokerState::Kind::Connected);
    // Who ended while the connection was away went unnoticed: known again from what they publish
    // now, and from the retained status, received before this logger's own replaces it.
    m_othersOnline.clear();
    m_client.subscribe(m_messages.statusTopic());
    m_client.publish(m_messages.status(true));
    publishDiscovery();
    publishAlarms();
    // Whatever was in flight on the lost connection goes again; nothing else sends it.
    m_inFlight.reset();
    m_refusedRetry.stop();
    sendWaiting();
}

void MqttPublisher::brokerLost(const Disconnection &disconnection)
{
    const QString reason = ConnectionReasons::text(disconnection, m_settings);
    // One entry an outage, however often the retries fail; logging goes on regardless.
    m_problems.report(Problem::BrokerNotAvailable, reason);
    m_inFlight.reset();
    setState(BrokerState::Kind::Unavailable, reason);
}

void MqttPublisher::onMessage(const MqttMessage &message)
{
    const QString instance = message.userProperties.value(MqttMessages::kInstanceProperty);
    if (message.topic != m_messages.statusTopic() || instance.isEmpty())
        return;
    if (message.payload == kOffline) {
        m_othersOnline.remove(instance);
        // Ours: the last will of a connection the broker kept after it was lost. Another's:
        // its end, or its last will after a kill. Either way this logger still publishes.
        if (!m_ending)
            m_client.publish(m_messages.status(true));
        return;
    }
    if (instance == m_instance || message.payload != kOnline)
        return;
    if (m_ending) {
        m_othersAnswered = true; // another saw this one go, and stays
        return;
    }
    m_othersOnline.insert(instance);
    if (!m_state.sharedSite.isEmpty())
        return;
    m_state.sharedSite = m_settings.site;
    m_problems.reportAbout(Problem::SharedSite, ProblemLog::Subject{m_settings.site},
                           QStringLiteral("its records and these mix on %1: give each logger a Site of its own")
                               .arg(m_messages.recordTopic()));
    emit stateChanged(m_state);
}

void MqttPublisher::publishLive(const LiveReading &live)
{
    if (m_settings.liveEvery.count() == 0 || !m_client.isConnected()
        || (m_lastLive && live.seen - *m_lastLive < m_settings.liveEvery))
        return;
    m_lastLive = live.seen;
    m_client.publish(m_messages.live(live.reading, live.energyToday, live.time));
}

void MqttPublisher::enqueue(const QByteArray &payload)
{
    const RecordQueue::Pushed pushed = m_queue.push(payload);
    // The oldest goes first, and the one in flight is the oldest: its answer, when it comes, must
    // not remove the record behind it unsent.
    if (pushed.dropped > 0)
        m_inFlight.reset();
    // One entry an episode: from the first record dropped until the broker accepts them again.
    if (pushed.dropped > 0)
        m_problems.report(Problem::MqttQueueFull,
                          QStringLiteral("%1 holds %2 records: until the broker takes them, the "
                                         "oldest is dropped for each new one")
                              .arg(FileName::kMqttQueue)
                              .arg(RecordQueue::kCapacity));
    queueWritten(pushed.written);
    sendWaiting();
}

void MqttPublisher::queueWritten(const Result<> &written)
{
    // Records may stop coming (logging stopped): what the disk could not store is tried again
    // on its own, so that a kill after the disk was freed loses none.
    if (m_queue.holdsUnwritten())
        m_unwrittenRetry.start();
    else
        m_unwrittenRetry.stop();
    reportTornEnds();
    // Reported once until the journal stores records again; what it could not store waits in memory.
    if (!written)
        m_problems.report(Problem::MqttQueueNotWritten, written.failure().description);
    else
        m_problems.resolved(Problem::MqttQueueNotWritten);
}

void MqttPublisher::sendWaiting()
{
    // One at a time, so they arrive in order whatever happens to the connection.
    if (m_ending || m_inFlight || m_queue.isEmpty() || m_refusedRetry.isActive())
        return;
    m_inFlight = m_client.publish(m_messages.queued(m_queue.front()));
}

void MqttPublisher::delivered(int messageId)
{
    if (!m_inFlight || *m_inFlight != messageId)
        return;
    m_inFlight.reset();
    if (const Result<> popped = m_queue.pop(); !popped)
        m_problems.report(Problem::MqttQueueNotWritten, popped.failure().description);
    if (!m_queue.isFull())
        m_problems.resolved(Problem::MqttQueueFull);
    m_problems.resolved(Problem::BrokerRefusesRecords, address());
    if (m_state.kind == BrokerState::Kind::Refusing)
        setState(BrokerState::Kind::Connected);
    sendWaiting();
}

void MqttPublisher::refused(int messageId, const QString &topic, const QString &reason)
{
    const QString what = QStringLiteral("%1: %2").arg(topic, reason);
    if (m_inFlight && *m_inFlight == messageId) {
        // Only the broker's yes counts: the record stays first in the queue.
        m_inFlight.reset();
        m_refusedRetry.start();
        m_problems.report(Problem::BrokerRefusesRecords,
                          QStringLiteral("%1; they wait in %2").arg(what, FileName::kMqttQueue));
        setState(BrokerState::Kind::Refusing, what);
        return;
    }
    m_problems.reportAbout(Problem::BrokerRefusesMessages, ProblemLog::Subject{topic}, what);
}

QString MqttPublisher::windUnits() const
{
    return m_session.settings().program.wsUnits.text();
}

void MqttPublisher::publishDiscovery()
{
    m_discoveredUnits = windUnits();
    for (const MqttMessage &config : m_messages.discovery(m_discoveredUnits))
        m_client.publish(config);
}

void MqttPublisher::applyUnits()
{
    if (m_client.isConnected() && windUnits() != m_discoveredUnits)
        publishDiscovery();
}

void MqttPublisher::setAlarms(const QList<MqttAlarm> &alarms)
{
    m_alarms = alarms;
    for (const MqttAlarm &alarm : alarms)
        if (alarm.raised)
            m_alarmRaised.insert(alarm.name, *alarm.raised);
    publishAlarms();
}

void MqttPublisher::alarmChanged(const QString &name, bool raised)
{
    m_alarmRaised.insert(name, raised);
    m_client.publish(m_messages.alarm(name, raised));
}

void MqttPublisher::publishAlarms()
{
    if (!m_client.isConnected())
        return;
    for (const MqttMessage &config : m_messages.alarmDiscovery(m_alarms))
        m_client.publish(config);
    // Kept by the broker: published again on every connection, so none lost with a connection stays
    // wrong, that of an alarm switched off included.
    for (const MqttAlarm &alarm : std::as_const(m_alarms)) {
        if (m_alarmRaised.contains(alarm.name))
            m_client.publish(m_messages.alarm(alarm.name, m_alarmRaised.value(alarm.name)));
    }
}

void MqttPublisher::end()
{
    m_ending = true;
    MqttMessage offline = m_messages.status(false);
    if (!m_othersOnline.isEmpty()) {
        // Others of this site publish: the status the broker keeps stays theirs. They receive this
        // one's offline (not kept) and publish online again; once that is received, nothing more is
        // sent. Unanswered (they end as well), the site goes offline after all.
        offline.retained = false;
        m_client.publish(offline);
        m_client.awaitBriefly([this] { return m_othersAnswered || m_othersOnline.isEmpty(); });
        offline.retained = true;
    }
    m_client.stop(m_othersAnswered ? std::nullopt : std::optional(offline));
    m_unwrittenRetry.stop();
    if (const Result<> written = m_queue.writeUnwritten(); !written)
        m_problems.report(Problem::MqttQueueUnwrittenLost, written.failure().description);
    m_queue.close();
}

} // namespace Brolant
