// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardprocess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

BoardProcess::~BoardProcess()
{
    stop();
}

QString BoardProcess::executable()
{
    return qEnvironmentVariable("BROLANT_BUILD_DIR") + QStringLiteral("/brolant-board");
}

bool BoardProcess::start(const QString &linkPath, const QStringList &arguments)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(executable(), QStringList{linkPath} + arguments);
    if (!m_process.waitForStarted())
        return false;
    QDeadlineTimer deadline(10000);
    while (!QFileInfo(linkPath).isSymLink()) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(10);
    }
    return true;
}

QString BoardProcess::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    return m_process.isOpen() ? QString::fromLocal8Bit(m_process.readAllStandardOutput()) : QString(); // never started
}
