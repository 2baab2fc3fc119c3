#pragma once

#include "history/historyrecords.h"

#include <QDate>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace Brolant {

namespace HistoryFiles {

// logs/P_yyyy_mm_dd.txt of a day.
QString dayLogPath(const QString &programFolder, const QDate &day);

// Appends one day's log (its content) to `records`, in time order. Lines that are no record
// are passed over, as the viewer passes them over.
void appendDay(const QByteArray &content, const QDate &day, HistoryRecords &records);

// The daily logs of `days` (ascending); a missing or unreadable file is a day without records.
// `progress` is told how many days are done and answers false to stop: what was read by then
// is returned.
HistoryRecords read(const QString &programFolder, const std::vector<QDate> &days,
                    const std::function<bool(int)> &progress = {});

// Every day from `from` to `to`, both included.
std::vector<QDate> daysBetween(const QDate &from, const QDate &to);

} // namespace HistoryFiles

// Reads daily logs on a worker thread, so the window never waits: progress and the result come
// back as signals on the thread that asked. A new request, or cancel(), ends the one before; a
// cancelled request never reports a result.
class HistoryLoad final : public QObject
{
    Q_OBJECT

public:
    explicit HistoryLoad(QString programFolder, QObject *parent = nullptr);
    ~HistoryLoad() override;

    void request(const std::vector<QDate> &days);
    void cancel();
    bool isRunning() const { return m_watcher.isRunning(); }

signals:
    void progressed(int daysDone, int daysInAll);
    void loaded(std::shared_ptr<const HistoryRecords> records);

private:
    QString m_programFolder;
    QFutureWatcher<std::shared_ptr<const HistoryRecords>> m_watcher;
    int m_daysInAll = 0;
};

} // namespace Brolant
