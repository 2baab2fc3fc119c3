// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/daysummary.h"
#include "history/summaryfile.h"
#include "platform/readthreads.h"

#include <QDate>
#include <QFutureWatcher>
#include <QMutex>
#include <QObject>
#include <QPromise>
#include <QString>

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace Brolant {

struct EnergyArchive;

namespace HistoryFiles {
// Every day from `from` to `to`, both included.
std::vector<QDate> daysBetween(const QDate &from, const QDate &to);
} // namespace HistoryFiles

// A file the Energy History could not read, and why ("Permission denied").
struct FileProblem
{
    QString file;
    QString reason;
};

// One day's log as the history knows it.
struct DayReading
{
    QDate date;
    std::shared_ptr<const DaySummary> summary; // none: no records (a missing or unreadable log)
    QString problem;                           // why the log could not be read; empty when it was, or is missing
};

// What a load found of the files it looked at: those it could not read, and those it read.
struct LoadReport
{
    std::vector<FileProblem> problems;
    std::vector<QString> filesRead;

    void add(const std::vector<DayReading> &readings);
    void add(const EnergyArchive &archive);
};

// The program folder's daily logs and energy archive, read on threads of their own and kept for
// every tab: a day is read again only when its log changed, Whours.txt only when it changed.
// What a log gave is also kept in the summaries folder, so the next opening reads little. Its
// owner never waits for its reads: the loads' work keeps it while it runs (shared_ptr).
class HistorySource
{
public:
    explicit HistorySource(QString programFolder);

    // The days' readings in the order asked, a few days at once. `progress` (called from any of
    // the reading threads) is told how many days are done and answers false to stop; the days
    // not read by then have no summary.
    std::vector<DayReading> days(const std::vector<QDate> &days, const std::function<bool(int)> &progress);
    std::shared_ptr<const EnergyArchive> archive();

    // Where the loads run, one after another, so a day asked by two tabs is read once.
    QThreadPool &requests() { return m_requests.pool(); }

private:
    DayReading readDay(const QDate &day);

    QString m_programFolder;
    ReadThreads m_readers;
    ReadThreads m_requests;
    QMutex m_mutex;
    std::map<QDate, std::pair<SummaryFile::LogStamp, std::shared_ptr<const DaySummary>>> m_days;
    SummaryFile::LogStamp m_archiveStamp;
    std::shared_ptr<const EnergyArchive> m_archive;
};

// What a load's work reads through: the source's days and archive, with the load's progress,
// its cancel and the report of the files it looked at.
class HistoryReader
{
public:
    HistoryReader(HistorySource &source, QPromise<std::any> &promise) : m_source(source), m_promise(promise) {}

    std::vector<DayReading> days(const std::vector<QDate> &days);
    std::shared_ptr<const EnergyArchive> archive();
    bool cancelled() const { return m_promise.isCanceled(); }
    const LoadReport &report() const { return m_report; }

private:
    HistorySource &m_source;
    QPromise<std::any> &m_promise;
    int m_daysDone = 0; // by earlier calls of days()
    LoadReport m_report;
};

// One tab's load: its work runs on the source's threads, so the window never waits; progress,
// the report and the result come back as signals on the thread that asked. A new request, or
// cancel() (the user's), ends the one before; a cancelled request reports nothing.
class HistoryLoad final : public QObject
{
    Q_OBJECT

public:
    using Work = std::function<std::any(HistoryReader &)>;

    // The load's work keeps `source` while it runs, so no one need wait for it to end.
    explicit HistoryLoad(std::shared_ptr<HistorySource> source, QObject *parent = nullptr);
    ~HistoryLoad() override;

    // `days`: how many days the work will read, for the progress bar.
    void request(int days, Work work);
    void cancel();

    // The last result, of the type the work returned.
    template <typename Result>
    const Result &result() const
    {
        return std::any_cast<const Result &>(m_result);
    }

signals:
    void progressed(int daysDone, int daysInAll);
    void reported(const Brolant::LoadReport &report);
    void loaded();
    // What is shown stays what the last load that ended brought.
    void cancelled();

private:
    std::shared_ptr<HistorySource> m_source;
    QFutureWatcher<std::any> m_watcher;
    std::any m_result;
    int m_daysInAll = 0;
};

} // namespace Brolant
