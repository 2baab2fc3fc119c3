#include "history/historyrecords.h"

#include "text/datetext.h"

#include <algorithm>

namespace Brolant {

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;
}

QDateTime HistoryRecords::time(size_t at) const
{
    const std::int64_t second = seconds[at];
    return QDateTime(firstDay.addDays(second / kSecondsPerDay),
                     QTime::fromMSecsSinceStartOfDay(int(second % kSecondsPerDay) * 1000));
}

QString HistoryRecords::readout(size_t at, const std::array<QString, kSeriesCount> &units) const
{
    const QDateTime when = time(at);
    QString text = DateText::dateStamp(when.date()) + u' ' + DateText::hourMinute(when.time());
    for (int series = 0; series < kSeriesCount; ++series)
        text += QStringLiteral("  ") + DayRecords::readoutText(values[size_t(series)][at]) + units[size_t(series)];
    return text;
}

size_t HistoryRecords::firstAtOrAfter(std::int64_t second) const
{
    return size_t(std::lower_bound(seconds.begin(), seconds.end(), second) - seconds.begin());
}

std::int64_t HistoryRecords::dayStart(const QDate &day) const
{
    return firstDay.daysTo(day) * kSecondsPerDay;
}

} // namespace Brolant
