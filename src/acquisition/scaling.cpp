// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/scaling.h"

#include "acquisition/frameparser.h"
#include "acquisition/reading.h"
#include "config/calibrationsettings.h"
#include "text/failure.h"
#include "text/rounding.h"

#include <cmath>

namespace Brolant {

namespace Scaling {
namespace {
constexpr double kSecondsPerMinute = 60.0;

double number(const ConfigField &setting)
{
    if (!setting.number())
        throw Failure{QStringLiteral("Type mismatch")};
    return *setting.number();
}

// Every value passes here before it is stored: an infinity in the reading would be integrated
// into the day's energy.
double finite(double value)
{
    if (!std::isfinite(value))
        throw Failure{QStringLiteral("Overflow")};
    return value;
}

double divide(double dividend, const ConfigField &divisorSetting)
{
    const double divisor = number(divisorSetting);
    if (divisor == 0.0)
        throw Failure{QStringLiteral("Division by zero")};
    return finite(dividend / divisor);
}
} // namespace

void apply(const FrameValues &raw, const CalibrationSettings &settings, Reading &reading)
{
    reading.volts = Rounding::halfEven(divide(raw.v, settings.voltDivider), 2);
    reading.modeVolts = Rounding::halfEven(divide(raw.m, settings.voltDivider), 2);
    reading.amps = Rounding::halfEven(divide(raw.i - number(settings.voltOffset), settings.ampDivider), 2);
    if (reading.amps < 0)
        reading.amps = 0.0;
    reading.measuredRpm = Rounding::halfEven(finite(divide(raw.r, settings.rpmDivider) * kSecondsPerMinute), 1);
    reading.rpm = countedRpm(reading.measuredRpm);
    reading.windSpeed = Rounding::halfEven(divide(raw.s, settings.wsDivider), 1);
    reading.watts = Rounding::halfEven(finite(reading.amps * reading.volts), 2);
}

} // namespace Scaling

} // namespace Brolant
