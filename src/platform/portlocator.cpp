// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portlocator.h"

#include "platform/programpaths.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace Brolant {

PortLocator::PortLocator(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QStringList PortLocator::candidates(int portNumber) const
{
    if (portNumber < 1)
        return {};
    QStringList paths{ProgramPaths(m_programFolder).portLink(portNumber)};
#ifdef Q_OS_WIN
    paths << QStringLiteral("COM%1").arg(portNumber);
#else
    for (const char *family : {"ttyUSB", "ttyACM", "ttyS"})
        paths << QStringLiteral("/dev/%1%2").arg(QLatin1String(family)).arg(portNumber - 1);
#endif
    return paths;
}

QString PortLocator::whyNoDevice(int portNumber) const
{
    if (portNumber == 0)
        return QStringLiteral("Port 0 means no serial port, so there is no device to open");
    if (portNumber < 0)
        return QStringLiteral("Port %1 is not a port number: they start at 1").arg(portNumber);
    QStringList places = candidates(portNumber);
    const QString last = places.takeLast();
    return QStringLiteral("No serial device for port %1: looked for %2 and %3, and none is there")
        .arg(QString::number(portNumber), places.join(QStringLiteral(", ")), last);
}

QString PortLocator::source(int portNumber) const
{
    const QStringList paths = candidates(portNumber);
    if (paths.isEmpty())
        return {};
    // The user's link pins the number: with its board unplugged the port is missing, and opening
    // whatever other device has the number would read nothing from the board, silently.
    const QFileInfo link(paths.first());
    if (link.isSymLink() || link.exists())
        return paths.first();
    for (const QString &path : paths) {
        if (!device(path).isEmpty())
            return path;
    }
    return {};
}

QString PortLocator::whyGone(const QString &source)
{
    const QFileInfo entry(source);
    if (entry.isSymLink())
        return QStringLiteral("%1 links to %2, which is not there (is the board plugged in?)")
            .arg(source, entry.symLinkTarget());
    return QStringLiteral("%1 is not there").arg(source);
}

QString PortLocator::device(const QString &source)
{
#ifdef Q_OS_WIN
    if (!source.contains(u'/') && !source.contains(u'\\'))
        return source; // a bare COM name: only opening it shows whether it exists
#endif
    // Resolving the link lets the port lock name the real device, so two numbers pinned to one
    // adapter cannot both open it.
    return QFileInfo(source).canonicalFilePath();
}

QStringList PortLocator::systemPorts()
{
    QStringList ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        const QString description = info.description().isEmpty() ? info.manufacturer() : info.description();
        ports << (description.isEmpty() ? info.systemLocation()
                                        : QStringLiteral("%1 (%2)").arg(info.systemLocation(), description));
    }
    return ports;
}

} // namespace Brolant
