#pragma once

// Rounding of computed values: halves go to the even neighbour (2.125 to 2 decimals is 2.12).
// Number masks round differently (halves away from zero); that rule lives in NumberMask.
namespace Rounding {

double halfEven(double value, int decimals);

} // namespace Rounding
