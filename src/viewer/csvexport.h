// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace Brolant {

class DayRecords;
struct ViewRange;

// The records of a view as comma-separated values for a spreadsheet.
namespace CsvExport {

// "P_2010_03_07_0615_1840.csv" from the day file's name and the times of the view's first and
// last record; nothing when no file is chosen or its name has no base before a ".".
std::optional<QString> fileName(const QString &dayFile, const DayRecords &records, const ViewRange &range);

// The header, then one line per record position from first to last.
QString text(const DayRecords &records, const ViewRange &range);

} // namespace CsvExport

} // namespace Brolant
