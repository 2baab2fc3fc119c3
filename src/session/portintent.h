// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QString>

namespace Brolant {

// Whether the board's port is meant to be open, and when it is not, why: what distinguishes a silent
// board from a port that the user, a dialog or the end of the program closed.
struct PortIntent
{
    enum class Kind
    {
        Open,         // meant open, and open
        Failed,       // meant open, but it would not open: the user is being asked what to do
        Retrying,     // meant open, but not working: tried again every few seconds
        NoPort,       // prog.cfg names no port ("0", which Abort in Program Setup also saves)
        HeldByDialog, // closed while a dialog uses it or changes what it is
        Ending,       // closed for the end of the program
    };

    Kind kind = Kind::NoPort;
    QString reason; // Failed and Retrying: what went wrong; HeldByDialog: which dialog

    // Whether frames are expected: a silence then means the board or the line is in trouble.
    bool meantOpen() const { return kind == Kind::Open || kind == Kind::Failed || kind == Kind::Retrying; }
    bool operator==(const PortIntent &) const = default;
};

} // namespace Brolant

Q_DECLARE_METATYPE(Brolant::PortIntent)
