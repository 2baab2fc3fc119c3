// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfile.h"

#include "text/failure.h"

#include <QFile>
#include <QSaveFile>

namespace Brolant {

namespace TextFile {
namespace {
[[noreturn]] void fail(const QFileDevice &file, const QString &path)
{
    const QString reason = file.error() == QFileDevice::NoError || file.errorString().isEmpty()
                               ? QStringLiteral("could not write all of it (disk full?)")
                               : file.errorString();
    throw Failure{QStringLiteral("%1: %2").arg(path, reason)};
}
} // namespace

QByteArray readBytes(const QString &path, qint64 largest)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(file, path);
    if (file.size() > largest)
        throw Failure{QStringLiteral("%1: file too large (%2 bytes)").arg(path).arg(file.size())};
    const QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        fail(file, path);
    return bytes;
}

void replace(const QString &path, const QString &text, Access access)
{
    // Unbuffered, so a short write shows at once; a buffered QSaveFile can commit a truncated
    // file when the disk fills during its final flush.
    QSaveFile file(path);
    const QByteArray bytes = text.toLatin1();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file, path);
    // Set on the new file before a byte is written: a secret is never readable by others.
    if (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        fail(file, path);
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(file, path); // without commit, QSaveFile drops its temporary file
}

void append(const QString &path, const QString &text)
{
    QFile file(path);
    const QByteArray bytes = text.toLatin1();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        fail(file, path);
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size()) {
        file.resize(sizeBefore);
        fail(file, path);
    }
}

void overwrite(const QString &path, const QString &text)
{
    QFile file(path);
    const QByteArray bytes = text.toLatin1();
    // ReadWrite, because WriteOnly would truncate the file first.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || file.write(bytes) != bytes.size())
        fail(file, path);
    if (file.size() > bytes.size() && !file.resize(bytes.size()))
        fail(file, path);
}

} // namespace TextFile

} // namespace Brolant
