// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/httpreply.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace Brolant {

namespace {
using Status = HttpReply::Status;

QByteArray reasonPhrase(Status status)
{
    switch (status) {
    case Status::Ok:
        return "OK";
    case Status::BadRequest:
        return "Bad Request";
    case Status::Unauthorized:
        return "Unauthorized";
    case Status::Forbidden:
        return "Forbidden";
    case Status::NotFound:
        return "Not Found";
    case Status::MethodNotAllowed:
        return "Method Not Allowed";
    case Status::PayloadTooLarge:
        return "Payload Too Large";
    case Status::MisdirectedRequest:
        return "Misdirected Request";
    case Status::TooManyRequests:
        return "Too Many Requests";
    case Status::RequestHeaderFieldsTooLarge:
        return "Request Header Fields Too Large";
    case Status::UnprocessableEntity:
        return "Unprocessable Entity";
    case Status::InternalServerError:
        return "Internal Server Error";
    case Status::ServiceUnavailable:
        return "Service Unavailable";
    default:
        return "Error";
    }
}
} // namespace

HttpReply HttpReply::text(Status status, const QString &message)
{
    return {status, "text/plain; charset=utf-8", message.toUtf8() + '\n', {}};
}

HttpReply HttpReply::notFound()
{
    return text(Status::NotFound, QStringLiteral("Not found."));
}

HttpReply HttpReply::json(const QJsonObject &object)
{
    return {Status::Ok, "application/json", QJsonDocument(object).toJson(QJsonDocument::Compact), {}};
}

HttpReply HttpReply::download(const QByteArray &contentType, const QString &fileName, const QByteArray &body)
{
    HttpReply reply{Status::Ok, contentType, body, {}};
    return reply.with("Content-Disposition", "attachment; filename=\"" + fileName.toLatin1() + '"');
}

QByteArray HttpReply::bytes(bool withBody) const
{
    QByteArray wire = "HTTP/1.1 " + QByteArray::number(int(status)) + ' ' + reasonPhrase(status) + "\r\n";
    const auto header = [&wire](const QByteArray &name, const QByteArray &value) {
        wire += name + ": " + value + "\r\n";
    };
    header("Content-Type", contentType);
    header("Content-Length", QByteArray::number(body.size()));
    header("Cache-Control", "no-store");
    header("X-Content-Type-Options", "nosniff");
    header("X-Frame-Options", "DENY");
    header("Referrer-Policy", "no-referrer");
    // The page loads nothing from elsewhere, and nothing elsewhere may run in it.
    header("Content-Security-Policy",
           "default-src 'self'; connect-src 'self' ws: wss:; img-src 'self' data:; frame-ancestors 'none'");
    for (const auto &[name, value] : headers)
        header(name, value);
    wire += "\r\n";
    if (withBody)
        wire += body;
    return wire;
}

} // namespace Brolant
