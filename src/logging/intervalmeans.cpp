#include "logging/intervalmeans.h"

#include "acquisition/reading.h"
#include "logging/recordmasks.h"
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/numerictext.h"

#include <QTime>

namespace {
constexpr auto kVoltsMask = u"##0.00";
constexpr auto kAmpsMask = u"##0.0";
constexpr auto kWholeMask = u"###0";
constexpr auto kWattsMask = u"####0";

IntervalMeans masked(double volts, double amps, double rpm, double windSpeed, double watts,
                     double modeVolts)
{
    IntervalMeans means;
    means.volts = NumberMask::format(volts, kVoltsMask);
    means.amps = NumberMask::format(amps, kAmpsMask);
    means.rpm = NumberMask::format(rpm, kWholeMask);
    means.windSpeed = NumberMask::format(windSpeed, kWholeMask);
    means.watts = NumberMask::format(watts, kWattsMask);
    means.modeVolts = modeVolts;
    return means;
}

double value(const QString &text)
{
    return NumericText::valueOrZero(text);
}
} // namespace

IntervalMeans IntervalMeans::of(const IntervalSums &sums)
{
    const auto count = double(sums.count);
    return masked(sums.volts / count, sums.amps / count, sums.rpm / count,
                  sums.windSpeed / count, sums.watts / count,
                  value(NumberMask::format(sums.modeVolts / count, kWholeMask)));
}

IntervalMeans IntervalMeans::reformatted() const
{
    return masked(value(volts), value(amps), value(rpm), value(windSpeed), value(watts), modeVolts);
}

QString logRecordLine(const QTime &time, const IntervalMeans &means, int loadFlag, double energy)
{
    return QStringLiteral("<T>%1</T><V>%2</V><I>%3</I><W>%4</W><R>%5</R><S>%6</S><M>%7</M>   %8Wh\r\n")
        .arg(DateText::hourMinute(time), NumberMask::format(value(means.volts), RecordMasks::kVolts),
             NumberMask::format(value(means.amps), RecordMasks::kAmps),
             NumberMask::format(value(means.watts), RecordMasks::kWatts),
             NumberMask::format(value(means.rpm), RecordMasks::kRpm),
             NumberMask::format(value(means.windSpeed), RecordMasks::kWindSpeed), QString::number(loadFlag),
             NumberMask::format(energy, u"######.0"));
}
