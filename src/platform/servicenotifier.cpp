// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/servicenotifier.h"

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace Brolant {

namespace {
// The environment systemd gives a service: read once, and removed so that a program this
// one starts (the alarm command) does not speak for it.
QByteArray readAndUnset(const char *name)
{
    const QByteArray value = qgetenv(name);
    qunsetenv(name);
    return value;
}
} // namespace

ServiceNotifier::ServiceNotifier(QObject *parent) : QObject(parent)
{
    const QByteArray socket = readAndUnset("NOTIFY_SOCKET");
    const QByteArray watchdog = readAndUnset("WATCHDOG_USEC");
    const QByteArray watchdogPid = readAndUnset("WATCHDOG_PID");
    if (socket.isEmpty() || (socket[0] != '/' && socket[0] != '@')
        || socket.size() >= qsizetype(sizeof(sockaddr_un::sun_path)))
        return;
    m_socket = socket;
    bool ok = false;
    const qulonglong microseconds = watchdog.toULongLong(&ok);
    // A watchdog meant for another process (a wrapper that started this one) is not this one's.
    const bool forThisProcess = watchdogPid.isEmpty() || watchdogPid.toLongLong() == qint64(getpid());
    if (ok && microseconds > 0 && forThisProcess)
        m_watchdog = std::chrono::microseconds(microseconds);
    m_ping.setTimerType(Qt::CoarseTimer);
    connect(&m_ping, &QTimer::timeout, this, [this] { send("WATCHDOG=1"); });
}

std::optional<std::chrono::microseconds> ServiceNotifier::watchdogInterval() const
{
    return m_watchdog;
}

void ServiceNotifier::ready()
{
    if (!send("READY=1") || !m_watchdog)
        return;
    // Twice in each interval, so one late tick of a busy loop is no restart.
    m_ping.start(std::chrono::duration_cast<std::chrono::milliseconds>(*m_watchdog / 2));
}

void ServiceNotifier::stopping()
{
    m_ping.stop();
    send("STOPPING=1");
}

bool ServiceNotifier::send(const char *message) const
{
    if (!m_socket)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, m_socket->constData(), size_t(m_socket->size()));
    if (address.sun_path[0] == '@')
        address.sun_path[0] = '\0'; // an abstract address
    const int descriptor = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0)
        return false;
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(m_socket->size()));
    const bool sent = sendto(descriptor, message, std::strlen(message), MSG_NOSIGNAL,
                             reinterpret_cast<const sockaddr *>(&address), length)
                      >= 0;
    close(descriptor);
    return sent;
}

} // namespace Brolant
