// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

namespace Brolant {

// What the viewer needs of prog.cfg, read once when it opens.
struct ViewerSettings
{
    QString logDelay;
    double voltScaleMax = 0.0; // SV x 70 / 48: 17.5 for a 12 V system
    int maxAmps = 0;
    QString wsUnits;
    // Why the settings are not usable, in words for the user; empty when they are.
    QString problem;

    static ViewerSettings read(const QString &programFolder);
    double logDelaySeconds() const;
    // What follows each series' numbers: " V", " A", " W", " RPM" and a blank and the units.
    std::array<QString, 5> seriesUnits() const;
};

// Which series are drawn, and whether on fixed or fitted scales.
struct PlotOptions
{
    bool scaled = true;
    bool volts = true;
    bool amps = true;
    bool watts = true;
    bool rpm = true;
    bool windSpeed = false;

    bool shows(int series) const;
};

// The record positions at the left and right edge of the plot.
struct ViewRange
{
    double first = 0.0;
    double last = 0.0;
};

} // namespace Brolant
