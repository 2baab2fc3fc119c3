// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/backgroundreads.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QTcpSocket>
#include <QtConcurrent/QtConcurrentRun>

namespace Brolant {

namespace {
// Two reads at once: a year's power curve does not delay a day's chart, and the logger keeps a core.
constexpr int kThreads = 2;
} // namespace

BackgroundReads::BackgroundReads(int mostPending, QObject *parent)
    : QObject(parent), m_threads(kThreads), m_mostPending(mostPending)
{
}

bool BackgroundReads::start(QTcpSocket *client, bool withBody, bool close, std::function<HttpReply()> read)
{
    if (m_pending >= m_mostPending)
        return false;
    ++m_pending;
    auto *watcher = new QFutureWatcher<HttpReply>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, socket = QPointer(client), withBody, close] {
        --m_pending;
        watcher->deleteLater();
        if (!socket || socket->state() != QAbstractSocket::ConnectedState)
            return;
        socket->write(watcher->result().bytes(withBody));
        if (close)
            socket->disconnectFromHost();
    });
    watcher->setFuture(QtConcurrent::run(&m_threads.pool(), std::move(read)));
    return true;
}

} // namespace Brolant
