#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace Brolant {

class DayRecords;

// Reads a day's log back: the records strictly between two times of day, at most 9,999 of them.
// It only reads; a missing file is no data, never a new file.
namespace DayLoader {

enum class Outcome { Loaded, NoData, TooMany };

// "Over 10,000 records ..." as the user is told; the text ends with a blank.
QString tooManyMessage();

// A time of day as the viewer accepts it: h:mm or hh:mm, optionally :ss, on the 24-hour clock.
// Seconds since midnight, or nothing.
std::optional<int> parseTime(QStringView text);

// Loads the records of `content` whose time lies strictly between `start` and `finish`
// (seconds since midnight) into `records`.
Outcome load(const QByteArray &content, int start, int finish, DayRecords &records);

} // namespace DayLoader

} // namespace Brolant
