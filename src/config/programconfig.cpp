// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/programconfig.h"

#include "config/tagvalue.h"
#include "platform/programpaths.h"

#include <QStringList>

namespace Brolant {

QString ProgramConfig::toFileText() const
{
    const QStringList lines{
        QStringLiteral("Program Config File"),
        QString(),
        tagged(ProgramTag::kPort, port.text()),
        tagged(ProgramTag::kSaveHtml, savehtml.text()),
        tagged(ProgramTag::kSaveExcel, saveExcel.text()),
        tagged(ProgramTag::kLogDelay, logDelay.text()),
        tagged(ProgramTag::kLogOn, logOn.text()),
        tagged(ProgramTag::kDisplayRpm, displayRpm.text()),
        tagged(ProgramTag::kDisplayWs, displayWs.text()),
        tagged(ProgramTag::kWsUnits, wsUnits.text()),
        tagged(ProgramTag::kSystemVolts, sv.text()),
        tagged(ProgramTag::kMaxAmps, ma.text()),
        tagged(ProgramTag::kBaudRate, br.text()),
        tagged(ProgramTag::kDispMessages, dispMessages.text()),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList ProgramConfig::keys()
{
    return {ProgramTag::kPort,        ProgramTag::kSaveHtml,   ProgramTag::kSaveExcel, ProgramTag::kLogDelay,
            ProgramTag::kLogOn,       ProgramTag::kDisplayRpm, ProgramTag::kDisplayWs, ProgramTag::kWsUnits,
            ProgramTag::kSystemVolts, ProgramTag::kMaxAmps,    ProgramTag::kBaudRate,  ProgramTag::kDispMessages};
}

ConfigFile ProgramConfig::read(const QString &programFolder)
{
    return ConfigFile::read(ProgramPaths(programFolder).programConfig(), FileName::kProgramConfig, keys());
}

ConfigFile ProgramConfig::fromText(const QString &content)
{
    return ConfigFile(FileName::kProgramConfig, content, keys());
}

} // namespace Brolant
