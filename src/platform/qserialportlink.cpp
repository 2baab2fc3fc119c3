#include "platform/qserialportlink.h"

QSerialPortLink::QSerialPortLink(const QString &programFolder, QObject *parent)
    : SerialLink(parent), m_locator(programFolder)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::dataArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QSerialPortLink::onError);
}

bool QSerialPortLink::open(int portNumber, int baudRate, QString *error)
{
    close();
    const QString device = m_locator.devicePath(portNumber);
    if (device.isEmpty()) {
        *error = QStringLiteral("No serial device for port %1 (looked for %2)")
                     .arg(portNumber)
                     .arg(m_locator.candidates(portNumber).join(QStringLiteral(", ")));
        return false;
    }
    m_port.setPortName(device);
    if (!m_port.setBaudRate(baudRate) || !m_port.setParity(QSerialPort::NoParity)
        || !m_port.setDataBits(QSerialPort::Data8) || !m_port.setStopBits(QSerialPort::OneStop)
        || !m_port.setFlowControl(QSerialPort::NoFlowControl)) {
        *error = QStringLiteral("%1: %2").arg(device, m_port.errorString());
        return false;
    }
    if (!m_port.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(device, m_port.errorString());
        return false;
    }
    return true;
}

void QSerialPortLink::close()
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
    // Only a failure of an open port is news here; open() reports its own failures.
    if (error == QSerialPort::ResourceError && m_port.isOpen()) {
        const QString description = QStringLiteral("%1: %2").arg(m_port.portName(),
                                                                 m_port.errorString());
        m_port.close();
        emit failed(description);
    }
}
