// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmservice.h"

#include "alarms/alarmlog.h"
#include "problems/problemlog.h"
#include "session/loggersession.h"
#include "text/failure.h"

#include <chrono>

namespace Brolant {

namespace {
constexpr std::chrono::minutes kReminderEvery{5};
} // namespace

AlarmBoard::AlarmBoard(QObject *parent) : QObject(parent)
{
    m_reminder.setInterval(kReminderEvery);
    connect(&m_reminder, &QTimer::timeout, this, &AlarmBoard::remind);
}

void AlarmBoard::apply(const AlarmChange &change)
{
    m_raised.removeIf([&](const Entry &entry) { return entry.change.kind == change.kind; });
    m_cleared.removeIf([&](const AlarmChange &cleared) { return cleared.kind == change.kind; });
    if (change.raised) {
        m_raised.append({change, false});
        m_reminder.start();
    } else {
        m_cleared.append(change);
    }
    emit changed();
    emit notify(change.raised ? tr("Brolant alarm") : tr("Brolant alarm cleared"), change.shownText());
}

void AlarmBoard::keepRaised(const AlarmChange &raised)
{
    m_raised.append({raised, false});
    m_reminder.start();
    emit changed();
}

void AlarmBoard::acknowledge()
{
    for (Entry &entry : m_raised)
        entry.acknowledged = true;
    m_cleared.clear();
    m_reminder.stop();
    emit changed();
}

void AlarmBoard::remind()
{
    QStringList waiting;
    for (const Entry &entry : std::as_const(m_raised))
        if (!entry.acknowledged)
            waiting << entry.change.shownText();
    if (waiting.isEmpty())
        m_reminder.stop();
    else
        emit notify(tr("Brolant alarm"), waiting.join(u'\n'));
}

AlarmService::AlarmService(const LoggerSession &session, const Clock &clock, ProblemLog &problems,
                           const AlarmsFile &file, QObject *parent)
    : QObject(parent),
      m_programFolder(session.programFolder()),
      m_problems(problems),
      m_file(file),
      m_defaults(AlarmSettings::defaultsFor(session.settings().program)),
      m_settings(m_defaults),
      m_monitor(m_settings, clock),
      m_throttle(clock),
      m_command(m_settings.command, m_programFolder, problems)
{
    const AlarmSettings::Loaded loaded = AlarmSettings::over(m_file, m_defaults);
    applySettings(loaded.settings);
    connect(&m_monitor, &AlarmMonitor::changed, this, &AlarmService::record);
    connect(&m_throttle, &AlarmThrottle::passed, this, &AlarmService::announce);
    // Before anyone asks for a state: the broker must never receive a clear that was not judged.
    goOnFromAlarmsTxt();
    reportProblem(loaded.failure);
    // An alarm switched off while the program was not running ends once whoever builds the
    // alarms has connected to them, where everyone receives it.
    QMetaObject::invokeMethod(
        this, [this] { m_monitor.clearSwitchedOff(); }, Qt::QueuedConnection);
    connect(&session, &LoggerSession::settingsChanged, this, &AlarmService::applyProgram);
    connect(&session, &LoggerSession::portIntentChanged, this, &AlarmService::applyPortIntent);
    // Not applyPortIntent: before its start-up the session's "no port" is no choice of the user's.
    m_monitor.setPortMeantOpen(session.portIntent().meantOpen());
    connect(&session, &LoggerSession::readingReceived, &m_monitor,
            [this](const LiveReading &live) { m_monitor.readingAccepted(live.reading); });
}

void AlarmService::goOnFromAlarmsTxt()
{
    const AlarmLog::LastChanges lastChanges = AlarmLog::lastChanges(m_programFolder);
    if (!lastChanges.read)
        m_problems.report(Problem::AlarmsTxtNotRead,
                          lastChanges.read.failure().description + QStringLiteral(": every alarm starts cleared"));
    for (const std::optional<AlarmChange> &lastLogged : lastChanges.changes) {
        if (!lastLogged)
            continue;
        m_logged[size_t(lastLogged->kind)] = true;
        m_monitor.goOnFrom(*lastLogged);
        if (lastLogged->raised)
            m_board.keepRaised(*lastLogged);
    }
}

void AlarmService::apply(const AlarmsFile &file)
{
    m_file = file;
    const AlarmSettings::Loaded loaded = AlarmSettings::over(m_file, m_defaults);
    applySettings(loaded.settings);
    if (loaded.failure)
        reportProblem(loaded.failure);
    else if (loaded.fromFile)
        m_problems.report(Problem::AlarmSettingsChanged, QStringLiteral("the new alarm settings apply"));
    else
        m_problems.report(Problem::AlarmSettingsChanged,
                          QStringLiteral("the file was removed: the default alarms apply"));
}

void AlarmService::applyProgram(const ProgramSettings &settings)
{
    if (settings.noPort())
        m_monitor.portRemoved();
    const AlarmSettings defaults = AlarmSettings::defaultsFor(settings.program);
    if (defaults == m_defaults)
        return;
    // Whatever alarms.cfg leaves out changes with the system at once, as the logger itself does.
    m_defaults = defaults;
    applySettings(AlarmSettings::over(m_file, m_defaults).settings);
}

void AlarmService::applyPortIntent(const PortIntent &intent)
{
    // A port the user or a dialog closed is no silence of the board.
    m_monitor.setPortMeantOpen(intent.meantOpen());
    if (intent.kind == PortIntent::Kind::NoPort)
        m_monitor.portRemoved();
}

void AlarmService::applySettings(const AlarmSettings &settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    m_monitor.setSettings(m_settings);
    m_command.setCommand(m_settings.command);
    emit settingsChanged();
}

void AlarmService::reportProblem(const std::optional<Failure> &problem)
{
    if (problem)
        m_problems.report(Problem::AlarmSettingsNotUsed,
                          problem->description + QStringLiteral("; the default alarms are on"));
}

void AlarmService::record(const AlarmChange &change)
{
    const auto appended = AlarmLog::append(m_programFolder, change);
    if (appended)
        m_problems.reportTornEnd(*appended);
    else
        m_problems.report(
            Problem::AlarmLogNotWritten,
            QStringLiteral("%1; the line was: %2").arg(appended.failure().description, AlarmLog::line(change)));
    m_logged[size_t(change.kind)] = true;
    emit changed(change);
    m_throttle.offer(change);
}

void AlarmService::end()
{
    m_throttle.passPending();
    m_command.letRunsFinish();
}

void AlarmService::announce(const AlarmChange &change)
{
    m_command.run(change);
    m_board.apply(change);
    emit announced(change);
}

} // namespace Brolant
