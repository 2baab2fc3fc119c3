// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/turbineperformance.h"

#include "history/historyloader.h"
#include "text/rounding.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace Brolant {

namespace TurbinePerformance {
namespace {
constexpr double kWattsPerKilowatt = 1000.0;
constexpr int kLowestRayleighMean = 4;
constexpr int kHighestRayleighMean = 11;
constexpr int kMostFitSteps = 100;
constexpr double kFitTolerance = 1e-10;

// A bin's minutes summed as they come (Welford's way: no sum of squares to cancel).
struct BinTotals
{
    int minutes = 0;
    double ms = 0.0;
    double meanWatts = 0.0;
    double squares = 0.0; // of the watts' distances from their mean

    void add(double wind, double watts)
    {
        ++minutes;
        ms += wind;
        const double before = meanWatts;
        meanWatts += (watts - before) / minutes;
        squares += (watts - before) * (watts - meanWatts);
    }
};

// Whether any day's records came more slowly than once a minute: its minutes lie further apart
// than one, as a rule.
bool slowerThanAMinute(const std::vector<DayReading> &days)
{
    std::vector<int> gaps;
    for (const DayReading &day : days) {
        if (!day.summary || day.summary->minutes.size() < 2)
            continue;
        gaps.clear();
        for (size_t at = 1; at < day.summary->minutes.size(); ++at)
            gaps.push_back(day.summary->minutes[at] - day.summary->minutes[at - 1]);
        const auto middle = gaps.begin() + std::ptrdiff_t(gaps.size() / 2);
        std::nth_element(gaps.begin(), middle, gaps.end());
        if (*middle > 1)
            return true;
    }
    return false;
}

std::vector<Bin> binsOf(const std::vector<DayReading> &days, double toMs, std::vector<double> &speeds)
{
    std::map<long long, BinTotals> sums;
    for (const DayReading &day : days) {
        if (!day.summary)
            continue;
        const DaySummary &summary = *day.summary;
        for (size_t at = 0; at < summary.minutes.size(); ++at) {
            const double ms = double(summary.minuteMeanWind[at]) * toMs;
            if (!(ms >= 0) || !std::isfinite(ms))
                continue;
            sums[std::llround(std::floor(ms / kBinWidth + 0.5))].add(ms, summary.minuteMeanWatts[at]);
            if (ms > 0)
                speeds.push_back(ms);
        }
    }
    std::vector<Bin> bins;
    for (const auto &[index, bin] : sums)
        bins.push_back({double(index) * kBinWidth, bin.minutes, bin.ms / bin.minutes, bin.meanWatts,
                        bin.minutes > 1 ? std::sqrt(bin.squares / (bin.minutes - 1)) : 0.0, std::nullopt,
                        std::nullopt});
    return bins;
}

std::vector<std::pair<double, double>> curveOf(const std::vector<Bin> &bins)
{
    std::vector<std::pair<double, double>> points;
    for (const Bin &bin : bins)
        points.emplace_back(bin.meanMs, bin.meanWatts);
    return points;
}
} // namespace

QString figure(double value, int decimals)
{
    return QString::number(Rounding::halfAway(value, decimals), 'f', decimals);
}

QString figure(const std::optional<double> &value, int decimals)
{
    return value ? figure(*value, decimals) : QString();
}

double rayleighShare(double ms, double meanMs)
{
    const double ratio = std::max(ms, 0.0) / meanMs;
    return 1.0 - std::exp(-std::numbers::pi / 4.0 * ratio * ratio);
}

double annualKWh(const std::vector<std::pair<double, double>> &points, const std::function<double(double)> &share)
{
    if (points.empty())
        return 0.0;
    double sum = 0.0;
    double speedBefore = points.front().first - kBinWidth;
    double wattsBefore = 0.0;
    for (const auto &[speed, watts] : points) {
        sum += (share(speed) - share(speedBefore)) * (wattsBefore + watts) / 2.0;
        speedBefore = speed;
        wattsBefore = watts;
    }
    return kHoursPerYear * sum / kWattsPerKilowatt;
}

std::optional<Weibull> weibullFit(const std::vector<double> &speeds)
{
    if (speeds.size() < 2 || std::all_of(speeds.begin(), speeds.end(), [&](double v) { return v == speeds[0]; }))
        return std::nullopt;
    // Against the mean speed, so the powers below stay near 1 whatever the unit.
    double mean = 0.0;
    for (const double speed : speeds)
        mean += speed;
    mean /= double(speeds.size());
    std::vector<double> logs(speeds.size());
    double meanLog = 0.0;
    for (size_t at = 0; at < speeds.size(); ++at) {
        logs[at] = std::log(speeds[at] / mean);
        meanLog += logs[at];
    }
    meanLog /= double(speeds.size());
    // Newton's steps on the likelihood's equation for k: sum(u^k ln u) / sum(u^k) - 1/k - mean(ln u) = 0.
    double k = 2.0;
    for (int step = 0; step < kMostFitSteps; ++step) {
        double powers = 0.0;
        double powersLog = 0.0;
        double powersLogLog = 0.0;
        for (const double log : logs) {
            const double power = std::exp(k * log);
            powers += power;
            powersLog += power * log;
            powersLogLog += power * log * log;
        }
        const double value = powersLog / powers - 1.0 / k - meanLog;
        const double slope = (powersLogLog * powers - powersLog * powersLog) / (powers * powers) + 1.0 / (k * k);
        const double next = std::max(k / 2.0, k - value / slope); // never to 0 or below
        const bool settled = std::abs(next - k) < kFitTolerance * k;
        k = next;
        if (settled)
            break;
    }
    double powers = 0.0;
    for (const double log : logs)
        powers += std::exp(k * log);
    return Weibull{k, mean * std::pow(powers / double(speeds.size()), 1.0 / k)};
}

Report of(const std::vector<DayReading> &days, std::optional<double> toMetresPerSecond, const RatedCurve &rated,
          double logDelaySeconds)
{
    Report report;
    report.toMetresPerSecond = toMetresPerSecond;
    report.slowerThanAMinute = slowerThanAMinute(days);
    for (const DayReading &day : days) {
        if (day.summary) {
            report.energyKWh += day.summary->energy(logDelaySeconds) / kWattsPerKilowatt;
            report.hours += day.summary->hoursLogged(logDelaySeconds);
        }
    }
    if (!rated.isEmpty()) {
        report.ratedPower = rated.ratedPower;
        if (report.hours > 0)
            report.capacityFactor = report.energyKWh * kWattsPerKilowatt / (rated.ratedPower * report.hours);
    }
    if (!toMetresPerSecond)
        return report;

    std::vector<double> speeds;
    report.bins = binsOf(days, *toMetresPerSecond, speeds);
    for (Bin &bin : report.bins) {
        bin.ratedWatts = rated.wattsAt(bin.meanMs);
        if (bin.ratedWatts && *bin.ratedWatts > 0)
            bin.ratedPercent = 100.0 * bin.meanWatts / *bin.ratedWatts;
    }
    const auto measured = curveOf(report.bins);
    // No minutes, no year: 0 kWh would read as a turbine that gave nothing.
    for (int meanMs = kLowestRayleighMean; !measured.empty() && meanMs <= kHighestRayleighMean; ++meanMs) {
        const auto share = [meanMs](double ms) { return rayleighShare(ms, meanMs); };
        report.annual.push_back({double(meanMs), annualKWh(measured, share),
                                 rated.isEmpty() ? std::nullopt : std::optional(annualKWh(rated.points, share))});
    }
    report.weibull = weibullFit(speeds);
    if (report.weibull) {
        const auto share = [fit = *report.weibull](double ms) {
            return 1.0 - std::exp(-std::pow(std::max(ms, 0.0) / fit.c, fit.k));
        };
        report.siteMeasuredKWh = annualKWh(measured, share);
        if (!rated.isEmpty())
            report.siteRatedKWh = annualKWh(rated.points, share);
    }
    return report;
}

} // namespace TurbinePerformance

} // namespace Brolant
