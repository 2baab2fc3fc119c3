#include "logging/energycounter.h"

#include "text/datetext.h"
#include "text/numbermask.h"

#include <QDateTime>

namespace {
// A tick is 5 seconds: P watts for one tick is P / 720 watt-hours.
constexpr double kTicksPerHour = 720.0;
} // namespace

std::optional<QString> EnergyCounter::tick(const QDateTime &now, double watts,
                                           const QDateTime &readingTime)
{
    std::optional<QString> archived;
    // Once per change of day, however late the tick (a machine suspended over midnight
    // included), and never twice: the new day keeps all of its energy.
    if (m_lastTickDate.isValid() && now.date() != m_lastTickDate) {
        archived = line(now, u',');
        m_total = 0.0;
    }
    m_lastTickDate = now.date();
    if (readingTime.isValid() && readingTime.secsTo(now) <= kStalePowerSeconds)
        m_total += watts / kTicksPerHour;
    return archived;
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
