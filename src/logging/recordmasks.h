// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brolant {

// How a daily record writes its values; the viewer's CSV export writes them the same way.
namespace RecordMasks {
inline constexpr char16_t kVolts[] = u"##.00";
inline constexpr char16_t kAmps[] = u"###.00";
inline constexpr char16_t kWatts[] = u"####.00";
inline constexpr char16_t kRpm[] = u"####";
inline constexpr char16_t kWindSpeed[] = u"###.0";
} // namespace RecordMasks

} // namespace Brolant
