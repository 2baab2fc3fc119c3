// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Brolant {

class DayRecords;

// Reads a day's log back: the records strictly between two times of day, at most 9,999 of them.
// It only reads; a missing file is no data, never a new file.
namespace DayLoader {

enum class Outcome
{
    Loaded,
    NoData,
    TooMany
};

// "Over 10,000 records ..." as the user is shown it; the text ends with a blank.
QString tooManyMessage();

// Loads the records of `content` whose time lies strictly between `start` and `finish`
// (seconds since midnight) into `records`.
Outcome load(const QByteArray &content, int start, int finish, DayRecords &records);

} // namespace DayLoader

} // namespace Brolant
