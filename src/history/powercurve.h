// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

#include <vector>

namespace Brolant {

struct DayReading;

// Watts against wind speed: how a healthy turbine's output grows with the wind.
struct PowerBin
{
    // Fewer records than this make a mean too loose to judge a turbine by: drawn faint.
    static constexpr int kFirmRecords = 10;

    int lowerEdge = 0; // wind speeds from lowerEdge (included) to lowerEdge + 1
    int records = 0;
    double meanWatts = 0.0;
    double maxWatts = 0.0;
    double meanWind = 0.0; // where the bin's mean is drawn: logged speeds often sit on the edge

    bool faint() const { return records < kFirmRecords; }
};

namespace PowerCurve {

// The bins one unit of wind speed wide that contain records, lowest first; empty bins are left out.
std::vector<PowerBin> bins(const std::vector<DayReading> &days);

// The records as points (wind speed, watts) thinned to one per cell of a `columns` x `rows`
// grid over their extent: the same picture on a screen, but a year of seconds stays a few
// thousand points for the chart.
std::vector<QPointF> scatter(const std::vector<DayReading> &days, int columns, int rows);

} // namespace PowerCurve

} // namespace Brolant
