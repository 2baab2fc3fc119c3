#include "text/rounding.h"

#include <cmath>

namespace Rounding {

double halfEven(double value, int decimals)
{
    // Beyond 2^52 a double has no fraction left to round.
    constexpr double kNoFractionAbove = 4503599627370496.0;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kNoFractionAbove)
        return value;
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(scaled) / scale;
}

} // namespace Rounding
