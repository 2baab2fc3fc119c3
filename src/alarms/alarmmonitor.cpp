// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmmonitor.h"

#include "acquisition/reading.h"
#include "platform/clock.h"
#include "text/numbermask.h"

#include <QCoreApplication>

namespace Brolant {

namespace {
constexpr std::chrono::seconds kSilenceCheck{1};

constexpr const char *kTrContext = "Brolant::AlarmChange";
// In the order of AlarmKind.
const char *const kShownNames[kAlarmKinds] = {
    QT_TRANSLATE_NOOP("Brolant::AlarmChange", "LowVolts"), QT_TRANSLATE_NOOP("Brolant::AlarmChange", "HighVolts"),
    QT_TRANSLATE_NOOP("Brolant::AlarmChange", "HighAmps"), QT_TRANSLATE_NOOP("Brolant::AlarmChange", "HighRPM"),
    QT_TRANSLATE_NOOP("Brolant::AlarmChange", "NoData")};

// Whole seconds, as the silence is written in alarms.txt.
double secondsBetween(MonotonicTime from, MonotonicTime to)
{
    return double(std::chrono::duration_cast<std::chrono::seconds>(to - from).count());
}
} // namespace

QString AlarmChange::numberText() const
{
    return NumberMask::format(value, definition().mask);
}

QString AlarmChange::valueText() const
{
    return numberText() + u' ' + definition().unit;
}

QString AlarmChange::stateText() const
{
    return switchedOff ? QStringLiteral("switched off") : stateWord();
}

QString AlarmChange::stateWord() const
{
    return raised ? QStringLiteral("raised") : QStringLiteral("cleared");
}

QString AlarmChange::text() const
{
    return definition().name + QStringLiteral("  ") + stateText() + QStringLiteral("  ") + valueText();
}

QString AlarmChange::shownName() const
{
    return QCoreApplication::translate(kTrContext, kShownNames[int(kind)]);
}

QString AlarmChange::shownState() const
{
    if (switchedOff)
        return QCoreApplication::translate("Brolant::AlarmChange", "switched off");
    return raised ? QCoreApplication::translate("Brolant::AlarmChange", "raised")
                  : QCoreApplication::translate("Brolant::AlarmChange", "cleared");
}

QString AlarmChange::shownText() const
{
    return shownName() + QStringLiteral("  ") + shownState() + QStringLiteral("  ") + valueText();
}

AlarmMonitor::AlarmMonitor(const AlarmSettings &settings, const Clock &clock, QObject *parent)
    : QObject(parent), m_settings(settings), m_clock(clock)
{
    m_silenceTimer.setInterval(kSilenceCheck);
    connect(&m_silenceTimer, &QTimer::timeout, this, &AlarmMonitor::checkSilence);
}

void AlarmMonitor::setSettings(const AlarmSettings &settings)
{
    m_settings = settings;
    for (State &state : m_states)
        state.metSince.reset();
    clearSwitchedOff();
    if (m_portMeantOpen && m_settings.isOn(AlarmKind::NoData))
        m_silenceTimer.start();
    else
        m_silenceTimer.stop();
}

void AlarmMonitor::goOnFrom(const AlarmChange &lastLogged)
{
    m_states[size_t(lastLogged.kind)] = {lastLogged.raised, std::nullopt};
    m_lastValues[size_t(lastLogged.kind)] = lastLogged.value;
}

void AlarmMonitor::clearSwitchedOff()
{
    for (int kind = 0; kind < kAlarmKinds; ++kind) {
        if (isRaised(AlarmKind(kind)) && !m_settings.isOn(AlarmKind(kind)))
            change({AlarmKind(kind), false, m_lastValues[size_t(kind)], m_clock.now(), true});
    }
}

void AlarmMonitor::setPortMeantOpen(bool meantOpen)
{
    if (meantOpen == m_portMeantOpen)
        return;
    m_portMeantOpen = meantOpen;
    if (!meantOpen) {
        m_silenceTimer.stop();
        return;
    }
    // A raised NoData goes on counting from the last frame; otherwise the time the port was
    // closed on purpose is no silence.
    if (!isRaised(AlarmKind::NoData) || !m_lastReceived)
        m_lastReceived = m_clock.monotonic();
    if (m_settings.isOn(AlarmKind::NoData))
        m_silenceTimer.start();
}

void AlarmMonitor::portRemoved()
{
    if (isRaised(AlarmKind::NoData))
        change({AlarmKind::NoData, false, silentSeconds(), m_clock.now()});
}

void AlarmMonitor::readingAccepted(const Reading &reading)
{
    if (isRaised(AlarmKind::NoData))
        change({AlarmKind::NoData, false, silentSeconds(), m_clock.now()});
    m_lastReceived = m_clock.monotonic();
    judge(AlarmKind::LowVolts, reading.volts);
    judge(AlarmKind::HighVolts, reading.volts);
    judge(AlarmKind::HighAmps, reading.amps);
    judge(AlarmKind::HighRpm, reading.measuredRpm);
}

void AlarmMonitor::checkSilence()
{
    if (!m_portMeantOpen || !m_lastReceived || !m_settings.noDataSeconds || isRaised(AlarmKind::NoData))
        return;
    const double silent = silentSeconds();
    m_lastValues[size_t(AlarmKind::NoData)] = silent;
    if (silent >= *m_settings.noDataSeconds)
        change({AlarmKind::NoData, true, silent, m_clock.now()});
}

double AlarmMonitor::silentSeconds() const
{
    return m_lastReceived ? secondsBetween(*m_lastReceived, m_clock.monotonic()) : 0.0;
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
        state.metSince.reset();
        return;
    }
    const MonotonicTime now = m_clock.monotonic();
    if (!state.metSince)
        state.metSince = now;
    if (std::chrono::duration<double>(now - *state.metSince).count() >= m_settings.delaySeconds)
        change({kind, !state.raised, value, m_clock.now()});
}

void AlarmMonitor::change(AlarmChange change)
{
    State &state = m_states[size_t(change.kind)];
    state.raised = change.raised;
    state.metSince.reset();
    emit changed(change);
}

} // namespace Brolant
