// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmsettings.h"

#include "config/configfile.h"
#include "config/programconfig.h"
#include "config/settingslayout.h"
#include "logging/recordmasks.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/numerictext.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace Brolant {

namespace {
// The reasons' words for the windows.
constexpr const char *kContext = "Brolant::AlarmSettings";
constexpr double kVoltsPerNominal12 = 12.0;
constexpr double kAmpsClearShare = 0.9;
constexpr double kLongestDelay = 86400.0;
constexpr qsizetype kLongestCommand = 1000;
// Whole numbers for speed and silence, zero included (the daily log's speed mask leaves a zero out).
constexpr char16_t kWholeMask[] = u"###0";
const AlarmDefinition kDefinitions[kAlarmKinds] = {
    {AlarmKind::LowVolts, QStringLiteral("LowVolts"), QStringLiteral("LowVoltsClear"), QStringLiteral("V"),
     RecordMasks::kVolts, true, true},
    {AlarmKind::HighVolts, QStringLiteral("HighVolts"), QStringLiteral("HighVoltsClear"), QStringLiteral("V"),
     RecordMasks::kVolts, false, false},
    {AlarmKind::HighAmps, QStringLiteral("HighAmps"), QStringLiteral("HighAmpsClear"), QStringLiteral("A"),
     RecordMasks::kAmps, false, false},
    {AlarmKind::HighRpm, QStringLiteral("HighRPM"), QStringLiteral("HighRPMClear"), QStringLiteral("RPM"), kWholeMask,
     false, false},
    {AlarmKind::NoData, AlarmTag::kNoData, QString(), QStringLiteral("s"), kWholeMask, false, false},
};
constexpr double kSystemVoltages[] = {12, 24, 48};

// An empty value switches off; anything else must be a finite number.
Result<std::optional<double>> threshold(const QString &tag, const ConfigField &field)
{
    if (field.text().trimmed().isEmpty())
        return std::optional<double>();
    const auto value = field.number();
    if (!value || !std::isfinite(*value)) {
        // A decimal comma, as typed where the windows speak another language than English.
        const bool comma = NumericText::isNumber(QString(field.text()).replace(u',', u'.'));
        return Failure::translated(
            kContext,
            comma ? QT_TRANSLATE_NOOP("Brolant::AlarmSettings",
                                      "%1 must be a number with a decimal point, not a comma: \"%2\"")
                  : QT_TRANSLATE_NOOP("Brolant::AlarmSettings", "%1 must be a number or empty, not \"%2\""),
            [&](const QString &text) { return text.arg(tag, field.text().left(20)); });
    }
    return value;
}

QString numberText(const std::optional<double> &value)
{
    return value ? NumericText::shortest(*value) : QString();
}

// Each level alarm is a pair of keys, its raise and its clear threshold; a raise read alone is
// cleared where it is raised.
const SettingsLayout<AlarmSettings> &layout()
{
    using Key = SettingsLayout<AlarmSettings>::Key;
    static const SettingsLayout<AlarmSettings> layout = [] {
        std::vector<Key> keys;
        for (size_t kind = 0; kind < size_t(kLevelAlarms); ++kind) {
            const AlarmDefinition &definition = kDefinitions[kind];
            keys.push_back({definition.name,
                            [kind, &definition](AlarmSettings &settings, const ConfigField &field) {
                                const Result<> stored = assignTo(settings.levels[kind].raise,
                                                                 threshold(definition.name, field));
                                if (stored)
                                    settings.levels[kind].clear.reset();
                                return stored;
                            },
                            [kind](const AlarmSettings &settings) { return numberText(settings.levels[kind].raise); }});
            keys.push_back({definition.clearTag,
                            [kind, &definition](AlarmSettings &settings, const ConfigField &field) {
                                return assignTo(settings.levels[kind].clear, threshold(definition.clearTag, field));
                            },
                            [kind](const AlarmSettings &settings) {
                                const AlarmSettings::Levels &at = settings.levels[kind];
                                return numberText(at.raise ? std::optional(at.clearAt()) : std::nullopt);
                            }});
        }
        keys.push_back({AlarmTag::kNoData,
                        [](AlarmSettings &settings, const ConfigField &field) {
                            return assignTo(settings.noDataSeconds, threshold(AlarmTag::kNoData, field));
                        },
                        [](const AlarmSettings &settings) { return numberText(settings.noDataSeconds); }});
        keys.push_back({AlarmTag::kDelay,
                        [](AlarmSettings &settings, const ConfigField &field) -> Result<> {
                            const Result<std::optional<double>> seconds = threshold(AlarmTag::kDelay, field);
                            if (!seconds)
                                return seconds.failure();
                            if (!*seconds)
                                return Failure::translated(
                                    kContext, QT_TRANSLATE_NOOP("Brolant::AlarmSettings",
                                                                "Delay must be a number of seconds, not empty"));
                            settings.delaySeconds = **seconds;
                            return {};
                        },
                        [](const AlarmSettings &settings) { return NumericText::shortest(settings.delaySeconds); }});
        keys.push_back({AlarmTag::kCommand,
                        [](AlarmSettings &settings, const ConfigField &field) -> Result<> {
                            settings.command = field.text().trimmed();
                            return {};
                        },
                        [](const AlarmSettings &settings) { return settings.command; }});
        return SettingsLayout<AlarmSettings>(QStringLiteral("Alarms Config File"), std::move(keys));
    }();
    return layout;
}
} // namespace

const AlarmDefinition &alarmDefinition(AlarmKind kind)
{
    return kDefinitions[int(kind)];
}

bool AlarmSettings::isOn(AlarmKind kind) const
{
    return kind == AlarmKind::NoData ? noDataSeconds.has_value() : levels[size_t(kind)].raise.has_value();
}

AlarmSettings AlarmSettings::defaults(double systemVolts, double maxAmps)
{
    const double scale = systemVolts / kVoltsPerNominal12;
    AlarmSettings settings;
    settings.levels[size_t(AlarmKind::LowVolts)] = {11.8 * scale, 12.2 * scale};
    settings.levels[size_t(AlarmKind::HighVolts)] = {14.8 * scale, 14.4 * scale};
    if (maxAmps > 0)
        settings.levels[size_t(AlarmKind::HighAmps)] = {maxAmps, maxAmps * kAmpsClearShare};
    return settings;
}

AlarmSettings AlarmSettings::defaultsFor(const ProgramConfig &program)
{
    // No usable SV: a 12 V bank is the most common, and its alarms are the safest. Only the
    // systems the board is made for: anything else would set alarms nobody chose.
    const auto &sv = program.sv.number();
    const double systemVolts = sv && std::ranges::find(kSystemVoltages, *sv) != std::end(kSystemVoltages)
                                   ? *sv
                                   : kVoltsPerNominal12;
    const auto &ma = program.ma.number();
    return defaults(systemVolts, ma && std::isfinite(*ma) && *ma > 0 ? *ma : 0.0);
}

QStringList AlarmSettings::keys()
{
    return layout().tags();
}

Result<AlarmSettings> AlarmSettings::fromText(const QString &content, const AlarmSettings &defaults)
{
    return fromFile(ConfigFile(FileName::kAlarmSettings, content, keys()), defaults);
}

Result<AlarmSettings> AlarmSettings::fromFile(const ConfigFile &file, const AlarmSettings &defaults)
{
    AlarmSettings settings = defaults;
    // A file of something else entirely (a binary, a wrong file copied over it) is no setting.
    if (std::ranges::none_of(keys(), [&file](const QString &key) { return file[key].isPresent(); }))
        return Failure::translated(
            kContext,
            QT_TRANSLATE_NOOP("Brolant::AlarmSettings", "the file holds no alarm settings (no tag such as <%1>)"),
            [](const QString &text) { return text.arg(kDefinitions[0].name); });
    if (const Result<void> read = layout().read(file, settings); !read)
        return read.failure();
    if (Result<> checked = settings.check(); !checked)
        return checked.failure();
    return settings;
}

Result<> AlarmSettings::check() const
{
    for (int kind = 0; kind < kLevelAlarms; ++kind) {
        const AlarmDefinition &definition = kDefinitions[kind];
        const Levels &at = levels[size_t(kind)];
        if (!at.raise) {
            if (at.clear)
                return Failure::translated(
                    kContext,
                    QT_TRANSLATE_NOOP("Brolant::AlarmSettings",
                                      "%1 is set but %2 is empty: set both, or empty both to switch the alarm off"),
                    [&](const QString &text) { return text.arg(definition.clearTag, definition.name); });
            continue;
        }
        if (definition.low ? at.clearAt() < *at.raise : at.clearAt() > *at.raise)
            return Failure::translated(
                kContext,
                definition.low
                    ? QT_TRANSLATE_NOOP("Brolant::AlarmSettings",
                                        "%1 (%2) must be at or above %3 (%4), or the alarm could never clear")
                    : QT_TRANSLATE_NOOP("Brolant::AlarmSettings",
                                        "%1 (%2) must be at or below %3 (%4), or the alarm could never clear"),
                [&](const QString &text) {
                    return text.arg(definition.clearTag, NumericText::shortest(at.clearAt()), definition.name,
                                    NumericText::shortest(*at.raise));
                });
    }
    if (noDataSeconds && *noDataSeconds < 1)
        return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::AlarmSettings",
                                                               "NoData must be at least 1 second, or empty to switch "
                                                               "the alarm off"));
    if (delaySeconds < 0 || delaySeconds > kLongestDelay)
        return Failure::translated(kContext,
                                   QT_TRANSLATE_NOOP("Brolant::AlarmSettings", "Delay must be from 0 to %1 seconds"),
                                   [](const QString &text) { return text.arg(kLongestDelay); });
    if (command.size() > kLongestCommand || command.contains(u'\n') || command.contains(u'\r'))
        return Failure::translated(
            kContext, QT_TRANSLATE_NOOP("Brolant::AlarmSettings", "Command must be one line of at most %1 characters"),
            [](const QString &text) { return text.arg(kLongestCommand); });
    return {};
}

QString AlarmSettings::toFileText(const std::optional<AlarmSettings> &systemDefaults) const
{
    if (!systemDefaults)
        return layout().text(*this);
    return layout().text(*this, [this, &systemDefaults](const QString &tag) {
        for (size_t kind = 0; kind < size_t(kLevelAlarms); ++kind) {
            if (tag != kDefinitions[kind].name && tag != kDefinitions[kind].clearTag)
                continue;
            // Compared as the reader will see them: a clear equal to the raise is no clear of its own.
            const Levels &at = levels[kind];
            return at.raise == systemDefaults->levels[kind].raise
                   && at.clearAt() == systemDefaults->levels[kind].clearAt();
        }
        return false;
    });
}

AlarmsFile AlarmSettings::readFile(const QString &programFolder)
{
    const QString path = ProgramPaths(programFolder).alarmSettings();
    if (!QFileInfo::exists(path))
        return {};
    ConfigFile file = ConfigFile::read(path, FileName::kAlarmSettings, keys());
    if (file.readFailure())
        return {std::nullopt, file.readFailure()};
    return {std::move(file), std::nullopt};
}

AlarmSettings::Loaded AlarmSettings::over(const AlarmsFile &file, const AlarmSettings &defaults)
{
    if (file.failure)
        return {defaults, true, file.failure};
    if (!file.settings)
        return {defaults, false, std::nullopt};
    const Result<AlarmSettings> settings = fromFile(*file.settings, defaults);
    if (!settings)
        return {defaults, true, settings.failure()};
    return {settings.value(), true, std::nullopt};
}

Result<ConfigFile> AlarmSettings::save(const QString &programFolder,
                                       const std::optional<AlarmSettings> &systemDefaults) const
{
    const QString text = toFileText(systemDefaults);
    if (const Result<> replaced = TextFile::tryReplace(ProgramPaths(programFolder).alarmSettings(), text); !replaced)
        return replaced.failure();
    return ConfigFile(FileName::kAlarmSettings, text, keys());
}

} // namespace Brolant
