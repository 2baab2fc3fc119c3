// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmmonitor.h"
#include "platform/textfile.h"
#include "text/failure.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace Brolant {

// logs/alarms.txt, one line for every change of every alarm, only ever appended to
// ("2026_12_07  13:02:05  LowVolts  raised  11.74 V"); and, read back from its end, the last
// change it records of each alarm, so a run goes on from what the run before logged.
namespace AlarmLog {

// Only this much of the log's end is read for the last changes: some twenty thousand changes.
inline constexpr qint64 kTail = 1024 * 1024;

// One line, without its CR LF.
QString line(const AlarmChange &change);
// The line's date and time, with the blanks after them.
QString stamp(const AlarmChange &change);
// Appends the change's line, on the disk before this returns (the command and the broker are
// informed next). Gives the torn end the log had, put right.
Result<std::optional<TextFile::TornEnd>> append(const QString &programFolder, const AlarmChange &change);

// The change a line records; nothing for a line that is none (damaged, or cut by a full disk).
std::optional<AlarmChange> parse(QStringView line);

struct LastChanges
{
    std::array<std::optional<AlarmChange>, kAlarmKinds> changes{};
    Result<> read; // fails with why the log could not be read
};
// The last change of each alarm in the log's last kTail bytes; lines that record none are
// skipped. A missing log records none.
LastChanges lastChanges(const QString &programFolder);

} // namespace AlarmLog

} // namespace Brolant
