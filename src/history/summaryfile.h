// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/daysummary.h"

#include <QString>

#include <optional>

namespace Brolant {

// A daily log's summary kept on disk, so the next opening reads a few kilobytes instead of
// megabytes. It names the state of the log it was made from: when the log changed (today's
// grows), the summary no longer fits and the log is read again. A private file of this program,
// read back only by the same build of it, and only whole: one changed or cut short is made again.
namespace SummaryFile {

// What the file system says of a log, enough to tell any change since: an edit that kept the
// size and set the time back still moves the change time (no user can set that), and a log
// replaced by another of the same size and time is another file.
struct LogStamp
{
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // when the file or its state last changed, nanoseconds since the epoch
    quint64 file = 0;    // which file it is on its file system (its inode)
    bool operator==(const LogStamp &) const = default;

    // Nothing when there is no such file. `special`: whether it is a pipe, a device or a socket,
    // which may keep whoever opens it waiting for ever.
    static std::optional<LogStamp> of(const QString &path, bool *special = nullptr);
};

// Nothing when the file is missing, damaged or made from another state of the log.
std::optional<DaySummary> read(const QString &path, const LogStamp &log);
// Best effort: a summary that cannot be written only costs the next opening some time.
void write(const QString &path, const DaySummary &summary, const LogStamp &log);

} // namespace SummaryFile

} // namespace Brolant
