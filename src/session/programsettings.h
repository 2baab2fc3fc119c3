// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/calibrationsettings.h"
#include "config/programconfig.h"
#include "text/failure.h"

#include <QMetaType>
#include <QStringList>

namespace Brolant {

// prog.cfg and settings.cfg, each read and parsed once, for the settings to be read from.
struct ProgramFiles
{
    ConfigFile program;
    ConfigFile calibration;

    // Both files of the program folder as they are now.
    static ProgramFiles read(const QString &programFolder);
};

// The settings the logger runs with. prog.cfg is read in the logger's own order and the reading
// stops at the first value that is missing or does not convert: what it had not come to keeps
// the value of the earlier reading (a partly broken file must behave as it always has), and
// settings.cfg is read only when prog.cfg was read whole. SV and MA are not the logger's own, so
// they stand as the file has them, for the parts that size themselves to the system.
struct ProgramSettings
{
    ProgramConfig program;
    CalibrationSettings calibration;
    bool programRead = false;       // whether prog.cfg could be read at all
    QStringList keysRead;           // the logger's keys read from the last reading, in order
    std::optional<Failure> failure; // where the last reading stopped; nothing when it read everything

    // Takes both files over `earlier`.
    static ProgramSettings read(const ProgramFiles &files, const ProgramSettings &earlier);

    bool hasRead(const QString &key) const { return keysRead.contains(key); }
    // Whether every value the logger reads from prog.cfg was read.
    bool programComplete() const;
    // The port text is exactly "0": the user's way of saying "no port".
    bool noPort() const { return program.port.text() == QStringLiteral("0"); }
};

} // namespace Brolant

Q_DECLARE_METATYPE(Brolant::ProgramSettings)
