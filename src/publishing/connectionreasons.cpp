// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/connectionreasons.h"

#include "publishing/mqttsettings.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mosquitto.h>
#include <mqtt_protocol.h>

namespace Brolant {

namespace {

QString address(const MqttSettings &settings)
{
    return QStringLiteral("%1:%2").arg(settings.host).arg(settings.port);
}

// libmosquitto's wording, as a phrase: "Not authorized" -> "not authorized".
QString libraryWords(int reasonCode)
{
    QString words = QString::fromUtf8(mosquitto_reason_string(reasonCode));
    if (words.endsWith(u'.'))
        words.chop(1);
    return words.isEmpty() ? words : words.front().toLower() + words.mid(1);
}

bool anyErrorContains(const QStringList &errors, const char *words)
{
    return std::any_of(errors.begin(), errors.end(), [words](const QString &error) {
        return error.contains(QLatin1String(words), Qt::CaseInsensitive);
    });
}

// A broker that wants a client certificate, or does not accept the one given, ends the connection
// after the TLS greeting; whether its alert is read before the connection goes is a matter of
// timing, so both ways get the same words.
QString closedUnanswered(const MqttSettings &settings)
{
    const QString closed = QStringLiteral("the broker at %1 closed the TLS connection unanswered: ")
                               .arg(address(settings));
    if (settings.certFile.isEmpty())
        return closed + QStringLiteral("it may want a client certificate (CertFile and KeyFile)");
    return closed + QStringLiteral("it may not accept the client certificate %1").arg(settings.certFile);
}

QString forTls(const QStringList &errors, const MqttSettings &settings)
{
    const QString where = address(settings);
    if (anyErrorContains(errors, "Unable to load CA certificates"))
        return QStringLiteral("%1 %2 holds no certificate that can be used").arg(MqttTag::kCaFile, settings.caFile);
    if (anyErrorContains(errors, "Unable to load client certificate"))
        return QStringLiteral("%1 %2 holds no certificate that can be used").arg(MqttTag::kCertFile, settings.certFile);
    if (anyErrorContains(errors, "key values mismatch") || anyErrorContains(errors, "certificate/key are inconsistent"))
        return QStringLiteral("%1 %2 is not the key of %3 %4")
            .arg(MqttTag::kKeyFile, settings.keyFile, MqttTag::kCertFile, settings.certFile);
    if (anyErrorContains(errors, "Unable to load client key"))
        return QStringLiteral("%1 %2 holds no private key that can be used (it may be protected by a password)")
            .arg(MqttTag::kKeyFile, settings.keyFile);
    if (anyErrorContains(errors, "host name verification failed"))
        return QStringLiteral("the broker's certificate is not made out to %1").arg(settings.host);
    if (anyErrorContains(errors, "certificate verify failed"))
        return QStringLiteral("certificate not trusted: the broker's certificate is not signed by %1")
            .arg(settings.caFile.isEmpty() ? QStringLiteral("an authority this computer trusts") : settings.caFile);
    if (anyErrorContains(errors, "certificate required") || anyErrorContains(errors, "unknown ca")
        || anyErrorContains(errors, "bad certificate") || anyErrorContains(errors, "certificate unknown"))
        return closedUnanswered(settings);
    // A plain listener closes on the TLS greeting, or answers it with plain MQTT.
    if (anyErrorContains(errors, "unexpected eof") || anyErrorContains(errors, "wrong version number")
        || anyErrorContains(errors, "packet length too long") || anyErrorContains(errors, "record layer failure"))
        return QStringLiteral("no TLS at %1: the broker there does not encrypt (its TLS port is often 8883)")
            .arg(where);
    return QStringLiteral("TLS failed at %1%2")
        .arg(where, errors.isEmpty() ? QString() : QStringLiteral(": ") + errors.last());
}

// The TLS library reports what went wrong only in its log, whatever the code.
bool isTlsError(const ConnectionFailure &failure, const MqttSettings &settings)
{
    return failure.errorCode == MOSQ_ERR_TLS
           || (settings.tls && anyErrorContains(failure.libraryErrors, "OpenSSL Error"));
}

bool closedUnansweredByTls(const ConnectionFailure &failure, const MqttSettings &settings)
{
    const bool broken = failure.errorCode == MOSQ_ERR_CONN_LOST
                        || (failure.errorCode == MOSQ_ERR_ERRNO
                            && (failure.savedErrno == EPROTO || failure.savedErrno == ECONNRESET));
    return settings.tls && !failure.answered && broken;
}

// The broker refused the connection: its MQTT 5 reason code.
QString forConnectRefusal(int reasonCode)
{
    switch (reasonCode) {
    // Mosquitto answers a wrong password with "not authorized"; to the user both mean the same.
    case MQTT_RC_BAD_USERNAME_OR_PASSWORD:
    case MQTT_RC_NOT_AUTHORIZED:
        return QStringLiteral("wrong user name or password");
    case MQTT_RC_UNSUPPORTED_PROTOCOL_VERSION:
        return QStringLiteral("the broker does not speak MQTT 5 (Mosquitto does from version 1.6)");
    default:
        return libraryWords(reasonCode);
    }
}

} // namespace

DisconnectReason ConnectionReasons::of(const ConnectionFailure &failure, const MqttSettings &settings)
{
    if (isTlsError(failure, settings) || closedUnansweredByTls(failure, settings))
        return DisconnectReason::TlsFailed;
    switch (failure.errorCode) {
    case MOSQ_ERR_ERRNO:
        return failure.savedErrno == ECONNREFUSED ? DisconnectReason::NoBroker : DisconnectReason::NetworkError;
    case MOSQ_ERR_EAI:
        return DisconnectReason::NoHost;
    case MOSQ_ERR_KEEPALIVE:
        return DisconnectReason::NoAnswer;
    case MOSQ_ERR_CONN_LOST:
    case MOSQ_ERR_NO_CONN:
        return DisconnectReason::Lost;
    default:
        return DisconnectReason::NetworkError;
    }
}

QString ConnectionReasons::text(const Disconnection &disconnection, const MqttSettings &settings)
{
    const QString where = address(settings);
    const ConnectionFailure &failure = disconnection.failure;
    switch (disconnection.reason) {
    case DisconnectReason::NotSetUp:
        return disconnection.notSetUp;
    case DisconnectReason::Refused:
        return forConnectRefusal(disconnection.refusalCode);
    case DisconnectReason::TlsFailed:
        return isTlsError(failure, settings) ? forTls(failure.libraryErrors, settings) : closedUnanswered(settings);
    case DisconnectReason::NoBroker:
        return QStringLiteral("no broker at %1").arg(where);
    case DisconnectReason::NoHost:
        return QStringLiteral("no host called %1").arg(settings.host);
    case DisconnectReason::NoAnswer:
        return QStringLiteral("no answer from the broker at %1 within the keep-alive of %2 seconds")
            .arg(where)
            .arg(settings.keepAlive.count());
    case DisconnectReason::Lost:
        return QStringLiteral("the connection to %1 was lost").arg(where);
    case DisconnectReason::NetworkError:
        break;
    }
    if (failure.errorCode == MOSQ_ERR_ERRNO)
        return QStringLiteral("%1: %2").arg(where, QString::fromLocal8Bit(std::strerror(failure.savedErrno)));
    return QStringLiteral("%1: %2").arg(where, QString::fromUtf8(mosquitto_strerror(failure.errorCode)));
}

QString ConnectionReasons::forMessageRefusal(int reasonCode)
{
    if (reasonCode == MQTT_RC_NOT_AUTHORIZED)
        return QStringLiteral("not authorised for this user");
    return libraryWords(reasonCode);
}

} // namespace Brolant
