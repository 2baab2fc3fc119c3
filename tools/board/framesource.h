// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Plausible, slowly varying readings of a small wind-and-battery system, as the board's raw
// numbers: gusty wind, generator speed following it, charging current following the generator,
// battery voltage rising with the current. Raw values fit the default calibration
// (volts x 50, amps x 20 + 512, rpm / 60 x 4 pulses, wind speed x 2).
class FrameSource
{
public:
    explicit FrameSource(quint32 seed);

    struct Raw
    {
        long v = 0;
        long i = 0;
        long r = 0;
        long s = 0;
        long m = 0;
    };

    Raw next();
    static QByteArray frame(const Raw &raw, long checksumError = 0, const char *missingField = nullptr);

private:
    QRandomGenerator m_random;
    double m_wind = 6.0;
    double m_gust = 0.0;
    double m_charge = 0.0;
};
