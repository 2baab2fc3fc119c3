// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/seriallink.h"

#include <QList>
#include <QSet>

namespace Brolant {

// A serial link whose ports the test declares and whose input the test pushes in exact chunks.
class FakeSerialLink final : public SerialLink
{
    Q_OBJECT

public:
    using SerialLink::SerialLink;

    QSet<int> existingPorts{1};
    struct Opening
    {
        int port;
        int baud;
    };
    QList<Opening> openings;

    Result<> open(int portNumber, int baudRate) override;
    Result<> reopen() override { return open(openings.last().port, openings.last().baud); }
    bool isOpen() const override { return m_open; }
    QByteArray readAll() override;

    // Makes `bytes` waiting and raises the arrival signal, as the port does.
    void push(const QByteArray &bytes);

protected:
    void closeDevice() override { m_open = false; }

private:
    bool m_open = false;
    QByteArray m_pending;
};

} // namespace Brolant
