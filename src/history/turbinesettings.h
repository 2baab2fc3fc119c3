// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace Brolant {

// The power curve a turbine was sold with: watts at wind speeds in m/s, as its certificate
// gives them, and its rated power.
struct RatedCurve
{
    std::vector<std::pair<double, double>> points; // (m/s, W), speeds ascending
    double ratedPower = 0.0;

    bool isEmpty() const { return points.empty(); }
    double highestWatts() const;
    // The curve's watts at `ms`, joined straight between its points; nothing outside them.
    std::optional<double> wattsAt(double ms) const;

    // Pairs of m/s and W as typed, pasted or in a CSV of two columns: a pair a line, the two
    // split by a comma, a semicolon, a tab or blanks, a first line of headings passed over.
    // An empty `ratedPower` means the curve's highest watts. The failure names what is wrong.
    static Result<RatedCurve> fromText(const QString &pairs, const QString &ratedPower);
    // The pairs a line, as fromText reads them.
    QString pairsText() const;
};

// The turbine's figures kept in turbine.cfg, in the layout of prog.cfg: its rated curve and,
// where WSUnits names no unit the program knows, which unit it is.
struct TurbineSettings
{
    RatedCurve rated;
    QString unitsAsked; // the WSUnits the answer below was given for
    QString unitsMean;  // a known unit: "mph"

    // One unit of `wsUnits` in m/s: a known unit's, or the answer given for these units;
    // nothing while neither is known.
    std::optional<double> toMetresPerSecond(const QString &wsUnits) const;

    // The program folder's turbine.cfg; the starting values when there is none; the failure when
    // the file or a value cannot be used.
    static Result<TurbineSettings> load(const QString &programFolder);
    // The failure names the first value that cannot be used.
    static Result<TurbineSettings> fromText(const QString &content);
    QString toFileText() const;
    // Writes turbine.cfg atomically; the failure, the file unchanged, when it cannot.
    Result<> save(const QString &programFolder) const;
};

} // namespace Brolant
