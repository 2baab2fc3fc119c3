// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// alarms.txt's lines without their dates and times: "LowVolts  raised  22.00 V".
inline QStringList alarmsTxtChanges(const QByteArray &alarmsTxt)
{
    constexpr int kStampLength = 22;
    QStringList lines;
    for (const QByteArray &line : alarmsTxt.split('\n'))
        if (!line.trimmed().isEmpty())
            lines << QString::fromLatin1(line.mid(kStampLength).trimmed());
    return lines;
}
