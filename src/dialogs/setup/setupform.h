// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/programconfig.h"

#include <QString>

namespace Brolant {

// The values the setup dialog edits, starting from the dialog's own design values: port empty,
// interval 60, 24 V, 20 A, 4800 baud, every check box clear.
struct SetupForm
{
    QString port;
    int savehtml = 0;
    int saveExcel = 0;
    QString logDelay = ProgramDefault::kLogDelay;
    int logOn = 0;
    int displayRpm = 0;
    int displayWs = 0;
    QString wsUnits;
    int sv = ProgramDefault::kSystemVolts;
    int ma = ProgramDefault::kMaxAmps;
    int br = ProgramDefault::kBaudRate;
    int dispMessages = 0;

    // The choices of the three option groups; a file value that matches none keeps the design one.
    static constexpr int kSystemVolts[] = {12, 24, 48};
    static constexpr int kMaxAmps[] = {10, 20, 50};
    static constexpr int kBaudRates[] = {2400, 4800, 9600, 57600};

    // Fills from prog.cfg every value that can be read; a key that is missing or does not convert
    // keeps its design value, and the rest are still read, so saving repairs the file without
    // losing them. Why some could not be read, when any could not.
    Result<> readFrom(const ConfigFile &file);

    // The port test before saving: the port text must be a number.
    bool hasValidPort() const;

    ProgramConfig toConfig() const;
};

} // namespace Brolant
