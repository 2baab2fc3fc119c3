#include "fakeseriallink.h"

bool FakeSerialLink::open(int portNumber, int baudRate, QString *error)
{
    openings.append({portNumber, baudRate});
    if (!existingPorts.contains(portNumber)) {
        *error = QStringLiteral("No serial device for port %1").arg(portNumber);
        return false;
    }
    m_open = true;
    return true;
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
