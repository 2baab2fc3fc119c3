// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A file that makes whoever opens it wait in open(), as a hung network share would: a named pipe,
// whose reader waits until a writer comes, or a regular file under a write lease, whose opener
// waits until the lease is given up (what a program that refuses pipes still meets). The wait
// ends when asked, after `patience` if given (to free a reader that should never have been
// waiting), and at the latest when this ends, so a failing test never hangs.
class HangingFile
{
public:
    enum class Kind
    {
        Pipe,
        Leased
    };

    explicit HangingFile(const QString &path, Kind kind, std::chrono::milliseconds patience = {});
    ~HangingFile();

    // Gives `text` to a reader waiting in open(); false, and the file still hanging, when none
    // waits yet.
    bool release(const QByteArray &text = {});
    bool waitedOut() const { return m_waitedOut; }

    // True while a thread of the process `pid` waits in open().
    static bool hasWaitingReader(qint64 pid);

private:
    // Lets the file go: only to an opener that waits, or (at the end, or when the watchdog's
    // patience ran out) whatever waits.
    bool letGo(const QByteArray &text, bool onlyToAnOpener);

    QByteArray m_path;
    Kind m_kind;
    std::atomic<int> m_leased = -1; // the descriptor holding the lease, while it is held
    std::atomic<bool> m_waitedOut = false;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_ending = false;
    std::thread m_watchdog;
};
