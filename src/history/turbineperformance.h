// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/turbinesettings.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace Brolant {

struct DayReading;

// The turbine measured against its rating by the method of bins of the small-turbine power
// performance standard (IEC 61400-12-1, Annex H): 1-minute means of wind in m/s and of watts,
// sorted into bins 0.5 m/s wide centred on whole multiples of 0.5 m/s; the year's energy at
// Rayleigh mean wind speeds from 4 to 11 m/s and at the site's own wind (a Weibull fit); and the
// capacity factor of the records.
namespace TurbinePerformance {

constexpr double kBinWidth = 0.5;
// Fewer minutes than this make a bin's mean too loose to judge a turbine by: drawn faint.
constexpr int kFirmMinutes = 10;
constexpr double kHoursPerYear = 8760.0;

// The decimals each figure is shown with, in the window, its spreadsheet and the web page alike.
namespace Decimals {
constexpr int kMs = 2;
constexpr int kWatts = 1;
constexpr int kPercent = 1;
constexpr int kKWh = 1;       // a year's energy
constexpr int kEnergyKWh = 3; // the records' own, to the watt-hour
constexpr int kHours = 1;
constexpr int kShape = 3;
constexpr int kCapacityFactor = 3;
} // namespace Decimals
// `value` rounded half away from zero to `decimals`, as text.
QString figure(double value, int decimals);
// The same, or empty for nothing.
QString figure(const std::optional<double> &value, int decimals);

struct Bin
{
    double centre = 0.0; // m/s: the 5.0 bin covers 4.75 up to, not including, 5.25
    int minutes = 0;
    double meanMs = 0.0;
    double meanWatts = 0.0;
    double sdWatts = 0.0;               // of its minutes' watts; 0 for a bin of one minute
    std::optional<double> ratedWatts;   // the rated curve's at meanMs
    std::optional<double> ratedPercent; // meanWatts as a share of ratedWatts

    bool faint() const { return minutes < kFirmMinutes; }
};

struct AnnualEnergy
{
    double meanMs = 0.0; // of the Rayleigh distribution
    double measuredKWh = 0.0;
    std::optional<double> ratedKWh;

    // Measured over rated, as a percentage; nothing without a rated year above 0.
    std::optional<double> percentOfRated() const
    {
        return ratedKWh && *ratedKWh > 0 ? std::optional(100.0 * measuredKWh / *ratedKWh) : std::nullopt;
    }
};

struct Weibull
{
    double k = 0.0; // shape
    double c = 0.0; // scale, m/s
};

struct Report
{
    std::optional<double> toMetresPerSecond; // nothing: the logged unit is not known
    bool slowerThanAMinute = false;          // records logged more slowly are used as they are
    std::vector<Bin> bins;                   // ascending, only those with minutes
    std::vector<AnnualEnergy> annual;        // 4 to 11 m/s
    std::optional<Weibull> weibull;          // of the minutes' wind above 0
    std::optional<double> siteMeasuredKWh;   // a year of the site's wind, over the measured bins
    std::optional<double> siteRatedKWh;
    double energyKWh = 0.0; // the records' energy
    double hours = 0.0;     // the time the records stand for
    std::optional<double> ratedPower;
    std::optional<double> capacityFactor;
};

// `toMetresPerSecond`: one logged unit of wind in m/s (nothing leaves the bins empty); `rated`
// empty for none; `logDelaySeconds` the logging interval, for days that do not show their pace.
Report of(const std::vector<DayReading> &days, std::optional<double> toMetresPerSecond, const RatedCurve &rated,
          double logDelaySeconds);

// A year's energy in kWh of the curve `points` (m/s, W ascending) over the wind distribution
// `share` (the share of time below a speed): the standard's sum of each step's mean power over
// the share of time between its speeds, from 0 W half a bin below the first point, and 0 beyond
// the last.
double annualKWh(const std::vector<std::pair<double, double>> &points, const std::function<double(double)> &share);
// The Rayleigh distribution of mean `meanMs`: the share of time below `ms`.
double rayleighShare(double ms, double meanMs);
// The Weibull fit to `speeds` (m/s, each above 0) by maximum likelihood; nothing for fewer than
// two different speeds.
std::optional<Weibull> weibullFit(const std::vector<double> &speeds);

} // namespace TurbinePerformance

} // namespace Brolant
