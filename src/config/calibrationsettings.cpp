#include "config/calibrationsettings.h"

#include "config/tagreader.h"
#include "config/tagvalue.h"
#include "platform/programpaths.h"

namespace Brolant {

QString CalibrationSettings::toFileText() const
{
    const QString lineEnd = QStringLiteral("\r\n");
    return QStringLiteral("Calibration Settings\r\n\r\n\r\n")
           + tagged(CalibrationTag::kVoltDivider, voltDivider) + lineEnd
           + tagged(CalibrationTag::kVoltOffset, voltOffset) + lineEnd
           + tagged(CalibrationTag::kAmpDivider, ampDivider) + lineEnd
           + tagged(CalibrationTag::kRpmDivider, rpmDivider) + lineEnd
           + tagged(CalibrationTag::kWsDivider, wsDivider) + lineEnd;
}

void CalibrationSettings::readInto(CalibrationSettings &settings, const QString &content)
{
    const TagReader reader(content, FileName::kCalibration);
    settings.voltDivider = reader.text(CalibrationTag::kVoltDivider);
    settings.voltOffset = reader.text(CalibrationTag::kVoltOffset);
    settings.ampDivider = reader.text(CalibrationTag::kAmpDivider);
    settings.rpmDivider = reader.text(CalibrationTag::kRpmDivider);
    settings.wsDivider = reader.text(CalibrationTag::kWsDivider);
}

} // namespace Brolant
