// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/csvexport.h"

#include "logging/recordmasks.h"
#include "text/numbermask.h"
#include "text/rounding.h"
#include "viewer/dayrecords.h"
#include "viewer/viewersettings.h"

#include <QStringList>

#include <optional>

namespace Brolant {

namespace CsvExport {

std::optional<QString> fileName(const QString &dayFile, const DayRecords &records, const ViewRange &range)
{
    const qsizetype dot = dayFile.indexOf(u'.');
    if (dot <= 0 || dayFile.contains(u'/') || dayFile.contains(u'\\'))
        return std::nullopt;
    const auto hhmm = [&records](double position) {
        return records.timeText(long(Rounding::halfEven(position, 0))).remove(u':');
    };
    return QStringLiteral("%1_%2_%3.csv").arg(dayFile.left(dot), hhmm(range.first), hhmm(range.last));
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
