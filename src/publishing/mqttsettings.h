// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settingsfilereading.h"
#include "text/failure.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace Brolant {

class ConfigFile;

// The tag names of mqtt.cfg, each written once.
namespace MqttTag {
inline const QString kEnabled = QStringLiteral("Enabled");
inline const QString kHost = QStringLiteral("Host");
inline const QString kPort = QStringLiteral("Port");
inline const QString kUser = QStringLiteral("User");
inline const QString kPassword = QStringLiteral("Password");
inline const QString kTls = QStringLiteral("TLS");
inline const QString kCaFile = QStringLiteral("CAFile");
inline const QString kCertFile = QStringLiteral("CertFile");
inline const QString kKeyFile = QStringLiteral("KeyFile");
inline const QString kTopic = QStringLiteral("Topic");
inline const QString kSite = QStringLiteral("Site");
inline const QString kDiscovery = QStringLiteral("Discovery");
inline const QString kLiveEvery = QStringLiteral("LiveEvery");
} // namespace MqttTag

// Where and how readings are published to an MQTT broker: mqtt.cfg in the program folder, in the
// layout of prog.cfg. A missing value takes its default; an empty Discovery turns discovery off.
struct MqttSettings
{
    static constexpr int kDefaultPort = 1883;
    static constexpr std::chrono::seconds kLongestLiveEvery{3600};

    bool enabled = false;
    QString host;
    int port = kDefaultPort;
    QString user;
    QString password;
    bool tls = false;
    QString caFile; // empty: the system's certificates
    // The client certificate and its key, for brokers that want one; both or neither.
    QString certFile;
    QString keyFile;
    QString topic = QStringLiteral("brolant");
    QString site = defaultSite();
    QString discovery = QStringLiteral("homeassistant");
    // How often the live reading goes out at most; 0: never.
    std::chrono::seconds liveEvery{1};
    // Not in mqtt.cfg: how long the connection may stay silent before it counts as lost (the
    // broker is asked for an answer after one keep-alive, and given one more). Tests shorten it.
    std::chrono::seconds keepAlive{30};

    // This computer's name reduced to [a-z0-9_-]: one site per logger by default.
    static QString defaultSite();
    // Any text reduced to what a site may hold: lower case letters, digits, "_" and "-".
    static QString reducedSite(const QString &text);

    // Every key of mqtt.cfg, in the file's order.
    static QStringList keys();
    // Reads mqtt.cfg's text for a dialog, which shows the failure naming the first value that
    // cannot be used.
    static Result<MqttSettings> fromText(const QString &content);
    static Result<MqttSettings> fromFile(const ConfigFile &file);
    // The values checked for a connection: what is wrong with them, in words for the user.
    Result<> check() const;
    QString toFileText() const;

    // The program folder's settings when publishing is switched on; nothing when there is no
    // mqtt.cfg or Enabled is not 1; the failure when the file or a value cannot be used.
    static SettingsFileReading<MqttSettings> load(const QString &programFolder);
    // Writes mqtt.cfg atomically, readable by its owner only (it holds a password); the failure,
    // the file unchanged, when it cannot.
    Result<> save(const QString &programFolder) const;

    bool operator==(const MqttSettings &) const = default;
};

} // namespace Brolant
