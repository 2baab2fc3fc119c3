#pragma once

#include "logging/dailylog.h"
#include "logging/failureepisode.h"
#include "logging/intervalmeans.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class Clock;
class QDateTime;
class ErrorReporter;
class Lamps;
class MainWindowView;
struct FrameHealth;
struct MainWindowState;

// Logging: every interval the sums become one averaged record in the day's log, and, where
// switched on, a history line, a web page and a spreadsheet row. Logging is on exactly while
// its timer runs.
class LoggingCycle : public QObject
{
    Q_OBJECT

public:
    LoggingCycle(const QString &programFolder, MainWindowState &state, MainWindowView &view,
                 ErrorReporter &errors, Lamps &lamps, const Clock &clock, QObject *parent = nullptr);

    // Starts a fresh interval: the sums are cleared, the first tick comes one interval later.
    void start(std::chrono::milliseconds interval);
    void stop() { m_timer.stop(); }
    // Stops, and makes a last try at the records the daily log could not take; what still cannot
    // be written goes into the error log, one entry a record.
    void end();
    bool isRunning() const { return m_timer.isActive(); }
    const QTimer &timer() const { return m_timer; }
    std::chrono::milliseconds interval() const { return m_timer.intervalAsDuration(); }

    // The end of an interval.
    void tick();

signals:
    // After each interval's record: how many frames it stood on, and the totals since start-up.
    void intervalLogged(const IntervalMeans &means, const FrameHealth &health);

private:
    void writeDailyRecord(const QDateTime &now, const IntervalMeans &means);
    // Runs one write; a failure is logged under `context` when it starts an episode.
    void attempt(FailureEpisode &episode, const QString &context, const std::function<void()> &write,
                 const QString &note = QString());

    QString m_programFolder;
    MainWindowState &m_state;
    MainWindowView &m_view;
    ErrorReporter &m_errors;
    Lamps &m_lamps;
    const Clock &m_clock;
    QTimer m_timer; // Timer1
    IntervalMeans m_lastMeans;
    DailyLog m_dailyLog;
    FailureEpisode m_dailyLogFailing;
    FailureEpisode m_webPageFailing;
    FailureEpisode m_spreadsheetFailing;
};
