#pragma once

#include <QString>

#include <optional>

namespace Brolant {

class DayRecords;
struct ViewRange;

// The records of a view as comma-separated values for a spreadsheet.
namespace CsvExport {

// "P_2010_03_07_0615_1840.csv" from the day file's name and the four time boxes; nothing when no
// file is chosen or a box holds anything but one or two digits (it would not be a plain name).
std::optional<QString> fileName(const QString &dayFile, const QString &startHour,
                                const QString &startMinute, const QString &finishHour,
                                const QString &finishMinute);

// The header, then one line per record position from first to last.
QString text(const DayRecords &records, const ViewRange &range);

} // namespace CsvExport

} // namespace Brolant
