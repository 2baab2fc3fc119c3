// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settingsfilereading.h"
#include "text/failure.h"

#include <QString>
#include <QStringList>

#include <optional>

class QHostAddress;

namespace Brolant {

class ConfigFile;

// The tag names of web.cfg, each written once.
namespace WebTag {
inline const QString kEnabled = QStringLiteral("Enabled");
inline const QString kPort = QStringLiteral("Port");
inline const QString kListen = QStringLiteral("Listen");
inline const QString kPassword = QStringLiteral("Password");
inline const QString kCertFile = QStringLiteral("CertFile");
inline const QString kKeyFile = QStringLiteral("KeyFile");
inline const QString kHosts = QStringLiteral("Hosts");
} // namespace WebTag

// Whether and where the live web page is served: web.cfg in the program folder, in the layout of
// prog.cfg. A missing value gets its default; HTTPS when both CertFile and KeyFile are set.
struct WebSettings
{
    static constexpr int kDefaultPort = 8080;

    bool enabled = false;
    int port = kDefaultPort;
    QString listen;   // an address of this computer; empty: every network it is on
    QString password; // empty: no password asked
    QString certFile;
    QString keyFile;
    // Names the page is opened by besides this computer's own (one a router or a dynamic DNS
    // gives it); a request for any other name is refused.
    QStringList hosts;

    bool secure() const { return !certFile.isEmpty() && !keyFile.isEmpty(); }
    // The address to listen on: Listen, or every interface.
    QHostAddress listenAddress() const;
    // Where a phone or another computer opens the page: one address per network this computer
    // is on (or the one it listens on), such as "http://192.168.1.20:8080/".
    QStringList pageAddresses() const;

    // Every key of web.cfg, in the file's order.
    static QStringList keys();
    // Reads web.cfg's text for a dialog, which shows the failure naming the first value that
    // cannot be used.
    static Result<WebSettings> fromText(const QString &content);
    static Result<WebSettings> fromFile(const ConfigFile &file);
    QString toFileText() const;

    // The program folder's settings when the page is switched on; nothing when there is no
    // web.cfg or Enabled is not 1; the failure when the file or a value cannot be used.
    static SettingsFileReading<WebSettings> load(const QString &programFolder);
    // Writes web.cfg atomically, readable by its owner only (it holds a password); the failure,
    // the file unchanged, when it cannot.
    Result<> save(const QString &programFolder) const;
};

} // namespace Brolant
