// SPDX-License-Identifier: GPL-3.0-or-later
#include "pipe.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Pipe::Pipe(const QString &path, std::chrono::milliseconds patience) : m_path(QFile::encodeName(path))
{
    QVERIFY(mkfifo(m_path.constData(), 0600) == 0);
    if (patience.count() > 0)
        m_watchdog = std::thread([this, patience] {
            std::unique_lock lock(m_mutex);
            if (!m_ended.wait_for(lock, patience, [this] { return m_ending; }))
                m_waitedOut = release();
        });
}

Pipe::~Pipe()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_ended.notify_all();
    if (m_watchdog.joinable())
        m_watchdog.join();
    release();
}

bool Pipe::release(const QByteArray &text)
{
    const int pipe = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
    if (pipe < 0)
        return false;
    const bool written = ::write(pipe, text.constData(), size_t(text.size())) == text.size();
    ::close(pipe);
    return written;
}

bool Pipe::hasWaitingReader(qint64 pid)
{
    // The kernel names where each thread sleeps: a pipe's open() waits for its partner.
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile wchan(tasks + u'/' + task + QStringLiteral("/wchan"));
        if (wchan.open(QIODevice::ReadOnly) && wchan.readAll() == "wait_for_partner")
            return true;
    }
    return false;
}
