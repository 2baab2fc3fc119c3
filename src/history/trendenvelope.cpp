// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/trendenvelope.h"

#include "history/historyloader.h"
#include "logging/recordsteps.h"
#include "text/datetext.h"
#include "viewer/dayrecords.h"

#include <algorithm>
#include <cmath>

namespace Brolant {

namespace {
constexpr int kSecondsPerMinute = 60;

// The longest gap between a day's minutes that is no pause, as the day's energy counts pauses.
int longestStep(const std::vector<std::int16_t> &minutes)
{
    std::vector<RecordSteps::Stamp> stamps;
    stamps.reserve(minutes.size());
    for (const std::int16_t minute : minutes)
        stamps.push_back({minute * kSecondsPerMinute, 1});
    return RecordSteps::longestStep(stamps).value_or(0);
}
} // namespace

TrendMinutes TrendMinutes::of(const std::vector<DayReading> &days)
{
    TrendMinutes minutes;
    // Made at their size at once: a year of minutes grown step by step is copied twice over.
    size_t total = 0;
    for (const DayReading &day : days)
        total += day.summary ? day.summary->minutes.size() : 0;
    minutes.seconds.reserve(total);
    minutes.breaksBefore.reserve(total);
    for (auto &series : minutes.extents)
        series.reserve(total);
    for (const DayReading &day : days) {
        if (!day.summary || day.summary->minutes.empty())
            continue;
        if (!minutes.firstDay.isValid())
            minutes.firstDay = day.date;
        const std::int64_t dayStart = minutes.secondsTo(day.date);
        const int longest = longestStep(day.summary->minutes);
        for (const std::int16_t minute : day.summary->minutes) {
            const auto second = std::int32_t(dayStart + minute * kSecondsPerMinute);
            minutes.breaksBefore.push_back(minutes.seconds.empty() || second - minutes.seconds.back() > longest);
            minutes.seconds.push_back(second);
        }
        for (size_t series = 0; series < minutes.extents.size(); ++series)
            minutes.extents[series].insert(minutes.extents[series].end(), day.summary->extents[series].begin(),
                                           day.summary->extents[series].end());
    }
    return minutes;
}

QDateTime TrendMinutes::timeAt(std::int64_t second) const
{
    return QDateTime(firstDay, QTime(0, 0)).addSecs(second);
}

std::int64_t TrendMinutes::secondsTo(const QDate &day) const
{
    return QDateTime(firstDay, QTime(0, 0)).secsTo(QDateTime(day, QTime(0, 0)));
}

size_t TrendMinutes::firstAtOrAfter(std::int64_t second) const
{
    return size_t(std::lower_bound(seconds.begin(), seconds.end(), second) - seconds.begin());
}

TrendEnvelope::TrendEnvelope(std::shared_ptr<const TrendMinutes> minutes) : m_minutes(std::move(minutes))
{
    for (size_t series = 0; series < m_blocks.size(); ++series) {
        const auto &extents = m_minutes->extents[series];
        for (size_t begin = 0; begin < extents.size(); begin += kBlock) {
            Extremes block{extents[begin].low, extents[begin].high};
            for (size_t at = begin; at < std::min(extents.size(), begin + kBlock); ++at) {
                block.low = std::min(block.low, extents[at].low);
                block.high = std::max(block.high, extents[at].high);
            }
            m_blocks[series].push_back(block);
        }
    }
}

std::int64_t TrendEnvelope::start() const
{
    return m_minutes->size() == 0 ? 0 : m_minutes->seconds.front();
}

std::int64_t TrendEnvelope::finish() const
{
    return m_minutes->size() == 0 ? 1 : m_minutes->seconds.back() + 1;
}

TrendEnvelope::Extremes TrendEnvelope::extremes(int series, size_t begin, size_t end) const
{
    const auto &extents = m_minutes->extents[size_t(series)];
    Extremes result{extents[begin].low, extents[begin].high};
    const auto widen = [&](float low, float high) {
        result.low = std::min(result.low, low);
        result.high = std::max(result.high, high);
    };
    // Loose minutes up to a block edge, whole blocks, then loose minutes again.
    size_t at = begin;
    for (; at < end && at % kBlock != 0; ++at)
        widen(extents[at].low, extents[at].high);
    for (; at + kBlock <= end; at += kBlock) {
        const Extremes &block = m_blocks[size_t(series)][at / kBlock];
        widen(block.low, block.high);
    }
    for (; at < end; ++at)
        widen(extents[at].low, extents[at].high);
    return result;
}

TrendPicture TrendEnvelope::picture(std::int64_t from, std::int64_t to, int width) const
{
    TrendPicture picture;
    picture.from = from;
    picture.to = std::max(to, from + 1);
    width = std::max(width, 1);
    const double secondsPerColumn = double(picture.to - picture.from) / width;
    std::vector<size_t> edges(size_t(width) + 1);
    for (int column = 0; column <= width; ++column)
        edges[size_t(column)] = m_minutes->firstAtOrAfter(picture.from
                                                          + std::int64_t(std::ceil(column * secondsPerColumn)));
    for (int series = 0; series < TrendMinutes::kSeriesCount; ++series) {
        const auto &extents = m_minutes->extents[size_t(series)];
        auto &columns = picture.columns[size_t(series)];
        columns.resize(size_t(width));
        bool any = false;
        for (size_t column = 0; column < size_t(width); ++column) {
            const size_t begin = edges[column];
            const size_t end = edges[column + 1];
            if (begin >= end)
                continue;
            const Extremes found = extremes(series, begin, end);
            const bool joins = any && !m_minutes->breaksBefore[begin];
            columns[column] = {extents[begin].first, extents[end - 1].last, found.low, found.high, true, joins};
            float &lowest = picture.lowest[size_t(series)];
            float &highest = picture.highest[size_t(series)];
            lowest = any ? std::min(lowest, found.low) : found.low;
            highest = any ? std::max(highest, found.high) : found.high;
            any = true;
        }
    }
    return picture;
}

std::optional<TrendRecord> TrendEnvelope::nearest(double second) const
{
    const auto &seconds = m_minutes->seconds;
    if (seconds.empty())
        return std::nullopt;
    const size_t after = m_minutes->firstAtOrAfter(std::int64_t(std::ceil(second)));
    if (after == 0)
        return TrendRecord{0, false};
    if (after == seconds.size())
        return TrendRecord{after - 1, true};
    // Nearer the minute before: its last record; else the next minute's first.
    if (second - seconds[after - 1] <= seconds[after] - second)
        return TrendRecord{after - 1, true};
    return TrendRecord{after, false};
}

QString TrendEnvelope::readout(const TrendRecord &record,
                               const std::array<QString, TrendMinutes::kSeriesCount> &units) const
{
    const QDateTime when = m_minutes->time(record.minute);
    QString text = DateText::dateStamp(when.date()) + u' ' + DateText::hourMinute(when.time());
    for (size_t series = 0; series < units.size(); ++series) {
        const Extent &extent = m_minutes->extents[series][record.minute];
        const double value = record.last ? extent.last : extent.first;
        text += QStringLiteral("  ") + DayRecords::readoutText(value) + units[series];
    }
    return text;
}

} // namespace Brolant
