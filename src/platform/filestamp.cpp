// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filestamp.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace Brolant {

std::optional<FileStamp> FileStamp::of(const QString &path, bool *special)
{
#ifdef Q_OS_UNIX
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    if (special)
        *special = !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
    const auto nanoseconds = [](const timespec &time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; };
    return FileStamp{qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim),
                     quint64(status.st_ino)};
#else
    // No inode here: the time the file was made distinguishes one file from another.
    constexpr qint64 kNanosecondsPerMillisecond = 1000 * 1000;
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    if (special)
        *special = !info.isFile() && !info.isDir();
    return FileStamp{info.size(), info.lastModified().toMSecsSinceEpoch() * kNanosecondsPerMillisecond,
                     info.metadataChangeTime().toMSecsSinceEpoch() * kNanosecondsPerMillisecond,
                     quint64(info.birthTime().toMSecsSinceEpoch())};
#endif
}

} // namespace Brolant
