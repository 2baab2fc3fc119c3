// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

namespace Brolant {

struct Record;

// One line of a daily log, written and read here only:
// <T>14:05</T><V>12.53</V><I>5.30</I><W>66.00</W><R>245</R><S>12.0</S><M>0</M>   1234.6Wh
namespace DailyLogLine {

// A day logged every second for 24 hours is about 7 MB; far larger is not a day's log.
constexpr qint64 kLargestFile = 512LL * 1024 * 1024;

// The line of a logged interval, CR LF included.
QString format(const Record &record);

// A line read back: its time (seconds since midnight) and the five values in series order.
struct Read
{
    int time = 0;
    std::array<double, 5> values{};
};
// Nothing for a line that is no record, whose time is not valid, or that a power cut tore before
// its last value was whole.
std::optional<Read> parse(QByteArrayView line);

} // namespace DailyLogLine

} // namespace Brolant
