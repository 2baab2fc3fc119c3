// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/configfile.h"
#include "config/settingsfilereading.h"
#include "text/failure.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Brolant {

struct ProgramConfig;

// The alarms Brolant watches: four on the readings, one on the board falling silent.
enum class AlarmKind
{
    LowVolts,
    HighVolts,
    HighAmps,
    HighRpm,
    NoData
};
inline constexpr int kAlarmKinds = 5;
inline constexpr int kLevelAlarms = 4; // the ones with a raise and a clear threshold

struct AlarmDefinition
{
    AlarmKind kind;
    QString name;     // as written in alarms.cfg, alarms.txt and the topic
    QString clearTag; // empty for NoData
    QString unit;
    const char16_t *mask; // how its value is written: as the daily log writes volts and amps
    bool low;             // raised below its threshold rather than above
    bool batteryLow;      // raised means the battery is low (and nothing else does)
};
const AlarmDefinition &alarmDefinition(AlarmKind kind);

// alarms.cfg as read, for its values to be applied over the defaults of the system in use; nothing
// when there is no file.
using AlarmsFile = SettingsFileReading<ConfigFile>;

// The tag names of alarms.cfg, each written once.
namespace AlarmTag {
inline const QString kNoData = QStringLiteral("NoData");
inline const QString kDelay = QStringLiteral("Delay");
inline const QString kCommand = QStringLiteral("Command");
} // namespace AlarmTag

// When each alarm is raised and cleared: alarms.cfg in the program folder, in the layout of
// prog.cfg. An empty threshold switches its alarm off; a missing tag takes its default.
struct AlarmSettings
{
    struct Levels
    {
        std::optional<double> raise; // nothing: the alarm is off
        std::optional<double> clear; // nothing: cleared where it is raised
        double clearAt() const { return clear.value_or(raise.value_or(0.0)); }
        bool operator==(const Levels &) const = default;
    };
    std::array<Levels, kLevelAlarms> levels{};
    std::optional<double> noDataSeconds = 120.0;
    double delaySeconds = 10.0;
    QString command;

    bool isOn(AlarmKind kind) const;
    bool operator==(const AlarmSettings &) const = default;

    // The defaults for a system of `systemVolts` (12, 24, 48) whose shunt reads up to `maxAmps`
    // (0: no high-current alarm).
    static AlarmSettings defaults(double systemVolts, double maxAmps);
    // The defaults for the system the logger runs with, as its SV and MA say (12 V and no
    // current alarm when they cannot know).
    static AlarmSettings defaultsFor(const ProgramConfig &program);

    // Every key of alarms.cfg, in the file's order.
    static QStringList keys();
    // Reads alarms.cfg's text over `defaults` for a dialog, which shows the failure: it names the
    // first value that cannot be used, or says that the text holds no setting at all.
    static Result<AlarmSettings> fromText(const QString &content, const AlarmSettings &defaults);
    // The same of a file that could be read.
    static Result<AlarmSettings> fromFile(const ConfigFile &file, const AlarmSettings &defaults);
    // The values checked together: what is wrong with them, in words for the user.
    Result<> check() const;
    // The text of alarms.cfg. With `systemDefaults`, a threshold pair equal to its pair there is left
    // out, so it keeps to the defaults when Program Setup changes the system.
    QString toFileText(const std::optional<AlarmSettings> &systemDefaults = std::nullopt) const;

    struct Loaded;
    // The program folder's alarms.cfg, read once.
    static AlarmsFile readFile(const QString &programFolder);
    // The alarms of `file` over `defaults`: the file's, or the defaults when there is none or it
    // cannot be used. Never throws: a damaged file must not leave the battery unwatched.
    static Loaded over(const AlarmsFile &file, const AlarmSettings &defaults);
    // Writes alarms.cfg atomically, as toFileText(systemDefaults), and gives the file as written;
    // the failure, the file unchanged, when it cannot.
    Result<ConfigFile> save(const QString &programFolder,
                            const std::optional<AlarmSettings> &systemDefaults = std::nullopt) const;
};

struct AlarmSettings::Loaded
{
    AlarmSettings settings;
    bool fromFile = false;          // false: there is no alarms.cfg
    std::optional<Failure> failure; // why the file was not used (then the settings are the defaults)
};

} // namespace Brolant
