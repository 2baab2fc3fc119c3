#include "logging/energycounter.h"

#include "text/datetext.h"
#include "text/numbermask.h"

#include <QDateTime>

#include <cmath>

namespace {
// A tick is 5 seconds: P watts for one tick is P / 720 watt-hours.
constexpr double kTicksPerHour = 720.0;
} // namespace

void EnergyCounter::settleDay(const QDateTime &now)
{
    // Once per change of day, however late the look (a machine suspended over midnight
    // included), and never twice: the new day keeps all of its energy.
    const bool newDay = m_lastSeenDate.isValid() && now.date() != m_lastSeenDate;
    m_lastSeenDate = now.date();
    if (!newDay)
        return;
    const QString archiveLine = line(now, u',');
    m_total = 0.0;
    emit dayClosed(archiveLine);
}

void EnergyCounter::tick(const QDateTime &now, double watts, const QDateTime &readingTime)
{
    settleDay(now);
    const bool fresh = readingTime.isValid() && readingTime.secsTo(now) <= kStalePowerSeconds;
    // The counter guards itself: one infinity would hold the total at infinity until midnight.
    if (fresh && std::isfinite(watts) && watts > 0.0)
        m_total += watts / kTicksPerHour;
}

QString EnergyCounter::exitLine(const QDateTime &now) const
{
    return line(now, u' ');
}

QString EnergyCounter::line(const QDateTime &now, QChar separator) const
{
    return DateText::dateStamp(now.date()) + separator + DateText::hourMinute(now.time())
           + QStringLiteral("  ") + NumberMask::format(m_total, u"#####.0")
           + QStringLiteral(" Wh\r\n");
}

QString EnergyCounter::archivePath(const QString &programFolder)
{
    return programFolder + QStringLiteral("/logs/Whours.txt");
}
