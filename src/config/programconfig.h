#pragma once

#include <QString>

namespace Brolant {

// The values of prog.cfg, held as the texts found in the file.
struct ProgramConfig
{
    QString port;
    QString savehtml;
    QString saveExcel;
    QString logDelay;
    QString logOn;
    QString displayRpm;
    QString displayWs;
    QString wsUnits;
    QString sv;
    QString ma;
    QString br;
    QString dispMessages;

    // The whole file text in its fixed layout, CR LF line ends, ending with an empty line.
    QString toFileText() const;

    static QString fileName() { return QStringLiteral("prog.cfg"); }
};

} // namespace Brolant
