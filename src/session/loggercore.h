// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/framereceiver.h"
#include "logging/energycounter.h"
#include "logging/loggingcycle.h"

namespace Brolant {

class Clock;
class ProblemLog;
class SerialLink;

// The logger's working parts, each owning its state and speaking in signals, wired to each
// other once here. A window's model wires them to its view; every other listener (the headless
// logger's status line, publishing, alarms) connects to their signals directly.
struct LoggerCore
{
    LoggerCore(const QString &programFolder, SerialLink &link, const Clock &clock, ProblemLog &problems);

    // Start-up: the reading starts from 0 and the counter waits for a fresh power.
    void resetReading();

    SerialLink &link;
    const Clock &clock;
    FrameReceiver receiver;
    EnergyCounter energy;
    LoggingCycle logging;
};

} // namespace Brolant
