#include "viewer/dayloader.h"

#include "acquisition/reading.h"
#include "text/numerictext.h"
#include "text/taglookup.h"
#include "viewer/dayrecords.h"

#include <QByteArray>
#include <QList>

#include <charconv>
#include <cmath>

namespace Brolant {

namespace DayLoader {
namespace {
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
    return parseTime(QString::fromLatin1(text));
}

bool twoDigitsOrOne(QStringView text, int highest, int &value)
{
    if (text.isEmpty() || text.size() > 2)
        return false;
    value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= highest;
}
} // namespace

QString tooManyMessage()
{
    return QStringLiteral("Over 10,000 records, too many to display. Please use a smaller time "
                          "range. If you set you logging interval to 10 seconds or more, you wont "
                          "have this problem in the future. ");
}

std::optional<int> parseTime(QStringView text)
{
    const auto parts = text.split(u':');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!twoDigitsOrOne(parts[0], 23, hours) || parts[1].size() != 2
        || !twoDigitsOrOne(parts[1], 59, minutes)
        || (parts.size() == 3 && (parts[2].size() != 2 || !twoDigitsOrOne(parts[2], 59, seconds))))
        return std::nullopt;
    return hours * kSecondsPerHour + minutes * kSecondsPerMinute + seconds;
}

std::optional<RecordLine> readRecord(QByteArrayView line)
{
    // A line without a time (the empty lines between loads) is no record; it would stand at
    // 00:00, which no range of the viewer takes in.
    const auto timeText = field(line, "<T>", "</T>");
    const auto time = timeText ? timeOfDay(*timeText) : std::nullopt;
    if (!time)
        return std::nullopt;
    double rpm = number(line, "<R>", "</R>");
    if (rpm > kHighestRpm)
        rpm = 0.0;
    return RecordLine{*time,
                      {number(line, "<V>", "</V>"), number(line, "<I>", "</I>"),
                       number(line, "<W>", "</W>"), rpm, number(line, "<S>", "</S>")}};
}

Outcome load(const QByteArray &content, int start, int finish, DayRecords &records)
{
    records.count = 0;
    qsizetype from = 0;
    while (from <= content.size()) {
        qsizetype end = content.indexOf("\r\n", from);
        if (end < 0)
            end = content.size();
        const QByteArrayView line = QByteArrayView(content).sliced(from, end - from);
        from = end + 2;

        const auto record = readRecord(line);
        if (!record || record->time <= start || record->time >= finish)
            continue;
        if (++records.count > DayRecords::kMostRecords)
            return Outcome::TooMany;
        records.set(records.count, record->time, record->values);
    }
    return records.count == 0 ? Outcome::NoData : Outcome::Loaded;
}

} // namespace DayLoader

} // namespace Brolant
