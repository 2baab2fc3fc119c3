// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/readthreads.h"
#include "web/httpreply.h"

#include <QObject>

#include <functional>

class QTcpSocket;

namespace Brolant {

// The page's reads of logs, on threads of their own (never the shared pool, which the painter
// uses), so the logger never waits on a file, not even when the page closes: each read makes its
// reply where it runs, and the reply goes to its client when it is ready, if the client and the
// page are still there. Only so many may wait.
class BackgroundReads final : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundReads(int mostPending, QObject *parent = nullptr);

    // Runs `read` and writes its reply to `client` (closing the connection after it when `close`);
    // false when too many reads are waiting already.
    bool start(QTcpSocket *client, bool withBody, bool close, std::function<HttpReply()> read);
    int pending() const { return m_pending; }

private:
    ReadThreads m_threads;
    int m_mostPending;
    int m_pending = 0;
};

} // namespace Brolant
