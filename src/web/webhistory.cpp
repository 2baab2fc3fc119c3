#include "web/webhistory.h"

#include "history/dayenergy.h"
#include "history/historycsv.h"
#include "history/historyloader.h"
#include "history/powercurve.h"
#include "logging/energyarchive.h"
#include "platform/programpaths.h"
#include "viewer/viewersettings.h"

namespace Brolant {

namespace WebHistory {

namespace {
// The days' readings, read by the Energy History's own source (and its summaries on disk).
std::vector<DayReading> readings(HistorySource &source, const std::vector<QDate> &days)
{
    return source.days(days, [](int) { return true; });
}

// The logs among `read` that could not be read, so the page can say what its figures lack.
std::vector<FileProblem> unreadableLogs(const std::vector<DayReading> &read)
{
    std::vector<FileProblem> problems;
    for (const DayReading &day : read)
        if (!day.problem.isEmpty())
            problems.push_back({FileName::dailyLog(day.date), day.problem});
    return problems;
}
} // namespace

MonthEnergy monthEnergy(const QString &programFolder, const QDate &month)
{
    const QDate first(month.year(), month.month(), 1);
    const std::vector<QDate> days = HistoryFiles::daysBetween(first, first.addMonths(1).addDays(-1));
    const QDate today = QDate::currentDate();
    HistorySource source(programFolder);
    const std::shared_ptr<const EnergyArchive> archive = source.archive();
    const std::vector<DayReading> read = readings(source, EnergyTable::daysToRead(*archive, days, today));
    const std::vector<DayEnergy> table
        = EnergyTable::days(*archive, read, days, ViewerSettings::read(programFolder).logDelaySeconds(), today);
    MonthEnergy energy{first, {}, EnergyTable::total(table), EnergyTable::mean(table), archive->damagedLines,
                       unreadableLogs(read), HistoryCsv::energyFileName(first), HistoryCsv::energyText(table)};
    if (!archive->problem.isEmpty())
        energy.unreadable.insert(energy.unreadable.begin(), FileProblem{FileName::kEnergyArchive, archive->problem});
    for (const DayEnergy &day : table) {
        energy.days.push_back({day.day, day.hasValue() ? std::optional(day.wattHours) : std::nullopt,
                               day.source == DayEnergy::Source::Computed
                                   || day.source == DayEnergy::Source::PartlyComputed});
    }
    return energy;
}

PowerCurveData powerCurve(const QString &programFolder, const QDate &from, const QDate &to)
{
    HistorySource source(programFolder);
    const std::vector<DayReading> read = readings(source, HistoryFiles::daysBetween(from, to));
    const std::vector<PowerBin> bins = PowerCurve::bins(read);
    PowerCurveData curve{from, to, 0, {}, unreadableLogs(read), HistoryCsv::powerCurveFileName(from, to),
                         HistoryCsv::powerCurveText(bins)};
    for (const PowerBin &bin : bins) {
        curve.records += bin.records;
        curve.bins.push_back({bin.lowerEdge, bin.meanWind, bin.records, bin.meanWatts, bin.maxWatts, bin.faint()});
    }
    return curve;
}

} // namespace WebHistory

} // namespace Brolant
