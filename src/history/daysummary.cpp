#include "history/daysummary.h"

#include "logging/dailylogline.h"
#include "logging/recordsteps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace Brolant {

namespace {
constexpr int kMinutesPerDay = 24 * 60;
constexpr qsizetype kShortestLine = 60; // a record as written, for a first guess of the count
constexpr int kSecondsPerMinute = 60;
constexpr float kWindKeysPerUnit = 10.0F;
constexpr double kLargestKey = 2e9;
constexpr std::uint64_t kNoKey = 0x8000000080000000ULL; // no value rounds to the lowest int32

std::int32_t keyPart(double value)
{
    return std::int32_t(std::clamp(std::round(value), -kLargestKey, kLargestKey));
}

// The set of a day's point keys: a flat table, as a node per record cost more than the parse.
class PointSet
{
public:
    void insert(std::uint64_t key)
    {
        if (key == m_recent)
            return;
        m_recent = key;
        if (2 * (m_count + 1) > m_table.size())
            grow();
        if (place(m_table, key))
            ++m_count;
    }
    std::vector<std::uint64_t> sorted() const
    {
        std::vector<std::uint64_t> keys;
        keys.reserve(m_count);
        std::copy_if(m_table.begin(), m_table.end(), std::back_inserter(keys),
                     [](std::uint64_t key) { return key != kNoKey; });
        std::sort(keys.begin(), keys.end());
        return keys;
    }

private:
    static bool place(std::vector<std::uint64_t> &table, std::uint64_t key)
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
    void grow()
    {
        std::vector<std::uint64_t> larger(std::max<size_t>(1024, m_table.size() * 2), kNoKey);
        for (const std::uint64_t key : m_table)
            if (key != kNoKey)
                place(larger, key);
        m_table.swap(larger);
    }

    std::vector<std::uint64_t> m_table;
    size_t m_count = 0;
    std::uint64_t m_recent = kNoKey;
};

// The day's minutes while it is read: one slot for every minute of the day.
struct MinuteSlots
{
    std::vector<int> records = std::vector<int>(kMinutesPerDay);
    std::vector<double> wattHours = std::vector<double>(kMinutesPerDay);
    std::array<std::vector<Extent>, DaySummary::kSeriesCount> extents;

    MinuteSlots()
    {
        for (auto &series : extents)
            series.resize(kMinutesPerDay);
    }
    void add(int minute, const std::array<float, DaySummary::kSeriesCount> &values, double energy)
    {
        const bool first = records[size_t(minute)]++ == 0;
        wattHours[size_t(minute)] += energy;
        for (size_t series = 0; series < values.size(); ++series) {
            Extent &extent = extents[series][size_t(minute)];
            const float value = values[series];
            if (first) {
                extent = {value, value, value, value};
                continue;
            }
            extent.last = value;
            extent.low = std::min(extent.low, value);
            extent.high = std::max(extent.high, value);
        }
    }
};
// Calls `take` with each line of `content` that ends in CR LF, and with what follows the last.
template <typename Take>
void forEachLine(QByteArrayView content, Take take)
{
    const char *begin = content.data();
    const char *end = begin + content.size();
    const char *from = begin;
    for (const char *at = begin; at < end;) {
        const auto *newline = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)));
        if (!newline)
            break;
        at = newline + 1;
        if (newline > from && newline[-1] == '\r') {
            take(QByteArrayView(from, newline - 1 - from));
            from = at;
        }
    }
    if (from < end)
        take(QByteArrayView(from, end - from));
}
} // namespace

void BinSums::add(const BinSums &other)
{
    mostWatts = records == 0 ? other.mostWatts : std::max(mostWatts, other.mostWatts);
    records += other.records;
    watts += other.watts;
    wind += other.wind;
}

std::uint64_t DaySummary::pointKey(float wind, float watts)
{
    return (std::uint64_t(std::uint32_t(keyPart(double(wind) * kWindKeysPerUnit))) << 32)
           | std::uint32_t(keyPart(watts));
}

std::pair<float, float> DaySummary::pointOf(std::uint64_t key)
{
    return {float(std::int32_t(std::uint32_t(key >> 32))) / kWindKeysPerUnit,
            float(std::int32_t(std::uint32_t(key)))};
}

DaySummary DaySummary::fromLog(QByteArrayView content, const QDate &date)
{
    // The day's records, in floats as they are kept: the steps need the whole day first.
    std::vector<std::array<float, kSeriesCount>> read;
    std::vector<int> times;
    read.reserve(size_t(content.size() / kShortestLine));
    times.reserve(read.capacity());
    forEachLine(content, [&](QByteArrayView line) {
        if (const auto record = DailyLogLine::parse(line)) {
            auto &values = read.emplace_back();
            std::copy(record->values.begin(), record->values.end(), values.begin());
            times.push_back(record->time);
        }
    });
    const std::vector<float> steps = RecordSteps::of(times);

    DaySummary day;
    day.date = date;
    day.records = int(read.size());
    day.paceKnown = !steps.empty();
    MinuteSlots byMinute;
    PointSet points;
    std::map<int, BinSums> bins;
    BinSums *bin = nullptr;
    for (size_t at = 0; at < read.size(); ++at) {
        const auto &values = read[at];
        const double energy = RecordSteps::wattHours(values[Watts], day.paceKnown ? steps[at] : 1.0);
        day.wattHours += energy;
        byMinute.add(times[at] / kSecondsPerMinute, values, energy);
        points.insert(pointKey(values[WindSpeed], values[Watts]));
        const int edge = int(std::clamp(std::floor(double(values[WindSpeed])), -kLargestKey, kLargestKey));
        // The wind changes slowly: most records fall in the bin of the record before.
        if (!bin || bin->lowerEdge != edge) {
            bin = &bins[edge];
            bin->lowerEdge = edge;
        }
        bin->add({edge, 1, values[Watts], values[WindSpeed], values[Watts]});
    }
    for (int minute = 0; minute < kMinutesPerDay; ++minute) {
        if (byMinute.records[size_t(minute)] == 0)
            continue;
        day.minutes.push_back(std::int16_t(minute));
        day.minuteWattHours.push_back(byMinute.wattHours[size_t(minute)]);
        for (size_t series = 0; series < day.extents.size(); ++series)
            day.extents[series].push_back(byMinute.extents[series][size_t(minute)]);
    }
    for (const auto &[edge, sums] : bins)
        day.bins.push_back(sums);
    day.points = points.sorted();
    return day;
}

double DaySummary::energy(double logDelaySeconds) const
{
    return paceKnown ? wattHours : wattHours * logDelaySeconds;
}

double DaySummary::energyAfter(int second, double logDelaySeconds) const
{
    double sum = 0.0;
    for (size_t at = 0; at < minutes.size(); ++at)
        if (minutes[at] * kSecondsPerMinute > second)
            sum += minuteWattHours[at];
    return paceKnown ? sum : sum * logDelaySeconds;
}

} // namespace Brolant
