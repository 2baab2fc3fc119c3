// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/livelist.h"

#include "acquisition/reading.h"
#include "config/programconfig.h"
#include "text/numbermask.h"

#include <QCoreApplication>

namespace Brolant {

namespace {
constexpr int kPointsFourRows = 24;
constexpr int kPointsOneExtraRow = 20;
constexpr int kPointsTwoExtraRows = 18;
} // namespace

LiveListLayout LiveListLayout::forSettings(const ProgramConfig &program)
{
    LiveListLayout layout;
    layout.showsRpm = program.displayRpm.equals(1);
    layout.showsWindSpeed = program.displayWs.equals(1);
    layout.fontPoints = layout.showsRpm && layout.showsWindSpeed   ? kPointsTwoExtraRows
                        : layout.showsRpm || layout.showsWindSpeed ? kPointsOneExtraRow
                                                                   : kPointsFourRows;
    // In the user's language; the wind's row shows the units as the user wrote them.
    const auto shown = [](const char *label) { return QCoreApplication::translate("Brolant::LiveList", label); };
    layout.labels = QStringList{shown(QT_TRANSLATE_NOOP("Brolant::LiveList", "Volts")),
                                shown(QT_TRANSLATE_NOOP("Brolant::LiveList", "Amps")),
                                shown(QT_TRANSLATE_NOOP("Brolant::LiveList", "Watts")),
                                shown(QT_TRANSLATE_NOOP("Brolant::LiveList", "WattHours"))};
    if (layout.showsRpm)
        layout.labels << shown(QT_TRANSLATE_NOOP("Brolant::LiveList", "RPM"));
    if (layout.showsWindSpeed)
        layout.labels << program.wsUnits.text();
    return layout;
}

QStringList LiveListLayout::values(const Reading &reading, double energyCounter) const
{
    QStringList values{NumberMask::format(reading.volts, u"##.00"), NumberMask::format(reading.amps, u"##0.0"),
                       NumberMask::format(reading.watts, u"####0.0"), NumberMask::format(energyCounter, u"#####0.0")};
    if (showsRpm)
        values << NumberMask::format(reading.rpm, u"##0");
    if (showsWindSpeed)
        values << NumberMask::format(reading.windSpeed, u"##0");
    return values;
}

QString liveCaption(const Reading &reading)
{
    return QStringLiteral("Brolant  %1V %2A %3W")
        .arg(NumberMask::format(reading.volts, u"#0.00"), NumberMask::format(reading.amps, u"#0.0"),
             NumberMask::format(reading.watts, u"###0"));
}

} // namespace Brolant
