// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/turbinesettings.h"

#include "config/settingslayout.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/failure.h"
#include "text/windspeedunit.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace Brolant {

namespace {
// The reasons' words for the windows.
constexpr const char *kContext = "Brolant::TurbineSettings";
const QString kRatedPower = QStringLiteral("RatedPower");
const QString kRatedCurve = QStringLiteral("RatedCurve");
const QString kUnitsAsked = QStringLiteral("UnitsAsked");
const QString kUnitsMean = QStringLiteral("UnitsMean");
// The file keeps the curve on one line, its pairs split by this.
const QString kPairSeparator = QStringLiteral("; ");
constexpr int kMostPoints = 200;

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// A rated power as typed: watts above 0.
Result<double> ratedWatts(const QString &text)
{
    const auto watts = number(text.trimmed());
    if (!watts || *watts <= 0)
        return Failure::translated(kContext,
                                   QT_TRANSLATE_NOOP("Brolant::TurbineSettings",
                                                     "the rated power must be a number of watts above 0, not \"%1\""),
                                   [&](const QString &words) { return words.arg(text.trimmed().left(20)); });
    return *watts;
}

QString figure(double value)
{
    return QString::number(value, 'g', 10);
}

const SettingsLayout<TurbineSettings> &layout()
{
    using Key = SettingsLayout<TurbineSettings>::Key;
    static const SettingsLayout<TurbineSettings> layout(
        QStringLiteral("Turbine Config File"),
        {
            {kRatedPower,
             [](TurbineSettings &settings, const ConfigField &field) -> Result<> {
                 if (!field.text().trimmed().isEmpty())
                     return assignTo(settings.rated.ratedPower, ratedWatts(field.text()));
                 settings.rated.ratedPower = 0.0;
                 return {};
             },
             [](const TurbineSettings &settings) {
                 return settings.rated.isEmpty() ? QString() : figure(settings.rated.ratedPower);
             }},
            {kRatedCurve,
             [](TurbineSettings &settings, const ConfigField &field) -> Result<> {
                 const double ratedPower = settings.rated.ratedPower;
                 if (field.text().trimmed().isEmpty()) {
                     settings.rated = {};
                     return {};
                 }
                 return assignTo(settings.rated, RatedCurve::fromText(QString(field.text()).replace(u';', u'\n'),
                                                                      ratedPower > 0 ? figure(ratedPower) : QString()));
             },
             [](const TurbineSettings &settings) {
                 return settings.rated.pairsText().split(u'\n', Qt::SkipEmptyParts).join(kPairSeparator);
             }},
            Key::plain(kUnitsAsked, &TurbineSettings::unitsAsked, true),
            {kUnitsMean,
             [](TurbineSettings &settings, const ConfigField &field) -> Result<> {
                 const QString unit = field.text().trimmed();
                 if (!unit.isEmpty() && !WindSpeedUnit::toMetresPerSecond(unit))
                     return Failure::translated(
                         kContext,
                         QT_TRANSLATE_NOOP("Brolant::TurbineSettings",
                                           "UnitsMean must be one of m/s, km/h, mph, knots or ft/s, not \"%1\""),
                         [&](const QString &text) { return text.arg(unit.left(20)); });
                 settings.unitsMean = unit;
                 return {};
             },
             [](const TurbineSettings &settings) { return settings.unitsMean; }},
        });
    return layout;
}

// A read failure stops the layout's reading before its first key.
Result<TurbineSettings> fromFile(const ConfigFile &file)
{
    TurbineSettings settings;
    if (const Result<void> read = layout().read(file, settings); !read)
        return read.failure();
    return settings;
}
} // namespace

std::optional<double> RatedCurve::wattsAt(double ms) const
{
    if (points.empty() || ms < points.front().first || ms > points.back().first)
        return std::nullopt;
    const auto above = std::lower_bound(points.begin(), points.end(), ms,
                                        [](const auto &point, double speed) { return point.first < speed; });
    if (above->first == ms || above == points.begin())
        return above->second;
    const auto &[v0, p0] = *(above - 1);
    const auto &[v1, p1] = *above;
    return p0 + (p1 - p0) * (ms - v0) / (v1 - v0);
}

Result<RatedCurve> RatedCurve::fromText(const QString &pairs, const QString &ratedPower)
{
    static const QRegularExpression split(QStringLiteral("[,;\\t ]+"));
    RatedCurve curve;
    const QStringList lines = pairs.split(QRegularExpression(QStringLiteral("[\\r\\n]+")), Qt::SkipEmptyParts);
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QStringList fields = lines[at].trimmed().split(split, Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        const auto speed = fields.size() == 2 ? number(fields[0]) : std::nullopt;
        const auto watts = fields.size() == 2 ? number(fields[1]) : std::nullopt;
        if (!speed || !watts) {
            // The headings of a CSV hold no figure; a first pair mistyped is still refused.
            if (at == 0 && !lines[at].contains(QRegularExpression(QStringLiteral("\\d"))))
                continue;
            return Failure::translated(
                kContext,
                QT_TRANSLATE_NOOP("Brolant::TurbineSettings",
                                  "line %1 is not a wind speed in m/s and a power in W: \"%2\""),
                [&](const QString &text) { return text.arg(at + 1).arg(lines[at].trimmed().left(40)); });
        }
        if (*speed < 0 || *watts < 0)
            return Failure::translated(
                kContext,
                QT_TRANSLATE_NOOP("Brolant::TurbineSettings", "line %1: a wind speed and a power are never below 0"),
                [&](const QString &text) { return text.arg(at + 1); });
        if (!curve.points.empty() && *speed <= curve.points.back().first)
            return Failure::translated(
                kContext,
                QT_TRANSLATE_NOOP("Brolant::TurbineSettings", "line %1: the wind speeds must rise from line to line"),
                [&](const QString &text) { return text.arg(at + 1); });
        curve.points.emplace_back(*speed, *watts);
    }
    if (curve.points.size() < 2)
        return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::TurbineSettings",
                                                               "a rated curve needs at least two pairs of wind speed "
                                                               "and power"));
    if (curve.points.size() > size_t(kMostPoints))
        return Failure::translated(kContext,
                                   QT_TRANSLATE_NOOP("Brolant::TurbineSettings", "a rated curve has at most %1 pairs"),
                                   [](const QString &text) { return text.arg(kMostPoints); });
    const double highest = curve.highestWatts();
    if (ratedPower.trimmed().isEmpty() && highest <= 0)
        return Failure::translated(
            kContext, QT_TRANSLATE_NOOP("Brolant::TurbineSettings", "a rated curve of 0 W everywhere is no curve"));
    if (ratedPower.trimmed().isEmpty()) {
        curve.ratedPower = highest;
        return curve;
    }
    if (const Result<> stored = assignTo(curve.ratedPower, ratedWatts(ratedPower)); !stored)
        return stored.failure();
    return curve;
}

double RatedCurve::highestWatts() const
{
    double highest = 0.0;
    for (const auto &point : points)
        highest = std::max(highest, point.second);
    return highest;
}

QString RatedCurve::pairsText() const
{
    QString text;
    for (const auto &[speed, watts] : points)
        text += figure(speed) + u' ' + figure(watts) + u'\n';
    return text;
}

std::optional<double> TurbineSettings::toMetresPerSecond(const QString &wsUnits) const
{
    if (const auto known = WindSpeedUnit::toMetresPerSecond(wsUnits))
        return known;
    if (!unitsMean.isEmpty() && unitsAsked.simplified() == wsUnits.simplified())
        return WindSpeedUnit::toMetresPerSecond(unitsMean);
    return std::nullopt;
}

Result<TurbineSettings> TurbineSettings::load(const QString &programFolder)
{
    const QString path = ProgramPaths(programFolder).turbineSettings();
    if (!QFileInfo::exists(path))
        return TurbineSettings();
    return fromFile(ConfigFile::read(path, FileName::kTurbineSettings, layout().tags()));
}

Result<TurbineSettings> TurbineSettings::fromText(const QString &content)
{
    return fromFile(ConfigFile(FileName::kTurbineSettings, content, layout().tags()));
}

QString TurbineSettings::toFileText() const
{
    return layout().text(*this);
}

Result<> TurbineSettings::save(const QString &programFolder) const
{
    return TextFile::tryReplace(ProgramPaths(programFolder).turbineSettings(), toFileText());
}

} // namespace Brolant
