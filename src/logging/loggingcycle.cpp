// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/loggingcycle.h"

#include "logging/dailylogline.h"
#include "logging/energycounter.h"
#include "logging/recordoutputs.h"
#include "platform/clock.h"
#include "problems/problemlog.h"
#include "text/datetext.h"
#include "text/failure.h"

#include <cmath>

namespace Brolant {

namespace {
constexpr double kMillisecondsPerSecond = 1000.0;
} // namespace

LoggingCycle::LoggingCycle(const QString &programFolder, EnergyCounter &energy, const Clock &clock,
                           ProblemLog &problems, QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_energy(energy),
      m_clock(clock),
      m_problems(problems),
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
        m_problems.report(Problem::NoValidData);
    writeDailyRecord(record);
    if (m_saveHtml) {
        attempt(Problem::WebPageNotWritten,
                [&] { RecordOutputs::writeHtml(m_programFolder, record, m_windSpeedUnits); });
    }
    if (m_saveExcel) {
        attempt(Problem::SpreadsheetNotWritten,
                [&] { RecordOutputs::writeSpreadsheetRow(m_programFolder, record, m_windSpeedUnits); });
    }
    m_lastMeans = record.means;
    m_sums.clear();
    emit intervalLogged(record);
    emit intervalStarted();
}

void LoggingCycle::writeDailyRecord(const Record &record)
{
    const QString line = DailyLogLine::format(record);
    attempt(
        Problem::DailyLogNotWritten, [&] { m_dailyLog.append(record.time.date(), line); },
        QStringLiteral("records are kept until it can be written"));
}

void LoggingCycle::attempt(Problem problem, const std::function<void()> &write, const QString &note)
{
    try {
        write();
        m_problems.resolved(problem);
    } catch (const Failure &failure) {
        // The next interval tries again; the problem log says it once while it lasts.
        m_problems.report(problem, note.isEmpty() ? failure.description
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
            m_problems.report(Problem::DailyLogRecordLost,
                              QStringLiteral("%1; the record for %2 was: %3")
                                  .arg(failure.description, record.fileName, record.line.trimmed()));
    }
}

} // namespace Brolant
