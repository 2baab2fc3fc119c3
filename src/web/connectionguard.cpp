// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/connectionguard.h"

#include "web/livepush.h"

#include <QTcpSocket>

#include <algorithm>

namespace Brolant {

namespace {
constexpr std::chrono::seconds kSweepEvery{1};
const QByteArray kBlankLine = QByteArrayLiteral("\r\n\r\n");

QString seconds(std::chrono::milliseconds duration)
{
    return QString::number(double(duration.count()) / 1000.0);
}

QByteArray fullAnswer(const QString &sentence)
{
    HttpReply reply = HttpReply::text(HttpReply::Status::ServiceUnavailable, sentence);
    reply.with("Retry-After", "1").with("Connection", "close");
    return reply.bytes();
}
} // namespace

ConnectionGuard::ConnectionGuard(const WebLimits &limits, const Clock &clock, const LivePush &pushes, QObject *parent)
    : QObject(parent),
      m_limits(limits),
      m_fullForAll(fullAnswer(QStringLiteral("As many connections as can be served are open."))),
      m_fullForItsAddress(fullAnswer(QStringLiteral("As many connections as one address may hold are open."))),
      m_clock(clock),
      m_pushes(pushes)
{
    m_sweep.setInterval(kSweepEvery);
    connect(&m_sweep, &QTimer::timeout, this, &ConnectionGuard::sweep);
    m_sweep.start();
}

bool ConnectionGuard::admits() const
{
    return watched() + m_pushes.connections() < m_limits.connections;
}

ConnectionGuard::Room ConnectionGuard::watch(QTcpSocket *socket)
{
    const QHostAddress address = socket->peerAddress();
    if (!admits() && !makeRoomFor(address)) {
        refusedForAll(address);
        return Room::FullForAll;
    }
    const auto openFromAddress = std::count_if(m_watched.cbegin(), m_watched.cend(),
                                               [&address](const Watch &watch) { return watch.address == address; });
    if (openFromAddress + m_pushes.connectionsFrom(address) >= m_limits.fromOneAddress) {
        emit refused(
            address,
            QStringLiteral("a connection beyond the %1 one address may hold at once").arg(m_limits.fromOneAddress));
        return Room::FullForItsAddress;
    }
    m_watched.insert(socket, fresh(address));
    // Before the server's own: the bytes are counted before they are read.
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { received(socket); });
    connect(socket, &QObject::destroyed, this, [this, socket] { m_watched.remove(socket); });
    return Room::Open;
}

bool ConnectionGuard::makeRoomFor(const QHostAddress &address)
{
    QHash<QHostAddress, int> openPerAddress;
    for (const Watch &watch : std::as_const(m_watched))
        ++openPerAddress[watch.address];
    const auto busiest = std::max_element(openPerAddress.cbegin(), openPerAddress.cend());
    if (busiest == openPerAddress.cend() || *busiest <= openPerAddress.value(address) + 1)
        return false;
    // Its longest idle connection; one with a request under way only when it has no idle one.
    QTcpSocket *given = nullptr;
    const Watch *oldest = nullptr;
    for (auto it = m_watched.cbegin(); it != m_watched.cend(); ++it) {
        const Watch &watch = it.value();
        const bool busy = watch.headBytes > 0 || watch.inBody;
        if (watch.address != busiest.key())
            continue;
        const bool busyOldest = oldest && (oldest->headBytes > 0 || oldest->inBody);
        if (!oldest || (busyOldest && !busy) || (busyOldest == busy && watch.since < oldest->since)) {
            oldest = &watch;
            given = it.key();
        }
    }
    emit refused(busiest.key(), QStringLiteral("its longest idle connection closed, all %1 places being taken, for "
                                               "an address that held fewer")
                                    .arg(m_limits.connections));
    m_watched.remove(given);
    given->abort();
    return true;
}

void ConnectionGuard::cutSlowHandshake(QTcpSocket *socket)
{
    if (const auto found = m_watched.constFind(socket); found != m_watched.cend())
        emit refused(
            found->address,
            QStringLiteral("a TLS handshake took longer than %1 seconds").arg(seconds(m_limits.requestWithin)));
    socket->abort();
}

void ConnectionGuard::sendAway(QTcpSocket *socket, Room room)
{
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->write(room == Room::FullForAll ? m_fullForAll : m_fullForItsAddress);
    socket->disconnectFromHost();
}

void ConnectionGuard::refusedForAll(const QHostAddress &address)
{
    emit refused(address, QStringLiteral("more than %1 connections at once").arg(m_limits.connections));
}

void ConnectionGuard::requestHandled(QTcpSocket *socket)
{
    if (const auto found = m_watched.find(socket); found != m_watched.end() && !found->closing)
        *found = fresh(found->address);
}

void ConnectionGuard::release(QTcpSocket *socket)
{
    disconnect(socket, nullptr, this, nullptr);
    m_watched.remove(socket);
}

ConnectionGuard::Watch ConnectionGuard::fresh(const QHostAddress &address) const
{
    Watch watch;
    watch.address = address;
    watch.since = m_clock.monotonic();
    return watch;
}

void ConnectionGuard::received(QTcpSocket *socket)
{
    const auto found = m_watched.find(socket);
    if (found == m_watched.end() || found->closing)
        return;
    Watch &watch = *found;
    const QByteArray arrived = socket->peek(socket->bytesAvailable());
    if (watch.headBytes == 0 && !watch.inBody)
        watch.since = m_clock.monotonic(); // a request begins
    if (watch.inBody) {
        watch.bodyBytes += arrived.size();
    } else {
        const QByteArray seen = watch.headTail + arrived;
        const qsizetype blank = seen.indexOf(kBlankLine);
        if (blank < 0) {
            watch.headBytes += arrived.size();
            watch.headTail = seen.right(kBlankLine.size() - 1);
        } else {
            const qsizetype headPart = blank + kBlankLine.size() - watch.headTail.size();
            watch.headBytes += headPart;
            watch.bodyBytes = arrived.size() - headPart;
            watch.inBody = true;
        }
    }
    if (watch.headBytes > m_limits.largestHead)
        refuse(socket, watch, HttpReply::Status::RequestHeaderFieldsTooLarge,
               QStringLiteral("a request's headers were larger than %1 bytes").arg(m_limits.largestHead));
    else if (watch.bodyBytes > m_limits.largestBody)
        refuse(socket, watch, HttpReply::Status::PayloadTooLarge,
               QStringLiteral("a request carried more than %1 bytes").arg(m_limits.largestBody));
}

void ConnectionGuard::refuse(QTcpSocket *socket, Watch &watch, HttpReply::Status status, const QString &why)
{
    watch.closing = true;
    watch.since = m_clock.monotonic();
    // Not a byte more of it reaches the server.
    disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
    HttpReply reply = HttpReply::text(status, QStringLiteral("Refused: %1.").arg(why));
    reply.with("Connection", "close");
    socket->write(reply.bytes());
    socket->disconnectFromHost();
    emit refused(watch.address, why);
}

void ConnectionGuard::sweep()
{
    const MonotonicTime now = m_clock.monotonic();
    QList<QTcpSocket *> overdue;
    for (auto it = m_watched.begin(); it != m_watched.end(); ++it) {
        const Watch &watch = it.value();
        const bool partial = watch.headBytes > 0 || watch.inBody;
        if (now - watch.since < (partial || watch.closing ? m_limits.requestWithin : m_limits.idleFor))
            continue;
        // An idle connection is closed as any server closes one; a request left half sent is refused.
        if (partial && !watch.closing)
            emit refused(
                watch.address,
                QStringLiteral("a request took longer than %1 seconds to arrive").arg(seconds(m_limits.requestWithin)));
        overdue.append(it.key());
    }
    for (QTcpSocket *socket : std::as_const(overdue))
        socket->abort();
}

} // namespace Brolant
