// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace Brolant {

// What the file system reports of a file, enough to detect any change since: an edit that kept the
// size and set the time back still moves the change time (no user can set that), and a file
// replaced by another of the same size and time (a rename over it, through a link too) is another
// file. Kept as it is in files of this program: its layout does not change.
struct FileStamp
{
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // when the file or its state last changed, nanoseconds since the epoch
    quint64 file = 0;    // which file it is on its file system (its inode)
    bool operator==(const FileStamp &) const = default;

    // Nothing when there is no such file. `special`: whether it is a pipe, a device or a socket,
    // which may keep whoever opens it waiting for ever.
    static std::optional<FileStamp> of(const QString &path, bool *special = nullptr);
};

} // namespace Brolant
