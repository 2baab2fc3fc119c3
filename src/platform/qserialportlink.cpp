// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qserialportlink.h"

#include <QFileInfo>

namespace Brolant {

QSerialPortLink::QSerialPortLink(const QString &programFolder, QObject *parent)
    : SerialLink(parent), m_locator(programFolder)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::dataArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QSerialPortLink::onError);
}

Result<> QSerialPortLink::open(int portNumber, int baudRate)
{
    close(); // whatever was open or being retried makes way for the port asked for
    m_source = m_locator.source(portNumber);
    if (m_source.isEmpty())
        return Failure{m_locator.whyNoDevice(portNumber)};
    m_baudRate = baudRate;
    return reopen();
}

Result<> QSerialPortLink::reopen()
{
    closeDevice();
    m_device = PortLocator::device(m_source);
    if (m_device.isEmpty())
        return Failure{PortLocator::whyGone(m_source)};
    const int baudRate = m_baudRate;
    m_port.setPortName(m_device);
    if (!m_port.setBaudRate(baudRate) || !m_port.setParity(QSerialPort::NoParity)
        || !m_port.setDataBits(QSerialPort::Data8) || !m_port.setStopBits(QSerialPort::OneStop)
        || !m_port.setFlowControl(QSerialPort::NoFlowControl) || !m_port.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("%1 could not be opened: %2").arg(deviceNamed(), m_port.errorString())};
    return {};
}

QString QSerialPortLink::deviceNamed() const
{
    // The whole path (the port's own name drops "/dev/"), and the user's link when it led there.
    const QString device = QStringLiteral("Serial device ") + m_device;
    return m_source == m_device ? device : QStringLiteral("%1 (linked as %2)").arg(device, m_source);
}

void QSerialPortLink::closeDevice()
{
    if (m_port.isOpen())
        m_port.close();
}

bool QSerialPortLink::isOpen() const
{
    return m_port.isOpen();
}

QByteArray QSerialPortLink::readAll()
{
    return m_port.readAll();
}

void QSerialPortLink::onError(QSerialPort::SerialPortError error)
{
    // Only a failure of an open port is reported here; open() reports its own failures. A pulled
    // USB adapter is a resource error; a vanished pseudo-terminal keeps failing every read,
    // so either means the device is gone, and closing stops the storm of errors.
    const bool deviceGone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (deviceGone && m_port.isOpen()) {
        // A device that vanished comes with whatever the last call failed on ("Unknown error",
        // "Invalid argument"): say what happened instead.
        const QString reason = QFileInfo::exists(m_device)
                                   ? m_port.errorString()
                                   : QStringLiteral(
                                       "the device is no longer there (unplugged, or its power or driver failed)");
        const QString description = QStringLiteral("%1 stopped working: %2").arg(deviceNamed(), reason);
        m_port.close();
        reportLost(description);
    }
}

} // namespace Brolant
