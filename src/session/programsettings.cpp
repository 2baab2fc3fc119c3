// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/programsettings.h"

namespace Brolant {

ProgramFiles ProgramFiles::read(const QString &programFolder)
{
    return {ProgramConfig::read(programFolder), CalibrationSettings::read(programFolder)};
}

ProgramSettings ProgramSettings::read(const ProgramFiles &files, const ProgramSettings &earlier)
{
    ProgramSettings settings = earlier;
    settings.keysRead.clear();
    const ConfigFile &file = files.program;
    settings.programRead = !file.readFailure();
    // The port first, so that a file broken further down still opens the board.
    const Result<void> program = ProgramConfig::layout().readInOrder(
        file, settings.program,
        {
            {ProgramTag::kPort},
            {ProgramTag::kBaudRate},
            {ProgramTag::kSaveHtml},
            {ProgramTag::kSaveExcel},
            {ProgramTag::kLogDelay},
            {ProgramTag::kLogOn},
            {ProgramTag::kDisplayRpm},
            {ProgramTag::kDisplayWs},
            {ProgramTag::kWsUnits},
            {ProgramTag::kDispMessages, FieldStep::Need::Int16},
        },
        &settings.keysRead);
    settings.program.sv = file[ProgramTag::kSystemVolts];
    settings.program.ma = file[ProgramTag::kMaxAmps];
    const Result<void> read = program ? settings.calibration.readFrom(files.calibration) : program;
    settings.failure = read ? std::nullopt : std::optional(read.failure());
    return settings;
}

bool ProgramSettings::programComplete() const
{
    return hasRead(ProgramTag::kDispMessages); // the last the logger reads
}

} // namespace Brolant
