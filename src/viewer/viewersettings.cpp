// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/viewersettings.h"

#include "config/programconfig.h"
#include "session/loggingintervaltext.h"
#include "text/numerictext.h"
#include "viewer/dayrecords.h"

#include <QCoreApplication>

namespace Brolant {

namespace {
constexpr double kVoltScalePerSystemVolt = 70.0 / 48.0;
}

ViewerSettings ViewerSettings::read(const QString &programFolder)
{
    ViewerSettings settings;
    using Need = FieldStep::Need;
    ProgramConfig program;
    const Result<void> read = ProgramConfig::layout().readInOrder(ProgramConfig::read(programFolder), program,
                                                                  {{ProgramTag::kLogDelay},
                                                                   {ProgramTag::kSystemVolts, Need::Number},
                                                                   {ProgramTag::kMaxAmps, Need::Int16},
                                                                   {ProgramTag::kWsUnits}});
    // What was read before a stop still counts, as the viewer has always shown it.
    settings.logDelay = program.logDelay.text();
    if (program.sv.isPresent())
        settings.voltScaleMax = *program.sv.number() * kVoltScalePerSystemVolt;
    if (program.ma.isPresent())
        settings.maxAmps = *program.ma.int16();
    settings.wsUnits = program.wsUnits.text();
    std::optional<Failure> failure = read ? std::nullopt : std::optional(read.failure());
    if (!failure && !NumericText::isNumber(settings.logDelay))
        failure = Failure{
            QCoreApplication::translate("Brolant::ViewerSettings", "the logging interval is not a number: \"%1\"")
                .arg(settings.logDelay)};
    if (failure)
        settings.problem = QCoreApplication::translate("Brolant::ViewerSettings",
                                                       "The viewer needs the logging interval, system voltage "
                                                       "and maximum current from prog.cfg, and could not use "
                                                       "them (%1). Correct them in Program Setup.")
                               .arg(failure->forUser());
    return settings;
}

double ViewerSettings::logDelaySeconds() const
{
    // What the logger logs at: a LogDelay of 9999 is logged every 600 s.
    const auto interval = LoggingIntervalText::from(logDelay);
    return interval ? interval->seconds : 0.0;
}

bool PlotOptions::shows(int series) const
{
    switch (series) {
    case DayRecords::Volts:
        return volts;
    case DayRecords::Amps:
        return amps;
    case DayRecords::Watts:
        return watts;
    case DayRecords::Rpm:
        return rpm;
    case DayRecords::WindSpeed:
        return windSpeed;
    default:
        return false;
    }
}

std::array<QString, 5> ViewerSettings::seriesUnits() const
{
    return {QStringLiteral(" V"), QStringLiteral(" A"), QStringLiteral(" W"), QStringLiteral(" RPM"), u' ' + wsUnits};
}

} // namespace Brolant
