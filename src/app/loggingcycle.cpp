#include "app/loggingcycle.h"

#include "app/errorreporter.h"
#include "app/lamps.h"
#include "app/mainwindowstate.h"
#include "app/mainwindowview.h"
#include "logging/publishing.h"
#include "platform/clock.h"
#include "text/datetext.h"
#include "text/failure.h"
#include "text/numerictext.h"

namespace {
// Below this many seconds a slow PC may not keep up with the board.
constexpr double kShortestSafeInterval = 10.0;
} // namespace

LoggingCycle::LoggingCycle(const QString &programFolder, MainWindowState &state,
                           MainWindowView &view, ErrorReporter &errors, Lamps &lamps,
                           const Clock &clock, QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_state(state),
      m_view(view),
      m_errors(errors),
      m_lamps(lamps),
      m_clock(clock),
      m_dailyLog(programFolder)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer, &QTimer::timeout, this, &LoggingCycle::tick);
}

void LoggingCycle::start(std::chrono::milliseconds interval)
{
    m_timer.setInterval(interval);
    m_timer.start();
    m_state.sums.clear();
    m_state.health.thisInterval = FrameCounts();
}

void LoggingCycle::tick()
{
    m_lamps.flashLog();
    const QString dateStamp = DateText::dateStamp(m_clock.now().date());
    IntervalMeans means;
    if (m_state.sums.count == 0) {
        means = m_lastMeans.reformatted();
        m_errors.log(QStringLiteral(" No valid data recieved during logging interval"), QString());
    } else {
        means = IntervalMeans::of(m_state.sums);
    }
    writeDailyRecord(dateStamp, means);

    const ProgramConfig &config = m_state.config;
    if (NumericText::equals(config.savehtml, 1))
        Publishing::writeHtml(m_programFolder, means, m_state.energy.total(), config.wsUnits, m_clock);
    if (NumericText::equals(config.saveExcel, 1)) {
        try {
            Publishing::writeSpreadsheetRow(m_programFolder, dateStamp, means, config.wsUnits,
                                            m_clock);
        } catch (const Failure &) {
            // Skipped like every optional output; the next interval tries again.
        }
    }
    m_lastMeans = means;
    m_state.sums.clear();
    emit intervalLogged(means, m_state.health);
    m_state.health.thisInterval = FrameCounts();
    m_view.showFrameHealth(m_state.health.summary());
    m_view.showStatus(QStringLiteral("COMMS data buffer cleared"));
    if (NumericText::leadingNumber(m_view.interval()) < kShortestSafeInterval)
        m_view.showError(QStringLiteral("Caution Logging interval 2 short, Data Overflow may occur"));
}

void LoggingCycle::writeDailyRecord(const QString &dateStamp, const IntervalMeans &means)
{
    const QString line = logRecordLine(m_clock.now().time(), means, m_state.loadFlag,
                                       m_state.energy.total());
    try {
        m_dailyLog.append(dateStamp, line);
        m_dailyLogFailing = false;
    } catch (const Failure &failure) {
        // One entry when the trouble starts, not one per interval; the records wait in memory.
        if (!m_dailyLogFailing)
            m_errors.log(QStringLiteral("daily log not written"),
                         QStringLiteral("%1; records are kept until it can be written")
                             .arg(failure.description));
        m_dailyLogFailing = true;
    }
}
