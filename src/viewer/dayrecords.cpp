#include "viewer/dayrecords.h"

#include <QTime>

#include <algorithm>

namespace Brolant {

DayRecords::DayRecords() : m_times(kCapacity + 1, 0)
{
    for (auto &series : m_values)
        series.assign(kCapacity + 1, 0.0);
}

int DayRecords::time(long position) const
{
    return position >= 0 && position <= kCapacity ? m_times[size_t(position)] : 0;
}

double DayRecords::value(Series series, long position) const
{
    return position >= 0 && position <= kCapacity ? m_values[series][size_t(position)] : 0.0;
}

void DayRecords::set(int position, int time, const std::array<double, SeriesCount> &values)
{
    m_times[size_t(position)] = time;
    for (int series = 0; series < SeriesCount; ++series)
        m_values[size_t(series)][size_t(position)] = values[size_t(series)];
}

QString DayRecords::timeText(long position) const
{
    return QTime::fromMSecsSinceStartOfDay(time(position) * 1000).toString(QStringLiteral("HH:mm"));
}

std::optional<double> DayRecords::loggingInterval() const
{
    // Records carry whole minutes, so an interval below a minute shows as several records a
    // minute: the interval is the time the records span over the steps between them. A gap much
    // longer than the usual step is a pause (logging stopped, the PC off) and is left out.
    constexpr int kMinute = 60;
    std::vector<int> gaps;
    for (int position = 2; position <= std::min(count, kCapacity); ++position)
        gaps.push_back(m_times[size_t(position)] - m_times[size_t(position) - 1]);
    std::vector<int> forward;
    std::copy_if(gaps.begin(), gaps.end(), std::back_inserter(forward), [](int gap) { return gap > 0; });
    if (forward.empty())
        return std::nullopt;
    const auto middle = forward.begin() + std::ptrdiff_t(forward.size() / 2);
    std::nth_element(forward.begin(), middle, forward.end());
    const int longestStep = std::max(2 * kMinute, 2 * *middle);
    long long span = 0;
    long long steps = 0;
    for (const int gap : gaps) {
        if (gap >= 0 && gap <= longestStep) {
            span += gap;
            ++steps;
        }
    }
    return double(span) / double(steps);
}

} // namespace Brolant
