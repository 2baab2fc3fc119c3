// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/windspeedunit.h"

#include <QString>

#include <array>
#include <utility>

namespace Brolant {

namespace WindSpeedUnit {

std::optional<double> toMetresPerSecond(QStringView units)
{
    constexpr double kKilometre = 1000.0;
    constexpr double kHour = 3600.0;
    constexpr double kMile = 1609.344;
    constexpr double kNauticalMile = 1852.0;
    constexpr double kFoot = 0.3048;
    static const std::array<std::pair<QStringView, double>, 8> kUnits{{
        {u"m/s", 1.0},
        {u"km/h", kKilometre / kHour},
        {u"kph", kKilometre / kHour},
        {u"mph", kMile / kHour},
        {u"knots", kNauticalMile / kHour},
        {u"kn", kNauticalMile / kHour},
        {u"kts", kNauticalMile / kHour},
        {u"ft/s", kFoot},
    }};
    QString written = units.toString().toLower();
    written.remove(u' ');
    for (const auto &[name, metresPerSecond] : kUnits)
        if (written == name)
            return metresPerSecond;
    return std::nullopt;
}

} // namespace WindSpeedUnit

} // namespace Brolant
