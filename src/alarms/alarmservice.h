#pragma once

#include "alarms/alarmmonitor.h"
#include "alarms/alarmsettings.h"

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

namespace Brolant {

class LoggerSession;

// Runs the alarm command on every change, without a shell and never holding up logging: the
// command gets the alarm's name, "raised" or "cleared", the value and its unit as arguments,
// runs in the program folder and is ended after 30 seconds. A command that cannot start, fails
// or hangs is written to the error log once for that change.
class AlarmCommand final : public QObject
{
    Q_OBJECT

public:
    AlarmCommand(QString command, QString programFolder, QObject *parent = nullptr);
    void setCommand(const QString &command);
    void run(const AlarmChange &change);

signals:
    void finished(); // a run ended, however it went (for tests and an orderly end)
    // One entry for the error log: the stage and the failure's description.
    void problemFound(const QString &stage, const QString &description);

private:
    QString m_command;
    QString m_programFolder;
};

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
    void acknowledge();
    const QList<Entry> &raised() const { return m_raised; }
    // The last alarm cleared since the user last acknowledged, shown until then.
    const std::optional<AlarmChange> &lastCleared() const { return m_lastCleared; }

signals:
    void changed();
    // Something the desktop should be told of: every change, and every few minutes an alarm
    // nobody has acknowledged.
    void notify(const QString &title, const QString &text);

private:
    void remind();

    QList<Entry> m_raised;
    std::optional<AlarmChange> m_lastCleared;
    QTimer m_reminder;
};

// The alarms of one logger: settings from alarms.cfg, the monitor on the core's signals,
// logs/alarms.txt, the command and the board. It listens to the core only.
class AlarmService final : public QObject
{
    Q_OBJECT

public:
    explicit AlarmService(LoggerSession &session, QObject *parent = nullptr);

    const AlarmSettings &settings() const { return m_settings; }
    AlarmMonitor &monitor() { return m_monitor; }
    AlarmBoard &board() { return m_board; }
    AlarmCommand &command() { return m_command; }

    // "2026_12_07  13:02:05  LowVolts  raised  11.74 V": one line of alarms.txt, without its CR LF.
    static QString logLine(const AlarmChange &change);

    // Reads alarms.cfg again (the session says when it changed): the new thresholds apply from
    // the next reading on.
    void reload();

signals:
    void changed(const AlarmChange &change);
    void settingsChanged();
    // One entry for the error log: the stage and the failure's description.
    void problemFound(const QString &stage, const QString &description);

private:
    AlarmService(LoggerSession &session, const AlarmSettings::Loaded &loaded, QObject *parent);
    void record(const AlarmChange &change);
    void reportProblem(const MaybeFailure &problem);

    QString m_programFolder;
    AlarmSettings m_settings;
    AlarmMonitor m_monitor;
    AlarmCommand m_command;
    AlarmBoard m_board;
};

} // namespace Brolant
