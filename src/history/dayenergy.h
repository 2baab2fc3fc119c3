#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <map>
#include <vector>

namespace Brolant {

struct EnergyArchive;
struct HistoryRecords;

struct DayEnergy
{
    enum class Source { Archive, Computed, None };

    QDate day;
    double wattHours = 0.0;
    Source source = Source::None;
};

namespace EnergyTable {

// The days from `from` to `to`: from the archive where it has the day, else computed from the
// day's records in `records` (the days the archive lacks), else none. `logDelaySeconds` is the
// interval for a day whose records cannot tell their own.
std::vector<DayEnergy> days(const EnergyArchive &archive, const HistoryRecords &records,
                            const QDate &from, const QDate &to, double logDelaySeconds);

// The days of the range that the archive lacks: whose daily logs must be read.
std::vector<QDate> daysToCompute(const EnergyArchive &archive, const QDate &from, const QDate &to);

double total(const std::vector<DayEnergy> &days);
// The totals of January to December of the days given (a year's).
std::array<double, 12> monthTotals(const std::vector<DayEnergy> &days);
// The mean of the days that have a value; 0 when none has.
double mean(const std::vector<DayEnergy> &days);

} // namespace EnergyTable

} // namespace Brolant
