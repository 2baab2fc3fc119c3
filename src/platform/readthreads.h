// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThreadPool>

namespace Brolant {

// Threads of their own for reads that may wait for ever (a pipe, a hung network share): whoever
// owns them never waits for them. Dropped while reads still run, the threads are left to end on
// their own and freed once they have; the program may end meanwhile.
class ReadThreads
{
public:
    explicit ReadThreads(int count);
    ~ReadThreads();
    ReadThreads(const ReadThreads &) = delete;
    ReadThreads &operator=(const ReadThreads &) = delete;

    QThreadPool &pool() { return *m_pool; }

private:
    QThreadPool *m_pool;
};

} // namespace Brolant
