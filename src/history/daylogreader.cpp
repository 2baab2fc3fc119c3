// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/daylogreader.h"

#include "logging/dailylogline.h"

#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Brolant {

namespace {
constexpr int kSecondsPerMinute = 60;
constexpr double kLargestEdge = 2e9;
// Small enough to stay in a core's cache while its lines are read, large enough that a read of
// the file costs little beside them.
constexpr qsizetype kPiece = 256 * 1024;
} // namespace

void DayLogReader::PointSet::insert(std::uint64_t key)
{
    if (key == m_recent)
        return;
    m_recent = key;
    if (2 * (m_count + 1) > m_table.size())
        grow();
    if (place(m_table, key))
        ++m_count;
}

std::vector<std::uint64_t> DayLogReader::PointSet::sorted() const
{
    std::vector<std::uint64_t> keys;
    keys.reserve(m_count);
    std::copy_if(m_table.begin(), m_table.end(), std::back_inserter(keys),
                 [](std::uint64_t key) { return key != kNoKey; });
    std::sort(keys.begin(), keys.end());
    return keys;
}

bool DayLogReader::PointSet::place(std::vector<std::uint64_t> &table, std::uint64_t key)
{
    const size_t mask = table.size() - 1;
    for (size_t at = size_t((key * 0x9E3779B97F4A7C15ULL) >> 20) & mask;; at = (at + 1) & mask) {
        if (table[at] == key)
            return false;
        if (table[at] == kNoKey) {
            table[at] = key;
            return true;
        }
    }
}

void DayLogReader::PointSet::grow()
{
    std::vector<std::uint64_t> larger(std::max<size_t>(1024, m_table.size() * 2), kNoKey);
    for (const std::uint64_t key : m_table)
        if (key != kNoKey)
            place(larger, key);
    m_table.swap(larger);
}

DayLogReader::DayLogReader(const QDate &date)
    : m_date(date), m_day(date), m_minuteRecords(size_t((m_day.length() + kSecondsPerMinute - 1) / kSecondsPerMinute))
{
    for (auto &series : m_extents)
        series.resize(m_minuteRecords.size());
    m_minuteWind.resize(m_minuteRecords.size());
    m_minuteWatts.resize(m_minuteRecords.size());
}

qsizetype DayLogReader::readLines(QByteArrayView bytes)
{
    const char *begin = bytes.data();
    const char *end = begin + bytes.size();
    const char *from = begin;
    for (const char *at = begin; at < end;) {
        const auto *newline = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)));
        if (!newline)
            break;
        at = newline + 1;
        if (newline > from && newline[-1] == '\r') {
            readLine(QByteArrayView(from, newline - 1 - from));
            from = at;
        }
    }
    return from - begin;
}

void DayLogReader::readLine(QByteArrayView line)
{
    const auto record = DailyLogLine::parse(line);
    if (!record)
        return;
    ++m_records;
    std::array<float, DaySummary::kSeriesCount> values{};
    std::copy(record->values.begin(), record->values.end(), values.begin());
    m_steppedBack = m_steppedBack || record->time < m_lastTime;
    m_lastTime = record->time;
    const int minute = m_day.secondOf(record->time, m_steppedBack) / kSecondsPerMinute;
    const bool first = m_minuteRecords[size_t(minute)]++ == 0;
    for (size_t series = 0; series < values.size(); ++series) {
        Extent &extent = m_extents[series][size_t(minute)];
        const float value = values[series];
        if (first) {
            extent = {value, value, value, value};
            continue;
        }
        extent.last = value;
        extent.low = std::min(extent.low, value);
        extent.high = std::max(extent.high, value);
    }
    const float watts = values[DaySummary::Watts];
    const float wind = values[DaySummary::WindSpeed];
    m_minuteWind[size_t(minute)] += wind;
    m_minuteWatts[size_t(minute)] += watts;
    if (m_stamps.empty() || m_stamps.back().stamp.time != record->time)
        m_stamps.push_back({{record->time, 0}, minute, 0.0});
    ++m_stamps.back().stamp.records;
    m_stamps.back().watts += watts;
    m_points.insert(DaySummary::pointKey(wind, watts));
    // Rounded down without floor's library call: this runs for every record.
    const double kept = std::clamp(double(wind), -kLargestEdge, kLargestEdge);
    const int edge = int(kept) - int(kept < double(int(kept)));
    if (!m_bin || m_bin->lowerEdge != edge) {
        m_bin = &m_bins[edge];
        m_bin->lowerEdge = edge;
    }
    m_bin->add({edge, 1, watts, wind, watts});
}

bool DayLogReader::readFile(QIODevice &file)
{
    // Kept by the reading thread from one log to the next: a buffer a log cost each day of a year
    // its pages' faults.
    thread_local QByteArray buffer;
    if (buffer.size() != kPiece)
        buffer = QByteArray(kPiece, Qt::Uninitialized);
    qsizetype pending = 0; // the start of a line still to come
    for (;;) {
        // A line longer than the buffer (no record is) is still one line.
        if (pending == buffer.size())
            buffer.resize(2 * buffer.size());
        const qint64 read = file.read(buffer.data() + pending, buffer.size() - pending);
        if (read < 0)
            return false;
        if (read == 0)
            break;
        const qsizetype end = pending + qsizetype(read);
        const qsizetype used = readLines(QByteArrayView(buffer.constData(), end));
        pending = end - used;
        std::memmove(buffer.data(), buffer.constData() + used, size_t(pending));
    }
    if (pending > 0)
        readLine(QByteArrayView(buffer.constData(), pending));
    return true;
}

DaySummary DayLogReader::summary()
{
    std::vector<RecordSteps::Stamp> stamps(m_stamps.size());
    std::transform(m_stamps.begin(), m_stamps.end(), stamps.begin(), [](const StampSums &sums) { return sums.stamp; });
    const std::vector<float> steps = RecordSteps::ofStamps(stamps);

    DaySummary day;
    day.date = m_date;
    day.records = m_records;
    day.paceKnown = !steps.empty();
    std::vector<double> minuteWattHours(m_minuteRecords.size());
    for (size_t at = 0; at < m_stamps.size(); ++at) {
        const double step = day.paceKnown ? steps[at] : 1.0;
        const double energy = RecordSteps::wattHours(m_stamps[at].watts, step);
        day.loggedSeconds += step * m_stamps[at].stamp.records;
        day.wattHours += energy;
        minuteWattHours[size_t(m_stamps[at].minute)] += energy;
    }
    const auto filled = size_t(
        std::count_if(m_minuteRecords.begin(), m_minuteRecords.end(), [](int records) { return records > 0; }));
    day.minutes.reserve(filled);
    day.minuteWattHours.reserve(filled);
    day.minuteMeanWind.reserve(filled);
    day.minuteMeanWatts.reserve(filled);
    for (auto &series : day.extents)
        series.reserve(filled);
    for (size_t minute = 0; minute < m_minuteRecords.size(); ++minute) {
        if (m_minuteRecords[minute] == 0)
            continue;
        day.minutes.push_back(std::int16_t(minute));
        day.minuteWattHours.push_back(minuteWattHours[minute]);
        const double records = m_minuteRecords[minute];
        day.minuteMeanWind.push_back(float(m_minuteWind[minute] / records));
        day.minuteMeanWatts.push_back(float(m_minuteWatts[minute] / records));
        for (size_t series = 0; series < day.extents.size(); ++series)
            day.extents[series].push_back(m_extents[series][minute]);
    }
    for (const auto &[edge, sums] : m_bins)
        day.bins.push_back(sums);
    day.points = m_points.sorted();
    return day;
}

} // namespace Brolant
