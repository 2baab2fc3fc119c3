#include "web/historysource.h"

#include "history/dayenergy.h"
#include "history/historycsv.h"
#include "history/historyloader.h"
#include "history/historyrecords.h"
#include "history/powercurve.h"
#include "logging/energyarchive.h"
#include "viewer/viewersettings.h"

namespace Brolant {

namespace HistorySource {

MonthEnergy monthEnergy(const QString &programFolder, const QDate &month)
{
    const QDate first(month.year(), month.month(), 1);
    const QDate last = first.addMonths(1).addDays(-1);
    const EnergyArchive archive = EnergyArchive::read(programFolder);
    const HistoryRecords records
        = HistoryFiles::read(programFolder, EnergyTable::daysToCompute(archive, first, last));
    const std::vector<DayEnergy> table
        = EnergyTable::days(archive, records, first, last, ViewerSettings::read(programFolder).logDelaySeconds());
    MonthEnergy energy{first, {}, EnergyTable::total(table), EnergyTable::mean(table), archive.damagedLines,
                       HistoryCsv::energyFileName(first), HistoryCsv::energyText(table)};
    for (const DayEnergy &day : table) {
        using Source = DayEnergy::Source;
        energy.days.push_back({day.day, day.source == Source::None ? std::nullopt : std::optional(day.wattHours),
                               day.source == Source::Computed});
    }
    return energy;
}

PowerCurveData powerCurve(const QString &programFolder, const QDate &from, const QDate &to)
{
    const HistoryRecords records = HistoryFiles::read(programFolder, HistoryFiles::daysBetween(from, to));
    const std::vector<PowerBin> bins = Brolant::PowerCurve::bins(records);
    PowerCurveData curve{from, to, (long long)records.size(), {},
                                    HistoryCsv::powerCurveFileName(from, to), HistoryCsv::powerCurveText(bins)};
    for (const PowerBin &bin : bins)
        curve.bins.push_back({bin.lowerEdge, bin.records, bin.meanWatts, bin.maxWatts, bin.faint()});
    return curve;
}

} // namespace HistorySource

} // namespace Brolant
