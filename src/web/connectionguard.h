// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"
#include "web/httpreply.h"
#include "web/weblimits.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace Brolant {

class LivePush;

// Keeps every connection of the web server within its limits, since the HTTP server itself has
// none: no more connections than allowed, in all and from one address, no request larger than
// allowed, no request that needs longer than allowed to arrive, and no kept connection idle for
// longer than allowed. It watches each socket's bytes as they arrive, before the server reads them.
class ConnectionGuard final : public QObject
{
    Q_OBJECT

public:
    // `pushes` keeps the connections that left its watch for a push: they count too.
    ConnectionGuard(const WebLimits &limits, const Clock &clock, const LivePush &pushes, QObject *parent = nullptr);

    // Whether a new connection may open, or why not.
    enum class Room
    {
        Open,
        FullForAll,
        FullForItsAddress
    };

    // Watches a new connection from now on when there is room for it; otherwise it is not watched
    // and the caller closes it, or sends it away.
    Room watch(QTcpSocket *socket);
    // Answers a plain connection there is no room for with 503 and a sentence, reads none of it
    // and closes it: cheaply, since these come in floods. It deletes itself once closed.
    void sendAway(QTcpSocket *socket, Room room);
    // A TLS handshake that did not end in time: cut off, and reported.
    void cutSlowHandshake(QTcpSocket *socket);
    // A whole request arrived on `socket`: the next one starts from nothing.
    void requestHandled(QTcpSocket *socket);
    // The connection became a push: its own limits apply from now on.
    void release(QTcpSocket *socket);
    int watched() const { return int(m_watched.size()); }

signals:
    // A client was refused for `why`; the address is the client's.
    void refused(const QHostAddress &address, const QString &why);

private:
    struct Watch
    {
        QHostAddress address; // the client's, kept: a closed socket forgets it
        MonotonicTime since;  // of the request's first byte, else of the connection or the last request
        qint64 headBytes = 0; // of the request under way
        qint64 bodyBytes = 0;
        QByteArray headTail; // the end of the head so far, to find the blank line across reads
        bool inBody = false;
        bool closing = false;
    };
    bool admits() const;
    // When all places are in use: the address with the most open gives up its longest idle
    // connection to one with fewer, so a host with many addresses cannot monopolise the page. False
    // when no address has more open than `address` would.
    bool makeRoomFor(const QHostAddress &address);
    void refusedForAll(const QHostAddress &address);
    Watch fresh(const QHostAddress &address) const;
    void received(QTcpSocket *socket);
    void refuse(QTcpSocket *socket, Watch &watch, HttpReply::Status status, const QString &why);
    void sweep();

    WebLimits m_limits;
    QByteArray m_fullForAll; // the answers of sendAway, made once
    QByteArray m_fullForItsAddress;
    const Clock &m_clock;
    const LivePush &m_pushes;
    QHash<QTcpSocket *, Watch> m_watched;
    QTimer m_sweep;
};

} // namespace Brolant
