#include "config/calibrationsettings.h"

#include "config/tagvalue.h"

namespace Brolant {

QString CalibrationSettings::toFileText() const
{
    const QString lineEnd = QStringLiteral("\r\n");
    return QStringLiteral("Calibration Settings\r\n\r\n\r\n")
           + tagged(QStringLiteral("VoltDivider"), voltDivider) + lineEnd + tagged(QStringLiteral("VoltOffset"), voltOffset)
           + lineEnd + tagged(QStringLiteral("AmpDivider"), ampDivider) + lineEnd
           + tagged(QStringLiteral("RPMDivider"), rpmDivider) + lineEnd + tagged(QStringLiteral("WSDivider"), wsDivider)
           + lineEnd;
}

} // namespace Brolant
