// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brolant {

// The two rounding rules. Computed values round halves to the even neighbour (2.125 to 2
// decimals is 2.12); number masks round halves away from zero (2.125 is 2.13).
namespace Rounding {

double halfEven(double value, int decimals);
double halfAway(double value, int decimals);

} // namespace Rounding

} // namespace Brolant
