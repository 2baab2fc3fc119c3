// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/dayenergy.h"

#include "history/historyloader.h"
#include "logging/energyarchive.h"

#include <algorithm>

namespace Brolant {

namespace EnergyTable {
namespace {
// The archive counts every frame, the records their interval's mean: the two differ by a few
// percent. Records that show more than this beyond the archive contain a run it never recorded
// (one a power cut ended without a line), and the day is computed from them.
constexpr double kRecordsBeyondArchive = 1.1;

// What the archive records of a day as of `today`: its lines dated after today (a clock's mistake) are
// left out of every total, and the midnight line that closes today is dated tomorrow.
struct Archived
{
    double wattHours = 0.0;
    int lastLine = 0;
    bool closed = false;
};

std::optional<Archived> archived(const EnergyArchive &archive, const QDate &day, const QDate &today)
{
    const auto found = archive.days.find(day);
    if (found == archive.days.end() || day > today)
        return std::nullopt;
    const EnergyArchive::Day &known = found->second;
    const bool closed = known.closed() && day < today;
    if (!closed && known.lines == 0)
        return std::nullopt;
    return Archived{known.wattHours + (closed ? known.closingWattHours : 0.0), known.lastLine, closed};
}

DayEnergy dayEnergy(const std::optional<Archived> &archive, const DayReading *reading, const QDate &day,
                    double logDelaySeconds)
{
    // A log without a single record shows no more than a missing one.
    const DaySummary *records = reading && reading->summary && reading->summary->records > 0 ? reading->summary.get()
                                                                                             : nullptr;
    if (archive && !records)
        return {day, archive->wattHours, DayEnergy::Source::Archive};
    if (archive) {
        // The midnight line that closed a day counted its records after the last exit line.
        const double after = archive->closed ? 0.0 : records->energyAfter(archive->lastLine, logDelaySeconds);
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

std::vector<DayEnergy> days(const EnergyArchive &archive, const std::vector<DayReading> &readings,
                            const std::vector<QDate> &days, double logDelaySeconds, const QDate &today)
{
    std::vector<DayEnergy> table;
    for (const QDate &day : days) {
        const auto reading = std::find_if(readings.begin(), readings.end(),
                                          [&](const DayReading &read) { return read.date == day; });
        table.push_back(dayEnergy(archived(archive, day, today), reading == readings.end() ? nullptr : &*reading, day,
                                  logDelaySeconds));
    }
    return table;
}

int linesAfter(const EnergyArchive &archive, const QDate &today)
{
    int lines = 0;
    for (const auto &[day, known] : archive.days)
        lines += (day > today ? known.lines : 0) + (day >= today ? known.closingLines : 0);
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
