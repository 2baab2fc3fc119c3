// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/livestate.h"

#include "acquisition/livelist.h"
#include "alarms/alarmservice.h"
#include "logging/readingpayload.h"
#include "publishing/mqttpublishing.h"
#include "session/loggersession.h"
#include "text/rounding.h"
#include "web/webjson.h"

#include <QJsonArray>

namespace Brolant {

namespace {
constexpr int kAgeDecimals = 1;
} // namespace

QString LiveState::portWord(PortIntent::Kind kind)
{
    switch (kind) {
    case PortIntent::Kind::Open:
        return QStringLiteral("open");
    case PortIntent::Kind::Failed:
        return QStringLiteral("failed");
    case PortIntent::Kind::Retrying:
        return QStringLiteral("retrying");
    case PortIntent::Kind::NoPort:
        return QStringLiteral("none");
    case PortIntent::Kind::HeldByDialog:
        return QStringLiteral("held");
    case PortIntent::Kind::Ending:
        return QStringLiteral("ending");
    }
    return QString();
}

QString LiveState::brokerWord(BrokerState::Kind kind)
{
    switch (kind) {
    case BrokerState::Kind::Off:
        return QStringLiteral("off");
    case BrokerState::Kind::Connecting:
        return QStringLiteral("connecting");
    case BrokerState::Kind::Connected:
        return QStringLiteral("connected");
    case BrokerState::Kind::Refusing:
        return QStringLiteral("refusing");
    case BrokerState::Kind::Unavailable:
        return QStringLiteral("unavailable");
    }
    return QString();
}

LiveState::LiveState(const LoggerSession &session, const Clock &clock, AlarmService &alarms, MqttPublishing &publishing,
                     QObject *parent)
    : QObject(parent), m_session(session), m_clock(clock), m_alarms(alarms)
{
    connect(&session, &LoggerSession::readingReceived, this, [this](const LiveReading &live) {
        m_reading = live.reading;
        m_readingTime = live.time;
        m_readingSeen = live.seen;
        emit changed();
    });
    connect(&session, &LoggerSession::recordLogged, this, [this](const Record &record) {
        ++m_recordsLogged;
        emit recordLogged(WebJson::record(record));
        emit changed();
    });
    connect(&publishing, &MqttPublishing::stateChanged, this, [this](const BrokerState &state) {
        m_broker = state;
        emit changed();
    });
    connect(&alarms.board(), &AlarmBoard::changed, this, &LiveState::changed);
    connect(&session, &LoggerSession::portIntentChanged, this, &LiveState::changed);
    connect(&session, &LoggerSession::loggingChanged, this, &LiveState::changed);
}

const AlarmBoard &LiveState::alarmBoard() const
{
    return m_alarms.board();
}

const QString &LiveState::programFolder() const
{
    return m_session.programFolder();
}

double LiveState::energyToday() const
{
    return m_session.energyToday();
}

const FrameCounts &LiveState::framesSinceStart() const
{
    return m_session.frameHealth().sinceStart;
}

const PortIntent &LiveState::portIntent() const
{
    return m_session.portIntent();
}

bool LiveState::isLogging() const
{
    return m_session.isLogging();
}

QString LiveState::windUnits() const
{
    return m_session.settings().program.wsUnits.text();
}

QJsonObject LiveState::json() const
{
    const Reading &reading = this->reading();
    const double energy = energyToday();
    QJsonObject object = ReadingPayload::live(reading, energy, m_readingTime);
    QJsonValue age = QJsonValue::Null;
    if (m_readingSeen) {
        age = Rounding::halfAway(std::chrono::duration<double>(m_clock.monotonic() - *m_readingSeen).count(),
                                 kAgeDecimals);
    } else {
        object.insert(PayloadName::kTime, QJsonValue::Null); // no reading yet
    }
    // The figures as the main window's list shows them, every row of it.
    LiveListLayout layout;
    layout.showsRpm = layout.showsWindSpeed = true;
    const QStringList values = layout.values(reading, energy);
    const QStringList names{PayloadName::kVolts,     PayloadName::kAmps, PayloadName::kWatts,
                            PayloadName::kWattHours, PayloadName::kRpm,  PayloadName::kWind};
    QJsonObject texts;
    for (qsizetype at = 0; at < names.size(); ++at)
        texts.insert(names[at], values.value(at));
    object.insert(QStringLiteral("today"), m_clock.now().date().toString(Qt::ISODate));
    object.insert(QStringLiteral("age"), age);
    object.insert(QStringLiteral("texts"), texts);
    object.insert(QStringLiteral("windUnits"), windUnits());
    const FrameHealth &health = m_session.frameHealth();
    object.insert(QStringLiteral("frames"), QJsonObject{{QStringLiteral("interval"), health.thisInterval.summary()},
                                                        {QStringLiteral("sinceStart"), health.sinceStart.summary()}});
    object.insert(QStringLiteral("port"), portJson());
    object.insert(QStringLiteral("logging"), isLogging());
    object.insert(QStringLiteral("interval"), m_session.intervalSeconds());
    object.insert(QStringLiteral("alarms"), WebJson::alarms(m_alarms.board()).value(QStringLiteral("raised")));
    object.insert(QStringLiteral("broker"), brokerJson());
    return object;
}

QJsonObject LiveState::portJson() const
{
    const PortIntent &intent = portIntent();
    return {{QStringLiteral("state"), portWord(intent.kind)}, {QStringLiteral("reason"), intent.reason}};
}

QJsonValue LiveState::brokerJson() const
{
    if (!m_broker || m_broker->kind == BrokerState::Kind::Off)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("state"), brokerWord(m_broker->kind)},
                       {QStringLiteral("address"), m_broker->address},
                       {QStringLiteral("reason"), m_broker->reason},
                       {QStringLiteral("sharedSite"), m_broker->sharedSite}};
}

} // namespace Brolant
