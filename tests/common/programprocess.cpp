#include "programprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <signal.h>

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

bool ProgramProcess::start(const QStringList &wrapper)
{
    const QString executable = m_folder + u'/' + m_program;
    if (!QFile::exists(executable) && !install())
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (wrapper.isEmpty())
        m_process.start(executable, {});
    else
        m_process.start(wrapper.first(), wrapper.mid(1) + QStringList{executable});
    if (!m_process.waitForStarted())
        return false;
    QDeadlineTimer deadline(wrapper.isEmpty() ? 20000 : 1500);
    while (!QDir(m_folder + QStringLiteral("/html")).exists()) {
        if (m_process.state() == QProcess::NotRunning)
            return false;
        if (deadline.hasExpired())
            return !wrapper.isEmpty();
        QThread::msleep(20);
    }
    return true;
}

bool ProgramProcess::install()
{
    return QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + u'/' + m_program, m_folder + u'/' + m_program);
}

bool ProgramProcess::endWith(int signal)
{
    ::kill(pid_t(m_process.processId()), signal);
    return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::NormalExit
           && m_process.exitCode() == 0;
}
