// SPDX-License-Identifier: GPL-3.0-or-later
#include "hangingfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

HangingFile::HangingFile(const QString &path, Kind kind, std::chrono::milliseconds patience)
    : m_path(QFile::encodeName(path)), m_kind(kind)
{
    if (kind == Kind::Pipe) {
        QVERIFY(mkfifo(m_path.constData(), 0600) == 0);
    } else {
        const int leased = ::open(m_path.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
        QVERIFY(leased >= 0);
        m_leased = leased;
        QVERIFY(::fcntl(leased, F_SETLEASE, F_WRLCK) == 0);
        // Taking a lease makes this process the one told of its break by SIGIO, which would end it.
        QVERIFY(::fcntl(leased, F_SETOWN, 0) == 0);
    }
    if (patience.count() > 0)
        m_watchdog = std::thread([this, patience] {
            std::unique_lock lock(m_mutex);
            if (!m_ended.wait_for(lock, patience, [this] { return m_ending; }))
                m_waitedOut = letGo({}, false);
        });
}

HangingFile::~HangingFile()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_ended.notify_all();
    if (m_watchdog.joinable())
        m_watchdog.join();
    letGo({}, false);
}

bool HangingFile::release(const QByteArray &text)
{
    return letGo(text, true);
}

bool HangingFile::letGo(const QByteArray &text, bool onlyToAnOpener)
{
    if (m_kind == Kind::Pipe) {
        const int pipe = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
        if (pipe < 0)
            return false;
        const bool written = ::write(pipe, text.constData(), size_t(text.size())) == text.size();
        ::close(pipe);
        return written;
    }
    const int leased = m_leased.load();
    if (leased < 0)
        return false;
    // While an opener waits, the lease reads as what it is being broken to.
    const bool waiting = ::fcntl(leased, F_GETLEASE) != F_WRLCK;
    // Asked before the opener came, the lease stays, so the caller can ask again.
    if ((!waiting && onlyToAnOpener) || m_leased.exchange(-1) != leased)
        return false;
    const bool written = ::write(leased, text.constData(), size_t(text.size())) == text.size();
    ::close(leased);
    return waiting && written;
}

bool HangingFile::hasWaitingReader(qint64 pid)
{
    // The kernel says which call each thread sleeps in, and where: a pipe's open() waits for its
    // partner, a leased file's in the open call itself.
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile wchan(tasks + u'/' + task + QStringLiteral("/wchan"));
        if (wchan.open(QIODevice::ReadOnly) && wchan.readAll() == "wait_for_partner")
            return true;
        QFile call(tasks + u'/' + task + QStringLiteral("/syscall"));
        if (call.open(QIODevice::ReadOnly) && call.readAll().split(' ').first() == QByteArray::number(SYS_openat))
            return true;
    }
    return false;
}
