// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"
#include "web/weblimits.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class QTcpSocket;
class QWebSocket;

namespace Brolant {

class LiveState;

// The page's live readings pushed over WebSockets: "Now" at most once a second while anything
// changes (the latest state, so nothing older is ever sent), each logged record at once. A client
// that stops reading, or stops answering pings, is let go, so nothing piles up for it.
class LivePush final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kAtMostEvery{1};

    LivePush(LiveState &state, const WebLimits &limits, QObject *parent = nullptr);
    ~LivePush() override;

    // Whether another client may join.
    bool hasRoom() const { return connections() < m_limits.pushClients; }
    // A connection whose WebSocket handshake is under way: it reserves its place from now on, so
    // that many opened at once cannot pass the limit while their handshakes run.
    void expect(QTcpSocket *socket);
    // Accepts a client that has just connected, and sends it "Now" at once.
    void add(std::unique_ptr<QWebSocket> client);
    int clients() const { return int(m_clients.size()); }
    // The clients and the connections on their way to becoming one: all, or those of one address.
    int connections() const;
    int connectionsFrom(const QHostAddress &address) const;
    // Closes every client: the server stops.
    void closeAll();

private:
    struct Client
    {
        QWebSocket *socket = nullptr;
        QHostAddress address;
        MonotonicTime lastReceived; // the last pong, or the connection
    };
    struct Arriving
    {
        QPointer<QTcpSocket> socket; // gone, or closed, when its handshake failed
        QHostAddress address;
        quint16 port = 0;
        bool underWay() const;
    };
    void stateChanged();
    void sendLive();
    void send(const QString &message);
    void ping();
    void drop(QWebSocket *socket);

    LiveState &m_state;
    WebLimits m_limits;
    QList<Client> m_clients;
    QList<Arriving> m_arriving;
    std::optional<MonotonicTime> m_lastLive;
    QTimer m_pending; // a change came within the second: sent when the second is over
    QTimer m_pings;
};

} // namespace Brolant
