#include "viewer/csvexport.h"

#include "logging/recordmasks.h"
#include "text/numbermask.h"
#include "text/rounding.h"
#include "viewer/dayrecords.h"
#include "viewer/viewersettings.h"

#include <optional>

#include <QRegularExpression>
#include <QStringList>

namespace Brolant {

namespace CsvExport {

std::optional<QString> fileName(const QString &dayFile, const QString &startHour,
                                const QString &startMinute, const QString &finishHour,
                                const QString &finishMinute)
{
    const qsizetype dot = dayFile.indexOf(u'.');
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    if (dot <= 0 || dayFile.contains(u'/') || dayFile.contains(u'\\'))
        return std::nullopt;
    for (const QString *box : {&startHour, &startMinute, &finishHour, &finishMinute}) {
        if (!digits.match(*box).hasMatch())
            return std::nullopt;
    }
    return QStringLiteral("%1_%2%3_%4%5.csv")
        .arg(dayFile.left(dot), startHour, startMinute, finishHour, finishMinute);
}

QString text(const DayRecords &records, const ViewRange &range)
{
    QString csv = QStringLiteral("TIME,VOLTS,AMPS,WATTS,RPM,SPEED\r\n");
    for (double at = range.first; at <= range.last; at += 1.0) {
        const long k = long(Rounding::halfEven(at, 0));
        csv += QStringLiteral("%1,%2,%3,%4,%5,%6\r\n")
                   .arg(records.timeText(k),
                        NumberMask::format(records.value(DayRecords::Volts, k), RecordMasks::kVolts),
                        NumberMask::format(records.value(DayRecords::Amps, k), RecordMasks::kAmps),
                        NumberMask::format(records.value(DayRecords::Watts, k), RecordMasks::kWatts),
                        NumberMask::format(records.value(DayRecords::Rpm, k), RecordMasks::kRpm),
                        NumberMask::format(records.value(DayRecords::WindSpeed, k), RecordMasks::kWindSpeed));
    }
    return csv;
}

} // namespace CsvExport

} // namespace Brolant
