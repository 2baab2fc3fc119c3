// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/energycounter.h"

#include "logging/energyarchive.h"
#include "platform/clock.h"

#include <cmath>

namespace Brolant {

namespace {
constexpr double kTicksPerHour = 3600.0 / double(EnergyCounter::kTick.count());
} // namespace

EnergyCounter::EnergyCounter(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setObjectName(QStringLiteral("Timer3"));
    m_timer.setInterval(kTick);
    connect(&m_timer, &QTimer::timeout, this, &EnergyCounter::tick);
}

void EnergyCounter::start()
{
    m_startedAt = m_clock.now();
    m_timer.start();
}

void EnergyCounter::powerMeasured(double watts)
{
    m_watts = watts;
    m_powerTime = m_clock.monotonic();
}

void EnergyCounter::settleDay()
{
    // Once per change of day, however late the look (a machine suspended over midnight
    // included), and never twice: the new day keeps all of its energy.
    const QDateTime now = m_clock.now();
    QDate finishedDay = m_lastSeenDate;
    // A start seconds before midnight whose first look comes after it: that day is closed too.
    if (!finishedDay.isValid() && m_startedAt.isValid() && m_startedAt <= now
        && m_startedAt.secsTo(now) <= 2 * kTick.count())
        finishedDay = m_startedAt.date();
    m_lastSeenDate = now.date();
    if (!finishedDay.isValid() || finishedDay == now.date())
        return;
    const QString archiveLine = EnergyArchive::line(EnergyArchive::LineKind::Midnight, now, m_total);
    const double finishedTotal = std::exchange(m_total, 0.0);
    emit dayClosed(finishedDay, finishedTotal, archiveLine);
}

void EnergyCounter::tick()
{
    settleDay();
    const bool fresh = m_powerTime && m_clock.monotonic() - *m_powerTime <= kStalePower;
    // The counter guards itself: one infinity would hold the total at infinity until midnight.
    if (fresh && std::isfinite(m_watts) && m_watts > 0.0)
        m_total += m_watts / kTicksPerHour;
}

QString EnergyCounter::exitLine()
{
    settleDay();
    return EnergyArchive::line(EnergyArchive::LineKind::Exit, m_clock.now(), m_total);
}

} // namespace Brolant
