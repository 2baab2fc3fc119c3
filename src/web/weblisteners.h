// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSslConfiguration>
#include <QTcpServer>

#include <chrono>

namespace Brolant {

class ConnectionGuard;

// Where the web server accepts its connections: each new one is counted and watched by the guard
// before the server reads a byte of it, or answered 503 when there are too many.
class PlainListener final : public QTcpServer
{
    Q_OBJECT

public:
    explicit PlainListener(ConnectionGuard &guard, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionGuard &m_guard;
};

// The same over TLS. A connection counts against its address from the moment it is accepted, so
// connections that never send a byte (no ClientHello) keep their places too; the handshake must end
// within `handshakeWithin`, and the server is handed only connections whose handshake ended, so
// handshakes under way never stop it accepting. (Qt's own TLS server stops accepting for good once
// some 30 handshakes wait.) One too many is closed unanswered: a plain answer could not be read, and
// a handshake to answer it is what the limit spares.
class SecureListener final : public QTcpServer
{
    Q_OBJECT

public:
    SecureListener(ConnectionGuard &guard, const QSslConfiguration &configuration,
                   std::chrono::milliseconds handshakeWithin, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionGuard &m_guard;
    QSslConfiguration m_configuration;
    std::chrono::milliseconds m_handshakeWithin;
};

} // namespace Brolant
