// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/reading.h"
#include "platform/clock.h"

#include <QDateTime>

namespace Brolant {

// A reading as the logger received it, with what its listeners would otherwise ask for afterwards:
// today's watt-hours at that moment, and when it came on both clocks.
struct LiveReading
{
    Reading reading;
    double energyToday = 0.0; // watt-hours
    QDateTime time;           // stamps
    MonotonicTime seen;       // ages and rates
};

} // namespace Brolant
