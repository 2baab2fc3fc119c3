#include "viewer/dayloader.h"

#include "logging/dailylogline.h"
#include "viewer/dayrecords.h"

#include <QByteArray>
#include <QList>


namespace Brolant {

namespace DayLoader {

QString tooManyMessage()
{
    return QStringLiteral("Over 10,000 records, too many to display. Please use a smaller time "
                          "range. If you set you logging interval to 10 seconds or more, you wont "
                          "have this problem in the future. ");
}

Outcome load(const QByteArray &content, int start, int finish, DayRecords &records)
{
    records.count = 0;
    qsizetype from = 0;
    while (from <= content.size()) {
        qsizetype end = content.indexOf("\r\n", from);
        if (end < 0)
            end = content.size();
        const QByteArrayView line = QByteArrayView(content).sliced(from, end - from);
        from = end + 2;

        const auto record = DailyLogLine::parse(line);
        if (!record || record->time <= start || record->time >= finish)
            continue;
        if (++records.count > DayRecords::kMostRecords)
            return Outcome::TooMany;
        records.set(records.count, record->time, record->values);
    }
    return records.count == 0 ? Outcome::NoData : Outcome::Loaded;
}

} // namespace DayLoader

} // namespace Brolant
