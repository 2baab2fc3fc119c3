// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/portlocator.h"
#include "platform/seriallink.h"

#include <QSerialPort>

namespace Brolant {

// The real serial line: QSerialPort on the device that the port number maps to.
class QSerialPortLink final : public SerialLink
{
    Q_OBJECT

public:
    explicit QSerialPortLink(const QString &programFolder, QObject *parent = nullptr);

    Result<> open(int portNumber, int baudRate) override;
    Result<> reopen() override;
    bool isOpen() const override;
    QByteArray readAll() override;

protected:
    void closeDevice() override;

private:
    void onError(QSerialPort::SerialPortError error);
    QString deviceNamed() const;

    PortLocator m_locator;
    QSerialPort m_port;
    QString m_source; // where the last open() found its device: a COM link or a device path
    QString m_device; // the device that link or path led to at the last opening
    int m_baudRate = 0;
};

} // namespace Brolant
