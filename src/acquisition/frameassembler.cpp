// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/frameassembler.h"

namespace Brolant {

void FrameAssembler::append(QStringView characters)
{
    m_buffer.append(characters);
}

FrameAssembler::Piece FrameAssembler::next()
{
    const qsizetype opening = m_buffer.indexOf(QLatin1Char('['));
    if (opening < 0) {
        m_dropped += m_buffer.size();
        m_buffer.clear();
        return {};
    }
    const qsizetype closing = m_buffer.indexOf(QLatin1Char(']'));
    if (closing < 0) {
        if (m_buffer.size() <= kCapacity)
            return {};
        // Only the text before the newest "[" is given up: a good frame arriving behind a broken
        // one still has its chance. With no newer "[", all of it goes.
        const qsizetype newest = m_buffer.lastIndexOf(QLatin1Char('['));
        if (newest <= 0)
            return {Piece::Overflow, std::exchange(m_buffer, {})};
        Piece rejected{Piece::Overflow, m_buffer.left(newest)};
        m_buffer.remove(0, newest);
        return rejected;
    }
    if (closing < opening) {
        Piece rejected{Piece::ClosingFirst, m_buffer.left(closing + 1)};
        m_buffer.remove(0, closing + 1);
        return rejected;
    }
    Piece frame{Piece::Frame, m_buffer.mid(opening, closing - opening + 1)};
    m_dropped += opening;
    const qsizetype following = m_buffer.indexOf(QLatin1Char('['), closing + 1);
    if (following < 0) {
        m_dropped += m_buffer.size() - closing - 1;
        m_buffer.clear();
    } else {
        m_dropped += following - closing - 1;
        m_buffer.remove(0, following);
    }
    return frame;
}

} // namespace Brolant
