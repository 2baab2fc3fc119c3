// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/dayloader.h"

#include "logging/dailylogline.h"
#include "logging/recordsteps.h"
#include "viewer/dayrecords.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <vector>

namespace Brolant {

namespace DayLoader {

QString tooManyMessage()
{
    return QCoreApplication::translate("Brolant::DayLoader",
                                       "Over 10,000 records, too many to display. Please use a smaller time "
                                       "range. If you set you logging interval to 10 seconds or more, you wont "
                                       "have this problem in the future. ");
}

Outcome load(const QByteArray &content, int start, int finish, DayRecords &records)
{
    // Every record of the day first: each one's step comes from the whole day, so a short view
    // weighs its records as the day does.
    std::vector<DailyLogLine::Read> day;
    qsizetype from = 0;
    while (from <= content.size()) {
        qsizetype end = content.indexOf("\r\n", from);
        if (end < 0)
            end = content.size();
        if (const auto record = DailyLogLine::parse(QByteArrayView(content).sliced(from, end - from)))
            day.push_back(*record);
        from = end + 2;
    }
    std::vector<int> times(day.size());
    std::transform(day.begin(), day.end(), times.begin(), [](const DailyLogLine::Read &read) { return read.time; });
    const std::vector<float> steps = RecordSteps::of(times);

    records.count = 0;
    for (size_t at = 0; at < day.size(); ++at) {
        if (day[at].time <= start || day[at].time >= finish)
            continue;
        if (++records.count > DayRecords::kMostRecords)
            return Outcome::TooMany;
        records.set(records.count, day[at].time, day[at].values,
                    steps.empty() ? std::nullopt : std::optional<double>(steps[at]));
    }
    return records.count == 0 ? Outcome::NoData : Outcome::Loaded;
}

} // namespace DayLoader

} // namespace Brolant
