// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brolant {

// Faster than this is a miscount, read as 0: by the live readings and by the log viewer alike.
inline constexpr double kHighestRpm = 500.0;

// The speed as the readings, the logs and the viewer use it: a miscount reads as 0.
inline double countedRpm(double measuredRpm)
{
    return measuredRpm > kHighestRpm ? 0.0 : measuredRpm;
}

// The scaled values of a frame: the latest reading, and the six values that an interval's sums
// and means contain too.
struct Reading
{
    double volts = 0.0;
    double amps = 0.0;
    double watts = 0.0;
    double rpm = 0.0; // counted: a miscount reads as 0
    double windSpeed = 0.0;
    double modeVolts = 0.0;
    // The speed as the board measured it, however fast: an overspeed alarm must see a turbine
    // running away, which the counted speed reads as 0. Not summed into an interval.
    double measuredRpm = 0.0;
};

// The running sums of the current logging interval, and how many frames it counted.
struct IntervalSums : Reading
{
    long long count = 0;

    void add(const Reading &reading)
    {
        volts += reading.volts;
        amps += reading.amps;
        rpm += reading.rpm;
        windSpeed += reading.windSpeed;
        watts += reading.watts;
        modeVolts += reading.modeVolts;
    }
    void clear() { *this = IntervalSums(); }
};

} // namespace Brolant
