// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/calibrationsettings.h"

#include "config/tagvalue.h"
#include "platform/programpaths.h"

namespace Brolant {

QString CalibrationSettings::toFileText() const
{
    const QString lineEnd = QStringLiteral("\r\n");
    return QStringLiteral("Calibration Settings\r\n\r\n\r\n") + tagged(CalibrationTag::kVoltDivider, voltDivider.text())
           + lineEnd + tagged(CalibrationTag::kVoltOffset, voltOffset.text()) + lineEnd
           + tagged(CalibrationTag::kAmpDivider, ampDivider.text()) + lineEnd
           + tagged(CalibrationTag::kRpmDivider, rpmDivider.text()) + lineEnd
           + tagged(CalibrationTag::kWsDivider, wsDivider.text()) + lineEnd;
}

QStringList CalibrationSettings::keys()
{
    return {CalibrationTag::kVoltDivider, CalibrationTag::kVoltOffset, CalibrationTag::kAmpDivider,
            CalibrationTag::kRpmDivider, CalibrationTag::kWsDivider};
}

ConfigFile CalibrationSettings::read(const QString &programFolder)
{
    return ConfigFile::read(ProgramPaths(programFolder).calibration(), FileName::kCalibration, keys());
}

ConfigFile CalibrationSettings::fromText(const QString &content)
{
    return ConfigFile(FileName::kCalibration, content, keys());
}

MaybeFailure CalibrationSettings::takeFrom(const ConfigFile &file)
{
    return file.applyInOrder({
        FieldStep::text(CalibrationTag::kVoltDivider, voltDivider),
        FieldStep::text(CalibrationTag::kVoltOffset, voltOffset),
        FieldStep::text(CalibrationTag::kAmpDivider, ampDivider),
        FieldStep::text(CalibrationTag::kRpmDivider, rpmDivider),
        FieldStep::text(CalibrationTag::kWsDivider, wsDivider),
    });
}

} // namespace Brolant
