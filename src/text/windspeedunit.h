// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <optional>

namespace Brolant {

// The wind-speed units people type into Program Setup (WSUnits) that name a speed: m/s, km/h,
// kph, mph, knots, kn, kts and ft/s, letter case and blanks ignored. Anything else (a sensor's own
// count, an empty box) is no known unit.
namespace WindSpeedUnit {

// What one unit of `units` is in metres a second; nothing for a unit that is not known.
std::optional<double> toMetresPerSecond(QStringView units);

} // namespace WindSpeedUnit

} // namespace Brolant
