// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What the web page's server answered one request.
struct HttpAnswer
{
    int status = 0;  // 0: no answer came
    QByteArray head; // the status line and the headers
    QByteArray body;
    bool closed = false; // the server closed the connection after it

    // A header's value; empty when it is not there.
    QByteArray header(const QByteArray &name) const;
};

// A client of the web page's server on the loopback that sends exactly the bytes a test gives and
// waits for the whole answer while the event loop runs: the server may be in this very process.
namespace WebClient {

HttpAnswer exchange(int port, const QByteArray &request, int waitMilliseconds = 5000);
// GET `target` ("/api/live") with these extra header lines, each ending in CR LF.
HttpAnswer get(int port, const QString &target, const QByteArray &headers = QByteArray());
// The "Authorization" header line of a password, with any user name.
QByteArray password(const QByteArray &password);

} // namespace WebClient
