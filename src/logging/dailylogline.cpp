#include "logging/dailylogline.h"

#include "acquisition/reading.h"
#include "logging/intervalmeans.h"
#include "logging/recordmasks.h"
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/numerictext.h"
#include "text/taglookup.h"

#include <charconv>
#include <cmath>

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

// A field as the logging cycle writes it ("-12.53") is read straight from the bytes; anything
// else goes through the general number rule. Both give the same value for the plain form, but
// a year of records must not build a string per field.
double fieldValue(QByteArrayView text)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    const char *at = begin + (begin != end && *begin == '-');
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
    return std::fabs(value) <= kLargestValue ? value : 0.0;
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
    if (text.size() == 5 && text[2] == ':' && digit(0) >= 0 && digit(1) >= 0 && digit(3) >= 0
        && digit(4) >= 0) {
        const int hours = digit(0) * 10 + digit(1);
        const int minutes = digit(3) * 10 + digit(4);
        if (hours <= 23 && minutes <= 59)
            return hours * kSecondsPerHour + minutes * kSecondsPerMinute;
        return std::nullopt;
    }
    return DateText::secondsOfDay(QString::fromLatin1(text));
}

} // namespace

QString DailyLogLine::format(const Record &record)
{
    const IntervalMeans &means = record.means;
    return QStringLiteral("<T>%1</T><V>%2</V><I>%3</I><W>%4</W><R>%5</R><S>%6</S><M>%7</M>   %8Wh\r\n")
        .arg(DateText::hourMinute(record.time.time()),
             NumberMask::format(means.volts, RecordMasks::kVolts),
             NumberMask::format(means.amps, RecordMasks::kAmps),
             NumberMask::format(means.watts, RecordMasks::kWatts),
             NumberMask::format(means.rpm, RecordMasks::kRpm),
             NumberMask::format(means.windSpeed, RecordMasks::kWindSpeed), QString::number(kMode),
             NumberMask::format(record.energy, u"######.0"));
}

std::optional<DailyLogLine::Read> DailyLogLine::parse(QByteArrayView line)
{
    // A line without a time (the empty lines between loads) is no record; it would stand at
    // 00:00, which no range of the viewer takes in.
    const auto timeText = field(line, "<T>", "</T>");
    const auto time = timeText ? timeOfDay(*timeText) : std::nullopt;
    if (!time)
        return std::nullopt;
    return Read{*time,
                {number(line, "<V>", "</V>"), number(line, "<I>", "</I>"), number(line, "<W>", "</W>"),
                 countedRpm(number(line, "<R>", "</R>")), number(line, "<S>", "</S>")}};
}

} // namespace Brolant
