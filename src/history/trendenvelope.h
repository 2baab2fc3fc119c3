// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/daysummary.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Brolant {

struct DayReading;

// The minutes of many days that contain records, in time order: what the trend draws and reads.
struct TrendMinutes
{
    static constexpr int kSeriesCount = DaySummary::kSeriesCount;

    QDate firstDay;
    // Each minute's start in seconds from midnight of firstDay, as time passed: a day the clocks
    // go forward is an hour shorter, a day they go back an hour longer.
    std::vector<std::int32_t> seconds;
    std::array<std::vector<Extent>, kSeriesCount> extents;
    // True where the line breaks before a minute: the first, and each after a pause (a gap over
    // two minutes and twice its day's middle step: a day logged every 5 minutes has none).
    std::vector<bool> breaksBefore;

    // `days` in ascending order; those without records are left out.
    static TrendMinutes of(const std::vector<DayReading> &days);

    size_t size() const { return seconds.size(); }
    QDateTime time(size_t at) const { return timeAt(seconds[at]); }
    // The local date and time `second` seconds after midnight of firstDay.
    QDateTime timeAt(std::int64_t second) const;
    // Seconds from midnight of firstDay to midnight of `day`.
    std::int64_t secondsTo(const QDate &day) const;
    // The first minute starting at or after `second` (size() when none).
    size_t firstAtOrAfter(std::int64_t second) const;
};

// A record the pointer can read: a minute's first or last (the records in between share its
// time stamp).
struct TrendRecord
{
    size_t minute = 0;
    bool last = false;
};

// One pixel column of a series: the first and last record in it, and its true extremes.
struct TrendColumn
{
    float first = 0.0F;
    float last = 0.0F;
    float low = 0.0F;
    float high = 0.0F;
    bool filled = false;        // false: no record falls in the column
    bool joinsPrevious = false; // the line runs on from the filled column before: no pause between
};

// The trend of a time span at a given width: each series reduced to its pixel columns, with the
// extent of the values shown (the scale each series is drawn on).
struct TrendPicture
{
    std::int64_t from = 0; // seconds from midnight of the first day
    std::int64_t to = 0;
    std::array<std::vector<TrendColumn>, TrendMinutes::kSeriesCount> columns;
    std::array<float, TrendMinutes::kSeriesCount> lowest{};
    std::array<float, TrendMinutes::kSeriesCount> highest{};
};

// Any number of days drawn at screen speed: the extremes of blocks of minutes are kept once, so
// a column spanning a month costs a few thousand comparisons.
class TrendEnvelope
{
public:
    explicit TrendEnvelope(std::shared_ptr<const TrendMinutes> minutes);

    const TrendMinutes &minutes() const { return *m_minutes; }
    // From the first minute to one second past the last.
    std::int64_t start() const;
    std::int64_t finish() const;

    TrendPicture picture(std::int64_t from, std::int64_t to, int width) const;
    // The record nearest in time to `second`; nothing when there are none.
    std::optional<TrendRecord> nearest(double second) const;
    // "2026_12_01 14:05  12.53 V  5.3 A ...": a record read out, each value followed by its
    // series' units (" V", " A", " W", " RPM", " mph").
    QString readout(const TrendRecord &record, const std::array<QString, TrendMinutes::kSeriesCount> &units) const;

private:
    static constexpr size_t kBlock = 64;
    struct Extremes
    {
        float low;
        float high;
    };
    Extremes extremes(int series, size_t begin, size_t end) const;

    std::shared_ptr<const TrendMinutes> m_minutes;
    std::array<std::vector<Extremes>, TrendMinutes::kSeriesCount> m_blocks;
};

} // namespace Brolant
