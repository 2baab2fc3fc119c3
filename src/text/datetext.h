// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QDate;
class QTime;

namespace Brolant {

// How dates and times are written into file names and lines.
namespace DateText {

// yyyy_mm_dd: names the daily and spreadsheet files, starts energy and error-log lines.
QString dateStamp(const QDate &date);

// hh:mm on the 24-hour clock.
QString hourMinute(const QTime &time);

// A time of day as a user may type it: h:mm or hh:mm, optionally :ss, on the 24-hour clock.
// Seconds since midnight, or nothing.
std::optional<int> secondsOfDay(QStringView text);

} // namespace DateText

} // namespace Brolant
