// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/mosquittohandle.h"

#include "publishing/mqttsettings.h"
#include "text/failure.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mosquitto.h>
#include <mqtt_protocol.h>

namespace Brolant {

namespace {
// Far beyond any certificate bundle: anything larger is not one.
constexpr qint64 kLargestTlsFile = 4 * 1024 * 1024;
const QByteArray kCertificateMarker = QByteArrayLiteral("-----BEGIN CERTIFICATE-----");
const QByteArray kPrivateKeyMarker = QByteArrayLiteral("PRIVATE KEY-----");

// libmosquitto wants its initialisation once per process.
void initialiseLibraryOnce()
{
    static const int initialised = mosquitto_lib_init();
    Q_UNUSED(initialised);
}

Result<> check(int result, const QString &what)
{
    if (result != MOSQ_ERR_SUCCESS)
        return Failure{QStringLiteral("%1: %2").arg(what, QString::fromUtf8(mosquitto_strerror(result)))};
    return {};
}

// The file `tag` names must be readable and hold `marker` (libmosquitto reads PEM files only).
Result<> checkTlsFile(const QString &tag, const QString &path, const QByteArray &marker, const QString &holds)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("%1 %2 cannot be read: %3").arg(tag, path, file.errorString())};
    if (file.size() > kLargestTlsFile || !file.read(kLargestTlsFile).contains(marker))
        return Failure{QStringLiteral("%1 %2 holds no %3").arg(tag, path, holds)};
    return {};
}

QByteArray local(const QString &path)
{
    return path.toLocal8Bit();
}

// A key protected by a password cannot be used: without this, the TLS library would ask for the
// password on the terminal and wait.
int noPassword(char *, int, int, void *)
{
    return 0;
}
} // namespace

void MosquittoDeleter::operator()(mosquitto *handle) const
{
    mosquitto_destroy(handle);
}

MqttProperties::MqttProperties(const QMap<QString, QString> &userProperties)
{
    // Only for lack of memory would one not be added; the message then goes without it.
    for (auto property = userProperties.begin(); property != userProperties.end(); ++property)
        mosquitto_property_add_string_pair(&m_list, MQTT_PROP_USER_PROPERTY, property.key().toUtf8().constData(),
                                           property.value().toUtf8().constData());
}

MqttProperties::~MqttProperties()
{
    mosquitto_property_free_all(&m_list);
}

QMap<QString, QString> MqttProperties::userProperties(const mqtt5__property *list)
{
    QMap<QString, QString> properties;
    char *name = nullptr;
    char *value = nullptr;
    bool skipFirst = false;
    // Each read returns the property it read, to start the next search from.
    while ((list = mosquitto_property_read_string_pair(list, MQTT_PROP_USER_PROPERTY, &name, &value, skipFirst))) {
        properties.insert(QString::fromUtf8(name), QString::fromUtf8(value));
        std::free(name);
        std::free(value);
        skipFirst = true;
    }
    return properties;
}

Result<MosquittoHandle> MosquittoSetup::make(const MqttSettings &settings, const QString &clientId,
                                             const std::optional<MqttMessage> &lastWill, void *owner)
{
    initialiseLibraryOnce();
    MosquittoHandle handle(mosquitto_new(clientId.toUtf8().constData(), true, owner));
    if (!handle)
        return Failure{
            QStringLiteral("the MQTT client could not be made: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))};
    mosquitto *client = handle.get();
    // MQTT 5: the broker names the message it refused, and the status carries who sent it.
    Result<> setUp = check(mosquitto_int_option(client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5),
                           QStringLiteral("MQTT 5 cannot be set"));
    if (setUp && !settings.user.isEmpty())
        setUp = check(mosquitto_username_pw_set(client, settings.user.toUtf8().constData(),
                                                settings.password.toUtf8().constData()),
                      QStringLiteral("the user name and password cannot be set"));
    if (setUp && settings.tls)
        setUp = setUpTls(client, settings);
    if (setUp && lastWill) {
        MqttProperties properties(lastWill->userProperties);
        const int result = mosquitto_will_set_v5(client, lastWill->topic.toUtf8().constData(),
                                                 int(lastWill->payload.size()), lastWill->payload.constData(),
                                                 lastWill->qos, lastWill->retained, properties.list());
        setUp = check(result, QStringLiteral("the last will cannot be set"));
        if (setUp)
            properties.handedOver(); // libmosquitto owns them once it accepted them
    }
    if (!setUp)
        return setUp.failure();
    return handle;
}

Result<> MosquittoSetup::setUpTls(mosquitto *handle, const MqttSettings &settings)
{
    if (settings.caFile.isEmpty())
        return check(mosquitto_int_option(handle, MOSQ_OPT_TLS_USE_OS_CERTS, 1),
                     QStringLiteral("TLS cannot use the system's certificates"));
    Result<> readable = checkTlsFile(MqttTag::kCaFile, settings.caFile, kCertificateMarker,
                                     QStringLiteral("certificate"));
    if (readable && !settings.certFile.isEmpty())
        readable = checkTlsFile(MqttTag::kCertFile, settings.certFile, kCertificateMarker,
                                QStringLiteral("certificate"));
    if (readable && !settings.certFile.isEmpty())
        readable = checkTlsFile(MqttTag::kKeyFile, settings.keyFile, kPrivateKeyMarker, QStringLiteral("private key"));
    if (!readable)
        return readable;
    const auto orNull = [](const QByteArray &path) { return path.isEmpty() ? nullptr : path.constData(); };
    const QByteArray certFile = local(settings.certFile);
    const QByteArray keyFile = local(settings.keyFile);
    return check(mosquitto_tls_set(handle, local(settings.caFile).constData(), nullptr, orNull(certFile),
                                   orNull(keyFile), &noPassword),
                 QStringLiteral("TLS cannot be set up with %1 %2").arg(MqttTag::kCaFile, settings.caFile));
}

} // namespace Brolant
