// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problems/problem.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace Brolant {

// The six numbers of a frame such as [<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>].
struct FrameValues
{
    double v = 0.0;
    double i = 0.0;
    double r = 0.0;
    double m = 0.0;
    double s = 0.0;
    double c = 0.0;
};

// What the parser noticed in a frame, in the order the fields are read. Each finding is one
// error-log entry: the field's problem; a trapped finding ends the frame's handling.
struct FrameFinding
{
    Problem problem;
    QString description; // empty for a suspicious value, the reason for a trapped failure
    bool trapped = false;
};

struct ParsedFrame
{
    FrameValues values;
    QList<FrameFinding> findings;
    bool usable() const { return findings.isEmpty() || !findings.last().trapped; }
};

namespace FrameParser {

// Reads the fields of one frame: V and I must not be empty or "0", and the checksum must
// match when a numeric C is present. A suspicious field is logged and the frame still used; a
// closing tag before its opening tag stops the frame.
ParsedFrame parse(QStringView frame);

} // namespace FrameParser

} // namespace Brolant
