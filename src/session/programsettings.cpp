// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/programsettings.h"

namespace Brolant {

ProgramFiles ProgramFiles::read(const QString &programFolder)
{
    return {ProgramConfig::read(programFolder), CalibrationSettings::read(programFolder)};
}

ProgramSettings ProgramSettings::take(const ProgramFiles &files, const ProgramSettings &earlier)
{
    ProgramSettings settings = earlier;
    settings.taken.clear();
    const ConfigFile &file = files.program;
    settings.programRead = !file.readFailure();
    ProgramConfig &program = settings.program;
    // The port first, so that a file broken further down still opens the board.
    const auto take = [&settings](FieldStep step) {
        FieldStep::Apply apply = std::move(step.apply);
        step.apply = [&settings, apply, key = step.key](const ConfigField &field) {
            apply(field);
            settings.taken.append(key);
        };
        return step;
    };
    settings.problem = file.applyInOrder({
        take(FieldStep::text(ProgramTag::kPort, program.port)),
        take(FieldStep::text(ProgramTag::kBaudRate, program.br)),
        take(FieldStep::text(ProgramTag::kSaveHtml, program.savehtml)),
        take(FieldStep::text(ProgramTag::kSaveExcel, program.saveExcel)),
        take(FieldStep::text(ProgramTag::kLogDelay, program.logDelay)),
        take(FieldStep::text(ProgramTag::kLogOn, program.logOn)),
        take(FieldStep::text(ProgramTag::kDisplayRpm, program.displayRpm)),
        take(FieldStep::text(ProgramTag::kDisplayWs, program.displayWs)),
        take(FieldStep::text(ProgramTag::kWsUnits, program.wsUnits)),
        take(FieldStep::int16(ProgramTag::kDispMessages, program.dispMessages)),
    });
    program.sv = file[ProgramTag::kSystemVolts];
    program.ma = file[ProgramTag::kMaxAmps];
    if (!settings.problem)
        settings.problem = settings.calibration.takeFrom(files.calibration);
    return settings;
}

bool ProgramSettings::programComplete() const
{
    return took(ProgramTag::kDispMessages); // the last the logger takes
}

} // namespace Brolant
