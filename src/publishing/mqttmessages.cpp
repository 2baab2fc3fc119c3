// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/mqttmessages.h"

#include "logging/readingpayload.h"
#include "publishing/mqttsettings.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace Brolant {

namespace {
constexpr int kAtMostOnce = 0;
constexpr int kAtLeastOnce = 1;
// Records and days' energy: a record sent again after a lost connection is not delivered twice.
constexpr int kExactlyOnce = 2;
const QString kDate = QStringLiteral("date");

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The fields of a queued payload, in the order keys() gives them.
const QStringList kRecordFields{PayloadName::kAmps,  PayloadName::kFrames, PayloadName::kRpm,       PayloadName::kTime,
                                PayloadName::kVolts, PayloadName::kWatts,  PayloadName::kWattHours, PayloadName::kWind};
const QStringList kLoggedRecordFields{PayloadName::kAmps,  PayloadName::kRpm,   PayloadName::kTime,
                                      PayloadName::kVolts, PayloadName::kWatts, PayloadName::kWattHours,
                                      PayloadName::kWind};
const QStringList kEnergyFields{kDate, PayloadName::kWattHours};

bool allNumbers(const QJsonObject &object, const QStringList &fields, const QString &except)
{
    return std::all_of(fields.begin(), fields.end(),
                       [&](const QString &field) { return field == except || object.value(field).isDouble(); });
}

// Wind-speed units Home Assistant knows as a wind speed.
bool isWindSpeedUnit(const QString &units)
{
    return QStringList{QStringLiteral("m/s"), QStringLiteral("km/h"), QStringLiteral("mph"), QStringLiteral("kn"),
                       QStringLiteral("ft/s")}
        .contains(units);
}
} // namespace

MqttMessages::MqttMessages(const MqttSettings &settings, const QString &instance)
    : m_base(settings.topic + u'/' + settings.site),
      m_site(settings.site),
      m_discoveryPrefix(settings.discovery),
      m_instance(instance),
      m_liveEvery(settings.liveEvery)
{
}

QString MqttMessages::topic(const QString &leaf) const
{
    return m_base + u'/' + leaf;
}

QString MqttMessages::statusTopic() const
{
    return topic(QStringLiteral("status"));
}

QString MqttMessages::recordTopic() const
{
    return topic(QStringLiteral("record"));
}

MqttMessage MqttMessages::status(bool online) const
{
    MqttMessage message{statusTopic(), online ? QByteArrayLiteral("online") : QByteArrayLiteral("offline"),
                        kAtLeastOnce, true};
    if (!m_instance.isEmpty())
        message.userProperties.insert(kInstanceProperty, m_instance);
    return message;
}

MqttMessage MqttMessages::live(const Reading &reading, double energy, const QDateTime &time) const
{
    return {topic(QStringLiteral("live")), json(ReadingPayload::live(reading, energy, time)), kAtMostOnce, false};
}

MqttMessage MqttMessages::record(const Record &record) const
{
    return {recordTopic(), json(ReadingPayload::record(record)), kExactlyOnce, false};
}

MqttMessage MqttMessages::dayEnergy(const QDate &day, double wattHours) const
{
    return {topic(QStringLiteral("energy")), dayEnergyPayload(day, wattHours), kExactlyOnce, true};
}

QByteArray MqttMessages::dayEnergyPayload(const QDate &day, double wattHours)
{
    return json({{kDate, day.toString(Qt::ISODate)}, {PayloadName::kWattHours, ReadingPayload::wattHours(wattHours)}});
}

QByteArray MqttMessages::loggedRecord(const QDateTime &time, const std::array<double, 5> &values, double wattHours)
{
    return json({{PayloadName::kTime, ReadingPayload::isoTime(time)},
                 {PayloadName::kVolts, values[0]},
                 {PayloadName::kAmps, values[1]},
                 {PayloadName::kWatts, values[2]},
                 {PayloadName::kRpm, values[3]},
                 {PayloadName::kWind, values[4]},
                 {PayloadName::kWattHours, ReadingPayload::wattHours(wattHours)}});
}

MqttMessage MqttMessages::queued(const QByteArray &payload) const
{
    if (QJsonDocument::fromJson(payload).object().contains(kDate))
        return {topic(QStringLiteral("energy")), payload, kExactlyOnce, true};
    return {recordTopic(), payload, kExactlyOnce, false};
}

bool MqttMessages::isQueuedPayload(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QStringList fields = object.keys();
    if (fields == kRecordFields || fields == kLoggedRecordFields)
        return allNumbers(object, fields, PayloadName::kTime)
               && QDateTime::fromString(object.value(PayloadName::kTime).toString(), Qt::ISODateWithMs).isValid();
    if (fields == kEnergyFields)
        return allNumbers(object, fields, kDate)
               && QDate::fromString(object.value(kDate).toString(), Qt::ISODate).isValid();
    return false;
}

QList<MqttMessage> MqttMessages::discovery(const QString &windSpeedUnits) const
{
    if (m_discoveryPrefix.isEmpty())
        return {};
    struct Sensor
    {
        const char *key;
        const char *name;
        const char *deviceClass; // empty: none fits
        const char *stateClass;
        QString unit;
    };
    const Sensor sensors[] = {
        {"volts", "Battery voltage", "voltage", "measurement", QStringLiteral("V")},
        {"amps", "Charging current", "current", "measurement", QStringLiteral("A")},
        {"watts", "Power", "power", "measurement", QStringLiteral("W")},
        {"wh", "Energy today", "energy", "total_increasing", QStringLiteral("Wh")},
        {"rpm", "Turbine speed", "", "measurement", QStringLiteral("rpm")},
        {"wind", "Wind speed", isWindSpeedUnit(windSpeedUnits) ? "wind_speed" : "", "measurement", windSpeedUnits},
    };
    const QString deviceId = this->deviceId();
    const QJsonObject device = this->device();
    const bool live = m_liveEvery.count() > 0;
    QList<MqttMessage> messages;
    for (const Sensor &sensor : sensors) {
        const QString key = QLatin1String(sensor.key);
        QJsonObject config{{QStringLiteral("name"), QLatin1String(sensor.name)},
                           {QStringLiteral("unique_id"), deviceId + u'_' + key},
                           {QStringLiteral("state_topic"), live ? topic(QStringLiteral("live")) : recordTopic()},
                           {QStringLiteral("value_template"), QStringLiteral("{{ value_json.%1 }}").arg(key)},
                           {QStringLiteral("availability_topic"), statusTopic()},
                           {QStringLiteral("state_class"), QLatin1String(sensor.stateClass)},
                           {QStringLiteral("device"), device}};
        if (!sensor.unit.isEmpty())
            config.insert(QStringLiteral("unit_of_measurement"), sensor.unit);
        // The status shows whether the logger is there; this, whether the board still sends.
        if (live)
            config.insert(QStringLiteral("expire_after"), qint64(kLiveIntervalsToExpiry * m_liveEvery.count()));
        if (*sensor.deviceClass)
            config.insert(QStringLiteral("device_class"), QLatin1String(sensor.deviceClass));
        messages.append({QStringLiteral("%1/sensor/%2/%3/config").arg(m_discoveryPrefix, deviceId, key), json(config),
                         kAtLeastOnce, true});
    }
    return messages;
}

QString MqttMessages::deviceId() const
{
    return QStringLiteral("brolant_") + m_site;
}

QJsonObject MqttMessages::device() const
{
    return {{QStringLiteral("identifiers"), QJsonArray{deviceId()}},
            {QStringLiteral("name"), QStringLiteral("Brolant ") + m_site},
            {QStringLiteral("manufacturer"), QStringLiteral("Brolant")},
            {QStringLiteral("model"), QStringLiteral("Wind and battery logger")},
            {QStringLiteral("sw_version"), QStringLiteral(BROLANT_VERSION)}};
}

MqttMessage MqttMessages::alarm(const QString &name, bool raised) const
{
    return {topic(QStringLiteral("alarm/") + name), raised ? QByteArray("raised") : QByteArray("cleared"), kAtLeastOnce,
            true};
}

QList<MqttMessage> MqttMessages::alarmDiscovery(const QList<MqttAlarm> &alarms) const
{
    if (m_discoveryPrefix.isEmpty())
        return {};
    QList<MqttMessage> messages;
    for (const auto &[name, batteryLow, on, raised] : alarms) {
        const QString key = QStringLiteral("alarm_") + name.toLower();
        const QString configTopic = QStringLiteral("%1/binary_sensor/%2/%3/config")
                                        .arg(m_discoveryPrefix, deviceId(), key);
        if (!on) {
            messages.append({configTopic, QByteArray(), kAtLeastOnce, true});
            continue;
        }
        const QJsonObject config{
            {QStringLiteral("name"), QStringLiteral("Alarm ") + name},
            {QStringLiteral("unique_id"), deviceId() + u'_' + key},
            {QStringLiteral("state_topic"), topic(QStringLiteral("alarm/") + name)},
            {QStringLiteral("payload_on"), QStringLiteral("raised")},
            {QStringLiteral("payload_off"), QStringLiteral("cleared")},
            {QStringLiteral("availability_topic"), statusTopic()},
            {QStringLiteral("device_class"), batteryLow ? QStringLiteral("battery") : QStringLiteral("problem")},
            {QStringLiteral("device"), device()}};
        messages.append({configTopic, json(config), kAtLeastOnce, true});
    }
    return messages;
}

} // namespace Brolant
