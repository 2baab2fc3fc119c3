// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeseriallink.h"

namespace Brolant {

Result<> FakeSerialLink::open(int portNumber, int baudRate)
{
    openings.append({portNumber, baudRate});
    if (!existingPorts.contains(portNumber))
        return Failure{QStringLiteral("No serial device for port %1").arg(portNumber)};
    m_open = true;
    return {};
}

QByteArray FakeSerialLink::readAll()
{
    return std::exchange(m_pending, {});
}

void FakeSerialLink::push(const QByteArray &bytes)
{
    m_pending += bytes;
    emit dataArrived();
}

} // namespace Brolant
