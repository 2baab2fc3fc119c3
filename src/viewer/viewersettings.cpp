#include "viewer/viewersettings.h"

#include "config/configreading.h"
#include "config/programconfig.h"
#include "config/tagreader.h"
#include "platform/programpaths.h"
#include "text/failure.h"
#include "text/numerictext.h"
#include "viewer/dayrecords.h"

namespace Brolant {

namespace {
constexpr double kVoltScalePerSystemVolt = 70.0 / 48.0;
}

ViewerSettings ViewerSettings::read(const QString &programFolder)
{
    ViewerSettings settings;
    try {
        const TagReader reader(readConfigFile(ProgramPaths(programFolder).programConfig()),
                               FileName::kProgramConfig);
        settings.logDelay = reader.text(ProgramTag::kLogDelay);
        settings.voltScaleMax = reader.number(ProgramTag::kSystemVolts) * kVoltScalePerSystemVolt;
        settings.maxAmps = reader.int16(ProgramTag::kMaxAmps);
        settings.wsUnits = reader.text(ProgramTag::kWsUnits);
        if (!NumericText::isNumber(settings.logDelay))
            throw Failure{QStringLiteral("the logging interval is not a number: \"%1\"").arg(settings.logDelay)};
    } catch (const Failure &failure) {
        settings.problem = QStringLiteral("The viewer needs the logging interval, system voltage "
                                          "and maximum current from prog.cfg, and could not use "
                                          "them (%1). Correct them in Program Setup.")
                               .arg(failure.description);
    }
    return settings;
}

double ViewerSettings::logDelaySeconds() const
{
    return NumericText::valueOrZero(logDelay);
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
    return {QStringLiteral(" V"), QStringLiteral(" A"), QStringLiteral(" W"), QStringLiteral(" RPM"),
            u' ' + wsUnits};
}

} // namespace Brolant
