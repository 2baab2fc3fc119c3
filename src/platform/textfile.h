// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace Brolant {

// The program's files are 8-bit text (one byte per character), each opened, read or written and
// closed within one call. Every failure throws Failure with the path and the reason.
namespace TextFile {

// The whole file. Refuses files larger than `largest` bytes.
QByteArray readBytes(const QString &path, qint64 largest);
inline QString read(const QString &path, qint64 largest)
{
    return QString::fromLatin1(readBytes(path, largest));
}

// Replaces the file atomically: readers see the old file or the new one, never half of one.
// The old file is intact when this throws.
// Who may read the file: the usual, or only its owner (a file that holds a password).
enum class Access
{
    Usual,
    OwnerOnly
};
void replace(const QString &path, const QString &text, Access access = Access::Usual);

// Appends `text`, creating the file when missing. A write that stops part-way (a full disk) is
// taken back, so the file never ends in half a line.
void append(const QString &path, const QString &text);

// Writes `text` over the start of the file in one write, creating the file when missing, and cuts
// off whatever lay beyond it. Never truncated first: a file as long as `text` needs no new disk
// block, so this works on a full disk, and a kill cannot leave it half written.
void overwrite(const QString &path, const QString &text);

} // namespace TextFile

} // namespace Brolant
