// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webhistory.h"

#include "history/dayenergy.h"
#include "history/historycsv.h"
#include "history/historyloader.h"
#include "history/powercurve.h"
#include "history/turbineperformance.h"
#include "history/turbinesettings.h"
#include "logging/energyarchive.h"
#include "viewer/viewersettings.h"

namespace Brolant {

namespace WebHistory {

namespace {
// The days' readings, read by the Energy History's own source (and its summaries on disk).
std::vector<DayReading> readings(HistorySource &source, const std::vector<QDate> &days)
{
    return source.days(days, [](int) { return true; });
}

// The files among those read that could not be, so the page can show what its figures lack.
std::vector<FileProblem> unreadable(const std::vector<DayReading> &read, const EnergyArchive *archive = nullptr)
{
    LoadReport report;
    if (archive)
        report.add(*archive);
    report.add(read);
    return report.problems;
}
} // namespace

MonthEnergy monthEnergy(const QString &programFolder, const QDate &month, const QDate &today)
{
    const QDate first(month.year(), month.month(), 1);
    const std::vector<QDate> days = HistoryFiles::daysBetween(first, first.addMonths(1).addDays(-1));
    HistorySource source(programFolder);
    const std::shared_ptr<const EnergyArchive> archive = source.archive();
    const std::vector<DayReading> read = readings(source, days);
    const std::vector<DayEnergy> table = EnergyTable::days(
        *archive, read, days, ViewerSettings::read(programFolder).logDelaySeconds(), today);
    MonthEnergy energy{first,
                       {},
                       EnergyTable::total(table),
                       EnergyTable::mean(table),
                       archive->damagedLines,
                       unreadable(read, archive.get()),
                       HistoryCsv::energyFileName(first),
                       HistoryCsv::energyText(table)};
    for (const DayEnergy &day : table) {
        energy.days.push_back(
            {day.day, day.hasValue() ? std::optional(day.wattHours) : std::nullopt,
             day.source == DayEnergy::Source::Computed || day.source == DayEnergy::Source::PartlyComputed});
    }
    return energy;
}

PowerCurveData powerCurve(const QString &programFolder, const QDate &from, const QDate &to)
{
    HistorySource source(programFolder);
    const std::vector<DayReading> read = readings(source, HistoryFiles::daysBetween(from, to));
    const std::vector<PowerBin> bins = PowerCurve::bins(read);
    PowerCurveData curve{
        from, to, 0, {}, unreadable(read), HistoryCsv::powerCurveFileName(from, to), HistoryCsv::powerCurveText(bins)};
    for (const PowerBin &bin : bins) {
        curve.records += bin.records;
        curve.bins.push_back({bin.lowerEdge, bin.meanWind, bin.records, bin.meanWatts, bin.maxWatts, bin.faint()});
    }
    return curve;
}

PerformanceData performance(const QString &programFolder, const QDate &from, const QDate &to)
{
    PerformanceData data{from, to, {}, {}, {}, {}, HistoryCsv::performanceFileName(from, to), {}};
    const Result<TurbineSettings> turbineFile = TurbineSettings::load(programFolder);
    const TurbineSettings turbine = turbineFile.valueOr(TurbineSettings());
    data.problem = turbineFile ? QString() : turbineFile.failure().description;
    const ViewerSettings viewer = ViewerSettings::read(programFolder);
    data.windUnits = viewer.wsUnits.trimmed();
    HistorySource source(programFolder);
    const std::vector<DayReading> read = readings(source, HistoryFiles::daysBetween(from, to));
    data.report = TurbinePerformance::of(read, turbine.toMetresPerSecond(viewer.wsUnits), turbine.rated,
                                         viewer.logDelaySeconds());
    data.unreadable = unreadable(read);
    data.csv = HistoryCsv::performanceText(data.report, turbine.rated);
    return data;
}

} // namespace WebHistory

} // namespace Brolant
