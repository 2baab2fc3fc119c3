#include "alarms/alarmservice.h"

#include "config/configreading.h"
#include "config/programconfig.h"
#include "config/tagvalue.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "session/loggersession.h"
#include "text/datetext.h"
#include "text/failure.h"

#include <QProcess>

#include <chrono>

namespace Brolant {

namespace {
constexpr std::chrono::seconds kLongestCommandRun{30};
constexpr std::chrono::minutes kReminderEvery{5};
const QString kCommandStage = QStringLiteral("alarm command failed");

// Whether prog.cfg names a port: then the board is meant to be heard from start-up on.
bool portMeantOpen(const QString &programFolder)
{
    try {
        const auto port = tagValue(readConfigFile(ProgramPaths(programFolder).programConfig()), ProgramTag::kPort);
        return port && !port->isEmpty() && *port != u"0";
    } catch (const Failure &) {
        return false;
    }
}
} // namespace

AlarmCommand::AlarmCommand(QString command, QString programFolder, QObject *parent)
    : QObject(parent), m_command(std::move(command)), m_programFolder(std::move(programFolder))
{
}

void AlarmCommand::setCommand(const QString &command)
{
    m_command = command;
}

void AlarmCommand::run(const AlarmChange &change)
{
    const QStringList parts = QProcess::splitCommand(m_command);
    if (parts.isEmpty())
        return;
    auto *process = new QProcess(this);
    process->setProgram(parts.first());
    process->setArguments(parts.mid(1)
                          << change.definition().name
                          << (change.raised ? QStringLiteral("raised") : QStringLiteral("cleared"))
                          << change.numberText() << change.definition().unit);
    process->setWorkingDirectory(m_programFolder);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const QString what = change.definition().name + u' ' + (change.raised ? QStringLiteral("raised") : QStringLiteral("cleared"));
    // One entry per change, whichever way the run goes wrong first.
    auto reported = std::make_shared<bool>(false);
    const auto report = [this, what, reported](const QString &why) {
        if (!std::exchange(*reported, true))
            emit problemFound(kCommandStage, QStringLiteral("%1 (for %2): %3").arg(m_command, what, why));
    };
    auto *deadline = new QTimer(process);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, process, [process, report] {
        report(QStringLiteral("still running after %1 seconds, ended").arg(kLongestCommandRun.count()));
        process->kill();
    });
    connect(process, &QProcess::errorOccurred, this, [this, process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        report(process->errorString());
        process->deleteLater();
        emit finished();
    });
    connect(process, &QProcess::finished, this, [this, process, report](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            report(QStringLiteral("it ended abnormally"));
        else if (exitCode != 0)
            report(QStringLiteral("it ended with exit code %1").arg(exitCode));
        process->deleteLater();
        emit finished();
    });
    deadline->start(kLongestCommandRun);
    process->start();
}

AlarmBoard::AlarmBoard(QObject *parent) : QObject(parent)
{
    m_reminder.setInterval(kReminderEvery);
    connect(&m_reminder, &QTimer::timeout, this, &AlarmBoard::remind);
}

void AlarmBoard::apply(const AlarmChange &change)
{
    m_raised.removeIf([&](const Entry &entry) { return entry.change.kind == change.kind; });
    if (change.raised) {
        m_raised.append({change, false});
        m_reminder.start();
    } else {
        m_lastCleared = change;
    }
    emit changed();
    emit notify(change.raised ? QStringLiteral("Brolant alarm") : QStringLiteral("Brolant alarm cleared"),
                change.text());
}

void AlarmBoard::acknowledge()
{
    for (Entry &entry : m_raised)
        entry.acknowledged = true;
    m_lastCleared.reset();
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
    : AlarmService(session, AlarmSettings::load(session.programFolder()), parent)
{
}

AlarmService::AlarmService(LoggerSession &session, const AlarmSettings::Loaded &loaded, QObject *parent)
    : QObject(parent), m_programFolder(session.programFolder()),
      m_settings(loaded.settings), m_monitor(m_settings, session.core().clock),
      m_command(m_settings.command, m_programFolder)
{
    const LoggerCore &core = session.core();
    const QString &programFolder = m_programFolder;
    connect(&m_command, &AlarmCommand::problemFound, this, &AlarmService::problemFound);
    // Said once whoever builds the alarms has connected to it.
    QMetaObject::invokeMethod(this, [this, problem = loaded.problem] { reportProblem(problem); }, Qt::QueuedConnection);
    connect(&session, &LoggerSession::settingsFileChanged, this, [this](const QString &fileName) {
        if (fileName == FileName::kAlarmSettings)
            reload();
    });
    connect(&core.receiver, &FrameReceiver::frameAccepted, &m_monitor, &AlarmMonitor::readingAccepted);
    connect(&m_monitor, &AlarmMonitor::changed, this, &AlarmService::record);
    if (portMeantOpen(programFolder))
        m_monitor.watchPort();
}

void AlarmService::reload()
{
    const AlarmSettings::Loaded loaded = AlarmSettings::load(m_programFolder);
    reportProblem(loaded.problem);
    m_settings = loaded.settings;
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
    m_command.run(change);
    m_board.apply(change);
    emit changed(change);
}

} // namespace Brolant
