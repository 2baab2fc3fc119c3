// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmlog.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/datetext.h"
#include "text/numerictext.h"

#include <QFile>
#include <QRegularExpression>

namespace Brolant {

namespace AlarmLog {

namespace {
const QString kTimeFormat = QStringLiteral("HH:mm:ss");
const QString kSwitchedOff = QStringLiteral("switched off");
} // namespace

QString stamp(const AlarmChange &change)
{
    return DateText::dateStamp(change.time.date()) + QStringLiteral("  ") + change.time.time().toString(kTimeFormat)
           + QStringLiteral("  ");
}

QString line(const AlarmChange &change)
{
    return stamp(change) + change.text();
}

Result<std::optional<TextFile::TornEnd>> append(const QString &programFolder, const AlarmChange &change)
{
    return TextFile::tryAppend(ProgramPaths(programFolder).alarmLog(), line(change) + QStringLiteral("\r\n"),
                               TextFile::Sync::ToDisk);
}

std::optional<AlarmChange> parse(QStringView text)
{
    static const QRegularExpression layout(QStringLiteral(
        "^(\\d{4})_(\\d\\d)_(\\d\\d)  (\\d\\d:\\d\\d:\\d\\d)  (\\w+)  (raised|cleared|switched off)  (\\S+) (\\S+)$"));
    const QRegularExpressionMatch match = layout.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const QTime time = QTime::fromString(match.captured(4), kTimeFormat);
    const std::optional<double> value = NumericText::parse(match.capturedView(7));
    for (int kind = 0; kind < kAlarmKinds; ++kind) {
        const AlarmDefinition &definition = alarmDefinition(AlarmKind(kind));
        if (definition.name != match.capturedView(5) || definition.unit != match.capturedView(8))
            continue;
        if (!date.isValid() || !time.isValid() || !value)
            return std::nullopt;
        const QString state = match.captured(6);
        return AlarmChange{AlarmKind(kind), state == QStringLiteral("raised"), *value, QDateTime(date, time),
                           state == kSwitchedOff};
    }
    return std::nullopt;
}

LastChanges lastChanges(const QString &programFolder)
{
    LastChanges last;
    QFile file(ProgramPaths(programFolder).alarmLog());
    if (!file.exists())
        return last;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - kTail))) {
        last.read = Failure{file.errorString()};
        return last;
    }
    const bool fromTheStart = file.pos() == 0;
    QList<QByteArray> lines = file.read(kTail).split('\n');
    if (file.error() != QFileDevice::NoError) {
        last.read = Failure{file.errorString()};
        return last;
    }
    if (!fromTheStart && !lines.isEmpty())
        lines.removeFirst(); // the end of a line before the tail
    int found = 0;
    for (auto line = lines.crbegin(); line != lines.crend() && found < kAlarmKinds; ++line) {
        const std::optional<AlarmChange> change = parse(QString::fromLatin1(line->trimmed()));
        if (!change || last.changes[size_t(change->kind)])
            continue;
        last.changes[size_t(change->kind)] = change;
        ++found;
    }
    return last;
}

} // namespace AlarmLog

} // namespace Brolant
