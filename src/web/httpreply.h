// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHttpServerResponder>
#include <QList>
#include <QString>

#include <utility>

class QJsonObject;

namespace Brolant {

// One answer to a request as it goes on the wire: the status, what its content is, the content,
// and headers of its own. Every answer carries the same safety headers, and none is kept by a
// cache: the page's data changes by the second.
struct HttpReply
{
    using Status = QHttpServerResponder::StatusCode;

    Status status = Status::Ok;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;

    // A plain message for a person, such as why a request was refused.
    static HttpReply text(Status status, const QString &message);
    // What the page answers for a path it does not have.
    static HttpReply notFound();
    static HttpReply json(const QJsonObject &object);
    // A file to save, under `fileName`.
    static HttpReply download(const QByteArray &contentType, const QString &fileName, const QByteArray &body);

    // Adds a header of its own.
    HttpReply &with(const QByteArray &name, const QByteArray &value)
    {
        headers.append({name, value});
        return *this;
    }

    // The bytes on the wire; without the content for a HEAD request.
    QByteArray bytes(bool withBody = true) const;
};

} // namespace Brolant
