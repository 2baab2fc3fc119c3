// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/seriallink.h"

namespace Brolant {

SerialLink::SerialLink(QObject *parent) : QObject(parent)
{
    m_retryTimer.setInterval(kRetryEvery);
    connect(&m_retryTimer, &QTimer::timeout, this, &SerialLink::retry);
}

void SerialLink::close()
{
    m_retryTimer.stop();
    closeDevice();
}

void SerialLink::reportLost(const QString &description)
{
    emit lost(description);
    m_retryTimer.start();
}

void SerialLink::retry()
{
    if (!reopen())
        return; // still away: quietly again in 5 seconds
    m_retryTimer.stop();
    emit restored();
}

} // namespace Brolant
