#include "alarms/alarmmonitor.h"

#include "acquisition/reading.h"
#include "platform/clock.h"
#include "text/numerictext.h"
#include "text/rounding.h"

namespace Brolant {

namespace {
constexpr std::chrono::seconds kSilenceCheck{1};
}

QString AlarmChange::numberText() const
{
    return NumericText::shortest(Rounding::halfAway(value, 2));
}

QString AlarmChange::valueText() const
{
    return numberText() + u' ' + definition().unit;
}

QString AlarmChange::text() const
{
    return definition().name + QStringLiteral("  ") + (raised ? QStringLiteral("raised") : QStringLiteral("cleared"))
           + QStringLiteral("  ") + valueText();
}

namespace {
// Whole seconds, as the silence is written in alarms.txt.
double secondsBetween(MonotonicTime from, MonotonicTime to)
{
    return double(std::chrono::duration_cast<std::chrono::seconds>(to - from).count());
}
} // namespace

AlarmMonitor::AlarmMonitor(const AlarmSettings &settings, const Clock &clock, QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(clock)
{
    m_silenceTimer.setInterval(kSilenceCheck);
    connect(&m_silenceTimer, &QTimer::timeout, this, &AlarmMonitor::checkSilence);
}

void AlarmMonitor::setSettings(const AlarmSettings &settings)
{
    m_settings = settings;
    for (int kind = 0; kind < kAlarmKinds; ++kind) {
        m_states[size_t(kind)].heldSince.reset();
        if (isRaised(AlarmKind(kind)) && !m_settings.isOn(AlarmKind(kind)))
            change(AlarmKind(kind), false, m_lastValues[size_t(kind)]);
    }
    if (m_lastHeard && m_settings.isOn(AlarmKind::NoData))
        m_silenceTimer.start();
    else
        m_silenceTimer.stop();
}

void AlarmMonitor::watchPort()
{
    m_lastHeard = m_clock.monotonic();
    if (m_settings.isOn(AlarmKind::NoData))
        m_silenceTimer.start();
}

void AlarmMonitor::readingAccepted(const Reading &reading)
{
    const MonotonicTime now = m_clock.monotonic();
    if (isRaised(AlarmKind::NoData) && m_lastHeard)
        change(AlarmKind::NoData, false, secondsBetween(*m_lastHeard, now));
    if (m_lastHeard)
        m_lastHeard = now;
    judge(AlarmKind::LowVolts, reading.volts);
    judge(AlarmKind::HighVolts, reading.volts);
    judge(AlarmKind::HighAmps, reading.amps);
    judge(AlarmKind::HighRpm, reading.rpm);
}

void AlarmMonitor::checkSilence()
{
    if (!m_lastHeard || !m_settings.noDataSeconds || isRaised(AlarmKind::NoData))
        return;
    const double silent = secondsBetween(*m_lastHeard, m_clock.monotonic());
    m_lastValues[size_t(AlarmKind::NoData)] = silent;
    if (silent >= *m_settings.noDataSeconds)
        change(AlarmKind::NoData, true, silent);
}

void AlarmMonitor::judge(AlarmKind kind, double value)
{
    const AlarmSettings::Levels &levels = m_settings.levels[size_t(kind)];
    m_lastValues[size_t(kind)] = value;
    if (!levels.raise)
        return;
    State &state = m_states[size_t(kind)];
    const bool low = alarmDefinition(kind).low;
    // While raised, only the clear condition counts; while clear, only the raise condition.
    const bool leaning = state.raised ? (low ? value >= levels.clearAt() : value <= levels.clearAt())
                                      : (low ? value < *levels.raise : value > *levels.raise);
    if (!leaning) {
        state.heldSince.reset();
        return;
    }
    const MonotonicTime now = m_clock.monotonic();
    if (!state.heldSince)
        state.heldSince = now;
    if (std::chrono::duration<double>(now - *state.heldSince).count() >= m_settings.delaySeconds)
        change(kind, !state.raised, value);
}

void AlarmMonitor::change(AlarmKind kind, bool raised, double value)
{
    State &state = m_states[size_t(kind)];
    state.raised = raised;
    state.heldSince.reset();
    emit changed({kind, raised, value, m_clock.now()});
}

} // namespace Brolant
