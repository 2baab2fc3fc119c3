// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/textfile.h"
#include "publishing/deliverycursor.h"
#include "publishing/loggedpayloads.h"
#include "text/failure.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace Brolant {

// Messages waiting for the broker (records and days' energy), kept on disk in the program folder
// so that an outage, a restart or a kill loses none. mqtt-queue.txt is a journal, one payload a
// line, oldest first, only ever appended to; mqtt-queue-delivered.txt, a DeliveryCursor, records how
// far delivery got and moves at each delivery, so a kill sends again at most the one in flight.
// The journal is written anew with only its last delivered line and what waits when its delivered
// lines grow many. Its last line is what was queued last: a queue its publisher left open (a kill,
// a power cut) queues again what the daily logs hold beyond it. Bounded: beyond kCapacity the
// oldest go.
class RecordQueue
{
public:
    // Two weeks of records at a 60-second interval.
    static constexpr qsizetype kCapacity = 20160;
    // Far longer than any payload this program writes.
    static constexpr qsizetype kLongestLine = 4096;
    // The journal's delivered lines are dropped once they fill this much: some thousands of
    // records, so a backlog of two weeks is written anew only a few times while it drains.
    static constexpr qint64 kCompactAfter = 1024 * 1024;

    // What loading found in the files an earlier run left.
    struct Loaded
    {
        qsizetype damaged = 0;  // lines that were no payload, set aside
        qsizetype dropped = 0;  // the oldest, beyond kCapacity
        qsizetype requeued = 0; // queued again from the daily logs
        Result<> journal;       // fails when the journal could not be read, or not put right
    };

    // What push() did: how many of the oldest had to go to make room, and whether the journal
    // stored it (what it could not store is kept in memory, in order).
    struct Pushed
    {
        qsizetype dropped = 0;
        Result<> written;
    };

    // Loads what an earlier run left waiting: the journal's lines after the cursor, or all of them
    // when the cursor cannot be believed. Every line kept is checked by `isPayload`: one it
    // refuses (a cut line, bytes of something else) is set aside in mqtt-queue-damaged.txt and
    // never sent. Only the newest kCapacity lines are kept and checked, so a file of any size
    // costs no more than a full queue.
    // A queue left open (its publisher was killed or lost its power) queues again, from `logged`,
    // what the daily logs hold after its last line.
    RecordQueue(QString programFolder, const std::function<bool(const QByteArray &)> &isPayload,
                const LoggedPayloads *logged = nullptr);
    // The publisher ends in order: nothing logged is missing from the journal.
    void close();

    const Loaded &loaded() const { return m_loaded; }
    // Adds a payload at the end, after those waiting in memory.
    Pushed push(const QByteArray &payload);
    // Appends the payloads kept in memory by a journal that could not be written, oldest first; the
    // failure when it still cannot.
    Result<> writeUnwritten();
    bool holdsUnwritten() const { return m_held > 0; }
    bool isEmpty() const { return m_waiting.isEmpty(); }
    bool isFull() const { return m_waiting.size() >= kCapacity; }
    qsizetype size() const { return m_waiting.size(); }
    const QByteArray &front() const { return m_waiting.constFirst().payload; }
    // The torn ends its files had, put right by its writes since the last call: to be reported.
    QList<TextFile::TornEnd> consumeTornEnds() { return std::exchange(m_tornEnds, {}); }
    // The front was delivered: the cursor moves past it. The failure when the cursor could not be
    // moved (a kill would then send again what was delivered since; never lose one).
    Result<> pop();

private:
    static constexpr qint64 kNotWritten = -1;
    struct Entry
    {
        QByteArray payload;
        qint64 end = kNotWritten; // where its line ends in the journal
    };

    QString journalPath() const;
    void keepTornEnd(std::optional<TextFile::TornEnd> torn);
    // Reads the journal's lines after `cursor`, the newest kCapacity of them (lines too long go
    // to `damaged`); returns where the delivered lines end, or nothing when the cursor cannot be
    // believed.
    std::optional<qint64> readLines(const std::optional<DeliveryCursor::Position> &cursor, QList<QByteArray> &damaged);
    // Removes `count` from the front, delivered or dropped, and records so on disk.
    Result<> dropFront(qsizetype count);
    // Writes the journal anew with only what waits; the failure when it could not (the old one
    // stands).
    Result<> compact();
    // Queues again what the daily logs hold after the journal's last line.
    void queueLoggedAfter(const LoggedPayloads &logged);
    Result<> moveCursor(const DeliveryCursor::Position &position);

    QString m_programFolder;
    DeliveryCursor m_cursor;
    QList<Entry> m_waiting;
    qsizetype m_held = 0;       // the newest entries, not in the journal yet
    qint64 m_journalSize = 0;   // 0: no journal
    bool m_endsMidLine = false; // its last line lost its line end, and it could not be put right
    qint64 m_compactAt = kCompactAfter;
    Loaded m_loaded;
    QList<TextFile::TornEnd> m_tornEnds;
    DeliveryCursor::Position m_position = DeliveryCursor::start(); // as written last
    QByteArray m_lastDelivered;                                    // the journal's line before the cursor
};

} // namespace Brolant
