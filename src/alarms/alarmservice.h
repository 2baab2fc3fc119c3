// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmcommand.h"
#include "alarms/alarmmonitor.h"
#include "alarms/alarmsettings.h"
#include "alarms/alarmthrottle.h"

#include <QList>
#include <QObject>

#include <array>

namespace Brolant {

class Clock;
class LoggerSession;
class ProblemLog;
struct PortIntent;
struct ProgramSettings;

// The alarms raised now, as the user should see them, and whether they have been acknowledged:
// acknowledging silences the notifications, but an alarm stays listed until it clears.
class AlarmBoard final : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        AlarmChange change;
        bool acknowledged = false;
    };

    explicit AlarmBoard(QObject *parent = nullptr);

    void apply(const AlarmChange &change);
    // Lists an alarm still raised from the run before, unacknowledged, without notifying the
    // desktop again: it was notified when the alarm was raised, and is reminded as usual.
    void keepRaised(const AlarmChange &raised);
    void acknowledge();
    const QList<Entry> &raised() const { return m_raised; }
    // Every alarm cleared since the user last acknowledged (the latest clear of each), in the
    // order they cleared, shown until then.
    const QList<AlarmChange> &cleared() const { return m_cleared; }

signals:
    void changed();
    // Something the desktop should be notified of: every change, and every few minutes an alarm
    // nobody has acknowledged.
    void notify(const QString &title, const QString &text);

private:
    void remind();

    QList<Entry> m_raised;
    QList<AlarmChange> m_cleared;
    QTimer m_reminder;
};

// The alarms of one logger: settings from alarms.cfg over defaults sized to the system the
// logger runs with, the monitor on the session's readings, logs/alarms.txt, the command and the
// board. It listens to the session, and applies alarms.cfg as the settings store reads it.
class AlarmService final : public QObject
{
    Q_OBJECT

public:
    // Goes on from the state alarms.txt last logged of each alarm, with alarms.cfg as in `file`.
    AlarmService(const LoggerSession &session, const Clock &clock, ProblemLog &problems, const AlarmsFile &file,
                 QObject *parent = nullptr);

    const AlarmSettings &settings() const { return m_settings; }
    AlarmMonitor &monitor() { return m_monitor; }
    AlarmBoard &board() { return m_board; }
    AlarmCommand &command() { return m_command; }

    // Whether alarms.txt records a change of the alarm, of this run or one before.
    bool hasLogged(AlarmKind kind) const { return m_logged[size_t(kind)]; }

    // alarms.cfg changed (saved or edited): the new thresholds apply from the next reading on,
    // and the error log reports it.
    void apply(const AlarmsFile &file);
    // The program ends: the changes still waiting are announced now, before the broker receives
    // goodbye, and the commands running get a moment to finish.
    void end();

signals:
    // Every change, as alarms.txt records it.
    void changed(const AlarmChange &change);
    // The changes the command, the desktop and the broker are informed of: at most one per alarm
    // every few seconds (see AlarmThrottle).
    void announced(const AlarmChange &change);
    void settingsChanged();

private:
    void goOnFromAlarmsTxt();
    void applyProgram(const ProgramSettings &settings);
    void applyPortIntent(const PortIntent &intent);
    void applySettings(const AlarmSettings &settings);
    void record(const AlarmChange &change);
    void announce(const AlarmChange &change);
    void reportProblem(const std::optional<Failure> &problem);

    QString m_programFolder;
    ProblemLog &m_problems;
    AlarmsFile m_file;
    // What applies where alarms.cfg sets nothing: sized to the logger's SV and MA.
    AlarmSettings m_defaults;
    AlarmSettings m_settings;
    AlarmMonitor m_monitor;
    AlarmThrottle m_throttle;
    AlarmCommand m_command;
    AlarmBoard m_board;
    std::array<bool, kAlarmKinds> m_logged{};
};

} // namespace Brolant
