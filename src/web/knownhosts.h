// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace Brolant {

// The names the page may be asked for: an address, "localhost", this computer's own names (its
// host name, <name>.local and its full name) and the names web.cfg adds. A page asked for by
// another name belongs to another site whose name was pointed at this computer (DNS rebinding):
// it is refused, and so is a WebSocket opened by a page of another site.
class KnownHosts
{
public:
    // What a request's Host header names: the name in lower case, without a final dot or the
    // brackets of an IPv6 address, and the port when it gives one.
    struct Host
    {
        QString name;
        std::optional<int> port;
        bool address = false; // an IPv4 address, or an IPv6 address in brackets
    };

    explicit KnownHosts(const QStringList &extraNames);

    // Nothing when the header is no host name at all.
    static std::optional<Host> parse(const QByteArray &header);
    // Whether a request with this Host header may be served. A request without one comes from a
    // script, never from a browser: it may.
    bool accepts(const QByteArray &header) const;
    // Whether `origin`, a WebSocket's Origin header, is the page's own: the scheme served, and the
    // name and port the request was made to.
    static bool sameOrigin(const QByteArray &origin, const QByteArray &hostHeader, bool secure);
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names; // in lower case, without a final dot
};

} // namespace Brolant
