#include "text/rounding.h"

#include <cmath>

namespace Rounding {
namespace {
// Beyond 2^52 a double has no fraction left to round.
constexpr double kNoFractionAbove = 4503599627370496.0;
constexpr int kLargestExactScale = 22; // 10^22 is the last exact power of ten

// `value` scaled to `decimals`, or nothing when there is no fraction left to round at that scale.
bool scaledForRounding(double value, int decimals, double &scale, double &scaled)
{
    if (decimals > kLargestExactScale)
        return false;
    scale = std::pow(10.0, decimals);
    scaled = value * scale;
    return std::isfinite(scaled) && std::fabs(scaled) < kNoFractionAbove;
}
} // namespace

double halfEven(double value, int decimals)
{
    double scale = 1.0;
    double scaled = value;
    if (!scaledForRounding(value, decimals, scale, scaled))
        return value;
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(scaled) / scale;
}

double halfAway(double value, int decimals)
{
    double scale = 1.0;
    double scaled = value;
    if (!scaledForRounding(value, decimals, scale, scaled))
        return value;
    return std::round(scaled) / scale;
}

} // namespace Rounding
