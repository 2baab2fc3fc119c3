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

QString write(const QString &programFolder, const QString &name, const QString &text)
{
    const QString folder = ProgramPaths(programFolder).excel();
    QDir().mkpath(folder);
    const QString path = ProgramPaths(programFolder).inExcel(name);
    TextFile::replace(path, text);
    return path;
}

} // namespace HistoryCsv

} // namespace Brolant
