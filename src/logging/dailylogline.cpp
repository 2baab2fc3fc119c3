// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/dailylogline.h"

#include "acquisition/reading.h"
#include "logging/intervalmeans.h"
#include "logging/recordmasks.h"
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/numerictext.h"
#include "text/taglookup.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace Brolant {

namespace {
// The mode slot of a record: nothing of the system sets it but to 0.
constexpr int kMode = 0;
// Far beyond anything a battery, a shunt or a turbine reads: such a field is a damaged record,
// and left in it would make the scales and the watt-hours infinite.
constexpr double kLargestValue = 1e9;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

// The text between the first opening and the first closing tag; nothing when either is missing
// or they stand the wrong way round (treated as a missing field).
std::optional<QByteArrayView> field(QByteArrayView line, const char *opening, const char *closing)
{
    const auto found = TagLookup::between(line, QByteArrayView(opening), QByteArrayView(closing));
    if (!found.found())
        return std::nullopt;
    return found.value;
}

// "-12.53", ".50", "245": a plain decimal of up to 15 digits, read from `at` up to `end` or the
// '<' of the tag after it, where `at` is left. Its digits as a whole number are exact in a double,
// and so is the power of ten: one correctly rounded division gives the very value std::from_chars
// gives, in a fraction of the time. Nothing for any other text.
std::optional<double> shortDecimal(const char *&at, const char *end)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15;
    const bool negative = at != end && *at == '-';
    at += negative;
    std::uint64_t digits = 0;
    const auto readDigits = [&] {
        const char *const first = at;
        for (; at != end && unsigned(*at - '0') <= 9; ++at)
            digits = digits * 10 + unsigned(*at - '0');
        return int(at - first);
    };
    const int whole = readDigits();
    int decimals = 0;
    if (at != end && *at == '.') {
        ++at;
        // A point with no digits after it is no plain decimal.
        if ((decimals = readDigits()) == 0)
            return std::nullopt;
    }
    if ((at != end && *at != '<') || whole + decimals == 0 || whole + decimals > kMostDigits)
        return std::nullopt;
    // A whole number (an rpm) needs no division.
    const double value = decimals == 0 ? double(digits) : double(digits) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

double bounded(double value)
{
    return std::fabs(value) <= kLargestValue ? value : 0.0;
}

// A field that is no plain decimal of a written line: a plain number through std::from_chars,
// anything else through the general number rule, which gives the same value for the plain form
// but builds a string.
double fieldValue(QByteArrayView text)
{
    // An empty field (0 rpm is written so) is 0 by either rule.
    if (text.isEmpty())
        return 0.0;
    const char *begin = text.data();
    const char *end = begin + text.size();
    const char *at = begin + (*begin == '-');
    const char *digits = at;
    while (at != end && *at >= '0' && *at <= '9')
        ++at;
    bool plain = at != digits;
    if (plain && at != end && *at == '.') {
        const char *fraction = ++at;
        while (at != end && *at >= '0' && *at <= '9')
            ++at;
        plain = at != fraction;
    }
    double value = 0.0;
    if (!plain || at != end || std::from_chars(begin, end, value).ec != std::errc())
        value = NumericText::valueOrZero(QString::fromLatin1(text));
    return bounded(value);
}

double number(QByteArrayView line, const char *opening, const char *closing)
{
    const auto text = field(line, opening, closing);
    return text ? fieldValue(*text) : 0.0;
}

// hh:mm, as every record is written, without building a string.
std::optional<int> timeOfDay(QByteArrayView text)
{
    const auto digit = [&](int at) { return text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : -1; };
    if (text.size() == 5 && text[2] == ':' && digit(0) >= 0 && digit(1) >= 0 && digit(3) >= 0 && digit(4) >= 0) {
        const int hours = digit(0) * 10 + digit(1);
        const int minutes = digit(3) * 10 + digit(4);
        if (hours <= 23 && minutes <= 59)
            return hours * kSecondsPerHour + minutes * kSecondsPerMinute;
        return std::nullopt;
    }
    return DateText::secondsOfDay(QString::fromLatin1(text));
}

enum class Layout
{
    Written, // as the logging cycle writes it
    // The start of a written line that stops before its last value is whole: the power failed
    // while it was written. Read, it would be a record of zeros where its values were cut off.
    Torn,
    Other,
};

// A line as the logging cycle writes it, read by position: the tags in their order, each once,
// the values plain numbers. Any other line goes the general way, which gives the same values
// for this one (every tag's first occurrence is where it stands here).
// Fills `read` in place: a year of records must not copy each one about.
Layout parseWritten(QByteArrayView line, DailyLogLine::Read &read)
{
    static constexpr QByteArrayView kTags[] = {"</T><V>", "</V><I>", "</I><W>", "</W><R>", "</R><S>", "</S><M>"};
    // One length for all, so comparing a tag costs a few instructions rather than a call.
    constexpr size_t kTagLength = 7;
    static_assert(
        std::all_of(std::begin(kTags), std::end(kTags), [](QByteArrayView tag) { return tag.size() == kTagLength; }));
    constexpr qsizetype kTimeStart = 3;
    constexpr qsizetype kTimeLength = 5;
    // The last value is whole once its closing tag is: the mode and the energy after it are not read.
    constexpr size_t kLastValueClosed = 4; // "</S>"
    if (line.size() < kTimeStart + kTimeLength || std::memcmp(line.data(), "<T>", kTimeStart) != 0)
        return Layout::Other;
    const auto time = timeOfDay(line.sliced(kTimeStart, kTimeLength));
    if (!time)
        return Layout::Other;
    read.time = *time;
    const char *const end = line.data() + line.size();
    const char *at = line.data() + kTimeStart + kTimeLength;
    for (size_t tag = 0; tag < std::size(kTags); ++tag) {
        const size_t left = size_t(end - at);
        if (left < kTagLength || std::memcmp(at, kTags[tag].data(), kTagLength) != 0) {
            const bool last = tag + 1 == std::size(kTags);
            const bool cutHere = left < (last ? kLastValueClosed : kTagLength)
                                 && std::memcmp(at, kTags[tag].data(), left) == 0;
            return cutHere ? Layout::Torn : Layout::Other;
        }
        if (tag + 1 == std::size(kTags))
            break;
        // A field as the logging cycle writes it ("-12.53") is read straight from the bytes, while
        // the tag's end is looked for: a year of records must not pass over each field twice.
        const char *const field = at + kTagLength;
        at = field;
        if (const auto decimal = shortDecimal(at, end)) {
            read.values[tag] = bounded(*decimal);
        } else {
            while (at != end && *at != '<')
                ++at;
            read.values[tag] = fieldValue(QByteArrayView(field, at - field));
        }
        if (at == end)
            return Layout::Torn; // cut in the middle of a value
    }
    if (read.values[3] > kHighestRpm)
        read.values[3] = 0.0;
    return Layout::Written;
}

} // namespace

QString DailyLogLine::format(const Record &record)
{
    const IntervalMeans &means = record.means;
    return QStringLiteral("<T>%1</T><V>%2</V><I>%3</I><W>%4</W><R>%5</R><S>%6</S><M>%7</M>   %8Wh\r\n")
        .arg(DateText::hourMinute(record.time.time()), NumberMask::format(means.volts, RecordMasks::kVolts),
             NumberMask::format(means.amps, RecordMasks::kAmps), NumberMask::format(means.watts, RecordMasks::kWatts),
             NumberMask::format(means.rpm, RecordMasks::kRpm),
             NumberMask::format(means.windSpeed, RecordMasks::kWindSpeed), QString::number(kMode),
             NumberMask::format(record.energy, u"######.0"));
}

std::optional<DailyLogLine::Read> DailyLogLine::parse(QByteArrayView line)
{
    // One object returned by every path, so it is made where the caller keeps it.
    std::optional<Read> read(std::in_place);
    // NUL bytes are never data: what a lost write leaves after a line it cut.
    while (!line.isEmpty() && line.back() == '\0')
        line.chop(1);
    switch (parseWritten(line, *read)) {
    case Layout::Written:
        return read;
    case Layout::Torn:
        read.reset();
        return read;
    case Layout::Other:
        break;
    }
    // A line without a time (the empty lines between loads) is no record; it would stand at
    // 00:00, which no range of the viewer takes in.
    const auto timeText = field(line, "<T>", "</T>");
    const auto time = timeText ? timeOfDay(*timeText) : std::nullopt;
    if (!time) {
        read.reset();
        return read;
    }
    *read = Read{*time,
                 {number(line, "<V>", "</V>"), number(line, "<I>", "</I>"), number(line, "<W>", "</W>"),
                  countedRpm(number(line, "<R>", "</R>")), number(line, "<S>", "</S>")}};
    return read;
}

} // namespace Brolant
