// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace Brolant {

// How far delivery of the queue's journal got, in a small file beside it: the byte offset where
// the last line delivered ends, a short hash of that line, and whether a publisher has the queue
// open, in a fixed width. It is written over
// in place, so once it exists moving it needs no disk space; read back, it is believed only where
// the journal's line ending at that offset has that hash.
class DeliveryCursor
{
public:
    struct Position
    {
        qint64 end = 0;  // where the last line delivered ends in the journal; 0: none delivered
        QByteArray hash; // of that line, without its line end
        // A publisher works on the queue: found so at start-up, it ended without closing it (a
        // kill, a power cut), and the daily logs may hold records the queue lost.
        bool open = false;
    };

    explicit DeliveryCursor(QString path) : m_path(std::move(path)) {}

    static QByteArray hashOf(const QByteArray &line);
    // Nothing delivered: delivery starts at the journal's first line.
    static Position start() { return {0, hashOf({}), true}; }
    // What the file records; nothing when it is missing or not exactly a position (torn, edited).
    std::optional<Position> read() const;
    Result<> write(const Position &position) const;
    void remove() const;

private:
    QString m_path;
};

} // namespace Brolant
