// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historycsv.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"

#include <QDir>

namespace Brolant {

namespace HistoryCsv {
namespace {
const QString kLineEnd = QStringLiteral("\r\n");

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}
} // namespace

QString energyFileName(const QDate &month)
{
    return QStringLiteral("energy_%1_%2.csv").arg(month.year()).arg(month.month(), 2, 10, QLatin1Char('0'));
}

QString energyText(const std::vector<DayEnergy> &days)
{
    QString text = QStringLiteral("Date,Wh") + kLineEnd;
    for (const DayEnergy &day : days)
        if (day.hasValue())
            text += DateText::dateStamp(day.day) + u',' + oneDecimal(day.wattHours) + kLineEnd;
    return text;
}

QString powerCurveFileName(const QDate &from, const QDate &to)
{
    return QStringLiteral("powercurve_") + DateText::dateStamp(from) + u'_' + DateText::dateStamp(to)
           + QStringLiteral(".csv");
}

QString powerCurveText(const std::vector<PowerBin> &bins)
{
    QString text = QStringLiteral("Wind,Records,MeanWatts,MaxWatts") + kLineEnd;
    for (const PowerBin &bin : bins)
        text += QString::number(bin.lowerEdge) + u',' + QString::number(bin.records) + u',' + oneDecimal(bin.meanWatts)
                + u',' + oneDecimal(bin.maxWatts) + kLineEnd;
    return text;
}

QString performanceFileName(const QDate &from, const QDate &to)
{
    return QStringLiteral("performance_") + DateText::dateStamp(from) + u'_' + DateText::dateStamp(to)
           + QStringLiteral(".csv");
}

QString performanceText(const TurbinePerformance::Report &report, const RatedCurve &rated)
{
    using TurbinePerformance::figure;
    namespace Decimals = TurbinePerformance::Decimals;
    const auto line = [](const QStringList &fields) { return fields.join(u',') + kLineEnd; };
    QString text = line({QStringLiteral("BinMs"), QStringLiteral("Minutes"), QStringLiteral("MeanMs"),
                         QStringLiteral("MeanWatts"), QStringLiteral("SdWatts"), QStringLiteral("RatedWatts"),
                         QStringLiteral("PercentOfRated")});
    for (const TurbinePerformance::Bin &bin : report.bins)
        text += line({figure(bin.centre, 1), QString::number(bin.minutes), figure(bin.meanMs, Decimals::kMs),
                      figure(bin.meanWatts, Decimals::kWatts), figure(bin.sdWatts, Decimals::kWatts),
                      figure(bin.ratedWatts, Decimals::kWatts), figure(bin.ratedPercent, Decimals::kPercent)});
    text += kLineEnd + line({QStringLiteral("RatedMs"), QStringLiteral("RatedWatts")});
    for (const auto &[speed, watts] : rated.points)
        text += line({QString::number(speed), QString::number(watts)});
    text += kLineEnd
            + line({QStringLiteral("RayleighMeanMs"), QStringLiteral("MeasuredKWh"), QStringLiteral("RatedKWh"),
                    QStringLiteral("PercentOfRated")});
    for (const TurbinePerformance::AnnualEnergy &year : report.annual)
        text += line({figure(year.meanMs, 0), figure(year.measuredKWh, Decimals::kKWh),
                      figure(year.ratedKWh, Decimals::kKWh), figure(year.percentOfRated(), Decimals::kPercent)});
    const auto weibull = [&](double TurbinePerformance::Weibull::*member, int decimals) {
        return report.weibull ? figure((*report.weibull).*member, decimals) : QString();
    };
    text += kLineEnd + line({QStringLiteral("Figure"), QStringLiteral("Value")});
    const std::pair<const char *, QString> figures[] = {
        {"ToMetresPerSecond", report.toMetresPerSecond ? QString::number(*report.toMetresPerSecond) : QString()},
        {"WeibullK", weibull(&TurbinePerformance::Weibull::k, Decimals::kShape)},
        {"WeibullC", weibull(&TurbinePerformance::Weibull::c, Decimals::kMs)},
        {"SiteMeasuredKWh", figure(report.siteMeasuredKWh, Decimals::kKWh)},
        {"SiteRatedKWh", figure(report.siteRatedKWh, Decimals::kKWh)},
        {"EnergyKWh", figure(report.energyKWh, Decimals::kEnergyKWh)},
        {"Hours", figure(report.hours, Decimals::kHours)},
        {"RatedPower", figure(report.ratedPower, Decimals::kWatts)},
        {"CapacityFactor", figure(report.capacityFactor, Decimals::kCapacityFactor)}};
    for (const auto &[name, value] : figures)
        text += line({QLatin1String(name), value});
    return text;
}

Result<QString> write(const QString &programFolder, const QString &name, const QString &text)
{
    const QString folder = ProgramPaths(programFolder).excel();
    QDir().mkpath(folder);
    const QString path = ProgramPaths(programFolder).inExcel(name);
    return TextFile::tryReplace(path, text).andThen([&path]() -> Result<QString> { return path; });
}

} // namespace HistoryCsv

} // namespace Brolant
