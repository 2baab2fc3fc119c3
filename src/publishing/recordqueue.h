#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Brolant {

// Records waiting for the broker, kept on disk in the program folder so that an outage or a
// restart loses none: one payload a line, oldest first. Bounded: beyond kCapacity the oldest go.
class RecordQueue
{
public:
    // Two weeks of records at a 60-second interval.
    static constexpr qsizetype kCapacity = 20160;

    // Loads what an earlier run left waiting.
    explicit RecordQueue(QString programFolder);


    // Adds a payload at the end; returns how many of the oldest had to go to make room.
    // Throws Failure when the file cannot be written (the payload is still queued in memory).
    qsizetype push(const QByteArray &payload);
    bool isEmpty() const { return m_waiting.isEmpty(); }
    qsizetype size() const { return m_waiting.size(); }
    const QByteArray &front() const { return m_waiting.constFirst(); }
    // The front was delivered. The file catches up every few deliveries and when the queue
    // empties, so a crash can at most send a few records twice, never lose one.
    void pop();
    // Writes the file as the queue stands. Throws Failure when it cannot.
    void save();

private:
    QString path() const;

    QString m_programFolder;
    QList<QByteArray> m_waiting;
    int m_deliveredSinceSave = 0;
};

} // namespace Brolant
