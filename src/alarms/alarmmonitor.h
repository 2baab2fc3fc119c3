// SPDX-License-Identifier: GPL-3.0-or-later
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
    bool switchedOff = false; // not raised any more because the user switched the alarm off

    const AlarmDefinition &definition() const { return alarmDefinition(kind); }
    // "11.70": the value as every output writes it, by the alarm's mask.
    QString numberText() const;
    // "11.70 V".
    QString valueText() const;
    // "raised", "cleared" or "switched off", as the log writes it.
    QString stateText() const;
    // "raised" or "cleared": what the alarm is now, for a command or a broker that know only these.
    QString stateWord() const;
    // "LowVolts  raised  11.70 V": the words of alarms.txt after its date and time.
    QString text() const;
    // The alarm's name and state in the user's language, for the windows and notifications;
    // the files, the command and the broker keep definition().name and stateText().
    QString shownName() const;
    QString shownState() const;
    // text() in the user's language.
    QString shownText() const;
};

// Watches the readings of accepted frames and the silence between them. A condition must be met
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
    // Goes on from the alarm's last logged change (by the run before): raised, it stays raised
    // until its clear condition has been met for the delay, or for NoData until a frame comes.
    // Nothing is logged now: it was logged then.
    void goOnFrom(const AlarmChange &lastLogged);
    // Clears, as switched off, every alarm raised that the settings switch off.
    void clearSwitchedOff();
    // Whether frames are expected: silence is counted only while the port is meant open, from
    // the moment it is. A pause (a dialog using the port) keeps a raised NoData until a frame
    // clears it.
    void setPortMeantOpen(bool meantOpen);
    // The user chose to have no port: a board nobody expects is no alarm, so NoData clears.
    void portRemoved();
    void readingAccepted(const Reading &reading);
    // Whether the board has been silent too long; run every second while the port is meant open.
    void checkSilence();

    bool isRaised(AlarmKind kind) const { return m_states[size_t(kind)].raised; }

signals:
    void changed(const AlarmChange &change);

private:
    struct State
    {
        bool raised = false;
        std::optional<MonotonicTime> metSince; // when the condition that would change it began
    };
    void judge(AlarmKind kind, double value);
    void change(AlarmChange change);
    double silentSeconds() const;

    AlarmSettings m_settings;
    const Clock &m_clock;
    std::array<State, kAlarmKinds> m_states{};
    std::array<double, kAlarmKinds> m_lastValues{}; // what each alarm last judged
    bool m_portMeantOpen = false;
    // The last frame, or when the port came to be meant open (with no NoData raised).
    std::optional<MonotonicTime> m_lastReceived;
    QTimer m_silenceTimer;
};

} // namespace Brolant
