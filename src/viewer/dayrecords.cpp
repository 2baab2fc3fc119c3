// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/dayrecords.h"

#include "text/numerictext.h"
#include "text/rounding.h"

#include <QTime>

#include <algorithm>

namespace Brolant {

DayRecords::DayRecords() : m_times(kCapacity + 1, 0), m_steps(kCapacity + 1)
{
    for (auto &series : m_values)
        series.assign(kCapacity + 1, 0.0);
}

std::optional<double> DayRecords::step(long position) const
{
    return position >= 0 && position <= kCapacity ? m_steps[size_t(position)] : std::nullopt;
}

int DayRecords::time(long position) const
{
    return position >= 0 && position <= kCapacity ? m_times[size_t(position)] : 0;
}

double DayRecords::value(Series series, long position) const
{
    return position >= 0 && position <= kCapacity ? m_values[series][size_t(position)] : 0.0;
}

void DayRecords::set(int position, int time, const std::array<double, SeriesCount> &values, std::optional<double> step)
{
    m_times[size_t(position)] = time;
    m_steps[size_t(position)] = step;
    for (int series = 0; series < SeriesCount; ++series)
        m_values[size_t(series)][size_t(position)] = values[size_t(series)];
}

QString DayRecords::readoutText(double value)
{
    return NumericText::shortest(Rounding::halfEven(value, 2));
}

QString DayRecords::timeText(long position) const
{
    return QTime::fromMSecsSinceStartOfDay(time(position) * 1000).toString(QStringLiteral("HH:mm"));
}

} // namespace Brolant
