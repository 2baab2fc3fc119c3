// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/plotmodel.h"

#include "logging/recordsteps.h"
#include "text/numbermask.h"
#include "text/rounding.h"
#include "viewer/viewersettings.h"

namespace Brolant {

namespace {
constexpr double kWattsCeiling = 1000.0;
constexpr double kRpmCeiling = 400.0;
constexpr double kWindSpeedCeiling = 100.0;
constexpr double kFlatHeight = 2.0;

long position(double at)
{
    return long(Rounding::halfEven(at, 0));
}

// Calls step(at, n) for the positions at = from + n, n = 0, 1, ... while at <= to. Each is worked
// out afresh: adding 1 again and again drifts, and the last record of a view would drop out.
template <typename Step>
void forEachPosition(double from, double to, Step step)
{
    for (int n = 0; from + n <= to; ++n)
        step(from + n, n);
}

std::array<double, DayRecords::SeriesCount> ceilings(const ViewerSettings &settings)
{
    return {settings.voltScaleMax, double(settings.maxAmps), kWattsCeiling, kRpmCeiling, kWindSpeedCeiling};
}
} // namespace

double PlotModel::y(const SeriesScale &scale, double value)
{
    const double range = scale.top - scale.bottom;
    return (scale.top - value) + range / 40.0;
}

std::optional<PlotPicture> PlotModel::redraw(const DayRecords &records, const ViewRange &range,
                                             const PlotOptions &options, const ViewerSettings &settings)
{
    const double first = range.first;
    const double last = range.last;
    // Position 0 contains no record: a range up to it is nothing loaded in this opening.
    if (first > last || last < 1)
        return std::nullopt;
    fitScales(records, range, options, settings);
    writeLabels(records, range, settings);
    PlotPicture picture = draw(records, range, options);
    sumEnergy(records, range, settings);
    return picture;
}

void PlotModel::fitScales(const DayRecords &records, const ViewRange &range, const PlotOptions &options,
                          const ViewerSettings &settings)
{
    const auto ceiling = ceilings(settings);
    for (int series = 0; series < DayRecords::SeriesCount; ++series) {
        SeriesScale &scale = m_scales[size_t(series)];
        if (options.scaled) {
            scale.bottom = 0.0;
            scale.top = ceiling[size_t(series)];
        } else {
            // Fitted, but never above 0 at the top or below the fixed ceiling at the bottom.
            scale.top = 0.0;
            scale.bottom = ceiling[size_t(series)];
            forEachPosition(range.first, range.last, [&](double at, int) {
                const double value = records.value(DayRecords::Series(series), position(at));
                scale.top = std::max(scale.top, value);
                scale.bottom = std::min(scale.bottom, value);
            });
        }
        const double extent = scale.top - scale.bottom;
        scale.height = extent > 0 ? extent + extent / 20.0 : kFlatHeight;
    }
}

void PlotModel::writeLabels(const DayRecords &records, const ViewRange &range, const ViewerSettings &settings)
{
    m_texts.start = records.timeText(position(range.first));
    m_texts.finish = records.timeText(position(range.last));
    const auto units = settings.seriesUnits();
    const char16_t *masks[] = {u"#0.00", u"##0.0", u"###0", u"##0", u"##0"};
    for (size_t series = 0; series < size_t(DayRecords::SeriesCount); ++series) {
        m_texts.tops[series] = NumberMask::format(m_scales[series].top, masks[series]) + units[series];
        m_texts.bottoms[series] = NumberMask::format(m_scales[series].bottom, masks[series]) + units[series];
    }
}

PlotPicture PlotModel::draw(const DayRecords &records, const ViewRange &range, const PlotOptions &options) const
{
    PlotPicture picture;
    picture.width = range.last - range.first;
    auto zeroLine = [this](int series) -> std::optional<PlotPicture::ZeroLine> {
        const SeriesScale &scale = m_scales[size_t(series)];
        if (scale.top > 0 && scale.bottom < 0)
            return PlotPicture::ZeroLine{y(scale, 0.0), scale.height};
        return std::nullopt;
    };
    picture.ampsZero = zeroLine(DayRecords::Amps);
    picture.wattsZero = zeroLine(DayRecords::Watts);

    for (int series = 0; series < DayRecords::SeriesCount; ++series) {
        if (!options.shows(series))
            continue;
        const SeriesScale &scale = m_scales[size_t(series)];
        PlotPicture::Line line{series, scale.height, {}};
        const bool flat = scale.top - scale.bottom <= 0;
        forEachPosition(range.first, range.last, [&](double at, int x) {
            const double value = records.value(DayRecords::Series(series), position(at));
            line.points.append(QPointF(x, flat ? 1.0 : y(scale, value)));
        });
        picture.lines.append(line);
    }
    return picture;
}

void PlotModel::sumEnergy(const DayRecords &records, const ViewRange &range, const ViewerSettings &settings)
{
    // Each record over its own step in the day, whatever the setting is today; the setting only
    // when the day does not show it.
    m_energy = 0.0;
    forEachPosition(range.first, range.last, [&](double at, int n) {
        if (n == 0) // the record at the left edge is not counted
            return;
        const long record = position(at);
        m_energy += RecordSteps::wattHours(records.value(DayRecords::Watts, record),
                                           records.step(record).value_or(settings.logDelaySeconds()));
    });
    m_texts.energy = NumberMask::format(m_energy, u"###0") + QStringLiteral(" Wh");
}

} // namespace Brolant
