// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/datetext.h"

#include <QDate>
#include <QStringView>
#include <QTime>

namespace Brolant {

namespace DateText {

namespace {
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

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

QString dateStamp(const QDate &date)
{
    return QStringLiteral("%1_%2_%3")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString hourMinute(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

std::optional<int> secondsOfDay(QStringView text)
{
    const auto parts = text.split(u':');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!twoDigitsOrOne(parts[0], 23, hours) || parts[1].size() != 2 || !twoDigitsOrOne(parts[1], 59, minutes)
        || (parts.size() == 3 && (parts[2].size() != 2 || !twoDigitsOrOne(parts[2], 59, seconds))))
        return std::nullopt;
    return hours * kSecondsPerHour + minutes * kSecondsPerMinute + seconds;
}

} // namespace DateText

} // namespace Brolant
