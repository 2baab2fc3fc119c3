// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewer/dayrecords.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>

namespace Brolant {

struct PlotOptions;
struct ViewRange;
struct ViewerSettings;

// The value range and vertical extent of one series, kept between redraws.
struct SeriesScale
{
    double bottom = 0.0;
    double top = 0.0;
    double height = 2.0;
};

// A redraw in plot coordinates: x from 0 to width (one unit per record step), and for each
// series y from 0 at the top to its scale's height at the bottom.
struct PlotPicture
{
    double width = 0.0;
    struct Line
    {
        int series = 0;
        double height = 2.0;
        QList<QPointF> points;
    };
    QList<Line> lines; // the shown series, drawn in this order
    // A line across the plot where amps or watts are 0, in that series' coordinates; drawn
    // whether or not the series is shown.
    struct ZeroLine
    {
        double y = 0.0;
        double height = 2.0;
    };
    std::optional<ZeroLine> ampsZero;
    std::optional<ZeroLine> wattsZero;
};

// What a redraw writes into the labels around the plot.
struct PlotTexts
{
    std::array<QString, DayRecords::SeriesCount> tops;
    std::array<QString, DayRecords::SeriesCount> bottoms;
    QString start;  // hh:mm of the first plotted record
    QString finish; // and of the last
    QString energy; // "1235 Wh"
};

// Computes a redraw: fixed or fitted scales, heights, the polylines, the labels and the
// watt-hour total of the plotted range (which leaves out the record at the left edge).
class PlotModel
{
public:
    // Nothing when the range contains no record (first > last, or nothing loaded): the plot is only
    // cleared. A range of one record draws no line but has its times, scales and total.
    std::optional<PlotPicture> redraw(const DayRecords &records, const ViewRange &range, const PlotOptions &options,
                                      const ViewerSettings &settings);
    const PlotTexts &texts() const { return m_texts; }
    const std::array<SeriesScale, DayRecords::SeriesCount> &scales() const { return m_scales; }
    double energy() const { return m_energy; }

    // y(v) in a series' coordinates: the range fills the height with a margin of range / 40.
    static double y(const SeriesScale &scale, double value);

private:
    void fitScales(const DayRecords &records, const ViewRange &range, const PlotOptions &options,
                   const ViewerSettings &settings);
    void writeLabels(const DayRecords &records, const ViewRange &range, const ViewerSettings &settings);
    PlotPicture draw(const DayRecords &records, const ViewRange &range, const PlotOptions &options) const;
    void sumEnergy(const DayRecords &records, const ViewRange &range, const ViewerSettings &settings);

    std::array<SeriesScale, DayRecords::SeriesCount> m_scales;
    PlotTexts m_texts;
    double m_energy = 0.0;
};

} // namespace Brolant
