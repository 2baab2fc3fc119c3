// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

#include <array>
#include <optional>
#include <vector>

namespace Brolant {

struct DayReading;
struct EnergyArchive;

struct DayEnergy
{
    enum class Source
    {
        Archive,        // what Whours.txt records
        PartlyComputed, // Whours.txt, and the records its last line for the day does not cover
        Computed,       // the daily log alone
        None,           // neither has the day
        Unreadable      // no archive line, and the log could not be read
    };

    QDate day;
    double wattHours = 0.0;
    Source source = Source::None;

    bool hasValue() const { return source != Source::None && source != Source::Unreadable; }
};

namespace EnergyTable {

// One row per day of `days`: the archive's total where it closed the day; its total and the
// energy of the records logged after its last line where it did not; else computed from the
// day's log (`readings`, by date), else none. A day's value is never well below its records: where
// they show over a tenth more (a run a power cut ended without a line), the day is computed.
// `logDelaySeconds` stands for each record of a day whose records do not show their pace.
std::vector<DayEnergy> days(const EnergyArchive &archive, const std::vector<DayReading> &readings,
                            const std::vector<QDate> &days, double logDelaySeconds, const QDate &today);

// The archive's lines dated after `today`, left out.
int linesAfter(const EnergyArchive &archive, const QDate &today);

// The total of the days with a value; nothing when none has one.
std::optional<double> total(const std::vector<DayEnergy> &days);
// The totals of January to December of the days given (a year's); nothing for a month without
// any value.
std::array<std::optional<double>, 12> monthTotals(const std::vector<DayEnergy> &days);
// The mean of the days that have a value; nothing when none has.
std::optional<double> mean(const std::vector<DayEnergy> &days);

} // namespace EnergyTable

} // namespace Brolant
