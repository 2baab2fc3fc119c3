// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Brolant {

// Collects received characters and cuts frames "[...]" out of them. Several frames in one read
// are all found, a new frame right behind the tail of a broken one is kept, and the buffer never
// grows past a cap however long a broken board streams.
class FrameAssembler
{
public:
    // Far beyond any real frame (about 60 characters).
    static constexpr qsizetype kCapacity = 4096;

    struct Piece
    {
        enum Kind
        {
            Incomplete,   // nothing more to read until more characters arrive
            ClosingFirst, // a "]" before any "[": the text through that "]" is rejected
            Overflow,     // a "[" and no "]" within the capacity: the text before the last "[" is rejected
            Frame,        // a frame, from "[" through "]"
        };
        Kind kind = Incomplete;
        QString text;
    };

    void append(QStringView characters);
    // The buffer as it stands, for display.
    const QString &buffer() const { return m_buffer; }
    // True when the buffer contains no "[" at all: how a read that brings no frame is recognised.
    bool lacksOpening() const { return !m_buffer.contains(QLatin1Char('[')); }

    // Removes the next piece from the front of the buffer. After a frame, whatever stands before
    // the next "[" is dropped, and a remainder without "[" is dropped silently.
    Piece next();
    void clear() { m_buffer.clear(); }

    // The characters dropped without a rejection since the last call, which resets the count: noise
    // before a frame and remainders that contain no "[".
    qsizetype consumeDroppedCharacters() { return std::exchange(m_dropped, 0); }

private:
    QString m_buffer;
    qsizetype m_dropped = 0;
};

} // namespace Brolant
