#pragma once

#include "viewer/dayrecords.h"

#include <QDate>
#include <QDateTime>

#include <array>
#include <cstdint>
#include <vector>

namespace Brolant {

// The records of many days, column by column: millions of them fit in a few bytes each.
// Times are seconds from midnight of `firstDay`, ascending within each day and from day to day.
struct HistoryRecords
{
    using Series = DayRecords::Series;
    static constexpr int kSeriesCount = DayRecords::SeriesCount;

    struct Day
    {
        QDate date;
        size_t begin = 0; // the day's records are [begin, end)
        size_t end = 0;
    };

    QDate firstDay;
    std::vector<std::int32_t> seconds;
    std::array<std::vector<float>, kSeriesCount> values;
    std::vector<Day> days;

    size_t size() const { return seconds.size(); }
    float value(Series series, size_t at) const { return values[series][at]; }
    QDateTime time(size_t at) const;
    // The first record at or after `second` (size() when none).
    size_t firstAtOrAfter(std::int64_t second) const;
    // "2026_12_01 14:05  12.53 V  5.3 A ...": a record read out, each value followed by its
    // series' units (" V", " A", " W", " RPM", " mph").
    QString readout(size_t at, const std::array<QString, kSeriesCount> &units) const;
    // Seconds from midnight of `firstDay` to midnight of `day`.
    std::int64_t dayStart(const QDate &day) const;
};

} // namespace Brolant
