#include "publishing/mqttmessages.h"

#include "logging/readingpayload.h"
#include "publishing/mqttsettings.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Brolant {

namespace {
constexpr int kAtMostOnce = 0;
constexpr int kAtLeastOnce = 1;

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Wind-speed units Home Assistant knows as a wind speed.
bool isWindSpeedUnit(const QString &units)
{
    return QStringList{QStringLiteral("m/s"), QStringLiteral("km/h"), QStringLiteral("mph"),
                       QStringLiteral("kn"), QStringLiteral("ft/s")}
        .contains(units);
}
} // namespace

MqttMessages::MqttMessages(const MqttSettings &settings)
    : m_base(settings.topic + u'/' + settings.site),
      m_site(settings.site),
      m_discoveryPrefix(settings.discovery)
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

MqttMessage MqttMessages::status(bool online) const
{
    return {statusTopic(), online ? QByteArrayLiteral("online") : QByteArrayLiteral("offline"),
            kAtLeastOnce, true};
}

MqttMessage MqttMessages::live(const Reading &reading, double energy, const QDateTime &time) const
{
    return {topic(QStringLiteral("live")), json(ReadingPayload::live(reading, energy, time)), kAtMostOnce, false};
}

MqttMessage MqttMessages::record(const Record &record) const
{
    return queuedRecord(json(ReadingPayload::record(record)));
}

MqttMessage MqttMessages::queuedRecord(const QByteArray &payload) const
{
    return {topic(QStringLiteral("record")), payload, kAtLeastOnce, false};
}

MqttMessage MqttMessages::dayEnergy(const QDate &day, double wattHours) const
{
    const QJsonObject object{{QStringLiteral("date"), day.toString(Qt::ISODate)},
                             {PayloadName::kWattHours, ReadingPayload::wattHours(wattHours)}};
    return {topic(QStringLiteral("energy")), json(object), kAtLeastOnce, true};
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
    QList<MqttMessage> messages;
    for (const Sensor &sensor : sensors) {
        const QString key = QLatin1String(sensor.key);
        QJsonObject config{{QStringLiteral("name"), QLatin1String(sensor.name)},
                           {QStringLiteral("unique_id"), deviceId + u'_' + key},
                           {QStringLiteral("state_topic"), topic(QStringLiteral("live"))},
                           {QStringLiteral("value_template"), QStringLiteral("{{ value_json.%1 }}").arg(key)},
                           {QStringLiteral("availability_topic"), statusTopic()},
                           {QStringLiteral("state_class"), QLatin1String(sensor.stateClass)},
                           {QStringLiteral("device"), device}};
        if (!sensor.unit.isEmpty())
            config.insert(QStringLiteral("unit_of_measurement"), sensor.unit);
        if (*sensor.deviceClass)
            config.insert(QStringLiteral("device_class"), QLatin1String(sensor.deviceClass));
        messages.append({QStringLiteral("%1/sensor/%2/%3/config").arg(m_discoveryPrefix, deviceId, key),
                         json(config), kAtLeastOnce, true});
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
    return {topic(QStringLiteral("alarm/") + name), raised ? QByteArray("raised") : QByteArray("cleared"),
            kAtLeastOnce, true};
}

QList<MqttMessage> MqttMessages::alarmDiscovery(const QList<MqttAlarm> &alarms) const
{
    if (m_discoveryPrefix.isEmpty())
        return {};
    QList<MqttMessage> messages;
    for (const auto &[name, batteryLow, on] : alarms) {
        const QString key = QStringLiteral("alarm_") + name.toLower();
        const QString configTopic = QStringLiteral("%1/binary_sensor/%2/%3/config").arg(m_discoveryPrefix, deviceId(), key);
        if (!on) {
            messages.append({configTopic, QByteArray(), kAtLeastOnce, true});
            continue;
        }
        const QJsonObject config{{QStringLiteral("name"), QStringLiteral("Alarm ") + name},
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
