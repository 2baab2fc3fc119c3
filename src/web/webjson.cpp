// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webjson.h"

#include "alarms/alarmservice.h"
#include "logging/dailylogline.h"
#include "logging/intervalmeans.h"
#include "logging/readingpayload.h"
#include "text/datetext.h"
#include "text/rounding.h"
#include "web/webhistory.h"

#include <QDate>
#include <QJsonArray>
#include <QTime>

#include <array>

namespace Brolant {

namespace {
// The series of a daily log record, in the reader's order.
const std::array<QString, 5> kSeries{PayloadName::kVolts, PayloadName::kAmps, PayloadName::kWatts, PayloadName::kRpm,
                                     PayloadName::kWind};
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kBinDecimals = 1; // as the power curve's spreadsheet writes its watts

QString timeText(int secondsOfDay)
{
    return DateText::hourMinute(QTime::fromMSecsSinceStartOfDay(secondsOfDay * kMillisecondsPerSecond));
}

QJsonValue wattHoursOrNull(const std::optional<double> &wattHours)
{
    return wattHours ? QJsonValue(ReadingPayload::wattHours(*wattHours)) : QJsonValue(QJsonValue::Null);
}

QJsonValue alarm(const AlarmChange &change, bool acknowledged)
{
    return QJsonObject{{QStringLiteral("name"), change.definition().name},
                       {QStringLiteral("value"), change.numberText().toDouble()},
                       {QStringLiteral("unit"), change.definition().unit},
                       {QStringLiteral("text"), change.valueText()},
                       {PayloadName::kTime, ReadingPayload::isoTime(change.time)},
                       {QStringLiteral("acknowledged"), acknowledged}};
}

// The files a figure lacks: [{"file":"Whours.txt","reason":"Permission denied"}].
QJsonArray unreadable(const std::vector<FileProblem> &problems)
{
    QJsonArray files;
    for (const FileProblem &problem : problems)
        files.append(QJsonObject{{QStringLiteral("file"), problem.file}, {QStringLiteral("reason"), problem.reason}});
    return files;
}
} // namespace

namespace WebJson {

QJsonObject day(const QDate &date, const QByteArray &content)
{
    QJsonArray times;
    std::array<QJsonArray, kSeries.size()> columns;
    qsizetype from = 0;
    while (from < content.size()) {
        qsizetype end = content.indexOf('\n', from);
        if (end < 0)
            end = content.size();
        const auto read = DailyLogLine::parse(QByteArrayView(content).sliced(from, end - from));
        from = end + 1;
        if (!read)
            continue;
        times.append(timeText(read->time));
        for (size_t series = 0; series < kSeries.size(); ++series)
            columns[series].append(read->values[series]);
    }
    QJsonObject object{{QStringLiteral("date"), date.toString(Qt::ISODate)}, {PayloadName::kTime, times}};
    for (size_t series = 0; series < kSeries.size(); ++series)
        object.insert(kSeries[series], columns[series]);
    return object;
}

QJsonObject record(const Record &record)
{
    // Through the log's own line and reader, so the page shows what a reload will show.
    const auto read = DailyLogLine::parse(DailyLogLine::format(record).toLatin1());
    QJsonObject object{{QStringLiteral("date"), record.time.date().toString(Qt::ISODate)}};
    if (!read)
        return object;
    object.insert(PayloadName::kTime, timeText(read->time));
    for (size_t series = 0; series < kSeries.size(); ++series)
        object.insert(kSeries[series], read->values[series]);
    return object;
}

QJsonObject energy(const WebHistory::MonthEnergy &energy)
{
    QJsonArray days;
    for (const WebHistory::DayWattHours &day : energy.days)
        days.append(QJsonObject{{QStringLiteral("date"), day.day.toString(Qt::ISODate)},
                                {PayloadName::kWattHours, wattHoursOrNull(day.wattHours)},
                                {QStringLiteral("computed"), day.computed}});
    return {{QStringLiteral("month"), energy.month.toString(QStringLiteral("yyyy-MM"))},
            {QStringLiteral("days"), days},
            {QStringLiteral("total"), wattHoursOrNull(energy.total)},
            {QStringLiteral("mean"), wattHoursOrNull(energy.mean)},
            {QStringLiteral("damagedLines"), energy.damagedLines},
            {QStringLiteral("unreadable"), unreadable(energy.unreadable)}};
}

QJsonObject powerCurve(const WebHistory::PowerCurveData &curve)
{
    QJsonArray bins;
    for (const WebHistory::WindBin &bin : curve.bins)
        bins.append(QJsonObject{{PayloadName::kWind, bin.wind},
                                {QStringLiteral("meanWind"), Rounding::halfAway(bin.meanWind, kBinDecimals)},
                                {QStringLiteral("records"), bin.records},
                                {QStringLiteral("meanWatts"), Rounding::halfAway(bin.meanWatts, kBinDecimals)},
                                {QStringLiteral("maxWatts"), Rounding::halfAway(bin.maxWatts, kBinDecimals)},
                                {QStringLiteral("faint"), bin.faint}});
    return {{QStringLiteral("from"), curve.from.toString(Qt::ISODate)},
            {QStringLiteral("to"), curve.to.toString(Qt::ISODate)},
            {QStringLiteral("records"), double(curve.records)},
            {QStringLiteral("bins"), bins},
            {QStringLiteral("unreadable"), unreadable(curve.unreadable)}};
}

QJsonObject alarms(const AlarmBoard &board)
{
    QJsonArray raised;
    for (const AlarmBoard::Entry &entry : board.raised())
        raised.append(alarm(entry.change, entry.acknowledged));
    QJsonArray cleared;
    for (const AlarmChange &change : board.cleared())
        cleared.append(alarm(change, false));
    return {{QStringLiteral("raised"), raised}, {QStringLiteral("cleared"), cleared}};
}

} // namespace WebJson

} // namespace Brolant
