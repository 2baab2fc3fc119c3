// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A named pipe standing for a file that makes whoever opens it wait, as a hung network share
// would: a reader waits in open() until a writer comes. The writer comes when asked, after
// `patience` if given (to free a reader that should never have been waiting), and at the latest
// when this ends, so a failing test never hangs.
class Pipe
{
public:
    explicit Pipe(const QString &path, std::chrono::milliseconds patience = {});
    ~Pipe();

    // Writes `text` for a reader waiting in open(); false when none was.
    bool release(const QByteArray &text = {});
    bool waitedOut() const { return m_waitedOut; }

    // True while a thread of the process `pid` waits in open() for the other end of a pipe.
    static bool hasWaitingReader(qint64 pid);

private:
    QByteArray m_path;
    std::atomic<bool> m_waitedOut = false;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_ending = false;
    std::thread m_watchdog;
};
