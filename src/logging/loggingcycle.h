// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/framehealth.h"
#include "acquisition/reading.h"
#include "logging/dailylog.h"
#include "logging/intervalmeans.h"
#include "problems/problem.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace Brolant {

class Clock;
class EnergyCounter;
class ProblemLog;

// Logging: every interval the sums become one averaged record in the day's log, and, where
// switched on, a history line, a web page and a spreadsheet row. It owns the interval's sums,
// the daily log and the records it could not write yet; logging is on exactly while its timer
// runs.
class LoggingCycle : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kKeptRetry{5};

    LoggingCycle(const QString &programFolder, EnergyCounter &energy, const Clock &clock, ProblemLog &problems,
                 QObject *parent = nullptr);

    // Which optional outputs each interval writes, and the wind-speed unit they name.
    void setOutputs(bool saveHtml, bool saveExcel, const QString &windSpeedUnits);

    // Starts a fresh interval of `seconds`: the sums are cleared, the first tick comes one
    // interval later.
    void start(double seconds);
    void stop() { m_timer.stop(); }
    bool isRunning() const { return m_timer.isActive(); }
    double intervalSeconds() const { return m_seconds; }
    std::chrono::milliseconds interval() const { return m_timer.intervalAsDuration(); }
    const IntervalSums &sums() const { return m_sums; }
    const QString &windSpeedUnits() const { return m_windSpeedUnits; }

    // The end of an interval.
    void tick();
    // Stops, and makes a last try at the records the daily log could not store; what still cannot
    // be written is reported, one entry a record.
    void end();

    // What the receive path reports: a frame that passed the checks, its reading, the frame counts.
    void countFrame() { ++m_sums.count; }
    void addReading(const Reading &reading);
    void noteHealth(const FrameHealth &health) { m_health = health; }

signals:
    void intervalStarted();
    void intervalLogged(const Record &record);
    // The record's daily-log line is on the disk, so a power cut cannot lose it: what may
    // leave this computer (the broker) waits for this. After intervalLogged; later, in order, for
    // records the daily log could not write at once.
    void recordStored(const Record &record);

private:
    // Reports what the daily log found and whether it wrote the records; returns those it wrote.
    QList<Record> reportWritten(const DailyLog::Written &written);
    void writeKept();
    // Runs one write; a failure is reported as `problem`, a success ends it.
    void attempt(Problem problem, const std::function<void()> &write);

    QString m_programFolder;
    EnergyCounter &m_energy; // settles the day before a record, and gives its total
    const Clock &m_clock;
    ProblemLog &m_problems;
    QTimer m_timer; // Timer1
    // Records the daily log could not write are tried again on their own: logging may stop, and
    // the broker waits for them.
    QTimer m_keptRetry;
    double m_seconds = 0.0;
    IntervalSums m_sums;
    FrameHealth m_health;
    IntervalMeans m_lastMeans;
    DailyLog m_dailyLog;
    bool m_saveHtml = false;
    bool m_saveExcel = false;
    QString m_windSpeedUnits;
};

} // namespace Brolant
