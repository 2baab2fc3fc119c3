// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/weblisteners.h"

#include "web/connectionguard.h"

#include <QSslSocket>
#include <QTcpSocket>

namespace Brolant {

PlainListener::PlainListener(ConnectionGuard &guard, QObject *parent) : QTcpServer(parent), m_guard(guard) {}

void PlainListener::incomingConnection(qintptr handle)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    if (const ConnectionGuard::Room room = m_guard.watch(socket); room != ConnectionGuard::Room::Open) {
        m_guard.sendAway(socket, room);
        return;
    }
    addPendingConnection(socket);
}

SecureListener::SecureListener(ConnectionGuard &guard, const QSslConfiguration &configuration, QObject *parent)
    : QSslServer(parent), m_guard(guard)
{
    setSslConfiguration(configuration);
    connect(this, &QSslServer::startedEncryptionHandshake, &guard, [&guard](QSslSocket *socket) {
        if (guard.watch(socket) != ConnectionGuard::Room::Open)
            socket->close(); // the server lets it go
    });
}

void SecureListener::incomingConnection(qintptr handle)
{
    if (!m_guard.admits()) {
        m_guard.turnAway(handle);
        return;
    }
    QSslServer::incomingConnection(handle);
}

} // namespace Brolant
