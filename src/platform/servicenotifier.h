// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

namespace Brolant {

// Informs systemd, when it started the program as a Type=notify service, how the program is:
// READY=1 once it runs, STOPPING=1 as it ends, and WATCHDOG=1 from the event loop at half the
// unit's WatchdogSec, so a logger whose loop stops (a blocked read, a stuck call) is killed and
// started again. The messages are datagrams to $NOTIFY_SOCKET, as systemd's protocol has them; with
// no such socket (not a service) it does nothing.
class ServiceNotifier final : public QObject
{
    Q_OBJECT

public:
    explicit ServiceNotifier(QObject *parent = nullptr);

    bool isService() const { return m_socket.has_value(); }
    // The watchdog's interval the unit asks for; nothing without a watchdog.
    std::optional<std::chrono::microseconds> watchdogInterval() const;

    // READY=1, and the watchdog's pings from then on.
    void ready();
    void stopping();

private:
    bool send(const char *message) const;

    std::optional<QByteArray> m_socket; // the address, "@..." for an abstract one
    std::optional<std::chrono::microseconds> m_watchdog;
    QTimer m_ping;
};

} // namespace Brolant
