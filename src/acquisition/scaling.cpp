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

Result<double> number(const ConfigField &setting)
{
    if (!setting.number())
        return Failure{QStringLiteral("Type mismatch")};
    return *setting.number();
}

// Every value passes here before it is stored: an infinity in the reading would be integrated
// into the day's energy.
Result<double> finite(double value)
{
    if (!std::isfinite(value))
        return Failure{QStringLiteral("Overflow")};
    return value;
}

Result<double> divide(double dividend, const ConfigField &divisorSetting)
{
    return number(divisorSetting).andThen([dividend](double divisor) -> Result<double> {
        if (divisor == 0.0)
            return Failure{QStringLiteral("Division by zero")};
        return finite(dividend / divisor);
    });
}

// Stores the value rounded to `decimals`, or passes its failure on.
Result<> store(double &field, const Result<double> &value, int decimals)
{
    if (!value)
        return value.failure();
    field = Rounding::halfEven(*value, decimals);
    return {};
}
} // namespace

Result<> apply(const FrameValues &raw, const CalibrationSettings &settings, Reading &reading)
{
    // Each field is stored before the next is worked out, so a failure leaves the ones before it.
    Result<> stored = store(reading.volts, divide(raw.v, settings.voltDivider), 2);
    if (stored)
        stored = store(reading.modeVolts, divide(raw.m, settings.voltDivider), 2);
    if (stored)
        stored = store(reading.amps, number(settings.voltOffset).andThen([&](double offset) {
            return divide(raw.i - offset, settings.ampDivider);
        }),
                       2);
    if (!stored)
        return stored;
    if (reading.amps < 0)
        reading.amps = 0.0;
    stored = store(reading.measuredRpm, divide(raw.r, settings.rpmDivider).andThen([](double perSecond) {
        return finite(perSecond * kSecondsPerMinute);
    }),
                   1);
    if (!stored)
        return stored;
    reading.rpm = countedRpm(reading.measuredRpm);
    stored = store(reading.windSpeed, divide(raw.s, settings.wsDivider), 1);
    if (stored)
        stored = store(reading.watts, finite(reading.amps * reading.volts), 2);
    return stored;
}

} // namespace Scaling

} // namespace Brolant
