// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace Brolant {

// How many seconds each record of a day's log stands for, and so its share of the day's energy:
// the viewer's watt-hours, the Energy History's days and anything else that totals records
// weigh them here, so a view and a day always agree.
//
// Records carry whole minutes, so a record's own step is read from the minute stamps: the records
// sharing a stamp split the time since the stamp before. The last stamp of a run of logging
// holds only the records up to its end, so it uses the step of the stamp before it. A gap much
// longer than the usual step (over two minutes and twice the day's middle step) is a pause
// (logging stopped, the PC off), and so is a minute without a record beside one that holds
// several: the records after it take the step of the stamp that follows, as logging went on at
// that pace.
namespace RecordSteps {

// `times`: the day's records' times of day in seconds, in file order. The step of each record,
// in the same order; empty when the day cannot show its pace (fewer than two minutes with
// records), where the caller's logging interval stands for every record.
std::vector<float> of(std::span<const int> times);

// The records that share one time stamp, one after another in the file.
struct Stamp
{
    int time = 0;
    int records = 0;
};
// The longest gap between stamps that is no pause (over two minutes and twice the day's middle
// step is one); nothing when no stamp follows another.
std::optional<int> longestStep(std::span<const Stamp> stamps);

// The same for records already gathered by their stamps, in file order: the step of each stamp's
// records, one per stamp; empty when the day cannot show its pace.
std::vector<float> ofStamps(std::span<const Stamp> stamps);

// Watt-hours of `seconds` at `watts`.
constexpr double wattHours(double watts, double seconds)
{
    constexpr double kSecondsPerHour = 3600.0;
    return watts * seconds / kSecondsPerHour;
}

} // namespace RecordSteps

} // namespace Brolant
