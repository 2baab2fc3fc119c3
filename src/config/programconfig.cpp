// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/programconfig.h"

#include "platform/programpaths.h"

namespace Brolant {

const SettingsLayout<ProgramConfig> &ProgramConfig::layout()
{
    using Key = SettingsLayout<ProgramConfig>::Key;
    static const SettingsLayout<ProgramConfig> layout(
        QStringLiteral("Program Config File"),
        {Key::field(ProgramTag::kPort, &ProgramConfig::port),
         Key::field(ProgramTag::kSaveHtml, &ProgramConfig::savehtml),
         Key::field(ProgramTag::kSaveExcel, &ProgramConfig::saveExcel),
         Key::field(ProgramTag::kLogDelay, &ProgramConfig::logDelay),
         Key::field(ProgramTag::kLogOn, &ProgramConfig::logOn),
         Key::field(ProgramTag::kDisplayRpm, &ProgramConfig::displayRpm),
         Key::field(ProgramTag::kDisplayWs, &ProgramConfig::displayWs),
         Key::field(ProgramTag::kWsUnits, &ProgramConfig::wsUnits),
         Key::field(ProgramTag::kSystemVolts, &ProgramConfig::sv), Key::field(ProgramTag::kMaxAmps, &ProgramConfig::ma),
         Key::field(ProgramTag::kBaudRate, &ProgramConfig::br),
         Key::field(ProgramTag::kDispMessages, &ProgramConfig::dispMessages)});
    return layout;
}

QString ProgramConfig::toFileText() const
{
    return layout().text(*this);
}

QStringList ProgramConfig::keys()
{
    return layout().tags();
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
