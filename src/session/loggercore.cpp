// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/loggercore.h"

namespace Brolant {

LoggerCore::LoggerCore(const QString &programFolder, SerialLink &link, const Clock &clock, ProblemLog &problems)
    : link(link), clock(clock), receiver(link, problems), energy(clock), logging(programFolder, energy, clock, problems)
{
    QObject::connect(&receiver, &FrameReceiver::frameCounted, &logging, &LoggingCycle::countFrame);
    QObject::connect(&receiver, &FrameReceiver::frameAccepted, &logging, &LoggingCycle::addReading);
    QObject::connect(&receiver, &FrameReceiver::healthChanged, &logging, &LoggingCycle::noteHealth);
    QObject::connect(&receiver, &FrameReceiver::frameAccepted, &energy,
                     [this](const Reading &reading) { energy.powerMeasured(reading.watts); });
    QObject::connect(&logging, &LoggingCycle::intervalStarted, &receiver, &FrameReceiver::startInterval);
    energy.start();
}

void LoggerCore::resetReading()
{
    receiver.resetReading();
    energy.forgetPower();
}

} // namespace Brolant
