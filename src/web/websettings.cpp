// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/websettings.h"

#include "config/configfile.h"
#include "config/settingslayout.h"
#include "config/settingsvalue.h"
#include "logging/errorlog.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QRegularExpression>

namespace Brolant {

namespace {
// The reasons' words for the windows.
constexpr const char *kContext = "Brolant::WebSettings";
Result<QString> existingFile(const QString &name, const QString &path)
{
    if (!path.isEmpty() && !QFileInfo(path).isFile())
        return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::WebSettings", "%1 %2 is not a file"),
                                   [&](const QString &text) { return text.arg(name, path); });
    return path;
}

// A name as DNS, a router or /etc/hosts gives it: labels of letters, digits, hyphens and
// underscores, separated by dots.
Result<QStringList> hostNames(const QString &text)
{
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9_](?:[A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?"
                       "(?:\\.[A-Za-z0-9_](?:[A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?)*\\.?$"));
    QStringList names;
    for (const QString &entry : text.split(u',', Qt::SkipEmptyParts)) {
        const QString trimmed = entry.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!name.match(trimmed).hasMatch())
            return Failure::translated(
                kContext,
                QT_TRANSLATE_NOOP("Brolant::WebSettings",
                                  "Hosts must be names separated by commas, such as shed.example.org, not %1"),
                [&](const QString &text) { return text.arg(ErrorLog::quoted(trimmed)); });
        names.append(trimmed);
    }
    return names;
}

QString urlHost(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']' : address.toString();
}
} // namespace

QHostAddress WebSettings::listenAddress() const
{
    return listen.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(listen);
}

QStringList WebSettings::pageAddresses() const
{
    QList<QHostAddress> hosts;
    const QHostAddress listening = listenAddress();
    if (listening == QHostAddress::Any || listening == QHostAddress::AnyIPv4 || listening == QHostAddress::AnyIPv6) {
        for (const QHostAddress &address : QNetworkInterface::allAddresses())
            if (!address.isLoopback() && !address.isLinkLocal() && address.protocol() == QAbstractSocket::IPv4Protocol)
                hosts.append(address);
        if (hosts.isEmpty())
            hosts.append(QHostAddress(QHostAddress::LocalHost));
    } else {
        hosts.append(listening);
    }
    QStringList addresses;
    for (const QHostAddress &host : hosts)
        addresses.append(QStringLiteral("%1://%2:%3/")
                             .arg(secure() ? QStringLiteral("https") : QStringLiteral("http"), urlHost(host))
                             .arg(port));
    return addresses;
}

namespace {
const SettingsLayout<WebSettings> &layout()
{
    using Key = SettingsLayout<WebSettings>::Key;
    const auto file = [](const QString &tag, QString WebSettings::*member) {
        return Key{tag,
                   [tag, member](WebSettings &settings, const ConfigField &field) {
                       return assignTo(
                           settings.*member,
                           SettingsValue::plain(tag, field.text().trimmed()).andThen([&tag](const QString &path) {
                               return existingFile(tag, path);
                           }));
                   },
                   [member](const WebSettings &settings) { return settings.*member; }};
    };
    static const SettingsLayout<WebSettings> layout(
        QStringLiteral("Web Config File"),
        {
            Key::onOff(WebTag::kEnabled, &WebSettings::enabled),
            Key::port(WebTag::kPort, &WebSettings::port),
            {WebTag::kListen,
             [](WebSettings &settings, const ConfigField &field) -> Result<> {
                 const QString text = field.text().trimmed();
                 if (!text.isEmpty() && QHostAddress(text).isNull())
                     return Failure::translated(
                         kContext,
                         QT_TRANSLATE_NOOP("Brolant::WebSettings", "Listen must be an address of this computer such as "
                                                                   "192.168.1.20, or empty for every network, not %1"),
                         [&](const QString &words) { return words.arg(ErrorLog::quoted(text)); });
                 settings.listen = text;
                 return {};
             },
             [](const WebSettings &settings) { return settings.listen; }},
            Key::plain(WebTag::kPassword, &WebSettings::password, false),
            file(WebTag::kCertFile, &WebSettings::certFile),
            file(WebTag::kKeyFile, &WebSettings::keyFile),
            {WebTag::kHosts,
             [](WebSettings &settings, const ConfigField &field) {
                 return assignTo(settings.hosts,
                                 SettingsValue::plain(WebTag::kHosts, field.text()).andThen(&hostNames));
             },
             [](const WebSettings &settings) { return settings.hosts.join(QStringLiteral(", ")); }},
        });
    return layout;
}
} // namespace

QStringList WebSettings::keys()
{
    return layout().tags();
}

Result<WebSettings> WebSettings::fromText(const QString &content)
{
    return fromFile(ConfigFile(FileName::kWebSettings, content, keys()));
}

Result<WebSettings> WebSettings::fromFile(const ConfigFile &file)
{
    WebSettings settings;
    if (const Result<void> read = layout().read(file, settings); !read)
        return read.failure();
    if (settings.certFile.isEmpty() != settings.keyFile.isEmpty())
        return Failure::translated(
            kContext, QT_TRANSLATE_NOOP("Brolant::WebSettings",
                                        "CertFile and KeyFile go together: set both for HTTPS, or neither"));
    return settings;
}

QString WebSettings::toFileText() const
{
    return layout().text(*this);
}

SettingsFileReading<WebSettings> WebSettings::load(const QString &programFolder)
{
    return SettingsFileReading<WebSettings>::of(SettingsValue::switchedOnFile(ProgramPaths(programFolder).webSettings(),
                                                                              FileName::kWebSettings, keys(),
                                                                              WebTag::kEnabled),
                                                &fromFile);
}

Result<> WebSettings::save(const QString &programFolder) const
{
    return TextFile::tryReplace(ProgramPaths(programFolder).webSettings(), toFileText(), TextFile::Access::OwnerOnly);
}

} // namespace Brolant
