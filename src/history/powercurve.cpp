// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/powercurve.h"

#include "history/historyloader.h"

#include <algorithm>
#include <map>

namespace Brolant {

namespace PowerCurve {

std::vector<PowerBin> bins(const std::vector<DayReading> &days)
{
    std::map<int, BinSums> byEdge;
    for (const DayReading &day : days) {
        if (!day.summary)
            continue;
        for (const BinSums &sums : day.summary->bins) {
            BinSums &into = byEdge[sums.lowerEdge];
            into.lowerEdge = sums.lowerEdge;
            into.add(sums);
        }
    }
    std::vector<PowerBin> result;
    for (const auto &[edge, sums] : byEdge)
        result.push_back({edge, sums.records, sums.watts / sums.records, sums.mostWatts, sums.wind / sums.records});
    return result;
}

std::vector<QPointF> scatter(const std::vector<DayReading> &days, int columns, int rows)
{
    std::vector<std::uint64_t> keys;
    for (const DayReading &day : days)
        if (day.summary)
            keys.insert(keys.end(), day.summary->points.begin(), day.summary->points.end());
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::vector<QPointF> points;
    if (keys.empty() || columns <= 0 || rows <= 0)
        return points;
    std::vector<std::pair<float, float>> all(keys.size());
    std::transform(keys.begin(), keys.end(), all.begin(), DaySummary::pointOf);
    const auto [windLow, windHigh] = std::minmax_element(all.begin(), all.end());
    const auto [wattsLow, wattsHigh] = std::minmax_element(
        all.begin(), all.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    const double windStep = std::max(double(windHigh->first - windLow->first), 1e-9) / columns;
    const double wattsStep = std::max(double(wattsHigh->second - wattsLow->second), 1e-9) / rows;
    std::vector<bool> used(size_t(columns + 1) * size_t(rows + 1));
    for (const auto &[wind, watts] : all) {
        const auto column = size_t((wind - windLow->first) / windStep);
        const auto row = size_t((watts - wattsLow->second) / wattsStep);
        const size_t cell = row * size_t(columns + 1) + column;
        if (!used[cell]) {
            used[cell] = true;
            points.emplace_back(wind, watts);
        }
    }
    return points;
}

} // namespace PowerCurve

} // namespace Brolant
