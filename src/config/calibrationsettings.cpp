// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/calibrationsettings.h"

#include "platform/programpaths.h"

namespace Brolant {

const SettingsLayout<CalibrationSettings> &CalibrationSettings::layout()
{
    using Key = SettingsLayout<CalibrationSettings>::Key;
    static const SettingsLayout<CalibrationSettings> layout(
        QStringLiteral("Calibration Settings"),
        {
            Key::field(CalibrationTag::kVoltDivider, &CalibrationSettings::voltDivider),
            Key::field(CalibrationTag::kVoltOffset, &CalibrationSettings::voltOffset),
            Key::field(CalibrationTag::kAmpDivider, &CalibrationSettings::ampDivider),
            Key::field(CalibrationTag::kRpmDivider, &CalibrationSettings::rpmDivider),
            Key::field(CalibrationTag::kWsDivider, &CalibrationSettings::wsDivider),
        },
        {2, false});
    return layout;
}

QString CalibrationSettings::toFileText() const
{
    return layout().text(*this);
}

QStringList CalibrationSettings::keys()
{
    return layout().tags();
}

ConfigFile CalibrationSettings::read(const QString &programFolder)
{
    return ConfigFile::read(ProgramPaths(programFolder).calibration(), FileName::kCalibration, keys());
}

ConfigFile CalibrationSettings::fromText(const QString &content)
{
    return ConfigFile(FileName::kCalibration, content, keys());
}

Result<void> CalibrationSettings::readFrom(const ConfigFile &file)
{
    return layout().readInOrder(file, *this,
                                {{CalibrationTag::kVoltDivider},
                                 {CalibrationTag::kVoltOffset},
                                 {CalibrationTag::kAmpDivider},
                                 {CalibrationTag::kRpmDivider},
                                 {CalibrationTag::kWsDivider}});
}

} // namespace Brolant
