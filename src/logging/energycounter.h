// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <optional>

namespace Brolant {


// The watt-hours delivered since start-up or since the last midnight, integrated from the latest
// power every 5 seconds, with the lines it leaves in logs/Whours.txt (written by whoever listens
// to dayClosed). It starts at 0 once, when it is made: every run of the program is a new total.
class EnergyCounter : public QObject
{
    Q_OBJECT

public:
    // The energy tick: P watts for one tick is P / 720 watt-hours.
    static constexpr std::chrono::seconds kTick{5};
    // A power older than this is not integrated: a board that died at 500 W adds nothing all night.
    static constexpr std::chrono::seconds kStalePower{60};

    explicit EnergyCounter(const Clock &clock, QObject *parent = nullptr);

    double total() const { return m_total; }
    // Runs the 5-second tick (Timer3) until stop().
    void start();
    void stop() { m_timer.stop(); }

    // The latest power, from an accepted frame now.
    void powerMeasured(double watts);
    // No power is known until the next frame.
    void forgetPower() { m_powerTime.reset(); }

    // The first look at the clock on a new date closes the finished day: dayClosed carries its
    // archive line and the count starts again. Every user of the total calls this first, so no
    // record of the new day carries yesterday's energy, whichever timer comes first.
    void settleDay();

    // One 5-second tick: the day is settled, then the tick's energy is added while the power is
    // fresh. A power that is not a finite positive number adds nothing.
    void tick();

    // The line written when the program ends: the date, a blank, the time and the total. The day
    // is settled first, so an end in the first seconds of a day closes yesterday before it.
    QString exitLine();

signals:
    // The finished day, its watt-hours, and the line it leaves in Whours.txt.
    void dayClosed(const QDate &day, double wattHours, const QString &archiveLine);

private:
    const Clock &m_clock;
    QTimer m_timer;
    double m_total = 0.0;
    double m_watts = 0.0;
    std::optional<MonotonicTime> m_powerTime;
    QDate m_lastSeenDate;
    QDateTime m_startedAt;
};

} // namespace Brolant
