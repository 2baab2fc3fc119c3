#include "programprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <signal.h>

ProgramProcess::ProgramProcess(QString programFolder) : m_folder(std::move(programFolder)) {}

ProgramProcess::~ProgramProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool ProgramProcess::start()
{
    const QString executable = m_folder + QStringLiteral("/brolant");
    QFile::remove(executable);
    if (!QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + QStringLiteral("/brolant"), executable))
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(executable, {});
    if (!m_process.waitForStarted())
        return false;
    QDeadlineTimer deadline(20000);
    while (!QDir(m_folder + QStringLiteral("/html")).exists()) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool ProgramProcess::endWith(int signal)
{
    ::kill(pid_t(m_process.processId()), signal);
    return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::NormalExit
           && m_process.exitCode() == 0;
}
