#pragma once

#include "platform/clock.h"
#include "publishing/brokerstate.h"

#include <QDateTime>
#include <QJsonObject>
#include <QObject>

#include <optional>

namespace Brolant {

class AlarmBoard;
class AlarmService;
class LoggerSession;
class MqttPublishing;

// What the page's "Now" shows, kept from the parts' signals as they happen: the latest reading and
// when it came, the frame health, the port, logging, the raised alarms and the broker's state. It
// reaches into no window: it hears what every other listener hears.
class LiveState final : public QObject
{
    Q_OBJECT

public:
    LiveState(LoggerSession &session, AlarmService &alarms, MqttPublishing &publishing, QObject *parent = nullptr);

    // Everything "Now" shows, as /api/live gives it.
    QJsonObject json() const;
    const AlarmBoard &alarmBoard() const;
    const QString &programFolder() const;
    const Clock &clock() const;

signals:
    // Something "Now" shows has changed.
    void changed();
    // An interval was logged: the record as the day's data holds it (WebJson::record).
    void recordLogged(const QJsonObject &record);

private:
    QJsonObject portJson() const;
    QJsonValue brokerJson() const;

    LoggerSession &m_session;
    AlarmService &m_alarms;
    std::optional<BrokerState> m_broker; // nothing while nothing is published
    QDateTime m_readingTime;
    std::optional<MonotonicTime> m_readingSeen;
};

} // namespace Brolant
