#include "config/programconfig.h"

#include "config/tagvalue.h"

#include <QStringList>

namespace Brolant {

QString ProgramConfig::toFileText() const
{
    const QStringList lines{
        QStringLiteral("Program Config File"),
        QString(),
        tagged(ProgramTag::kPort, port),
        tagged(ProgramTag::kSaveHtml, savehtml),
        tagged(ProgramTag::kSaveExcel, saveExcel),
        tagged(ProgramTag::kLogDelay, logDelay),
        tagged(ProgramTag::kLogOn, logOn),
        tagged(ProgramTag::kDisplayRpm, displayRpm),
        tagged(ProgramTag::kDisplayWs, displayWs),
        tagged(ProgramTag::kWsUnits, wsUnits),
        tagged(ProgramTag::kSystemVolts, sv),
        tagged(ProgramTag::kMaxAmps, ma),
        tagged(ProgramTag::kBaudRate, br),
        tagged(ProgramTag::kDispMessages, dispMessages),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace Brolant
