// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/daysummary.h"

#include "history/daylogreader.h"
#include "history/localday.h"

#include <algorithm>
#include <cmath>

namespace Brolant {

namespace {
constexpr int kSecondsPerMinute = 60;
constexpr float kWindKeysPerUnit = 10.0F;
constexpr double kLargestKey = 2e9;

// Rounded half away from zero, as std::round, without its library call or a branch the
// processor would guess wrong half the time: this runs for every record.
std::int32_t keyPart(double value)
{
    const double kept = std::clamp(value, -kLargestKey, kLargestKey);
    const auto whole = std::int64_t(kept);
    const double rest = kept - double(whole);
    return std::int32_t(whole + std::int64_t(rest >= 0.5) - std::int64_t(rest <= -0.5));
}
} // namespace

void BinSums::add(const BinSums &other)
{
    mostWatts = records == 0 ? other.mostWatts : std::max(mostWatts, other.mostWatts);
    records += other.records;
    watts += other.watts;
    wind += other.wind;
}

std::uint64_t DaySummary::pointKey(float wind, float watts)
{
    return (std::uint64_t(std::uint32_t(keyPart(double(wind) * kWindKeysPerUnit))) << 32)
           | std::uint32_t(keyPart(watts));
}

std::pair<float, float> DaySummary::pointOf(std::uint64_t key)
{
    return {float(std::int32_t(std::uint32_t(key >> 32))) / kWindKeysPerUnit, float(std::int32_t(std::uint32_t(key)))};
}

DaySummary DaySummary::fromLog(QByteArrayView content, const QDate &date)
{
    DayLogReader reader(date);
    const qsizetype used = reader.readLines(content);
    if (used < content.size())
        reader.readLine(content.sliced(used));
    return reader.summary();
}

double DaySummary::energy(double logDelaySeconds) const
{
    return paceKnown ? wattHours : wattHours * logDelaySeconds;
}

double DaySummary::hoursLogged(double logDelaySeconds) const
{
    constexpr double kSecondsPerHour = 3600.0;
    return (paceKnown ? loggedSeconds : loggedSeconds * logDelaySeconds) / kSecondsPerHour;
}

double DaySummary::energyAfter(int clockSecond, double logDelaySeconds) const
{
    const int second = LocalDay(date).secondOf(clockSecond, false);
    double sum = 0.0;
    for (size_t at = 0; at < minutes.size(); ++at)
        if (minutes[at] * kSecondsPerMinute > second)
            sum += minuteWattHours[at];
    return paceKnown ? sum : sum * logDelaySeconds;
}

} // namespace Brolant
