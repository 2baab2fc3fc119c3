// SPDX-License-Identifier: GPL-3.0-or-later
#include "programprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <signal.h>

namespace {
// Whether the process has a handler for `signal`, as the kernel keeps account of it.
bool catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}
} // namespace

ProgramProcess::ProgramProcess(QString programFolder, QString program)
    : m_folder(std::move(programFolder)), m_program(std::move(program))
{
}

ProgramProcess::~ProgramProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool ProgramProcess::start(const QStringList &wrapper, const QStringList &arguments)
{
    if (!QFile::exists(executable()) && !install())
        return false;
    // What the test set for it, or this process's own.
    QProcessEnvironment environment = m_process.processEnvironment();
    if (environment.isEmpty())
        environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("brolant.frames.info=true"));
    m_process.setProcessEnvironment(environment);
    if (wrapper.isEmpty())
        m_process.start(executable(), arguments);
    else
        m_process.start(wrapper.first(), wrapper.mid(1) + QStringList{executable()} + arguments);
    if (!m_process.waitForStarted())
        return false;
    const QDeadlineTimer deadline(20000);
    while (!catches(m_process.processId(), SIGTERM)) {
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool ProgramProcess::install()
{
    return QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + u'/' + m_program, executable());
}

bool ProgramProcess::endWith(int signal)
{
    ::kill(pid_t(m_process.processId()), signal);
    return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::NormalExit
           && m_process.exitCode() == 0;
}

QString ProgramProcess::output()
{
    m_out += m_process.readAllStandardOutput();
    m_errors += m_process.readAllStandardError();
    return QString::fromLocal8Bit(m_out + m_errors);
}

QStringList ProgramProcess::intervals()
{
    output();
    QStringList lines;
    for (const QByteArray &line : m_errors.split('\n'))
        if (line.contains("interval: "))
            lines << QString::fromLocal8Bit(line);
    return lines;
}
