// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyloader.h"

#include "history/daylogreader.h"
#include "logging/dailylogline.h"
#include "logging/energyarchive.h"
#include "platform/programpaths.h"

#include <QFile>
#include <QMutexLocker>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>

namespace Brolant {

namespace {
// About the size of a day's summary: a log this large (a day logged every few seconds) is read
// faster from its summary.
constexpr qint64 kSummaryWorthFrom = 1024 * 1024;

} // namespace

namespace HistoryFiles {
std::vector<QDate> daysBetween(const QDate &from, const QDate &to)
{
    std::vector<QDate> days;
    for (QDate day = from; day.isValid() && day <= to; day = day.addDays(1))
        days.push_back(day);
    return days;
}
} // namespace HistoryFiles

HistorySource::HistorySource(QString programFolder)
    : m_programFolder(std::move(programFolder)),
      // One reader a core; none of them is Qt's shared pool, which the painter draws with.
      m_readers(QThread::idealThreadCount()),
      m_requests(1)
{
}

DayReading HistorySource::readDay(const QDate &day)
{
    const ProgramPaths paths(m_programFolder);
    const QString path = paths.dailyLog(day);
    bool special = false;
    const auto stamp = SummaryFile::LogStamp::of(path, &special);
    if (!stamp)
        return {day, nullptr, QString()};
    // A pipe or a device could keep its reader waiting for ever.
    if (special)
        return {day, nullptr, QStringLiteral("not a regular file")};
    {
        const QMutexLocker lock(&m_mutex);
        if (const auto known = m_days.find(day); known != m_days.end() && known->second.stamp == *stamp)
            return {day, known->second.summary, QString()};
    }
    if (stamp->size > DailyLogLine::kLargestFile)
        return {day, nullptr,
                QStringLiteral("larger than %1 MB, too large to be a day's log")
                    .arg(DailyLogLine::kLargestFile / (1024 * 1024))};
    // A small log reads as fast as its summary would: only large ones are summarised on disk.
    const bool worthSummary = stamp->size >= kSummaryWorthFrom;
    auto summary = worthSummary ? SummaryFile::read(paths.daySummary(day), *stamp) : std::nullopt;
    if (!summary) {
        QFile file(path);
        DayLogReader reader(day);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !reader.readFile(file))
            return {day, nullptr, file.errorString()};
        summary = reader.summary();
        if (worthSummary)
            SummaryFile::write(paths.daySummary(day), *summary, *stamp);
    }
    auto kept = std::make_shared<const DaySummary>(std::move(*summary));
    const QMutexLocker lock(&m_mutex);
    m_days[day] = {*stamp, kept};
    return {day, kept, QString()};
}

std::vector<DayReading> HistorySource::days(const std::vector<QDate> &days, const std::function<bool(int)> &progress)
{
    std::atomic<int> done = 0;
    std::atomic<bool> stopped = false;
    const std::function<DayReading(const QDate &)> readOne = [&](const QDate &day) {
        // A cancelled load leaves the days it has not begun.
        if (stopped || (progress && !progress(done))) {
            stopped = true;
            return DayReading{day, nullptr, QString()};
        }
        DayReading reading = readDay(day);
        if (progress && !progress(++done))
            stopped = true;
        return reading;
    };
    const QList<DayReading> read = QtConcurrent::blockingMapped<QList<DayReading>>(&m_readers.pool(), days, readOne);
    return {read.begin(), read.end()};
}

std::shared_ptr<const EnergyArchive> HistorySource::archive()
{
    const auto stamp = SummaryFile::LogStamp::of(ProgramPaths(m_programFolder).energyArchive())
                           .value_or(SummaryFile::LogStamp{-1});
    const QMutexLocker lock(&m_mutex);
    if (!m_archive || stamp != m_archiveStamp) {
        m_archive = std::make_shared<const EnergyArchive>(EnergyArchive::read(m_programFolder));
        m_archiveStamp = stamp;
    }
    return m_archive;
}

std::vector<DayReading> HistoryReader::days(const std::vector<QDate> &days)
{
    const int before = m_daysDone;
    auto readings = m_source.days(days, [this, before](int done) {
        m_progressed(before + done);
        return !m_cancelled();
    });
    m_daysDone += int(days.size());
    m_report.add(readings);
    return readings;
}

std::shared_ptr<const EnergyArchive> HistoryReader::archive()
{
    auto archive = m_source.archive();
    m_report.add(*archive);
    return archive;
}

void LoadReport::add(const std::vector<DayReading> &readings)
{
    for (const DayReading &reading : readings) {
        const QString file = FileName::dailyLog(reading.date);
        if (!reading.problem.isEmpty())
            problems.push_back({file, reading.problem});
        else if (reading.summary)
            filesRead.push_back(file);
    }
}

void LoadReport::add(const EnergyArchive &archive)
{
    if (!archive.problem.isEmpty())
        problems.push_back({FileName::kEnergyArchive, archive.problem});
    else
        filesRead.push_back(FileName::kEnergyArchive);
}

void HistoryLoad::watch(QFutureWatcherBase &watcher)
{
    m_watcher = &watcher;
    connect(m_watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this](int done) { emit progressed(done, m_daysInAll); });
}

void HistoryLoad::cancel()
{
    // Not waited for: what it still reads ends on its own, and its result is never reported.
    m_watcher->cancel();
    emit cancelled();
}

} // namespace Brolant
