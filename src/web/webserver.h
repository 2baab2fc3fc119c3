// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/backgroundreads.h"
#include "web/connectionguard.h"
#include "web/knownhosts.h"
#include "web/livepush.h"
#include "web/ratelimiter.h"
#include "web/weblimits.h"
#include "web/webroutes.h"

#include <QAbstractHttpServer>

namespace Brolant {

class LiveState;
class ProblemLog;
struct HttpReply;
struct WebSettings;

// The live web page's server: the page's own files, its data, the daily logs and the history's
// spreadsheets to download, the push of live readings and the metrics. Read-only: no request
// changes a file or a setting. Every request is kept within the limits, must name a host this
// computer answers to, and is asked for the password when there is one; a WebSocket must come
// from the page itself. Refusals that protect the logger are reported once per quiet period.
class WebServer final : public QAbstractHttpServer
{
    Q_OBJECT

public:
    WebServer(LiveState &state, const WebSettings &settings, const WebLimits &limits, ProblemLog &problems,
              QObject *parent = nullptr);
    // Its refusals end with it: a server with new settings reports its own.
    ~WebServer() override;

    ConnectionGuard &guard() { return m_guard; }
    int pushClients() const { return m_push.clients(); }
    // The password's stand-in for the push's WebSocket, which not every browser opens with the
    // password: given with /api/live, new each time the server starts.
    const QByteArray &pushTicket() const { return m_pushTicket; }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    enum class Password
    {
        Right,
        Missing,
        Wrong
    };
    Password password(const QHttpServerRequest &request) const;
    // The answer to a request that was not refused: at once, or from a read of the logs on a
    // worker thread.
    void answer(QTcpSocket *socket, const QHttpServerRequest &request, const WebRoute &route, const QDate &today,
                bool withBody, bool close);
    // Why the request is refused before its route is looked at: too many, a name of another
    // site, a method the page does not use, no password.
    std::optional<HttpReply> refusal(const QHttpServerRequest &request, QTcpSocket *socket, bool pushTicket);
    // A request for a name this computer does not answer to: another site's (DNS rebinding).
    std::optional<HttpReply> hostRefusal(const QHttpServerRequest &request, const QHostAddress &address);
    // Why a WebSocket for the push is refused: opened by another site's page, or no room.
    std::optional<HttpReply> pushRefusal(const QHttpServerRequest &request, const QHostAddress &address);
    void refused(const QHostAddress &address, const QString &why);
    // The error log's line of a refusal, once per quiet period of `kind`. An IPv4 client of a
    // server on every network comes as an IPv6 address (::ffff:192.168.1.7): it is named as IPv4.
    void refusedAs(const QString &kind, const QHostAddress &address, const QString &why);
    // Lets Qt hand a refused WebSocket, answered and closing, to its WebSocket server.
    void handOverRefused(QTcpSocket *socket);
    void acceptPushes();

    LiveState &m_state;
    ProblemLog &m_problems;
    QByteArray m_password;
    WebLimits m_limits;
    KnownHosts m_hosts;
    bool m_secure = false;
    QByteArray m_pushTicket;
    LivePush m_push;
    ConnectionGuard m_guard;
    RateLimiter m_rates;
    BackgroundReads m_reads;
};

} // namespace Brolant
