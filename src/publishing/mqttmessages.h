// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <chrono>
#include <optional>

class QDate;
class QDateTime;

namespace Brolant {

struct MqttSettings;
struct Reading;
struct Record;

// One message for the broker: where it goes, what it contains, and how it is kept.
struct MqttMessage
{
    QString topic;
    QByteArray payload;
    int qos = 0;
    bool retained = false;
    // MQTT 5 user properties: name, value.
    QMap<QString, QString> userProperties = {};
};

// An alarm as published: its name, whether raised means the battery is low, and whether it is on.
struct MqttAlarm
{
    QString name;
    bool batteryLow = false;
    bool on = false;
    // Its state now, published on every connection; nothing for an alarm that is off and of which
    // nothing was ever published.
    std::optional<bool> raised;
};

// The topics and payloads Brolant publishes, built from numbers; T is the Topic and S the Site:
// T/S/status, T/S/live, T/S/record, T/S/energy, and Home Assistant's discovery configs.
class MqttMessages
{
public:
    // The user property of the status that names the logger publishing it.
    static inline const QString kInstanceProperty = QStringLiteral("instance");
    // Home Assistant calls a sensor unavailable after this many live intervals without a reading.
    static constexpr int kLiveIntervalsToExpiry = 5;

    // `instance` names this logger in its status, so that another publishing as the same site is
    // noticed.
    explicit MqttMessages(const MqttSettings &settings, const QString &instance = QString());

    QString statusTopic() const;
    QString recordTopic() const;
    // "online" when connected; the broker's last will publishes "offline". Both carry the instance.
    MqttMessage status(bool online) const;
    // The latest reading, at most one a second: not kept, lost when nobody listens.
    MqttMessage live(const Reading &reading, double energy, const QDateTime &time) const;
    // One logged interval, as the daily log rounds it; each must arrive once, in order.
    MqttMessage record(const Record &record) const;
    // A finished day's watt-hours, kept by the broker for whoever asks later; it waits in the
    // queue with the records.
    MqttMessage dayEnergy(const QDate &day, double wattHours) const;
    // A record's or a day's energy payload as it waited in the queue, on its own topic.
    MqttMessage queued(const QByteArray &payload) const;
    // Whether a line of the queue file is a payload record(), dayEnergy() or loggedRecord() made:
    // a JSON object with exactly their fields, a valid time or date and numbers.
    static bool isQueuedPayload(const QByteArray &line);
    // A record as the daily log kept it, queued again after a power cut lost it from the queue:
    // its time to the minute, and no frame count, which the daily log does not record.
    static QByteArray loggedRecord(const QDateTime &time, const std::array<double, 5> &values, double wattHours);
    static QByteArray dayEnergyPayload(const QDate &day, double wattHours);
    // One retained config per sensor, so Home Assistant finds them by itself; none when
    // discovery is off. The sensors read the live messages and expire when those stop (the board
    // went quiet), or, with no live messages, the records.
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
    QString m_instance;
    std::chrono::seconds m_liveEvery;
};

} // namespace Brolant
