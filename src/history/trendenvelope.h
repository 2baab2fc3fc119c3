#pragma once

#include "history/historyrecords.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Brolant {

// One pixel column of a series: the first and last record in it, and its true extremes.
struct TrendColumn
{
    float first = 0.0F;
    float last = 0.0F;
    float low = 0.0F;
    float high = 0.0F;
    bool filled = false; // false: no record falls in the column (a pause), the line breaks
};

// The trend of a time span at a given width: each series reduced to its pixel columns, with the
// extent of the values shown (the scale each series is drawn on).
struct TrendPicture
{
    std::int64_t from = 0; // seconds from midnight of the records' first day
    std::int64_t to = 0;
    std::array<std::vector<TrendColumn>, HistoryRecords::kSeriesCount> columns;
    std::array<float, HistoryRecords::kSeriesCount> lowest{};
    std::array<float, HistoryRecords::kSeriesCount> highest{};
};

// Any number of records drawn at screen speed: the extremes of blocks of records are kept once,
// so a column spanning a hundred thousand records costs a few thousand comparisons.
class TrendEnvelope
{
public:
    explicit TrendEnvelope(std::shared_ptr<const HistoryRecords> records);

    const HistoryRecords &records() const { return *m_records; }
    // From the first record to one second past the last.
    std::int64_t start() const;
    std::int64_t finish() const;

    TrendPicture picture(std::int64_t from, std::int64_t to, int width) const;
    // The record nearest in time to `second`; nothing when there are none.
    std::optional<size_t> nearest(double second) const;

private:
    static constexpr size_t kBlock = 64;
    struct Extremes
    {
        float low;
        float high;
    };
    Extremes extremes(int series, size_t begin, size_t end) const;

    std::shared_ptr<const HistoryRecords> m_records;
    std::array<std::vector<Extremes>, HistoryRecords::kSeriesCount> m_blocks;
};

} // namespace Brolant
