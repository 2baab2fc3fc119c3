// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/recordqueue.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Brolant {

namespace {
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QString lines(const QList<QByteArray> &payloads)
{
    QByteArray text;
    for (const QByteArray &payload : payloads)
        text += payload + kLineEnd;
    return QString::fromLatin1(text);
}
} // namespace

RecordQueue::RecordQueue(QString programFolder, const std::function<bool(const QByteArray &)> &isPayload,
                         const LoggedPayloads *logged)
    : m_programFolder(std::move(programFolder)), m_cursor(ProgramPaths(m_programFolder).mqttQueueDelivered())
{
    if (!QFile::exists(journalPath())) {
        m_cursor.remove(); // of a journal removed by hand
        return;
    }
    const std::optional<DeliveryCursor::Position> cursor = m_cursor.read();
    // Left open: the publisher before was killed or lost its power, and what it queued last may
    // be missing from the journal while the daily log has it.
    const bool leftOpen = !cursor || cursor->open;
    QList<QByteArray> damaged;
    const std::optional<qint64> delivered = readLines(cursor, damaged);
    if (!m_loaded.journal)
        return;
    const QList<Entry> read = std::exchange(m_waiting, {});
    for (const Entry &entry : read) {
        if (isPayload(entry.payload))
            m_waiting.append(entry);
        else
            damaged.append(entry.payload);
    }
    m_loaded.damaged = damaged.size();
    if (!damaged.isEmpty()) {
        const auto setAside = TextFile::tryAppend(ProgramPaths(m_programFolder).mqttQueueDamaged(), lines(damaged));
        if (!setAside) {
            m_loaded.journal = setAside.failure(); // they stay in the journal, for a later run to set aside
            return;
        }
        keepTornEnd(*setAside);
    }
    if (leftOpen && logged)
        queueLoggedAfter(*logged);
    // The next line must not join a cut one, and what was dropped or set aside must not come back.
    const bool putRight = m_loaded.dropped > 0 || m_endsMidLine || !damaged.isEmpty();
    if (putRight || (delivered && *delivered >= kCompactAfter)) {
        const Result<> compacted = compact();
        if (putRight)
            m_loaded.journal = compacted;
        return;
    }
    if (const Result<> written = writeUnwritten(); !written)
        m_loaded.journal = written;
    // Open from here on. A cursor missing (an older queue), torn or of another journal starts again
    // here, and exists before the disk may fill.
    DeliveryCursor::Position position = delivered && cursor && cursor->end == *delivered ? *cursor
                                                                                         : DeliveryCursor::start();
    position.open = true;
    // Failing, the first delivery writes it.
    (void)moveCursor(position);
}

void RecordQueue::queueLoggedAfter(const LoggedPayloads &logged)
{
    const QByteArray &anchor = m_waiting.isEmpty() ? m_lastDelivered : m_waiting.constLast().payload;
    if (anchor.isEmpty())
        return;
    const QList<QByteArray> lost = logged.after(anchor);
    for (const QByteArray &payload : lost)
        m_waiting.append({payload});
    m_held += lost.size();
    m_loaded.requeued = lost.size();
    const qsizetype beyond = m_waiting.size() - kCapacity;
    if (beyond > 0) {
        // The oldest go, as for a queue that grew too long; those dropped from the unwritten are never written.
        const qsizetype written = m_waiting.size() - m_held;
        m_waiting.remove(0, beyond);
        m_held -= std::max<qsizetype>(0, beyond - written);
        m_loaded.dropped += beyond;
    }
}

void RecordQueue::close()
{
    if (!QFile::exists(journalPath()))
        return;
    DeliveryCursor::Position closed = m_position;
    closed.open = false;
    // Failing, it stays open: the next run looks in the daily logs and finds nothing the journal lacks.
    (void)moveCursor(closed);
}

std::optional<qint64> RecordQueue::readLines(const std::optional<DeliveryCursor::Position> &cursor,
                                             QList<QByteArray> &damaged)
{
    QFile file(journalPath());
    m_journalSize = file.size();
    if (!file.open(QIODevice::ReadOnly)) {
        m_loaded.journal = Failure{QStringLiteral("%1 cannot be read: %2").arg(journalPath(), file.errorString())};
        return std::nullopt;
    }
    // A cursor is believed only where the journal's line ending at its offset has its hash.
    std::optional<qint64> delivered;
    if (cursor && cursor->end == 0)
        delivered = 0;
    while (!file.atEnd()) {
        // At most kLongestLine bytes (the size given counts a terminating zero).
        QByteArray line = file.readLine(kLongestLine + 1);
        if (!line.endsWith('\n') && !file.atEnd()) {
            // Longer than any payload: its start is set aside, the rest skipped.
            while (!file.atEnd() && !file.readLine(kLongestLine + 1).endsWith('\n')) {
            }
            damaged.append(line);
            continue;
        }
        m_endsMidLine = !line.endsWith('\n'); // only the last line can
        line = line.trimmed();
        if (cursor && file.pos() == cursor->end && DeliveryCursor::hashOf(line) == cursor->hash) {
            // Everything up to here was delivered.
            m_lastDelivered = line;
            m_waiting.clear();
            damaged.clear();
            m_loaded.dropped = 0;
            delivered = cursor->end;
            continue;
        }
        if (line.isEmpty())
            continue;
        m_waiting.append({line, file.pos()});
        if (m_waiting.size() > kCapacity) {
            m_waiting.removeFirst();
            ++m_loaded.dropped;
        }
    }
    m_journalSize = file.pos();
    return delivered;
}

void RecordQueue::keepTornEnd(std::optional<TextFile::TornEnd> torn)
{
    if (torn)
        m_tornEnds.append(std::move(*torn));
}

QString RecordQueue::journalPath() const
{
    return ProgramPaths(m_programFolder).mqttQueue();
}

RecordQueue::Pushed RecordQueue::push(const QByteArray &payload)
{
    m_waiting.append({payload});
    ++m_held;
    Pushed pushed{0, writeUnwritten()};
    // The oldest go after the newest is in: killed in between, the next run finds one too many
    // and drops it itself.
    pushed.dropped = std::max<qsizetype>(0, m_waiting.size() - kCapacity);
    if (pushed.dropped > 0) {
        const Result<> moved = dropFront(pushed.dropped);
        if (pushed.written)
            pushed.written = moved;
    }
    return pushed;
}

Result<> RecordQueue::writeUnwritten()
{
    if (m_held == 0)
        return {};
    const bool starting = m_journalSize == 0;
    QByteArray text;
    QList<qint64> ends; // in `text`
    for (qsizetype index = m_waiting.size() - m_held; index < m_waiting.size(); ++index) {
        text += m_waiting.at(index).payload + kLineEnd;
        ends.append(text.size());
    }
    // All or nothing: a write the disk cut short is undone, so all stay in memory. On the disk
    // before any of them is published: the broker never holds what a power cut lost.
    const auto appended = TextFile::tryAppend(journalPath(), QString::fromLatin1(text), TextFile::Sync::ToDisk);
    if (!appended)
        return appended.failure();
    keepTornEnd(*appended);
    // Where the text landed: after a torn end the append put right, the file is not as long as
    // the queue last knew it.
    const qint64 textStart = QFileInfo(journalPath()).size() - text.size();
    for (qsizetype index = 0; index < ends.size(); ++index)
        m_waiting[m_waiting.size() - m_held + index].end = textStart + ends.at(index);
    m_journalSize = textStart + text.size();
    m_held = 0;
    m_endsMidLine = false;
    if (starting)
        // Made now, while the disk accepts the journal: moving it later needs no new space. Killed
        // before this, the journal has no cursor and is delivered from its first line, as it should.
        (void)moveCursor(DeliveryCursor::start());
    return {};
}

Result<> RecordQueue::pop()
{
    return dropFront(1);
}

Result<> RecordQueue::dropFront(qsizetype count)
{
    std::optional<DeliveryCursor::Position> passed;
    for (; count > 0; --count) {
        const Entry entry = m_waiting.takeFirst();
        if (entry.end == kNotWritten)
            --m_held; // delivered before the journal could store it: it is never written
        else
            passed = DeliveryCursor::Position{entry.end, DeliveryCursor::hashOf(entry.payload), true};
        m_lastDelivered = entry.payload;
    }
    if (!passed)
        return {};
    if (passed->end >= m_compactAt && compact())
        return {}; // the journal holds only what waits, and the cursor starts again
    // The one write a delivery costs. Killed before it, the line delivered goes again: the one
    // in flight. The journal stays when all is delivered: its last line shows the next run, after
    // a power cut, where the daily logs go on beyond the queue.
    return moveCursor(*passed);
}

Result<> RecordQueue::moveCursor(const DeliveryCursor::Position &position)
{
    const Result<> written = m_cursor.write(position);
    if (written)
        m_position = position;
    return written;
}

Result<> RecordQueue::compact()
{
    // The last line delivered stays first, delivered: what the queue kept last must stay known.
    // Killed after the rename and before the cursor moves, that line goes once more.
    QByteArray text = m_lastDelivered.isEmpty() ? QByteArray() : m_lastDelivered + kLineEnd;
    const DeliveryCursor::Position start = m_lastDelivered.isEmpty()
                                               ? DeliveryCursor::start()
                                               : DeliveryCursor::Position{
                                                   text.size(), DeliveryCursor::hashOf(m_lastDelivered), true};
    QList<qint64> ends;
    for (const Entry &entry : std::as_const(m_waiting)) {
        text += entry.payload + kLineEnd;
        ends.append(text.size());
    }
    // Through a temporary file and a rename. Killed before the rename, the old journal and its
    // cursor stand. Killed after it, the cursor names a line of the old journal, fails its check
    // against the new one, and delivery starts at the new one's first line: the first waiting.
    if (const Result<> replaced = TextFile::tryReplace(journalPath(), QString::fromLatin1(text)); !replaced) {
        // The old journal stands, only longer; tried again once as much more was delivered.
        m_compactAt = m_journalSize + kCompactAfter;
        return replaced;
    }
    for (qsizetype index = 0; index < ends.size(); ++index)
        m_waiting[index].end = ends.at(index);
    m_journalSize = text.size();
    m_held = 0;
    m_endsMidLine = false;
    m_compactAt = kCompactAfter;
    // Failing, the old position fails its check against the new journal all the same.
    (void)moveCursor(start);
    return {};
}

} // namespace Brolant
