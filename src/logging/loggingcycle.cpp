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
    m_keptRetry.setInterval(kKeptRetry);
    connect(&m_keptRetry, &QTimer::timeout, this, &LoggingCycle::writeKept);
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
    const QList<Record> stored = reportWritten(m_dailyLog.append(record));
    if (m_saveHtml) {
        attempt(Problem::WebPageNotWritten,
                [&] { m_problems.reportTornEnd(RecordOutputs::writeHtml(m_programFolder, record, m_windSpeedUnits)); });
    }
    if (m_saveExcel) {
        attempt(Problem::SpreadsheetNotWritten, [&] {
            m_problems.reportTornEnd(RecordOutputs::writeSpreadsheetRow(m_programFolder, record, m_windSpeedUnits));
        });
    }
    m_lastMeans = record.means;
    m_sums.clear();
    emit intervalLogged(record);
    for (const Record &written : stored)
        emit recordStored(written);
    emit intervalStarted();
}

QList<Record> LoggingCycle::reportWritten(const DailyLog::Written &written)
{
    for (const TextFile::TornEnd &torn : written.tornEnds)
        m_problems.reportTornEnd(torn);
    if (!written.flushed)
        m_problems.report(
            Problem::DailyLogNotWritten,
            QStringLiteral("%1; records are kept until it can be written").arg(written.flushed.failure().description));
    else
        m_problems.resolved(Problem::DailyLogNotWritten);
    if (!written.flushed)
        m_keptRetry.start();
    else
        m_keptRetry.stop();
    return written.stored;
}

void LoggingCycle::writeKept()
{
    for (const Record &record : reportWritten(m_dailyLog.flush()))
        emit recordStored(record);
}

void LoggingCycle::attempt(Problem problem, const std::function<void()> &write)
{
    try {
        write();
        m_problems.resolved(problem);
    } catch (const Failure &failure) {
        // The next interval tries again; the problem log reports it once while it lasts.
        m_problems.report(problem, failure.description);
    }
}

void LoggingCycle::end()
{
    stop();
    const DailyLog::Written written = m_dailyLog.flush();
    for (const Record &record : reportWritten(written))
        emit recordStored(record);
    m_keptRetry.stop();
    if (written.flushed)
        return;
    // The last place left: each record whole in the error log, so none is gone without a trace.
    for (const DailyLog::Kept &kept : m_dailyLog.takeKept())
        m_problems.report(Problem::DailyLogRecordLost,
                          QStringLiteral("%1; the record for %2 was: %3")
                              .arg(written.flushed.failure().description, kept.fileName, kept.line.trimmed()));
}

} // namespace Brolant
