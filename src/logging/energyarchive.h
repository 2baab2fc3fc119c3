// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/textfile.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <map>

class QDateTime;
class QIODevice;

namespace Brolant {

// logs/Whours.txt, written and read here only. When the program ends it adds the day's running
// total ("2010_03_07 17:42  845.2 Wh"); when a day closes, that day's total, dated the moment it
// was written ("2010_03_08,00:00  1234.6 Wh"). A day's energy is the sum of its exit lines and of
// the midnight line that closes it.
struct EnergyArchive
{
    enum class LineKind
    {
        Exit,
        Midnight
    };

    // What the archive knows of one day: the exit lines dated that day, and the midnight line
    // that closes it, dated the day after (a clock that ran ahead may have written either early).
    struct Day
    {
        double wattHours = 0.0; // of its exit lines
        // Seconds of the day of its latest exit line. Energy logged after it is missing from
        // wattHours until a midnight line closes the day (today, or a run that ended without a line).
        int lastLine = 0;
        int lines = 0;
        double closingWattHours = 0.0; // of the midnight line that closed it
        int closingLines = 0;
        bool closed() const { return closingLines > 0; }
    };

    std::map<QDate, Day> days;
    int damagedLines = 0; // lines that are neither layout, passed over
    // Why the file could not be read ("Permission denied"); empty when it was, or is missing.
    QString problem;

    // One line, CR LF included.
    static QString line(LineKind kind, const QDateTime &written, double wattHours);
    // Appends one line, on the disk before this returns; throws Failure when it cannot. Returns
    // the torn end the archive had, put right.
    static Result<std::optional<TextFile::TornEnd>> append(const QString &programFolder, const QString &line);

    static EnergyArchive parse(const QByteArray &content);
    // The program folder's archive, read a piece at a time so a huge file costs no memory; a
    // missing file is an empty archive.
    static EnergyArchive read(const QString &programFolder);

private:
    void addLine(QByteArrayView line);
};

} // namespace Brolant
