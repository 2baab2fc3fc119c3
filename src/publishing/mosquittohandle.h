// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/mqttmessages.h"
#include "text/failure.h"

#include <QString>

#include <memory>
#include <optional>

struct mosquitto;
struct mqtt5__property;

namespace Brolant {

struct MqttSettings;

struct MosquittoDeleter
{
    void operator()(mosquitto *handle) const;
};
// One libmosquitto client, destroyed with its connection and everything it still had.
using MosquittoHandle = std::unique_ptr<mosquitto, MosquittoDeleter>;

// A message's user properties in libmosquitto's form, freed when done.
class MqttProperties
{
public:
    explicit MqttProperties(const QMap<QString, QString> &userProperties);
    ~MqttProperties();
    MqttProperties(const MqttProperties &) = delete;
    MqttProperties &operator=(const MqttProperties &) = delete;

    mqtt5__property *list() const { return m_list; }
    // libmosquitto owns the list now.
    void handedOver() { m_list = nullptr; }
    // What `list` holds as user properties.
    static QMap<QString, QString> userProperties(const mqtt5__property *list);

private:
    mqtt5__property *m_list = nullptr;
};

// Makes a libmosquitto client for one connection attempt, set up as the settings say: MQTT 5, the
// user name and password, TLS and the last will. Every call's answer is checked, and a TLS file
// that cannot be read or holds no certificate or key is found before anything is sent: a TLS
// setting that cannot be applied is never a connection without it.
class MosquittoSetup
{
public:
    // The failure's reason is in words for the user.
    static Result<MosquittoHandle> make(const MqttSettings &settings, const QString &clientId,
                                        const std::optional<MqttMessage> &lastWill, void *owner);

private:
    static Result<> setUpTls(mosquitto *handle, const MqttSettings &settings);
};

} // namespace Brolant
