// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSslServer>
#include <QTcpServer>

namespace Brolant {

class ConnectionGuard;

// Where the web server takes its connections: each new one is counted and watched by the guard
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

// The same over TLS: the handshake, too, must end within the time a request may take. One too
// many is closed unanswered: a plain answer could not be read, and a handshake to answer it is
// what the limit spares.
class SecureListener final : public QSslServer
{
    Q_OBJECT

public:
    SecureListener(ConnectionGuard &guard, const QSslConfiguration &configuration, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionGuard &m_guard;
};

} // namespace Brolant
