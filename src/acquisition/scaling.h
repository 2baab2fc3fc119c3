// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

namespace Brolant {

struct CalibrationSettings;
struct FrameValues;
struct Reading;

namespace Scaling {

// Turns a frame's raw numbers into volts, amps, rpm, wind speed and watts with the user's
// divisors, rounding half to even. Fields are replaced one by one in a fixed order; a divisor
// that is no number or zero fails, leaving the fields before it updated.
Result<> apply(const FrameValues &raw, const CalibrationSettings &settings, Reading &reading);

} // namespace Scaling

} // namespace Brolant
