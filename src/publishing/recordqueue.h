#pragma once

#include "text/failure.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace Brolant {

// Messages waiting for the broker (records and days' energy), kept on disk in the program folder
// so that an outage or a restart loses none: one payload a line, oldest first. Bounded: beyond
// kCapacity the oldest go.
class RecordQueue
{
public:
    // Two weeks of records at a 60-second interval.
    static constexpr qsizetype kCapacity = 20160;
    // Far longer than any payload this program writes.
    static constexpr qsizetype kLongestLine = 4096;

    // What loading found in the file an earlier run left.
    struct Loaded
    {
        qsizetype damaged = 0; // lines that were no payload, set aside
        qsizetype dropped = 0; // the oldest, beyond kCapacity
        MaybeFailure problem;  // the file could not be read, or not put right
    };

    // Loads what an earlier run left waiting. Every line kept is checked by `isPayload`: one it
    // refuses (a cut line, bytes of something else) is set aside in mqtt-queue-damaged.txt and
    // never sent. Only the newest kCapacity lines are kept and checked, so a file of any size
    // costs no more than a full queue.
    RecordQueue(QString programFolder, const std::function<bool(const QByteArray &)> &isPayload);

    const Loaded &loaded() const { return m_loaded; }
    // Adds a payload at the end; returns how many of the oldest had to go to make room.
    // Throws Failure when the file cannot be written (the payload is still queued in memory).
    qsizetype push(const QByteArray &payload);
    bool isEmpty() const { return m_waiting.isEmpty(); }
    bool isFull() const { return m_waiting.size() >= kCapacity; }
    qsizetype size() const { return m_waiting.size(); }
    const QByteArray &front() const { return m_waiting.constFirst(); }
    // The front was delivered. The file catches up every few deliveries and when the queue
    // empties, so a crash can at most send a few records twice, never lose one.
    void pop();
    // Writes the file as the queue stands. Throws Failure when it cannot.
    void save();

private:
    QString path() const;
    // Reads the file's lines, the newest kCapacity of them; true when the file needs writing
    // again (it lost its last line end, or lines were dropped or set aside).
    bool readLines(QList<QByteArray> &damaged);

    QString m_programFolder;
    QList<QByteArray> m_waiting;
    Loaded m_loaded;
    int m_deliveredSinceSave = 0;
};

} // namespace Brolant
