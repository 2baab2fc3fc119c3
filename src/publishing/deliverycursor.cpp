// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/deliverycursor.h"

#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>

namespace Brolant {

namespace {
// As many digits as the largest file offset has, so the file never changes its length.
constexpr qsizetype kOffsetDigits = 19;
// Enough to distinguish a journal's lines; a cursor wrongly believed would need the same line
// ending at the same offset.
constexpr qsizetype kHashDigits = 16;
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
// The words have one length, so the file keeps its length when a publisher opens or closes it.
const QByteArray kOpen = QByteArrayLiteral("open");
const QByteArray kClosed = QByteArrayLiteral("shut");
constexpr qsizetype kClosedWidth = kOffsetDigits + 1 + kHashDigits + 2; // an older version's: closed
constexpr qsizetype kWidth = kClosedWidth + 1 + 4;

bool isDigits(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

QByteArray DeliveryCursor::hashOf(const QByteArray &line)
{
    return QCryptographicHash::hash(line, QCryptographicHash::Sha256).toHex().left(kHashDigits);
}

std::optional<DeliveryCursor::Position> DeliveryCursor::read() const
{
    const Result<QByteArray> read = TextFile::tryReadBytes(m_path, kWidth);
    if (!read)
        return std::nullopt; // missing, unreadable or longer than a position
    const QByteArray &text = *read;
    const QByteArray offset = text.left(kOffsetDigits);
    const QByteArray hash = text.mid(kOffsetDigits + 1, kHashDigits);
    const QByteArray state = text.size() == kWidth ? text.mid(kClosedWidth - 1, 4) : kClosed;
    if ((text.size() != kWidth && text.size() != kClosedWidth) || text.at(kOffsetDigits) != ' '
        || !text.endsWith(kLineEnd) || !isDigits(offset) || QByteArray::fromHex(hash).toHex() != hash
        || (text.size() == kWidth && text.at(kClosedWidth - 2) != ' ') || (state != kOpen && state != kClosed))
        return std::nullopt;
    return Position{offset.toLongLong(), hash, state == kOpen};
}

Result<> DeliveryCursor::write(const Position &position) const
{
    const QByteArray text = QByteArray::number(position.end).rightJustified(kOffsetDigits, '0') + ' '
                            + position.hash.leftJustified(kHashDigits, '0', true) + ' '
                            + (position.open ? kOpen : kClosed) + kLineEnd;
    // On the disk before the broker's acknowledgement counts: otherwise a power cut would send
    // again what was delivered since the last position that reached it.
    return TextFile::tryOverwrite(m_path, QString::fromLatin1(text), TextFile::Sync::ToDisk);
}

void DeliveryCursor::remove() const
{
    QFile::remove(m_path);
}

} // namespace Brolant
