// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Brolant {

// What the daily logs and Whours.txt hold after a payload of the queue, as the queue's payloads.
// A power cut can lose a record from the queue that the daily log already kept (its line reaches
// the disk first); the queue is given it again from here at start-up.
class LoggedPayloads
{
public:
    explicit LoggedPayloads(QString programFolder) : m_programFolder(std::move(programFolder)) {}

    // The records logged after `anchor` (a record or a day's energy the queue holds), and the
    // energy of each day closed after it, in the order they were logged. Nothing when the anchor
    // is not in its day's log: then there is no telling what came after it.
    QList<QByteArray> after(const QByteArray &anchor) const;

private:
    QString m_programFolder;
};

} // namespace Brolant
