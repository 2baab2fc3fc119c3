#include "history/historyloader.h"

#include "logging/dailylogline.h"
#include "platform/programpaths.h"
#include "text/datetext.h"
#include "viewer/dayloader.h"

#include <QFile>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <numeric>

namespace Brolant {

namespace HistoryFiles {
namespace {

// A clock set back during the day leaves records out of order; the trend and its pointer need
// them in time order.
void sortDay(HistoryRecords &records, size_t begin)
{
    const auto first = records.seconds.begin() + std::ptrdiff_t(begin);
    if (std::is_sorted(first, records.seconds.end()))
        return;
    std::vector<size_t> order(records.size() - begin);
    std::iota(order.begin(), order.end(), begin);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return records.seconds[a] < records.seconds[b]; });
    const auto reorder = [&](auto &column) {
        auto copy = column;
        for (size_t at = 0; at < order.size(); ++at)
            column[begin + at] = copy[order[at]];
    };
    reorder(records.seconds);
    for (auto &column : records.values)
        reorder(column);
}
HistoryRecords readDay(const QString &programFolder, const QDate &day)
{
    HistoryRecords records;
    QFile file(dayLogPath(programFolder, day));
    // A file far larger than a day's log is not one; reading it could exhaust memory.
    if (file.size() <= DailyLogLine::kLargestFile && file.open(QIODevice::ReadOnly))
        appendDay(file.readAll(), day, records);
    return records;
}

// Appends the records of a later day or days, read on their own.
void appendPart(const HistoryRecords &part, HistoryRecords &records)
{
    if (part.size() == 0)
        return;
    if (!records.firstDay.isValid())
        records.firstDay = part.firstDay;
    const std::int64_t offset = records.dayStart(part.firstDay);
    const size_t begin = records.size();
    for (const std::int32_t second : part.seconds)
        records.seconds.push_back(std::int32_t(offset + second));
    for (size_t series = 0; series < records.values.size(); ++series)
        records.values[series].insert(records.values[series].end(), part.values[series].begin(),
                                      part.values[series].end());
    for (const HistoryRecords::Day &day : part.days)
        records.days.push_back({day.date, begin + day.begin, begin + day.end});
}
} // namespace

QString dayLogPath(const QString &programFolder, const QDate &day)
{
    return ProgramPaths(programFolder).dailyLog(day);
}

void appendDay(const QByteArray &content, const QDate &day, HistoryRecords &records)
{
    if (!records.firstDay.isValid())
        records.firstDay = day;
    const std::int64_t dayStart = records.dayStart(day);
    const size_t begin = records.size();
    qsizetype from = 0;
    while (from < content.size()) {
        qsizetype end = content.indexOf("\r\n", from);
        if (end < 0)
            end = content.size();
        const auto record = DailyLogLine::parse(QByteArrayView(content).sliced(from, end - from));
        from = end + 2;
        if (!record)
            continue;
        records.seconds.push_back(std::int32_t(dayStart + record->time));
        for (int series = 0; series < HistoryRecords::kSeriesCount; ++series)
            records.values[size_t(series)].push_back(float(record->values[size_t(series)]));
    }
    sortDay(records, begin);
    if (records.size() > begin)
        records.days.push_back({day, begin, records.size()});
}

HistoryRecords read(const QString &programFolder, const std::vector<QDate> &days,
                    const std::function<bool(int)> &progress)
{
    // A few days at a time, one per core: a month of seconds reads in half the time, and only
    // those few days stand beside the result in memory.
    const size_t batch = size_t(std::max(1, QThread::idealThreadCount()));
    // Threads of its own: the shared pool may be full of reads waiting on their own days.
    QThreadPool parsers;
    parsers.setMaxThreadCount(int(batch));
    HistoryRecords records;
    size_t done = 0;
    while (done < days.size()) {
        if (progress && !progress(int(done)))
            break;
        const std::vector<QDate> some(days.begin() + std::ptrdiff_t(done),
                                      days.begin() + std::ptrdiff_t(std::min(days.size(), done + batch)));
        const QList<HistoryRecords> parts = QtConcurrent::blockingMapped<QList<HistoryRecords>>(
            &parsers, some, [&programFolder](const QDate &day) { return readDay(programFolder, day); });
        for (const HistoryRecords &part : parts)
            appendPart(part, records);
        done += some.size();
    }
    if (progress)
        progress(int(done));
    return records;
}

std::vector<QDate> daysBetween(const QDate &from, const QDate &to)
{
    std::vector<QDate> days;
    for (QDate day = from; day.isValid() && day <= to; day = day.addDays(1))
        days.push_back(day);
    return days;
}

} // namespace HistoryFiles

HistoryLoad::HistoryLoad(QString programFolder, QObject *parent)
    : QObject(parent), m_programFolder(std::move(programFolder))
{
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this](int done) { emit progressed(done, m_daysInAll); });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        if (!m_watcher.isCanceled() && m_watcher.future().resultCount() > 0)
            emit loaded(m_watcher.result());
    });
}

HistoryLoad::~HistoryLoad()
{
    cancel();
}

void HistoryLoad::request(const std::vector<QDate> &days)
{
    cancel();
    m_daysInAll = int(days.size());
    const QString folder = m_programFolder;
    m_watcher.setFuture(QtConcurrent::run([folder, days](QPromise<std::shared_ptr<const HistoryRecords>> &promise) {
        promise.setProgressRange(0, int(days.size()));
        auto records = HistoryFiles::read(folder, days, [&](int done) {
            promise.setProgressValue(done);
            return !promise.isCanceled();
        });
        if (!promise.isCanceled())
            promise.addResult(std::make_shared<const HistoryRecords>(std::move(records)));
    }));
}

void HistoryLoad::cancel()
{
    if (!m_watcher.isRunning())
        return;
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

} // namespace Brolant
