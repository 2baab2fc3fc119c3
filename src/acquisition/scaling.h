// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brolant {

struct CalibrationSettings;
struct FrameValues;
struct Reading;

namespace Scaling {

// Turns a frame's raw numbers into volts, amps, rpm, wind speed and watts with the user's
// divisors, rounding half to even. Fields are replaced one by one in a fixed order; a divisor
// that is no number or zero throws Failure, leaving the fields before it updated.
void apply(const FrameValues &raw, const CalibrationSettings &settings, Reading &reading);

} // namespace Scaling

} // namespace Brolant
