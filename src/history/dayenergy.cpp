#include "history/dayenergy.h"

#include "history/historyloader.h"
#include "history/historyrecords.h"
#include "logging/energyarchive.h"
#include "logging/recordsteps.h"

#include <cmath>
#include <numeric>

namespace Brolant {

namespace {
double computedWattHours(const HistoryRecords &records, const HistoryRecords::Day &day,
                         double logDelaySeconds)
{
    // The viewer's rule for a range: each record's watts over its own step, the first record
    // left out (it closes the interval before the range).
    const std::vector<int> times(records.seconds.begin() + std::ptrdiff_t(day.begin),
                                 records.seconds.begin() + std::ptrdiff_t(day.end));
    const std::vector<float> steps = RecordSteps::of(times);
    double wattHours = 0.0;
    for (size_t at = day.begin + 1; at < day.end; ++at)
        wattHours += RecordSteps::wattHours(records.value(HistoryRecords::Series::Watts, at),
                                            steps.empty() ? logDelaySeconds : steps[at - day.begin]);
    return wattHours;
}
} // namespace

namespace EnergyTable {

std::vector<DayEnergy> days(const EnergyArchive &archive, const HistoryRecords &records,
                            const QDate &from, const QDate &to, double logDelaySeconds)
{
    std::vector<DayEnergy> table;
    auto logged = records.days.begin();
    for (const QDate &day : HistoryFiles::daysBetween(from, to)) {
        while (logged != records.days.end() && logged->date < day)
            ++logged;
        DayEnergy entry{day, 0.0, DayEnergy::Source::None};
        if (const auto archived = archive.dayTotals.find(day); archived != archive.dayTotals.end())
            entry = {day, archived->second, DayEnergy::Source::Archive};
        else if (logged != records.days.end() && logged->date == day)
            entry = {day, computedWattHours(records, *logged, logDelaySeconds), DayEnergy::Source::Computed};
        table.push_back(entry);
    }
    return table;
}

std::vector<QDate> daysToCompute(const EnergyArchive &archive, const QDate &from, const QDate &to)
{
    std::vector<QDate> missing;
    for (const QDate &day : HistoryFiles::daysBetween(from, to))
        if (!archive.dayTotals.contains(day))
            missing.push_back(day);
    return missing;
}

double total(const std::vector<DayEnergy> &days)
{
    return std::accumulate(days.begin(), days.end(), 0.0,
                           [](double sum, const DayEnergy &day) { return sum + day.wattHours; });
}

std::array<double, 12> monthTotals(const std::vector<DayEnergy> &days)
{
    std::array<double, 12> totals{};
    for (const DayEnergy &day : days)
        totals[size_t(day.day.month() - 1)] += day.wattHours;
    return totals;
}

double mean(const std::vector<DayEnergy> &days)
{
    const auto counted = std::count_if(days.begin(), days.end(), [](const DayEnergy &day) {
        return day.source != DayEnergy::Source::None;
    });
    return counted == 0 ? 0.0 : total(days) / double(counted);
}

} // namespace EnergyTable

} // namespace Brolant
