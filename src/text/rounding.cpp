// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rounding.h"

#include <cmath>

namespace Brolant {

namespace Rounding {
namespace {
// Beyond 2^52 a double has no fraction left to round.
constexpr double kNoFractionAbove = 4503599627370496.0;
constexpr int kLargestExactScale = 22; // 10^22 is the last exact power of ten

// Rounds to `decimals` with `nearest`, which settles the halves. A value with no fraction left at
// that scale is already as exact as a double can be.
template <typename Nearest>
double roundWith(double value, int decimals, Nearest nearest)
{
    if (decimals > kLargestExactScale)
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kNoFractionAbove)
        return value;
    return nearest(scaled) / scale;
}
} // namespace

double halfEven(double value, int decimals)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return roundWith(value, decimals, [](double scaled) { return std::nearbyint(scaled); });
}

double halfAway(double value, int decimals)
{
    return roundWith(value, decimals, [](double scaled) { return std::round(scaled); });
}

} // namespace Rounding

} // namespace Brolant
