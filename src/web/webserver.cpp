// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webserver.h"

#include "logging/errorlog.h"
#include "problems/problemlog.h"
#include "web/httpreply.h"
#include "web/livestate.h"
#include "web/pagetexts.h"
#include "web/webanswers.h"
#include "web/webjson.h"
#include "web/webmetrics.h"
#include "web/webroutes.h"
#include "web/websettings.h"

#include <QHttpServerRequest>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QWebSocket>

namespace Brolant {

namespace {
using Status = HttpReply::Status;

constexpr int kTicketBytes = 16;
const QByteArray kBasic = QByteArrayLiteral("basic ");
const QByteArray kTicketHeader = QByteArrayLiteral("X-Push-Ticket");
const QString kTicketItem = QStringLiteral("ticket");

// Compares in a time that does not reveal how much of a guess was right.
bool sameSecret(const QByteArray &given, const QByteArray &secret)
{
    unsigned char difference = given.size() == secret.size() ? 0 : 1;
    for (qsizetype at = 0; at < given.size(); ++at)
        difference |= (unsigned char)(given[at] ^ secret[at % std::max<qsizetype>(1, secret.size())]);
    return difference == 0;
}

// Whether Qt treats the request as a WebSocket's handshake: then, once the request is handled, it
// hands the connection to its WebSocket server, the request rolled back to be read again. Any
// other request it has read for good (an "Upgrade: websocket" without "Connection: Upgrade" is
// plain HTTP to it), so the open read distinguishes the one from the other as Qt sees it.
bool isHandshake(const QHttpServerRequest &request, const QTcpSocket *socket)
{
    return request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0 && socket->isTransactionStarted();
}

bool closesAfter(const QHttpServerRequest &request)
{
    return request.value("connection").compare("close", Qt::CaseInsensitive) == 0;
}

void write(QTcpSocket *socket, const HttpReply &reply, bool withBody, bool close)
{
    socket->write(reply.bytes(withBody));
    if (close)
        socket->disconnectFromHost();
}
} // namespace

WebServer::WebServer(LiveState &state, const WebSettings &settings, const WebLimits &limits, ProblemLog &problems,
                     QObject *parent)
    : QAbstractHttpServer(parent),
      m_state(state),
      m_problems(problems),
      m_password(settings.password.toUtf8()),
      m_limits(limits),
      m_hosts(settings.hosts),
      m_secure(settings.secure()),
      m_push(state, limits),
      m_guard(limits, state.clock(), m_push),
      m_rates(limits.burst, limits.perSecond),
      m_reads(limits.pendingReads)
{
    QByteArray ticket(kTicketBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(ticket.data()), kTicketBytes / sizeof(quint32));
    m_pushTicket = ticket.toHex();
    connect(&m_guard, &ConnectionGuard::refused, this, &WebServer::refused);
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &WebServer::acceptPushes);
}

WebServer::~WebServer()
{
    // Before the listeners and their sockets go: a push owns its client's socket.
    m_push.closeAll();
    m_problems.forget(Problem::WebRequestRefused);
}

WebServer::Password WebServer::password(const QHttpServerRequest &request) const
{
    const QByteArray header = request.value("authorization").trimmed();
    if (header.isEmpty())
        return Password::Missing;
    if (!header.toLower().startsWith(kBasic))
        return Password::Wrong;
    // Any user name: the password alone opens the page.
    const QByteArray credentials = QByteArray::fromBase64(header.mid(kBasic.size()).trimmed());
    const qsizetype colon = credentials.indexOf(':');
    return colon >= 0 && sameSecret(credentials.mid(colon + 1), m_password) ? Password::Right : Password::Wrong;
}

std::optional<HttpReply> WebServer::refusal(const QHttpServerRequest &request, QTcpSocket *socket, bool pushTicket)
{
    const QHostAddress address = socket->peerAddress();
    if (!m_rates.allows(address, m_state.clock().monotonic())) {
        const QString why = QStringLiteral("more than %1 requests at once, or %2 a second")
                                .arg(m_limits.burst)
                                .arg(m_limits.perSecond);
        refused(address, why);
        HttpReply reply = HttpReply::text(Status::TooManyRequests, QStringLiteral("Too many requests: %1.").arg(why));
        reply.with("Retry-After", "1");
        return reply;
    }
    if (std::optional<HttpReply> misdirected = hostRefusal(request, address))
        return misdirected;
    const auto method = request.method();
    if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
        HttpReply reply = HttpReply::text(Status::MethodNotAllowed,
                                          QStringLiteral("The page only reads: GET and HEAD."));
        reply.with("Allow", "GET, HEAD");
        return reply;
    }
    if (m_password.isEmpty() || pushTicket)
        return std::nullopt;
    const Password given = password(request);
    if (given == Password::Right)
        return std::nullopt;
    // A browser asks without a password first; only a wrong one is worth reporting.
    if (given == Password::Wrong)
        refused(address, QStringLiteral("a wrong password"));
    HttpReply reply = HttpReply::text(Status::Unauthorized, QStringLiteral("This page asks for its password."));
    reply.with("WWW-Authenticate", "Basic realm=\"Brolant\", charset=\"UTF-8\"");
    return reply;
}

bool WebServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    m_guard.requestHandled(socket);
    const bool withBody = request.method() != QHttpServerRequest::Method::Head;
    const bool close = closesAfter(request);
    const bool upgrade = isHandshake(request, socket);
    const QDate today = m_state.clock().now().date();
    const WebRoute route = WebRoute::of(request.url().path(), request.query(), today, m_limits.longestRange);
    const bool ticket = route.kind == WebRoute::Kind::Push && !m_password.isEmpty()
                        && sameSecret(request.query().queryItemValue(kTicketItem).toLatin1(), m_pushTicket);
    std::optional<HttpReply> reply = refusal(request, socket, ticket);
    if (!reply && upgrade) {
        reply = route.kind == WebRoute::Kind::Push ? pushRefusal(request, socket->peerAddress())
                                                   : HttpReply::notFound();
        if (!reply) {
            // The socket is the WebSocket's from here on, and the push's limits apply to it.
            m_guard.release(socket);
            m_push.expect(socket);
            return true;
        }
    }
    if (reply) {
        write(socket, *reply, withBody, close || upgrade);
        if (upgrade)
            handOverRefused(socket);
        return true;
    }
    answer(socket, request, route, today, withBody, close);
    return true;
}

void WebServer::answer(QTcpSocket *socket, const QHttpServerRequest &request, const WebRoute &route, const QDate &today,
                       bool withBody, bool close)
{
    switch (route.kind) {
    case WebRoute::Kind::Asset:
        write(socket, WebAnswers::asset(route), withBody, close);
        break;
    case WebRoute::Kind::Live: {
        HttpReply live = HttpReply::json(m_state.json());
        if (!m_password.isEmpty())
            live.with(kTicketHeader, m_pushTicket);
        write(socket, live, withBody, close);
        break;
    }
    case WebRoute::Kind::Texts: {
        HttpReply texts = HttpReply::json(
            PageTexts::catalogue(PageTexts::languageFor(request.value("Accept-Language"))));
        texts.with("Vary", "Accept-Language");
        write(socket, texts, withBody, close);
        break;
    }
    case WebRoute::Kind::Metrics:
        write(socket, {Status::Ok, WebMetrics::kContentType, WebMetrics::text(m_state), {}}, withBody, close);
        break;
    case WebRoute::Kind::Alarms:
        write(socket, HttpReply::json(WebJson::alarms(m_state.alarmBoard())), withBody, close);
        break;
    case WebRoute::Kind::Push:
        write(socket, HttpReply::text(Status::BadRequest, QStringLiteral("/api/push is a WebSocket.")), withBody,
              close);
        break;
    case WebRoute::Kind::BadRequest:
        write(socket, HttpReply::text(Status::BadRequest, route.problem), withBody, close);
        break;
    case WebRoute::Kind::NotFound:
        write(socket, HttpReply::notFound(), withBody, close);
        break;
    // Every route is named here, without a default: a new one does not build until it is answered.
    case WebRoute::Kind::Day:
    case WebRoute::Kind::DayLog:
    case WebRoute::Kind::Energy:
    case WebRoute::Kind::EnergyCsv:
    case WebRoute::Kind::PowerCurve:
    case WebRoute::Kind::PowerCurveCsv:
    case WebRoute::Kind::Performance:
    case WebRoute::Kind::PerformanceCsv:
        if (!m_reads.start(socket, withBody, close,
                           [folder = m_state.programFolder(), route, today, limits = m_limits] {
                               return WebAnswers::fromLogs(folder, route, today, limits);
                           })) {
            HttpReply busy = HttpReply::text(Status::ServiceUnavailable,
                                             QStringLiteral("Busy reading: ask again in a moment."));
            busy.with("Retry-After", "1");
            write(socket, busy, withBody, close);
        }
    }
}

std::optional<HttpReply> WebServer::hostRefusal(const QHttpServerRequest &request, const QHostAddress &address)
{
    const QByteArray host = request.value("host");
    if (m_hosts.accepts(host))
        return std::nullopt;
    const std::optional<KnownHosts::Host> named = KnownHosts::parse(host);
    const QString name = named ? ErrorLog::quoted(named->name) : QString();
    refusedAs(
        QStringLiteral("unknown name"), address,
        named
            ? QStringLiteral("the unknown name %1, to be added to Hosts in web.cfg if it is this computer's,").arg(name)
            : QStringLiteral("a Host header that is no name"));
    return HttpReply::text(
        Status::MisdirectedRequest,
        QStringLiteral("This computer does not serve its page as %1. If that is one of its names "
                       "(given by a router or a dynamic DNS), add it to Hosts in web.cfg (in Brolant: "
                       "Program Setup, Web..., \"Other names\").")
            .arg(named ? name : QStringLiteral("that name")));
}

std::optional<HttpReply> WebServer::pushRefusal(const QHttpServerRequest &request, const QHostAddress &address)
{
    // A browser sends which page opens a WebSocket, and lets any page open one to any address: a
    // page of another site must not read the readings. A script sends no origin, and may.
    const QByteArray origin = request.value("origin");
    if (!origin.isEmpty() && !KnownHosts::sameOrigin(origin, request.value("host"), m_secure)) {
        refused(address, QStringLiteral("a page of another site opening the live readings"));
        return HttpReply::text(Status::Forbidden,
                               QStringLiteral("Refused: only the page itself may open the live readings."));
    }
    if (!m_push.hasRoom()) {
        refused(address, QStringLiteral("more than %1 pages open at once").arg(m_limits.pushClients));
        return HttpReply::text(Status::ServiceUnavailable, QStringLiteral("As many pages as can be served are open."));
    }
    return std::nullopt;
}

void WebServer::handOverRefused(QTcpSocket *socket)
{
    // Qt hands every upgrade reported as handled to its WebSocket server, and complains on
    // standard error of every other: a hostile page would fill the journal. So the refused one is
    // handled, and what the WebSocket server gets is a connection with nothing left to read,
    // closing once the answer is out, which it then deletes.
    m_guard.release(socket); // Qt cuts the socket's signals from here on
    socket->commitTransaction();
    socket->readAll();          // a request sent after it too
    socket->startTransaction(); // what Qt rolls back to
}

void WebServer::missingHandler(const QHttpServerRequest &, QTcpSocket *)
{
    // Every request is answered in handleRequest, a refused WebSocket too.
}

void WebServer::refused(const QHostAddress &address, const QString &why)
{
    refusedAs(why, address, why);
}

void WebServer::refusedAs(const QString &kind, const QHostAddress &address, const QString &why)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    m_problems.reportAbout(Problem::WebRequestRefused, ProblemLog::Subject{kind},
                           QStringLiteral("%1 from %2 (the same again within %3 minutes is not logged)")
                               .arg(why, isIPv4 ? QHostAddress(ipv4).toString() : address.toString())
                               .arg(ProblemLog::kQuietPeriod.count()));
}

void WebServer::acceptPushes()
{
    while (hasPendingWebSocketConnections())
        m_push.add(nextPendingWebSocketConnection());
}

} // namespace Brolant
