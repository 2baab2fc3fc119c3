#include "text/datetext.h"

#include <QDate>
#include <QTime>

namespace Brolant {

namespace DateText {

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

} // namespace DateText

} // namespace Brolant
