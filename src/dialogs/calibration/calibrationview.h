// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Brolant {

// What the calibration dialog's model asks of its window.
class CalibrationView
{
public:
    enum Display
    {
        RawVolts,      // txtBattV
        RawCurrent,    // txtShuntV
        RawPulses,     // txtPulsess
        Rpm,           // txtWindmillRPM
        RawWindPulses, // txtPulsess2
        WindSpeed,     // txtWindSpeed
        Volts,         // txtBattVadjusted
        Amps,          // txtBattAadjusted
        Offset,        // OffsetV
        WindQuestion,  // Label23
    };
    enum Divisor
    {
        VoltDivisor,
        AmpDivisor,
        RpmDivisor,
        WindDivisor
    };

    virtual ~CalibrationView() = default;
    virtual void setText(Display display, const QString &text) = 0;
    virtual void setDivisor(Divisor divisor, const QString &text) = 0;
    virtual void message(const QString &text) = 0;
    // Closes the dialog after a successful save.
    virtual void closeSaved() = 0;
};

} // namespace Brolant
