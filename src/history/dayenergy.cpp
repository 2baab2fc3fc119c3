#include "history/dayenergy.h"

#include "history/historyloader.h"
#include "logging/energyarchive.h"

#include <algorithm>

namespace Brolant {

namespace EnergyTable {
namespace {
// The archive counts every frame, the records their interval's mean: the two differ by a few
// percent. Records that show more than this beyond the archive hold a run it never heard of (one
// a power cut ended without a line), and the day is taken from them.
constexpr double kRecordsBeyondArchive = 1.1;

// The archive's word on a day, unless a line of it is dated after today (a clock's mistake,
// left out of every total).
const EnergyArchive::Day *archived(const EnergyArchive &archive, const QDate &day, const QDate &today)
{
    const auto found = archive.days.find(day);
    return found != archive.days.end() && found->second.latestDated <= today ? &found->second : nullptr;
}

DayEnergy dayEnergy(const EnergyArchive::Day *archive, const DayReading *reading, const QDate &day,
                    double logDelaySeconds)
{
    // A log without a single record says no more than a missing one.
    const DaySummary *records = reading && reading->summary && reading->summary->records > 0 ? reading->summary.get() : nullptr;
    if (archive && (archive->closed() || !records))
        return {day, archive->wattHours, DayEnergy::Source::Archive};
    if (archive) {
        const double after = records->energyAfter(archive->lastLine, logDelaySeconds);
        const double recorded = records->energy(logDelaySeconds);
        if (recorded > (archive->wattHours + after) * kRecordsBeyondArchive)
            return {day, recorded, DayEnergy::Source::Computed};
        return {day, archive->wattHours + after,
                after > 0 ? DayEnergy::Source::PartlyComputed : DayEnergy::Source::Archive};
    }
    if (records)
        return {day, records->energy(logDelaySeconds), DayEnergy::Source::Computed};
    if (reading && !reading->problem.isEmpty())
        return {day, 0.0, DayEnergy::Source::Unreadable};
    return {day, 0.0, DayEnergy::Source::None};
}
} // namespace

std::vector<QDate> daysToRead(const EnergyArchive &archive, const std::vector<QDate> &days, const QDate &today)
{
    std::vector<QDate> open;
    std::copy_if(days.begin(), days.end(), std::back_inserter(open), [&](const QDate &day) {
        const EnergyArchive::Day *known = archived(archive, day, today);
        return !known || !known->closed();
    });
    return open;
}

std::vector<DayEnergy> days(const EnergyArchive &archive, const std::vector<DayReading> &readings,
                            const std::vector<QDate> &days, double logDelaySeconds, const QDate &today)
{
    std::vector<DayEnergy> table;
    for (const QDate &day : days) {
        const auto reading = std::find_if(readings.begin(), readings.end(),
                                          [&](const DayReading &read) { return read.date == day; });
        table.push_back(dayEnergy(archived(archive, day, today), reading == readings.end() ? nullptr : &*reading,
                                  day, logDelaySeconds));
    }
    return table;
}

int linesAfter(const EnergyArchive &archive, const QDate &today)
{
    int lines = 0;
    for (const auto &[day, known] : archive.days)
        if (known.latestDated > today)
            lines += known.lines;
    return lines;
}

std::optional<double> total(const std::vector<DayEnergy> &days)
{
    std::optional<double> sum;
    for (const DayEnergy &day : days)
        if (day.hasValue())
            sum = sum.value_or(0.0) + day.wattHours;
    return sum;
}

std::array<std::optional<double>, 12> monthTotals(const std::vector<DayEnergy> &days)
{
    std::array<std::optional<double>, 12> totals{};
    for (const DayEnergy &day : days)
        if (day.hasValue())
            totals[size_t(day.day.month() - 1)] = totals[size_t(day.day.month() - 1)].value_or(0.0) + day.wattHours;
    return totals;
}

std::optional<double> mean(const std::vector<DayEnergy> &days)
{
    const auto counted = std::count_if(days.begin(), days.end(), [](const DayEnergy &day) { return day.hasValue(); });
    const auto sum = total(days);
    return sum ? std::optional<double>(*sum / double(counted)) : std::nullopt;
}

} // namespace EnergyTable

} // namespace Brolant
