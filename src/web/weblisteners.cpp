// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/weblisteners.h"

#include "web/connectionguard.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

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

SecureListener::SecureListener(ConnectionGuard &guard, const QSslConfiguration &configuration,
                               std::chrono::milliseconds handshakeWithin, QObject *parent)
    : QTcpServer(parent), m_guard(guard), m_configuration(configuration), m_handshakeWithin(handshakeWithin)
{
}

void SecureListener::incomingConnection(qintptr handle)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    if (m_guard.watch(socket) != ConnectionGuard::Room::Open) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    socket->setSslConfiguration(m_configuration);
    auto *deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [this, socket] {
        m_guard.cutSlowHandshake(socket);
        socket->deleteLater();
    });
    // Until the server has it, a connection that goes is this listener's to delete.
    const auto dropped = connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QSslSocket::encrypted, this, [this, socket, deadline, dropped] {
        deadline->stop();
        disconnect(dropped);
        addPendingConnection(socket);
    });
    deadline->start(m_handshakeWithin);
    socket->startServerEncryption();
}

} // namespace Brolant
