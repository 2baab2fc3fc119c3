#pragma once

#include <QString>

namespace Brolant {

// The tag names of settings.cfg, each written once.
namespace CalibrationTag {
inline const QString kVoltDivider = QStringLiteral("VoltDivider");
inline const QString kVoltOffset = QStringLiteral("VoltOffset");
inline const QString kAmpDivider = QStringLiteral("AmpDivider");
inline const QString kRpmDivider = QStringLiteral("RPMDivider");
inline const QString kWsDivider = QStringLiteral("WSDivider");
} // namespace CalibrationTag

// The five scaling values of settings.cfg, held as the texts found in the file and converted
// where they are used.
struct CalibrationSettings
{
    QString voltDivider;
    QString voltOffset;
    QString ampDivider;
    QString rpmDivider;
    QString wsDivider;

    // The whole file text in its fixed layout: CR LF after every line, no empty line at the end.
    QString toFileText() const;
    // Reads `content` into `settings` in file order. Throws Failure at the first missing value;
    // the values before it are read, the rest keep what they had.
    static void readInto(CalibrationSettings &settings, const QString &content);

};

} // namespace Brolant
