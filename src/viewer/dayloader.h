#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace Brolant {

class DayRecords;

// Reads a day's log back: the records strictly between two times of day, at most 9,999 of them.
// It only reads; a missing file is no data, never a new file.
namespace DayLoader {

// A day logged every second for 24 hours is about 7 MB; far larger is not a day's log.
constexpr qint64 kLargestDayFile = 512LL * 1024 * 1024;

enum class Outcome { Loaded, NoData, TooMany };

// "Over 10,000 records ..." as the user is told; the text ends with a blank.
QString tooManyMessage();

// A time of day as the viewer accepts it: h:mm or hh:mm, optionally :ss, on the 24-hour clock.
// Seconds since midnight, or nothing.
std::optional<int> parseTime(QStringView text);

// One line of a daily log read as a record: its time (seconds since midnight) and the five
// values in series order. Nothing for a line that is no record or whose time is not valid.
struct RecordLine
{
    int time = 0;
    std::array<double, 5> values{};
};
std::optional<RecordLine> readRecord(QByteArrayView line);

// Loads the records of `content` whose time lies strictly between `start` and `finish`
// (seconds since midnight) into `records`.
Outcome load(const QByteArray &content, int start, int finish, DayRecords &records);

} // namespace DayLoader

} // namespace Brolant
