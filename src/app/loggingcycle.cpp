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

#include <QDateTime>

namespace {
// Below this many seconds a slow PC may not keep up with the board.
constexpr double kShortestSafeInterval = 10.0;
const QString kDailyLogNotWritten = QStringLiteral("daily log not written");
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
    const QDateTime now = m_clock.now();
    m_state.energy.settleDay(now);
    const QString dateStamp = DateText::dateStamp(now.date());
    IntervalMeans means;
    if (m_state.sums.count == 0) {
        means = m_lastMeans.reformatted();
        m_errors.log(QStringLiteral(" No valid data recieved during logging interval"), QString());
    } else {
        means = IntervalMeans::of(m_state.sums);
    }
    writeDailyRecord(now, means);

    const ProgramConfig &config = m_state.config;
    if (NumericText::equals(config.savehtml, 1)) {
        attempt(m_webPageFailing, QStringLiteral("web page not written"), [&] {
            Publishing::writeHtml(m_programFolder, means, m_state.energy.total(), config.wsUnits,
                                  m_clock);
        });
    }
    if (NumericText::equals(config.saveExcel, 1)) {
        attempt(m_spreadsheetFailing, QStringLiteral("spreadsheet not written"), [&] {
            Publishing::writeSpreadsheetRow(m_programFolder, dateStamp, means, config.wsUnits,
                                            m_clock);
        });
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

void LoggingCycle::writeDailyRecord(const QDateTime &now, const IntervalMeans &means)
{
    const QString line = logRecordLine(now.time(), means, m_state.loadFlag, m_state.energy.total());
    const QString dateStamp = DateText::dateStamp(now.date());
    attempt(m_dailyLogFailing, kDailyLogNotWritten, [&] { m_dailyLog.append(dateStamp, line); },
            QStringLiteral("records are kept until it can be written"));
}

void LoggingCycle::attempt(FailureEpisode &episode, const QString &context,
                           const std::function<void()> &write, const QString &note)
{
    try {
        write();
        episode.succeeded();
    } catch (const Failure &failure) {
        // The next interval tries again; one entry when the trouble starts, not one per interval.
        if (episode.failed())
            m_errors.log(context, note.isEmpty() ? failure.description
                                                 : QStringLiteral("%1; %2").arg(failure.description, note));
    }
}

void LoggingCycle::end()
{
    stop();
    try {
        m_dailyLog.flush();
    } catch (const Failure &failure) {
        // The last place left: each record whole in the error log, so none is gone without a trace.
        for (const DailyLog::Record &record : m_dailyLog.takeKept())
            m_errors.log(kDailyLogNotWritten,
                         QStringLiteral("%1; the record for %2 was: %3")
                             .arg(failure.description, record.fileName, record.line.trimmed()));
    }
}
