// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QDate>

#include <array>
#include <cstdint>
#include <vector>

namespace Brolant {

// A stretch of one series: its first and last record and its extremes.
struct Extent
{
    float first = 0.0F;
    float last = 0.0F;
    float low = 0.0F;
    float high = 0.0F;
};

// The records of one wind-speed bin one unit wide, summed.
struct BinSums
{
    int lowerEdge = 0;
    int records = 0;
    double watts = 0.0;
    double wind = 0.0;
    double mostWatts = 0.0;

    void add(const BinSums &other);
};

// What the Energy History keeps of one day's log, made in one pass over it: its energy, each
// minute's extent of every series (the finest the log's time stamps show) and the power
// curve's sums. A year of such days uses a few tens of megabytes however fast it was logged.
struct DaySummary
{
    static constexpr int kSeriesCount = 5;
    enum Series
    {
        Volts,
        Amps,
        Watts,
        Rpm,
        WindSpeed
    };

    QDate date;
    int records = 0;
    // True when the records showed their own pace; otherwise the energies below are for records
    // of one second each, to be scaled by the logging interval (energy()).
    bool paceKnown = true;
    // The day's energy: each record over its own step, the first of the day too.
    double wattHours = 0.0;
    // The minutes that contain records, counted from midnight as the day passed (past 1439 on the
    // day the clocks go back), ascending.
    std::vector<std::int16_t> minutes;
    std::vector<double> minuteWattHours;                   // each of those minutes' records, over their steps
    std::array<std::vector<Extent>, kSeriesCount> extents; // per series, one per minute
    std::vector<float> minuteMeanWind;                     // each of those minutes' mean, as logged
    std::vector<float> minuteMeanWatts;
    // The time the records stand for, each over its own step (of one second each where the
    // pace is not known, as the energies).
    double loggedSeconds = 0.0;
    std::vector<BinSums> bins; // ascending, only those with records
    // Every record's (wind, watts) rounded to a tenth and a whole watt, each pair once, sorted.
    std::vector<std::uint64_t> points;

    static DaySummary fromLog(QByteArrayView content, const QDate &date);

    double energy(double logDelaySeconds) const;
    double hoursLogged(double logDelaySeconds) const;
    // The energy of the records logged after the clock showed `clockSecond` of the day.
    double energyAfter(int clockSecond, double logDelaySeconds) const;

    static std::uint64_t pointKey(float wind, float watts);
    static std::pair<float, float> pointOf(std::uint64_t key);
};

} // namespace Brolant
