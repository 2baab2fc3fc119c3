// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/livepush.h"

#include "web/livestate.h"

#include <QJsonDocument>
#include <QTcpSocket>
#include <QWebSocket>

#include <algorithm>

namespace Brolant {

namespace {
// Clients answer a ping within a few seconds; one that has not answered three is gone.
constexpr std::chrono::seconds kPingEvery{30};
constexpr std::chrono::seconds kSilentFor{90};
// Clients only listen: what they send is a few bytes at most.
constexpr qint64 kLargestIncoming = 1024;

QString message(const QString &kind, const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{kind, object}}).toJson(QJsonDocument::Compact));
}
} // namespace

LivePush::LivePush(LiveState &state, const WebLimits &limits, QObject *parent)
    : QObject(parent), m_state(state), m_limits(limits)
{
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &LivePush::sendLive);
    m_pings.setInterval(kPingEvery);
    connect(&m_pings, &QTimer::timeout, this, &LivePush::ping);
    m_pings.start();
    connect(&state, &LiveState::changed, this, &LivePush::stateChanged);
    connect(&state, &LiveState::recordLogged, this,
            [this](const QJsonObject &record) { send(message(QStringLiteral("record"), record)); });
}

LivePush::~LivePush()
{
    closeAll();
}

bool LivePush::Arriving::underWay() const
{
    return socket && socket->state() != QAbstractSocket::UnconnectedState;
}

void LivePush::expect(QTcpSocket *socket)
{
    m_arriving.removeIf([](const Arriving &arriving) { return !arriving.underWay(); });
    m_arriving.append({socket, socket->peerAddress(), socket->peerPort()});
}

void LivePush::add(std::unique_ptr<QWebSocket> client)
{
    QWebSocket *socket = client.release();
    socket->setParent(this);
    socket->setMaxAllowedIncomingFrameSize(kLargestIncoming);
    socket->setMaxAllowedIncomingMessageSize(kLargestIncoming);
    // Its place was reserved since its handshake began.
    m_arriving.removeIf([socket](const Arriving &arriving) {
        return !arriving.underWay()
               || (arriving.address == socket->peerAddress() && arriving.port == socket->peerPort());
    });
    m_clients.append({socket, socket->peerAddress(), m_state.clock().monotonic()});
    connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
    connect(socket, &QWebSocket::pong, this, [this, socket] {
        for (Client &client : m_clients)
            if (client.socket == socket)
                client.lastReceived = m_state.clock().monotonic();
    });
    socket->sendTextMessage(message(QStringLiteral("live"), m_state.json()));
}

int LivePush::connections() const
{
    return clients() + int(std::count_if(m_arriving.begin(), m_arriving.end(), [](const Arriving &arriving) {
               return arriving.underWay();
           }));
}

int LivePush::connectionsFrom(const QHostAddress &address) const
{
    return int(std::count_if(m_clients.begin(), m_clients.end(),
                             [&address](const Client &client) { return client.address == address; })
               + std::count_if(m_arriving.begin(), m_arriving.end(), [&address](const Arriving &arriving) {
                     return arriving.underWay() && arriving.address == address;
                 }));
}

void LivePush::closeAll()
{
    m_arriving.clear();
    const QList<Client> clients = std::exchange(m_clients, {});
    for (const Client &client : clients) {
        client.socket->disconnect(this);
        client.socket->abort();
        delete client.socket;
    }
}

void LivePush::stateChanged()
{
    if (m_clients.isEmpty() || m_pending.isActive())
        return;
    const MonotonicTime now = m_state.clock().monotonic();
    if (!m_lastLive || now - *m_lastLive >= kAtMostEvery) {
        sendLive();
        return;
    }
    m_pending.start(std::chrono::duration_cast<std::chrono::milliseconds>(kAtMostEvery - (now - *m_lastLive)));
}

void LivePush::sendLive()
{
    m_lastLive = m_state.clock().monotonic();
    send(message(QStringLiteral("live"), m_state.json()));
}

void LivePush::send(const QString &text)
{
    const QList<Client> clients = m_clients;
    for (const Client &client : clients) {
        // A client this far behind is not reading: a phone that went to sleep, or a hostile one.
        if (client.socket->bytesToWrite() > m_limits.pushBacklog)
            client.socket->abort();
        else
            client.socket->sendTextMessage(text);
    }
}

void LivePush::ping()
{
    const MonotonicTime now = m_state.clock().monotonic();
    const QList<Client> clients = m_clients;
    for (const Client &client : clients) {
        if (now - client.lastReceived > kSilentFor)
            client.socket->abort();
        else
            client.socket->ping();
    }
}

void LivePush::drop(QWebSocket *socket)
{
    m_clients.removeIf([socket](const Client &client) { return client.socket == socket; });
    socket->deleteLater();
}

} // namespace Brolant
