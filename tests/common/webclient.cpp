// SPDX-License-Identifier: GPL-3.0-or-later
#include "webclient.h"

#include <QList>
#include <QTcpSocket>
#include <QTest>

namespace {
const QByteArray kHeadEnd = QByteArrayLiteral("\r\n\r\n");
} // namespace

QByteArray HttpAnswer::header(const QByteArray &name) const
{
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

namespace WebClient {

HttpAnswer exchange(int port, const QByteArray &request, int waitMilliseconds)
{
    HttpAnswer answer;
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
    socket.write(request);
    QByteArray received;
    // Whole once the head and the body it announces have come, or once the server closed.
    const auto whole = [&] {
        received += socket.readAll();
        answer.closed = socket.state() == QAbstractSocket::UnconnectedState;
        const qsizetype headEnd = received.indexOf(kHeadEnd);
        if (headEnd >= 0) {
            answer.head = received.left(headEnd);
            answer.body = received.mid(headEnd + kHeadEnd.size());
            answer.status = answer.head.split(' ').value(1).toInt();
            if (answer.body.size() >= answer.header("Content-Length").toLongLong())
                return true;
        }
        return answer.closed;
    };
    // A late or partial answer is the caller's to judge: status 0, or a body cut short.
    (void)QTest::qWaitFor(whole, waitMilliseconds);
    return answer;
}

HttpAnswer get(int port, const QString &target, const QByteArray &headers)
{
    return exchange(port, "GET " + target.toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n");
}

QByteArray password(const QByteArray &password)
{
    return "Authorization: Basic " + QByteArray("anyone:" + password).toBase64() + "\r\n";
}

} // namespace WebClient
