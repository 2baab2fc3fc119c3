// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace Brolant {

// Number masks such as "##0.0", used by every display and file writer:
// "#" a digit shown only when significant, "0" a digit always shown, "." the decimal point.
// The value is rounded to the mask's decimals with halves away from zero; the integer part is
// never cut; a negative value gets a leading "-". Zero under an all-"#" mask is the empty text.
// Other characters carry no meaning and are left out. A value that is not finite shows as 0.
namespace NumberMask {

QString format(double value, QStringView mask);

} // namespace NumberMask

} // namespace Brolant
