#pragma once

#include <QString>

namespace Brolant {

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

    static QString fileName() { return QStringLiteral("settings.cfg"); }
};

} // namespace Brolant
