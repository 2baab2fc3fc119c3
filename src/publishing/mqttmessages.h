#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

class QDate;
class QDateTime;

namespace Brolant {

struct MqttSettings;
struct Reading;
struct Record;

// One message for the broker: where it goes, what it says, and how it is kept.
struct MqttMessage
{
    QString topic;
    QByteArray payload;
    int qos = 0;
    bool retained = false;
};

// An alarm as published: its name, whether raised means the battery is low, and whether it is on.
struct MqttAlarm
{
    QString name;
    bool batteryLow = false;
    bool on = false;
};

// The topics and payloads Brolant publishes, built from numbers; T is the Topic and S the Site:
// T/S/status, T/S/live, T/S/record, T/S/energy, and Home Assistant's discovery configs.
class MqttMessages
{
public:
    explicit MqttMessages(const MqttSettings &settings);

    QString statusTopic() const;
    // "online" when connected; the broker's last will says "offline".
    MqttMessage status(bool online) const;
    // The latest reading, at most one a second: not kept, lost when nobody listens.
    MqttMessage live(const Reading &reading, double energy, const QDateTime &time) const;
    // One logged interval, as the daily log rounds it; each must arrive, in order.
    MqttMessage record(const Record &record) const;
    // A record's payload as it waited in the queue.
    MqttMessage queuedRecord(const QByteArray &payload) const;
    // A finished day's watt-hours, kept by the broker for whoever asks later.
    MqttMessage dayEnergy(const QDate &day, double wattHours) const;
    // One retained config per sensor, so Home Assistant finds them by itself; none when
    // discovery is off.
    QList<MqttMessage> discovery(const QString &windSpeedUnits) const;

    // An alarm's state, "raised" or "cleared", kept by the broker: T/S/alarm/<name>.
    MqttMessage alarm(const QString &name, bool raised) const;
    // One retained binary_sensor config per alarm that is on (of class battery, whose on is
    // "low", only for the battery-low alarm; the others of class problem), and an empty one for each alarm that is off, which removes
    // it from Home Assistant; none when discovery is off.
    QList<MqttMessage> alarmDiscovery(const QList<MqttAlarm> &alarms) const;

private:
    QString topic(const QString &leaf) const;
    QJsonObject device() const;
    QString deviceId() const;

    QString m_base; // T/S
    QString m_site;
    QString m_discoveryPrefix;
};

} // namespace Brolant
