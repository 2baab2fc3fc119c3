// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace Brolant {

// One day's records as the viewer loaded them. Records stand at positions 1 to count in file
// order; position 0 is never filled. Positions up to kCapacity keep what an earlier load left
// there, as the readouts may still reach them; anything further reads as 0.
class DayRecords
{
public:
    static constexpr int kCapacity = 10000;
    static constexpr int kMostRecords = 9999;

    enum Series
    {
        Volts,
        Amps,
        Watts,
        Rpm,
        WindSpeed,
        SeriesCount
    };

    DayRecords();

    int count = 0;

    // Time of day in seconds since midnight.
    int time(long position) const;
    double value(Series series, long position) const;
    // `step`: the seconds the record stands for, from its whole day (see RecordSteps); nothing
    // when the day does not show it.
    void set(int position, int time, const std::array<double, SeriesCount> &values,
             std::optional<double> step = std::nullopt);
    std::optional<double> step(long position) const;

    // How the viewer reads a value out: the shortest decimal form rounded to two decimals,
    // 13.456 gives 13.46, 13 gives 13.
    static QString readoutText(double value);

    // hh:mm of a record's time.
    QString timeText(long position) const;

private:
    std::vector<int> m_times;
    std::array<std::vector<double>, SeriesCount> m_values;
    std::vector<std::optional<double>> m_steps;
};

} // namespace Brolant
