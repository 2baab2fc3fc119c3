#include "history/trendenvelope.h"

#include <algorithm>
#include <cmath>

namespace Brolant {

TrendEnvelope::TrendEnvelope(std::shared_ptr<const HistoryRecords> records)
    : m_records(std::move(records))
{
    for (int series = 0; series < HistoryRecords::kSeriesCount; ++series) {
        const auto &values = m_records->values[size_t(series)];
        for (size_t begin = 0; begin < values.size(); begin += kBlock) {
            const auto [low, high] = std::minmax_element(
                values.begin() + std::ptrdiff_t(begin),
                values.begin() + std::ptrdiff_t(std::min(values.size(), begin + kBlock)));
            m_blocks[size_t(series)].push_back({*low, *high});
        }
    }
}

std::int64_t TrendEnvelope::start() const
{
    return m_records->size() == 0 ? 0 : m_records->seconds.front();
}

std::int64_t TrendEnvelope::finish() const
{
    return m_records->size() == 0 ? 1 : m_records->seconds.back() + 1;
}

TrendEnvelope::Extremes TrendEnvelope::extremes(int series, size_t begin, size_t end) const
{
    const auto &values = m_records->values[size_t(series)];
    Extremes result{values[begin], values[begin]};
    const auto take = [&](float low, float high) {
        result.low = std::min(result.low, low);
        result.high = std::max(result.high, high);
    };
    // Loose records up to a block edge, whole blocks, then loose records again.
    size_t at = begin;
    for (; at < end && at % kBlock != 0; ++at)
        take(values[at], values[at]);
    for (; at + kBlock <= end; at += kBlock) {
        const Extremes &block = m_blocks[size_t(series)][at / kBlock];
        take(block.low, block.high);
    }
    for (; at < end; ++at)
        take(values[at], values[at]);
    return result;
}

TrendPicture TrendEnvelope::picture(std::int64_t from, std::int64_t to, int width) const
{
    TrendPicture picture;
    picture.from = from;
    picture.to = std::max(to, from + 1);
    width = std::max(width, 1);
    const double secondsPerColumn = double(picture.to - picture.from) / width;
    const auto edge = [&](int column) {
        return m_records->firstAtOrAfter(picture.from + std::int64_t(std::ceil(column * secondsPerColumn)));
    };
    std::vector<size_t> edges(size_t(width) + 1);
    for (int column = 0; column <= width; ++column)
        edges[size_t(column)] = edge(column);
    for (int series = 0; series < HistoryRecords::kSeriesCount; ++series) {
        const auto &values = m_records->values[size_t(series)];
        auto &columns = picture.columns[size_t(series)];
        columns.resize(size_t(width));
        bool any = false;
        for (size_t column = 0; column < size_t(width); ++column) {
            const size_t begin = edges[column];
            const size_t end = edges[column + 1];
            if (begin >= end)
                continue;
            const Extremes found = extremes(series, begin, end);
            columns[column] = {values[begin], values[end - 1], found.low, found.high, true};
            picture.lowest[size_t(series)] = any ? std::min(picture.lowest[size_t(series)], found.low) : found.low;
            picture.highest[size_t(series)] = any ? std::max(picture.highest[size_t(series)], found.high) : found.high;
            any = true;
        }
    }
    return picture;
}

std::optional<size_t> TrendEnvelope::nearest(double second) const
{
    const auto &seconds = m_records->seconds;
    if (seconds.empty())
        return std::nullopt;
    const size_t after = m_records->firstAtOrAfter(std::int64_t(std::ceil(second)));
    if (after == 0)
        return 0;
    if (after == seconds.size())
        return after - 1;
    return second - seconds[after - 1] <= seconds[after] - second ? after - 1 : after;
}

} // namespace Brolant
