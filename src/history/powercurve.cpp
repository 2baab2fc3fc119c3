#include "history/powercurve.h"

#include "history/historyrecords.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace Brolant {

namespace PowerCurve {
namespace {
using Series = HistoryRecords::Series;
}

std::vector<PowerBin> bins(const HistoryRecords &records)
{
    struct Sums
    {
        int count = 0;
        double watts = 0.0;
        double most = 0.0;
    };
    std::map<int, Sums> byEdge;
    const auto &wind = records.values[Series::WindSpeed];
    const auto &watts = records.values[Series::Watts];
    for (size_t at = 0; at < records.size(); ++at) {
        Sums &sums = byEdge[int(std::floor(wind[at]))];
        sums.most = sums.count == 0 ? watts[at] : std::max(sums.most, double(watts[at]));
        sums.watts += watts[at];
        ++sums.count;
    }
    std::vector<PowerBin> result;
    for (const auto &[edge, sums] : byEdge)
        result.push_back({edge, sums.count, sums.watts / sums.count, sums.most});
    return result;
}

std::vector<QPointF> scatter(const HistoryRecords &records, int columns, int rows)
{
    std::vector<QPointF> points;
    if (records.size() == 0 || columns <= 0 || rows <= 0)
        return points;
    const auto &wind = records.values[Series::WindSpeed];
    const auto &watts = records.values[Series::Watts];
    const auto [windLow, windHigh] = std::minmax_element(wind.begin(), wind.end());
    const auto [wattsLow, wattsHigh] = std::minmax_element(watts.begin(), watts.end());
    const double windStep = std::max(double(*windHigh - *windLow), 1e-9) / columns;
    const double wattsStep = std::max(double(*wattsHigh - *wattsLow), 1e-9) / rows;
    std::vector<bool> taken(size_t(columns + 1) * size_t(rows + 1));
    for (size_t at = 0; at < records.size(); ++at) {
        const auto column = size_t((wind[at] - *windLow) / windStep);
        const auto row = size_t((watts[at] - *wattsLow) / wattsStep);
        const size_t cell = row * size_t(columns + 1) + column;
        if (!taken[cell]) {
            taken[cell] = true;
            points.emplace_back(wind[at], watts[at]);
        }
    }
    return points;
}

} // namespace PowerCurve

} // namespace Brolant
