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

QJsonObject performance(const WebHistory::PerformanceData &data)
{
    namespace Decimals = TurbinePerformance::Decimals;
    const TurbinePerformance::Report &report = data.report;
    const auto rounded = [](const std::optional<double> &value, int decimals) -> QJsonValue {
        return value ? QJsonValue(Rounding::halfAway(*value, decimals)) : QJsonValue(QJsonValue::Null);
    };
    QJsonArray bins;
    for (const TurbinePerformance::Bin &bin : report.bins)
        bins.append(QJsonObject{{QStringLiteral("ms"), bin.centre},
                                {QStringLiteral("meanMs"), rounded(bin.meanMs, Decimals::kMs)},
                                {QStringLiteral("meanWatts"), rounded(bin.meanWatts, Decimals::kWatts)},
                                {QStringLiteral("sdWatts"), rounded(bin.sdWatts, Decimals::kWatts)},
                                {QStringLiteral("minutes"), bin.minutes},
                                {QStringLiteral("ratedWatts"), rounded(bin.ratedWatts, Decimals::kWatts)},
                                {QStringLiteral("ratedPercent"), rounded(bin.ratedPercent, Decimals::kPercent)}});
    QJsonArray annual;
    for (const TurbinePerformance::AnnualEnergy &year : report.annual)
        annual.append(
            QJsonObject{{QStringLiteral("meanMs"), year.meanMs},
                        {QStringLiteral("measuredKWh"), rounded(year.measuredKWh, Decimals::kKWh)},
                        {QStringLiteral("ratedKWh"), rounded(year.ratedKWh, Decimals::kKWh)},
                        {QStringLiteral("percentOfRated"), rounded(year.percentOfRated(), Decimals::kPercent)}});
    const QJsonValue weibull = report.weibull ? QJsonValue(
                                   QJsonObject{{QStringLiteral("k"), rounded(report.weibull->k, Decimals::kShape)},
                                               {QStringLiteral("c"), rounded(report.weibull->c, Decimals::kMs)}})
                                              : QJsonValue(QJsonValue::Null);
    return {{QStringLiteral("from"), data.from.toString(Qt::ISODate)},
            {QStringLiteral("to"), data.to.toString(Qt::ISODate)},
            {QStringLiteral("windUnits"), data.windUnits},
            {QStringLiteral("toMetresPerSecond"),
             report.toMetresPerSecond ? QJsonValue(*report.toMetresPerSecond) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("slowerThanAMinute"), report.slowerThanAMinute},
            {QStringLiteral("bins"), bins},
            {QStringLiteral("aep"), annual},
            {QStringLiteral("weibull"), weibull},
            {QStringLiteral("siteKWh"),
             QJsonObject{{QStringLiteral("measured"), rounded(report.siteMeasuredKWh, Decimals::kKWh)},
                         {QStringLiteral("rated"), rounded(report.siteRatedKWh, Decimals::kKWh)}}},
            {QStringLiteral("energyKWh"), rounded(report.energyKWh, Decimals::kEnergyKWh)},
            {QStringLiteral("hours"), rounded(report.hours, Decimals::kHours)},
            {QStringLiteral("capacityFactor"), rounded(report.capacityFactor, Decimals::kCapacityFactor)},
            {QStringLiteral("ratedPower"), rounded(report.ratedPower, Decimals::kWatts)},
            {QStringLiteral("problem"), data.problem},
            {QStringLiteral("unreadable"), unreadable(data.unreadable)}};
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
