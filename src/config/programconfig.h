#pragma once

#include <QString>

namespace Brolant {

// The tag names of prog.cfg, each written once: the writer and every reader use these.
namespace ProgramTag {
inline const QString kPort = QStringLiteral("Port");
inline const QString kSaveHtml = QStringLiteral("Savehtml");
inline const QString kSaveExcel = QStringLiteral("SaveExcel");
inline const QString kLogDelay = QStringLiteral("LogDelay");
inline const QString kLogOn = QStringLiteral("LogOn");
inline const QString kDisplayRpm = QStringLiteral("DisplayRPM");
inline const QString kDisplayWs = QStringLiteral("DisplayWS");
inline const QString kWsUnits = QStringLiteral("WSUnits");
inline const QString kSystemVolts = QStringLiteral("SV");
inline const QString kMaxAmps = QStringLiteral("MA");
inline const QString kBaudRate = QStringLiteral("BR");
inline const QString kDispMessages = QStringLiteral("dispMessages");
} // namespace ProgramTag

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

};

} // namespace Brolant
