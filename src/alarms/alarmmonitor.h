#pragma once

#include "alarms/alarmsettings.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

namespace Brolant {

struct Reading;

// One alarm raised or cleared, with the value that decided it.
struct AlarmChange
{
    AlarmKind kind = AlarmKind::LowVolts;
    bool raised = false;
    double value = 0.0;
    QDateTime time;

    const AlarmDefinition &definition() const { return alarmDefinition(kind); }
    // "11.74": the value as every output writes it, rounded to two decimals.
    QString numberText() const;
    // "11.74 V".
    QString valueText() const;
    // "LowVolts  raised  11.74 V": the words of alarms.txt after its date and time.
    QString text() const;
};

// Watches the readings of accepted frames and the silence between them. A condition must hold
// for the delay before its alarm is raised, and its clear condition as long before it is
// cleared; a reading between the two thresholds changes nothing, so an alarm never flaps.
class AlarmMonitor final : public QObject
{
    Q_OBJECT

public:
    AlarmMonitor(const AlarmSettings &settings, const Clock &clock, QObject *parent = nullptr);

    // New thresholds: conditions under way start again, and an alarm switched off while raised
    // is cleared.
    void setSettings(const AlarmSettings &settings);
    // Starts counting silence: the port is meant to be open from now on.
    void watchPort();
    void readingAccepted(const Reading &reading);
    // Whether the board has been silent too long; run every second while the port is watched.
    void checkSilence();

    bool isRaised(AlarmKind kind) const { return m_states[size_t(kind)].raised; }

signals:
    void changed(const AlarmChange &change);

private:
    struct State
    {
        bool raised = false;
        std::optional<MonotonicTime> heldSince; // when the condition that would change it began
    };
    void judge(AlarmKind kind, double value);
    void change(AlarmKind kind, bool raised, double value);

    AlarmSettings m_settings;
    const Clock &m_clock;
    std::array<State, kAlarmKinds> m_states{};
    std::array<double, kAlarmKinds> m_lastValues{}; // what each alarm last judged
    std::optional<MonotonicTime> m_lastHeard; // while the port is watched: the last frame, or the start
    QTimer m_silenceTimer;
};

} // namespace Brolant
