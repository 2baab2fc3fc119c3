// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/framehealth.h"
#include "acquisition/reading.h"
#include "platform/clock.h"
#include "publishing/brokerstate.h"
#include "session/portintent.h"

#include <QDateTime>
#include <QJsonObject>
#include <QObject>

#include <optional>

namespace Brolant {

class AlarmBoard;
class AlarmService;
class LoggerSession;
class MqttPublishing;
struct LiveReading;

// What the page's "Now" and its metrics show, kept from the signals of the session and the parts
// beside it as they happen: the latest reading and when it came, the records logged, the port,
// logging, the raised alarms and the broker's state. Today's watt-hours and the frame counts are
// asked of the session when a page asks, so they are right at any moment (a read's counts change
// after its reading is reported; the energy starts again at midnight). It reaches into no window:
// it receives what every other listener receives.
class LiveState final : public QObject
{
    Q_OBJECT

public:
    LiveState(const LoggerSession &session, const Clock &clock, AlarmService &alarms, MqttPublishing &publishing,
              QObject *parent = nullptr);

    // The words of the port's and the broker's states, in the page's data and its metrics.
    static QString portWord(PortIntent::Kind kind);
    static QString brokerWord(BrokerState::Kind kind);

    // Everything "Now" shows, as /api/live gives it.
    QJsonObject json() const;
    const AlarmBoard &alarmBoard() const;
    const QString &programFolder() const;
    const Clock &clock() const { return m_clock; }

    const Reading &reading() const { return m_reading; }
    // When the latest reading came; invalid before the first.
    const QDateTime &readingTime() const { return m_readingTime; }
    // Today's watt-hours so far.
    double energyToday() const;
    const FrameCounts &framesSinceStart() const;
    long long recordsLogged() const { return m_recordsLogged; }
    const PortIntent &portIntent() const;
    bool isLogging() const;
    // Off while nothing is published.
    BrokerState::Kind brokerKind() const { return m_broker ? m_broker->kind : BrokerState::Kind::Off; }
    QString windUnits() const;

signals:
    // Something "Now" shows has changed.
    void changed();
    // An interval was logged: the record as the day's data contains it (WebJson::record).
    void recordLogged(const QJsonObject &record);

private:
    QJsonObject portJson() const;
    QJsonValue brokerJson() const;

    const LoggerSession &m_session;
    const Clock &m_clock;
    AlarmService &m_alarms;
    std::optional<BrokerState> m_broker; // nothing while nothing is published
    Reading m_reading;
    QDateTime m_readingTime;
    std::optional<MonotonicTime> m_readingSeen;
    long long m_recordsLogged = 0;
};

} // namespace Brolant
