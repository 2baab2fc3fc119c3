#include "alarms/alarmservice.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "session/loggersession.h"
#include "text/datetext.h"
#include "text/failure.h"

#include <chrono>

namespace Brolant {

namespace {
constexpr std::chrono::minutes kReminderEvery{5};
const QString kSettingsChanged = QStringLiteral("alarms.cfg changed");
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
    emit notify(change.raised ? QStringLiteral("Brolant alarm") : QStringLiteral("Brolant alarm cleared"),
                change.text());
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
            waiting << entry.change.text();
    if (waiting.isEmpty())
        m_reminder.stop();
    else
        emit notify(QStringLiteral("Brolant alarm"), waiting.join(u'\n'));
}

AlarmService::AlarmService(LoggerSession &session, QObject *parent)
    : QObject(parent), m_programFolder(session.programFolder()),
      m_defaults(AlarmSettings::defaultsFor(session.settings().program)), m_settings(m_defaults),
      m_monitor(m_settings, session.core().clock), m_throttle(session.core().clock),
      m_command(m_settings.command, m_programFolder)
{
    const AlarmSettings::Loaded loaded = AlarmSettings::load(m_programFolder, m_defaults);
    apply(loaded.settings);
    connect(&m_command, &AlarmCommand::problemFound, this, &AlarmService::problemFound);
    // Said once whoever builds the alarms has connected to it.
    QMetaObject::invokeMethod(this, [this, problem = loaded.problem] { reportProblem(problem); }, Qt::QueuedConnection);
    connect(&session, &LoggerSession::settingsFileChanged, this, [this](const QString &fileName) {
        if (fileName == FileName::kAlarmSettings)
            reload();
    });
    connect(&session, &LoggerSession::settingsChanged, this, &AlarmService::followProgram);
    connect(&session, &LoggerSession::portIntentChanged, this, &AlarmService::followPort);
    followPort(session.portIntent());
    connect(&session.core().receiver, &FrameReceiver::frameAccepted, &m_monitor, &AlarmMonitor::readingAccepted);
    connect(&m_monitor, &AlarmMonitor::changed, this, &AlarmService::record);
    connect(&m_throttle, &AlarmThrottle::passed, this, &AlarmService::announce);
}

void AlarmService::reload()
{
    const AlarmSettings::Loaded loaded = AlarmSettings::load(m_programFolder, m_defaults);
    apply(loaded.settings);
    if (loaded.problem)
        reportProblem(loaded.problem);
    else if (loaded.fromFile)
        emit problemFound(kSettingsChanged, QStringLiteral("the new alarm settings apply"));
    else
        emit problemFound(kSettingsChanged, QStringLiteral("the file was removed: the default alarms apply"));
}

void AlarmService::followProgram(const ProgramSettings &settings)
{
    const AlarmSettings defaults = AlarmSettings::defaultsFor(settings.program);
    if (defaults == m_defaults)
        return;
    // Whatever alarms.cfg leaves out follows the system at once, as the logger itself does.
    m_defaults = defaults;
    apply(AlarmSettings::load(m_programFolder, m_defaults).settings);
}

void AlarmService::followPort(const PortIntent &intent)
{
    // A port the user or a dialog closed is no silence of the board.
    m_monitor.setPortMeantOpen(intent.meantOpen());
    if (intent.kind == PortIntent::Kind::NoPort)
        m_monitor.portRemoved();
}

void AlarmService::apply(const AlarmSettings &settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    m_monitor.setSettings(m_settings);
    m_command.setCommand(m_settings.command);
    emit settingsChanged();
}

void AlarmService::reportProblem(const MaybeFailure &problem)
{
    if (problem)
        emit problemFound(QStringLiteral("alarms.cfg not used"),
                          problem->description + QStringLiteral("; the default alarms are on"));
}

QString AlarmService::logLine(const AlarmChange &change)
{
    return DateText::dateStamp(change.time.date()) + QStringLiteral("  ")
           + change.time.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + change.text();
}

void AlarmService::record(const AlarmChange &change)
{
    try {
        TextFile::append(ProgramPaths(m_programFolder).alarmLog(), logLine(change) + QStringLiteral("\r\n"));
    } catch (const Failure &failure) {
        emit problemFound(QStringLiteral("alarm log not written"),
                          QStringLiteral("%1; the line was: %2").arg(failure.description, logLine(change)));
    }
    emit changed(change);
    m_throttle.offer(change);
}

void AlarmService::end()
{
    m_throttle.passHeld();
    m_command.letRunsFinish();
}

void AlarmService::announce(const AlarmChange &change)
{
    m_command.run(change);
    m_board.apply(change);
    emit announced(change);
}

} // namespace Brolant
