// SPDX-License-Identifier: GPL-3.0-or-later
#include "pseudoterminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal()
{
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::open(const QString &linkPath, QString *error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        *error = QStringLiteral("no pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    // Holding the slave open keeps the line alive between readers, and raw mode passes every
    // byte through unchanged, as a real serial line does.
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        *error = QStringLiteral("%1: %2").arg(m_slavePath, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    termios raw = {};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);

    const QFileInfo existing(linkPath);
    if (existing.isSymLink())
        QFile::remove(linkPath);
    if (!QFile::link(m_slavePath, linkPath)) {
        *error = QStringLiteral("cannot make the link %1").arg(linkPath);
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const auto written = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += written;
    }
    return true;
}
