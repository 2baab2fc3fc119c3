// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/knownhosts.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QUrl>

namespace Brolant {

namespace {
constexpr int kHighestPort = 65535;
constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
const QString kLocalhost = QStringLiteral("localhost");
const QString kLocalDomain = QStringLiteral(".local"); // the names mDNS answers for

QString withoutFinalDot(QString name)
{
    if (name.endsWith(u'.'))
        name.chop(1);
    return name.toLower();
}

std::optional<int> portOf(QStringView text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    const int port = text.toInt();
    if (!digits.match(text).hasMatch() || port > kHighestPort)
        return std::nullopt;
    return port;
}
} // namespace

KnownHosts::KnownHosts(const QStringList &extraNames)
{
    m_names.append(kLocalhost);
    const QString hostName = withoutFinalDot(QHostInfo::localHostName());
    if (!hostName.isEmpty()) {
        // Some systems give the full name as the host name: the first label is what people type.
        const QString shortName = hostName.section(u'.', 0, 0);
        m_names << hostName << shortName << shortName + kLocalDomain;
        if (const QString domain = withoutFinalDot(QHostInfo::localDomainName()); !domain.isEmpty())
            m_names << shortName + u'.' + domain;
    }
    for (const QString &name : extraNames)
        m_names.append(withoutFinalDot(name));
    m_names.removeDuplicates();
}

std::optional<KnownHosts::Host> KnownHosts::parse(const QByteArray &header)
{
    static const QRegularExpression name(QStringLiteral("^[a-z0-9_-]+(?:\\.[a-z0-9_-]+)*\\.?$"));
    static const QRegularExpression ipv4(QStringLiteral("^\\d{1,3}(?:\\.\\d{1,3}){3}$"));
    const QString text = QString::fromLatin1(header.trimmed()).toLower();
    Host host;
    QStringView rest;
    if (text.startsWith(u'[')) {
        const qsizetype closing = text.indexOf(u']');
        if (closing < 0)
            return std::nullopt;
        host.name = text.mid(1, closing - 1);
        if (QHostAddress(host.name).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
        host.address = true;
        rest = QStringView(text).sliced(closing + 1);
    } else {
        const qsizetype colon = text.indexOf(u':');
        host.name = colon < 0 ? text : text.left(colon);
        rest = colon < 0 ? QStringView() : QStringView(text).sliced(colon);
        if (!name.match(host.name).hasMatch())
            return std::nullopt; // a bare IPv6 address too: without brackets its port cannot be separated
        host.name = withoutFinalDot(host.name);
        host.address = ipv4.match(host.name).hasMatch() && !QHostAddress(host.name).isNull();
    }
    if (!rest.isEmpty()) {
        if (!rest.startsWith(u':') || !(host.port = portOf(rest.sliced(1))))
            return std::nullopt;
    }
    return host;
}

bool KnownHosts::accepts(const QByteArray &header) const
{
    if (header.trimmed().isEmpty())
        return true;
    const std::optional<Host> host = parse(header);
    return host && (host->address || m_names.contains(host->name));
}

bool KnownHosts::sameOrigin(const QByteArray &origin, const QByteArray &hostHeader, bool secure)
{
    const QUrl url(QString::fromLatin1(origin.trimmed()), QUrl::StrictMode);
    const std::optional<Host> host = parse(hostHeader);
    if (!host || !url.isValid() || url.scheme() != (secure ? u"https" : u"http") || !url.path().isEmpty())
        return false;
    const int defaultPort = secure ? kHttpsPort : kHttpPort;
    return withoutFinalDot(url.host()) == host->name && url.port(defaultPort) == host->port.value_or(defaultPort);
}

} // namespace Brolant
