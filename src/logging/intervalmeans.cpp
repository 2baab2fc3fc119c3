// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/intervalmeans.h"

#include "acquisition/reading.h"
#include "text/numbermask.h"
#include "text/rounding.h"

namespace Brolant {

namespace {
constexpr auto kVoltsMask = u"##0.00";
constexpr auto kAmpsMask = u"##0.0";
constexpr auto kWholeMask = u"###0";
constexpr auto kWattsMask = u"####0";
// The decimals of those masks.
constexpr int kVoltsDecimals = 2;
constexpr int kAmpsDecimals = 1;
} // namespace

IntervalMeans IntervalMeans::of(const IntervalSums &sums)
{
    const auto count = double(sums.count);
    IntervalMeans means;
    means.volts = Rounding::halfAway(sums.volts / count, kVoltsDecimals);
    means.amps = Rounding::halfAway(sums.amps / count, kAmpsDecimals);
    means.watts = Rounding::halfAway(sums.watts / count, 0);
    means.rpm = Rounding::halfAway(sums.rpm / count, 0);
    means.windSpeed = Rounding::halfAway(sums.windSpeed / count, 0);
    means.modeVolts = Rounding::halfAway(sums.modeVolts / count, 0);
    return means;
}

IntervalMeans::Texts IntervalMeans::texts() const
{
    return {NumberMask::format(volts, kVoltsMask), NumberMask::format(amps, kAmpsMask),
            NumberMask::format(watts, kWattsMask), NumberMask::format(rpm, kWholeMask),
            NumberMask::format(windSpeed, kWholeMask)};
}

} // namespace Brolant
