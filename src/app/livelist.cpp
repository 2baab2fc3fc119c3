#include "app/livelist.h"

#include "text/numerictext.h"

namespace {
constexpr int kPointsFourRows = 24;
constexpr int kPointsOneExtraRow = 20;
constexpr int kPointsTwoExtraRows = 18;
} // namespace

LiveListLayout LiveListLayout::forSettings(const QString &displayRpm, const QString &displayWs,
                                           const QString &wsUnits)
{
    LiveListLayout layout;
    const bool rpm = NumericText::equals(displayRpm, 1);
    const bool ws = NumericText::equals(displayWs, 1);
    layout.fontPoints = rpm && ws ? kPointsTwoExtraRows
                        : rpm || ws ? kPointsOneExtraRow
                                    : kPointsFourRows;
    layout.labels = {QStringLiteral("Volts"), QStringLiteral("Amps"), QStringLiteral("Watts"),
                     QStringLiteral("WattHours")};
    if (rpm)
        layout.labels << QStringLiteral("RPM");
    if (ws)
        layout.labels << wsUnits;
    return layout;
}
