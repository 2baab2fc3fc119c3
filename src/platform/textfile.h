// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace Brolant {

// The program's files are 8-bit text (one byte per character), each opened, read or written and
// closed within one call. Every failure carries the path and the reason. append() throws it, for
// the spreadsheet row, whose failure goes to its logging stage's one catch point.
namespace TextFile {

// The whole file. Refuses files larger than `largest` bytes.
Result<QByteArray> tryReadBytes(const QString &path, qint64 largest);

// Replaces the file atomically: readers see the old file or the new one, never half of one, and
// after a power cut too (the new file and its folder are synced). The old file is intact when this
// fails.
// Who may read the file: the usual, or only its owner (a file that holds a password).
enum class Access
{
    Usual,
    OwnerOnly
};
Result<> tryReplace(const QString &path, const QString &text, Access access = Access::Usual);

// Whether a write returns only once it is on the disk. A power cut loses what is not: a line that
// anything outside this computer hears of (the broker, a relay) must be synced first.
enum class Sync
{
    Cached,
    ToDisk, // the data, and a file made or renamed by the write in its folder too
};

// What an append found at the file's end and put right before its own write: a last line without
// its line end (the power failed while it was written), and NUL bytes where data written but never
// synced had been. The torn line is kept, ended, so readers pass over it as one damaged line and
// the new text starts on a line of its own.
struct TornEnd
{
    QString path;
    QByteArray line;     // the torn line as it stood (empty when only NUL bytes were dropped)
    qint64 nulBytes = 0; // dropped: never data
    QString description() const;
};

// Appends `text` (whole lines), creating the file when missing, after putting a torn end right.
// A write that stops part-way (a full disk) or that cannot be synced is undone, so the file
// never ends in half a line of its own making.
Result<std::optional<TornEnd>> tryAppend(const QString &path, const QString &text, Sync sync = Sync::Cached);
[[nodiscard]] inline std::optional<TornEnd> append(const QString &path, const QString &text, Sync sync = Sync::Cached)
{
    return orThrow(tryAppend(path, text, sync));
}

// Writes `text` over the start of the file in one write, creating the file when missing, and cuts
// off whatever lay beyond it. Never truncated first: a file as long as `text` needs no new disk
// block, so this works on a full disk, and a kill cannot leave it half written.
Result<> tryOverwrite(const QString &path, const QString &text, Sync sync = Sync::Cached);

// Makes the folder's entries durable: a file made in it, or renamed into it, outlives a power cut.
Result<> syncFolder(const QString &folder);

} // namespace TextFile

} // namespace Brolant
