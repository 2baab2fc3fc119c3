#include "logging/loggingcycle.h"

#include "logging/dailylogline.h"
#include "logging/energycounter.h"
#include "logging/publishing.h"
#include "platform/clock.h"
#include "text/datetext.h"
#include "text/failure.h"

#include <cmath>

namespace Brolant {

namespace {
constexpr double kMillisecondsPerSecond = 1000.0;
const QString kDailyLogNotWritten = QStringLiteral("daily log not written");
} // namespace

LoggingCycle::LoggingCycle(const QString &programFolder, EnergyCounter &energy, const Clock &clock,
                           QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_energy(energy),
      m_clock(clock),
      m_dailyLog(programFolder)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer, &QTimer::timeout, this, &LoggingCycle::tick);
}

void LoggingCycle::setOutputs(bool saveHtml, bool saveExcel, const QString &windSpeedUnits)
{
    m_saveHtml = saveHtml;
    m_saveExcel = saveExcel;
    m_windSpeedUnits = windSpeedUnits;
}

void LoggingCycle::start(double seconds)
{
    m_seconds = seconds;
    m_timer.setInterval(std::chrono::milliseconds(std::llround(seconds * kMillisecondsPerSecond)));
    m_timer.start();
    m_sums.clear();
    emit intervalStarted();
}

void LoggingCycle::addReading(const Reading &reading)
{
    if (isRunning())
        m_sums.add(reading);
}

void LoggingCycle::tick()
{
    m_energy.settleDay();
    Record record;
    record.time = m_clock.now();
    record.repeated = m_sums.count == 0;
    record.means = record.repeated ? m_lastMeans : IntervalMeans::of(m_sums);
    record.energy = m_energy.total();
    record.health = m_health;
    if (record.repeated)
        emit problemFound(QStringLiteral(" No valid data recieved during logging interval"), QString());
    writeDailyRecord(record);
    if (m_saveHtml) {
        attempt(m_webPageFailing, QStringLiteral("web page not written"),
                [&] { Publishing::writeHtml(m_programFolder, record, m_windSpeedUnits); });
    }
    if (m_saveExcel) {
        attempt(m_spreadsheetFailing, QStringLiteral("spreadsheet not written"),
                [&] { Publishing::writeSpreadsheetRow(m_programFolder, record, m_windSpeedUnits); });
    }
    m_lastMeans = record.means;
    m_sums.clear();
    emit intervalLogged(record);
    emit intervalStarted();
}

void LoggingCycle::writeDailyRecord(const Record &record)
{
    const QString line = DailyLogLine::format(record);
    attempt(m_dailyLogFailing, kDailyLogNotWritten, [&] { m_dailyLog.append(record.time.date(), line); },
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
            emit problemFound(context, note.isEmpty() ? failure.description
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
            emit problemFound(kDailyLogNotWritten,
                              QStringLiteral("%1; the record for %2 was: %3")
                                  .arg(failure.description, record.fileName, record.line.trimmed()));
    }
}

} // namespace Brolant
