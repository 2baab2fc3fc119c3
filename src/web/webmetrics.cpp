// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webmetrics.h"

#include "acquisition/reading.h"
#include "alarms/alarmservice.h"
#include "text/windspeedunit.h"
#include "web/livestate.h"

#include <QDateTime>
#include <QLocale>

#include <array>

namespace Brolant {

namespace {
constexpr double kJoulesPerWattHour = 3600.0;
using Labelled = std::pair<QString, double>; // a label's value and the sample's

constexpr std::array kPortKinds{PortIntent::Kind::Open,   PortIntent::Kind::Failed,       PortIntent::Kind::Retrying,
                                PortIntent::Kind::NoPort, PortIntent::Kind::HeldByDialog, PortIntent::Kind::Ending};
constexpr std::array kBrokerKinds{BrokerState::Kind::Off, BrokerState::Kind::Connecting, BrokerState::Kind::Connected,
                                  BrokerState::Kind::Refusing, BrokerState::Kind::Unavailable};
constexpr double kMillisecondsPerSecond = 1000.0;

// Backslashes and line breaks escaped, and in a label's value its quotes.
QByteArray escaped(QString text, bool inQuotes)
{
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    if (inQuotes)
        text.replace(u'"', QStringLiteral("\\\""));
    return text.toUtf8();
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

// One family: its HELP and TYPE lines, then its samples.
class Family
{
public:
    Family(QByteArray &out, const char *name, const char *type, const QString &help) : m_out(out), m_name(name)
    {
        m_out += "# HELP " + m_name + ' ' + escaped(help, false) + "\n# TYPE " + m_name + ' ' + type + '\n';
    }
    void sample(double value) { m_out += m_name + ' ' + number(value) + '\n'; }
    void samples(const char *label, const QList<Labelled> &values)
    {
        for (const auto &[text, value] : values)
            m_out += m_name + '{' + label + "=\"" + escaped(text, true) + "\"} " + number(value) + '\n';
    }

private:
    QByteArray &m_out;
    QByteArray m_name;
};

void gauge(QByteArray &out, const char *name, const QString &help, double value)
{
    Family(out, name, "gauge", help).sample(value);
}

// The latest reading's gauges, none before the first reading.
void appendReading(QByteArray &out, const LiveState &state)
{
    if (state.readingTime().isValid()) {
        const Reading &reading = state.reading();
        gauge(out, "brolant_battery_volts", QStringLiteral("Battery voltage of the latest reading."), reading.volts);
        gauge(out, "brolant_charge_amperes", QStringLiteral("Charging current of the latest reading."), reading.amps);
        gauge(out, "brolant_power_watts", QStringLiteral("Charging power of the latest reading."), reading.watts);
        gauge(out, "brolant_turbine_rpm",
              QStringLiteral("Turbine speed of the latest reading, in revolutions a minute."), reading.rpm);
        // In the base unit, so speeds from loggers set to other units compare; a unit that names no
        // speed (a sensor's own count) has no series rather than one that lies.
        if (const auto metresPerSecond = WindSpeedUnit::toMetresPerSecond(state.windUnits()))
            gauge(
                out, "brolant_wind_speed_meters_per_second",
                QStringLiteral("Wind speed of the latest reading (set in Program Setup in %1).").arg(state.windUnits()),
                reading.windSpeed * *metresPerSecond);
        gauge(out, "brolant_last_reading_timestamp_seconds",
              QStringLiteral("When the latest reading came, in seconds since 1970-01-01 UTC."),
              double(state.readingTime().toMSecsSinceEpoch()) / kMillisecondsPerSecond);
    }
}

// The day's energy and the counts since the logger started.
void appendCounts(QByteArray &out, const LiveState &state)
{
    gauge(out, "brolant_energy_today_joules",
          QStringLiteral("Energy delivered today (since midnight, or since the logger started)."),
          state.energyToday() * kJoulesPerWattHour);
    const FrameCounts &frames = state.framesSinceStart();
    Family(out, "brolant_frames_total", "counter",
           QStringLiteral("Frames from the board since the logger started: accepted (used), rejected (given up), "
                          "checksum (a checksum that did not hold)."))
        .samples("result", {{QStringLiteral("accepted"), double(frames.accepted)},
                            {QStringLiteral("rejected"), double(frames.rejected)},
                            {QStringLiteral("checksum"), double(frames.checksumErrors)}});
    Family(out, "brolant_dropped_characters_total", "counter",
           QStringLiteral("Characters from the board dropped as no part of a frame since the logger started."))
        .sample(double(frames.droppedCharacters));
    Family(out, "brolant_records_total", "counter", QStringLiteral("Records logged since the logger started."))
        .sample(double(state.recordsLogged()));
    gauge(out, "brolant_logging", QStringLiteral("Whether logging runs (1) or not (0)."), state.isLogging() ? 1 : 0);
}

// One sample a possible state of the alarms, the port and the broker, 1 for the present one.
void appendStates(QByteArray &out, const LiveState &state)
{
    QList<Labelled> alarms;
    for (int kind = 0; kind < kAlarmKinds; ++kind) {
        const QString &name = alarmDefinition(AlarmKind(kind)).name;
        const bool raised = std::any_of(
            state.alarmBoard().raised().begin(), state.alarmBoard().raised().end(),
            [&name](const AlarmBoard::Entry &entry) { return entry.change.definition().name == name; });
        alarms.append({name, raised ? 1 : 0});
    }
    Family(out, "brolant_alarm_raised", "gauge", QStringLiteral("Whether each alarm is raised (1) or not (0)."))
        .samples("name", alarms);

    QList<Labelled> port;
    for (const PortIntent::Kind kind : kPortKinds)
        port.append({LiveState::portWord(kind), kind == state.portIntent().kind ? 1 : 0});
    Family(out, "brolant_port_state", "gauge",
           QStringLiteral("The board's port: 1 for the state it is in (open, failed, retrying, none set, held by a "
                          "dialog, ending), 0 for the others."))
        .samples("state", port);
    QList<Labelled> broker;
    for (const BrokerState::Kind kind : kBrokerKinds)
        broker.append({LiveState::brokerWord(kind), kind == state.brokerKind() ? 1 : 0});
    Family(out, "brolant_broker_state", "gauge",
           QStringLiteral("Publishing to the MQTT broker: 1 for the state it is in (off while nothing is published), "
                          "0 for the others."))
        .samples("state", broker);
}
} // namespace

namespace WebMetrics {

QByteArray text(const LiveState &state)
{
    QByteArray out;
    appendReading(out, state);
    appendCounts(out, state);
    appendStates(out, state);
    return out;
}

} // namespace WebMetrics

} // namespace Brolant
