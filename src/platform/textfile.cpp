// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfile.h"

#include "text/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace Brolant {

namespace TextFile {
namespace {
Failure failed(const QFileDevice &file, const QString &path)
{
    const QString reason = file.error() == QFileDevice::NoError || file.errorString().isEmpty()
                               ? QStringLiteral("could not write all of it (disk full?)")
                               : file.errorString();
    return Failure{QStringLiteral("%1: %2").arg(path, reason)};
}

// The file's data on the disk; false (errno set) when the disk failed to store it.
bool syncData(const QFileDevice &file)
{
#if defined(Q_OS_LINUX)
    return ::fdatasync(file.handle()) == 0;
#elif defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Made right after the sync that failed, while errno still holds why.
Failure notSynced(const QString &path)
{
    return Failure{
        QStringLiteral("%1: not stored on the disk: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)))};
}

// Enough of a torn line to recognise it by in the error log.
constexpr qsizetype kTornLineShown = 200;
constexpr qint64 kTailPiece = 64 * 1024;

Result<QByteArray> readAt(QFile &file, const QString &path, qint64 from, qint64 count)
{
    if (!file.seek(from))
        return failed(file, path);
    QByteArray bytes = file.read(count);
    if (bytes.size() != count)
        return failed(file, path);
    return bytes;
}

Result<char> lastByte(QFile &file, const QString &path, qint64 end)
{
    return readAt(file, path, end - 1, 1).andThen([](const QByteArray &last) -> Result<char> { return last.front(); });
}

// Drops trailing NUL bytes and finds whether the file then ends in the middle of a line; returns
// the bytes that end that line, to be written before the new text. Reads one byte of a file that
// ends well, as nearly all do.
Result<QByteArray> putRightTornEnd(QFile &file, const QString &path, std::optional<TornEnd> &torn)
{
    qint64 end = file.size();
    qint64 nulBytes = 0;
    const Result<char> lastWritten = end > 0 ? lastByte(file, path, end) : Result<char>('\n');
    if (!lastWritten)
        return lastWritten.failure();
    // Back over the NUL bytes a lost write leaves where the file's length reached the disk and
    // its data did not, a piece at a time: a lost day of them may be megabytes.
    if (*lastWritten == '\0') {
        while (end > 0) {
            const qint64 from = std::max<qint64>(0, end - kTailPiece);
            const Result<QByteArray> piece = readAt(file, path, from, end - from);
            if (!piece)
                return piece.failure();
            const auto data = std::find_if(piece->crbegin(), piece->crend(), [](char c) { return c != '\0'; });
            nulBytes += data - piece->crbegin();
            end -= data - piece->crbegin();
            if (data != piece->crend())
                break;
        }
        if (!file.resize(end))
            return failed(file, path);
    }
    // After NUL bytes, the byte before them; a file of nothing else is empty now.
    const Result<char> last = *lastWritten != '\0' ? lastWritten : end > 0 ? lastByte(file, path, end) : '\n';
    if (!last)
        return last.failure();
    if (nulBytes > 0 || *last != '\n')
        torn = TornEnd{path, {}, nulBytes};
    if (*last == '\n')
        return QByteArray();
    const Result<QByteArray> tail = readAt(file, path, std::max<qint64>(0, end - kTornLineShown),
                                           std::min<qint64>(end, kTornLineShown));
    if (!tail)
        return tail.failure();
    torn->line = tail->mid(tail->lastIndexOf('\n') + 1);
    return *last == '\r' ? QByteArrayLiteral("\n") : QByteArrayLiteral("\r\n");
}
} // namespace

QString TornEnd::description() const
{
    QString text = QStringLiteral("%1 ended in half a line, as a power cut leaves a file").arg(path);
    if (!line.isEmpty())
        text += QStringLiteral(": the line \"%1\" is ended there, and the next starts on a line of its own")
                    .arg(QString::fromLatin1(line));
    if (nulBytes > 0)
        text += QStringLiteral("; %1 NUL bytes after it, where data written but never stored had been, dropped")
                    .arg(nulBytes);
    return text;
}

Result<QByteArray> tryReadBytes(const QString &path, qint64 largest)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file, path);
    if (file.size() > largest)
        return Failure{QStringLiteral("%1: file too large (%2 bytes)").arg(path).arg(file.size())};
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(file, path);
    return bytes;
}

Result<> tryReplace(const QString &path, const QString &text, Access access)
{
    // Unbuffered, so a short write shows at once; a buffered QSaveFile can commit a truncated
    // file when the disk fills during its final flush.
    QSaveFile file(path);
    const QByteArray bytes = text.toLatin1();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file, path);
    // Set on the new file before a byte is written: a secret is never readable by others.
    if (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failed(file, path);
    // QSaveFile syncs the new file before its rename; the rename itself is the folder's.
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failed(file, path); // without commit, QSaveFile drops its temporary file
    return syncFolder(QFileInfo(path).absolutePath());
}

Result<std::optional<TornEnd>> tryAppend(const QString &path, const QString &text, Sync sync)
{
    QFile file(path);
    const bool made = !file.exists();
    // ReadWrite, to look at the file's end before writing after it.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failed(file, path);
    std::optional<TornEnd> torn;
    // One write for the torn line's end and the new text: one sync, and no moment where the file
    // ends in a line end of its own that a reader could mistake for a whole line.
    const Result<QByteArray> lineEnd = putRightTornEnd(file, path, torn);
    if (!lineEnd)
        return lineEnd.failure();
    const QByteArray bytes = *lineEnd + text.toLatin1();
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size()) {
        file.resize(sizeBefore);
        return failed(file, path); // after the resize, which resets the file's error
    }
    if (sync == Sync::ToDisk && !syncData(file)) {
        // Taken back, so the retry that follows does not write the line twice.
        const Failure failure = notSynced(path);
        file.resize(sizeBefore);
        return failure;
    }
    file.close();
    if (made && sync == Sync::ToDisk) {
        if (const Result<> synced = syncFolder(QFileInfo(path).absolutePath()); !synced)
            return synced.failure();
    }
    return torn;
}

Result<> tryOverwrite(const QString &path, const QString &text, Sync sync)
{
    QFile file(path);
    const bool made = !file.exists();
    const QByteArray bytes = text.toLatin1();
    // ReadWrite, because WriteOnly would truncate the file first.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || file.write(bytes) != bytes.size())
        return failed(file, path);
    if (file.size() > bytes.size() && !file.resize(bytes.size()))
        return failed(file, path);
    if (sync == Sync::ToDisk && !syncData(file))
        return notSynced(path);
    file.close();
    if (made && sync == Sync::ToDisk)
        return syncFolder(QFileInfo(path).absolutePath());
    return {};
}

Result<> syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    const int error = errno;
    if (descriptor >= 0)
        ::close(descriptor);
    if (!synced)
        return Failure{QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(error)))};
#else
    Q_UNUSED(folder);
#endif
    return {};
}

} // namespace TextFile

} // namespace Brolant
