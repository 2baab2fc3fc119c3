#include "config/programconfig.h"

#include "config/tagvalue.h"

#include <QStringList>

namespace Brolant {

QString ProgramConfig::toFileText() const
{
    const QStringList lines{
        QStringLiteral("Program Config File"),
        QString(),
        tagged(QStringLiteral("Port"), port),
        tagged(QStringLiteral("Savehtml"), savehtml),
        tagged(QStringLiteral("SaveExcel"), saveExcel),
        tagged(QStringLiteral("LogDelay"), logDelay),
        tagged(QStringLiteral("LogOn"), logOn),
        tagged(QStringLiteral("DisplayRPM"), displayRpm),
        tagged(QStringLiteral("DisplayWS"), displayWs),
        tagged(QStringLiteral("WSUnits"), wsUnits),
        tagged(QStringLiteral("SV"), sv),
        tagged(QStringLiteral("MA"), ma),
        tagged(QStringLiteral("BR"), br),
        tagged(QStringLiteral("dispMessages"), dispMessages),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace Brolant
