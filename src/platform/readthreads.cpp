// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/readthreads.h"

#include <thread>

namespace Brolant {

ReadThreads::ReadThreads(int count) : m_pool(new QThreadPool)
{
    m_pool->setMaxThreadCount(count);
}

ReadThreads::~ReadThreads()
{
    if (m_pool->waitForDone(0)) {
        delete m_pool;
        return;
    }
    // A thread of its own waits for the reads still running, so no one else does.
    std::thread([pool = m_pool] {
        pool->waitForDone();
        delete pool;
    }).detach();
}

} // namespace Brolant
