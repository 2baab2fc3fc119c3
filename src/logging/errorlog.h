// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/textfile.h"

#include <QString>

namespace Brolant {

class Clock;

// errorlog.txt in the program folder: one line per trapped failure or rejected input,
// only ever appended to.
class ErrorLog
{
public:
    ErrorLog(QString programFolder, const Clock &clock);

    // The entry: date, time, context, the failure's description, and the text received last, on
    // one line whatever they hold.
    static QString entry(const QString &dateStamp, const QString &time, const QString &context,
                         const QString &description, const QString &receivedText);

    // `text` with every control or binary character written as \xNN (beyond Latin-1: \uNNNN).
    static QString visible(const QString &text);
    // A value a message repeats: in double quotes, visible as above, and past a length no name
    // or number reaches cut with "...", so a pasted page does not become the message.
    static QString quoted(const QString &value);

    // Appends one entry, and gives the torn end the log had, put right before it. Not synced: an
    // entry is no record, and a problem that repeats every frame must not wear out an SD card.
    Result<std::optional<TextFile::TornEnd>> append(const QString &context, const QString &description,
                                                    const QString &receivedText) const;


private:
    QString m_path;
    const Clock &m_clock;
};

} // namespace Brolant
