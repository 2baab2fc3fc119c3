// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmcommand.h"

#include "alarms/alarmmonitor.h"
#include "problems/problemlog.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace Brolant {

namespace {
constexpr int kEndWait = 1000; // ms for a killed command to be reaped at the program's end

// A script's own children (a sleep, a mail program) share its group, so ending the group ends
// them all; ending only the script would leave them running.
void startInItsOwnGroup(QProcess &process)
{
#ifdef Q_OS_UNIX
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#else
    Q_UNUSED(process);
#endif
}

void endWithItsGroup(QProcess &process)
{
#ifdef Q_OS_UNIX
    // Until the process is reaped its id still names its group; it may still be "starting" to Qt
    // while the script has long begun its children.
    if (process.state() != QProcess::NotRunning && process.processId() > 0)
        ::kill(-pid_t(process.processId()), SIGKILL);
#endif
    process.kill();
}
} // namespace

AlarmCommand::AlarmCommand(QString command, QString programFolder, ProblemLog &problems,
                           std::chrono::milliseconds longestRun, QObject *parent)
    : QObject(parent),
      m_command(std::move(command)),
      m_programFolder(std::move(programFolder)),
      m_problems(problems),
      m_longestRun(longestRun)
{
}

AlarmCommand::~AlarmCommand()
{
    for (QProcess *process : findChildren<QProcess *>()) {
        endWithItsGroup(*process);
        process->waitForFinished(kEndWait);
    }
}

void AlarmCommand::letRunsFinish()
{
    const QDeadlineTimer deadline(kEndGrace);
    for (QProcess *process : findChildren<QProcess *>())
        process->waitForFinished(int(deadline.remainingTime()));
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
    process->setArguments(parts.mid(1) << change.definition().name << change.stateWord() << change.numberText()
                                       << change.definition().unit);
    process->setWorkingDirectory(m_programFolder);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    startInItsOwnGroup(*process);
    const QString what = change.definition().name + u' ' + change.stateText();
    // One entry per change, whichever way the run goes wrong first.
    const ProblemLog::Subject run{QString::number(++m_runs)};
    const auto report = [this, what, run](const QString &why) {
        m_problems.reportAbout(Problem::AlarmCommandFailed, run,
                               QStringLiteral("%1 (for %2): %3").arg(m_command, what, why));
    };
    const auto ended = [this, process, run] {
        m_problems.resolvedAbout(Problem::AlarmCommandFailed, run);
        process->deleteLater();
        emit finished();
    };
    auto *deadline = new QTimer(process);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, process, [this, process, report] {
        report(QStringLiteral("still running after %1 seconds, ended")
                   .arg(std::chrono::duration<double>(m_longestRun).count()));
        endWithItsGroup(*process);
    });
    connect(process, &QProcess::errorOccurred, this, [process, report, ended](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        report(process->errorString());
        ended();
    });
    connect(process, &QProcess::finished, this, [report, ended](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            report(QStringLiteral("it ended abnormally"));
        else if (exitCode != 0)
            report(QStringLiteral("it ended with exit code %1").arg(exitCode));
        ended();
    });
    deadline->start(m_longestRun);
    process->start();
}

} // namespace Brolant
