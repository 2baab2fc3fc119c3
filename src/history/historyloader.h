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
#include <QtConcurrent/QtConcurrentRun>

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
    // the reading threads) receives how many days are done and answers false to stop; the days
    // not read by then have no summary.
    std::vector<DayReading> days(const std::vector<QDate> &days, const std::function<bool(int)> &progress);
    std::shared_ptr<const EnergyArchive> archive();

    // Where the loads run, one after another, so a day asked by two tabs is read once.
    QThreadPool &threadPool() { return m_requests.pool(); }

private:
    DayReading readDay(const QDate &day);

    QString m_programFolder;
    ReadThreads m_readers;
    ReadThreads m_requests;
    QMutex m_mutex;
    // A day's summary, with the stamp of the log it was made from.
    struct KnownDay
    {
        SummaryFile::LogStamp stamp;
        std::shared_ptr<const DaySummary> summary;
    };
    std::map<QDate, KnownDay> m_days;
    SummaryFile::LogStamp m_archiveStamp;
    std::shared_ptr<const EnergyArchive> m_archive;
};

// What a load's work reads through: the source's days and archive, with the load's progress,
// its cancel and the report of the files it looked at.
class HistoryReader
{
public:
    // `progressed` receives how many days are done; `cancelled` returns whether the load was cancelled.
    HistoryReader(HistorySource &source, std::function<void(int)> progressed, std::function<bool()> cancelled)
        : m_source(source), m_progressed(std::move(progressed)), m_cancelled(std::move(cancelled))
    {
    }

    std::vector<DayReading> days(const std::vector<QDate> &days);
    std::shared_ptr<const EnergyArchive> archive();
    bool cancelled() const { return m_cancelled(); }
    const LoadReport &report() const { return m_report; }

private:
    HistorySource &m_source;
    std::function<void(int)> m_progressed;
    std::function<bool()> m_cancelled;
    int m_daysDone = 0; // by earlier calls of days()
    LoadReport m_report;
};

// A load whatever its result's type: its signals and its cancel, for a tab's status row and the
// history window.
class HistoryLoad : public QObject
{
    Q_OBJECT

public:
    void cancel();

signals:
    void progressed(int daysDone, int daysInAll);
    void reported(const Brolant::LoadReport &report);
    void loaded();
    // What is shown stays what the last load that ended brought.
    void cancelled();

protected:
    using QObject::QObject;
    // Called by the load once its watcher is made: the progress goes out as progressed().
    void watch(QFutureWatcherBase &watcher);
    void started(int daysInAll) { m_daysInAll = daysInAll; }

private:
    QFutureWatcherBase *m_watcher = nullptr;
    int m_daysInAll = 0;
};

// One tab's load: its work runs on the source's threads, so the window never waits; progress,
// the report and the result of type `Value` come back as signals on the thread that asked. A new
// request, or cancel() (the user's), ends the one before; a cancelled request reports nothing.
template <typename Value>
class HistoryLoadOf final : public HistoryLoad
{
public:
    using Work = std::function<Value(HistoryReader &)>;

    // The load's work keeps `source` while it runs, so no one need wait for it to end.
    explicit HistoryLoadOf(std::shared_ptr<HistorySource> source, QObject *parent = nullptr)
        : HistoryLoad(parent), m_source(std::move(source))
    {
        watch(m_watcher);
        connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
            if (m_watcher.isCanceled() || m_watcher.future().resultCount() == 0)
                return;
            Outcome outcome = m_watcher.result();
            m_result = std::move(outcome.result);
            emit reported(outcome.report);
            emit loaded();
        });
    }
    ~HistoryLoadOf() override { m_watcher.cancel(); }

    // `days`: how many days the work will read, for the progress bar.
    void request(int days, Work work)
    {
        m_watcher.cancel();
        started(days);
        m_watcher.setFuture(QtConcurrent::run(
            &m_source->threadPool(), [source = m_source, days, work = std::move(work)](QPromise<Outcome> &promise) {
                if (promise.isCanceled())
                    return;
                promise.setProgressRange(0, days);
                HistoryReader reader(
                    *source, [&promise](int done) { promise.setProgressValue(done); },
                    [&promise] { return promise.isCanceled(); });
                Value result = work(reader);
                if (!promise.isCanceled())
                    promise.addResult(Outcome{std::move(result), reader.report()});
            }));
    }

    // The last result.
    const Value &result() const { return m_result; }

private:
    // What the future carries: the work's result and the report of the files it looked at.
    struct Outcome
    {
        Value result;
        LoadReport report;
    };

    std::shared_ptr<HistorySource> m_source;
    QFutureWatcher<Outcome> m_watcher;
    Value m_result;
};

} // namespace Brolant
