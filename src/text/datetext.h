#pragma once

#include <QString>

class QDate;
class QTime;

namespace Brolant {

// How dates and times are written into file names and lines.
namespace DateText {

// yyyy_mm_dd: names the daily and spreadsheet files, starts energy and error-log lines.
QString dateStamp(const QDate &date);

// hh:mm on the 24-hour clock.
QString hourMinute(const QTime &time);

} // namespace DateText

} // namespace Brolant
