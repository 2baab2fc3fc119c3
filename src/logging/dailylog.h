// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logging/intervalmeans.h"
#include "platform/textfile.h"
#include "text/failure.h"

#include <QList>
#include <QString>

namespace Brolant {

// The daily logs logs/P_yyyy_mm_dd.txt, only ever appended to, each line on the disk before it
// counts as written. A record that cannot be written (the folder removed, a full disk, a locked
// file) is kept and written first at the next try, so no record is lost while the program runs.
class DailyLog
{
public:
    struct Kept
    {
        QString fileName;
        QString line;
        Record record;
    };

    // What a write did: the records now on the disk, in order (those kept from earlier failures
    // first), the torn ends it put right, and whether all were written (why it stopped when
    // records are still kept).
    struct Written
    {
        QList<Record> stored;
        QList<TextFile::TornEnd> tornEnds;
        Result<> flushed;
    };

    explicit DailyLog(QString programFolder);

    // Appends the record's line to the file of its day, after any records kept from earlier
    // failures.
    Written append(const Record &record);
    // Writes the kept records.
    Written flush();
    // Hands over the records still kept, for the program's end, when they have nowhere else to go.
    QList<Kept> takeKept() { return std::exchange(m_kept, {}); }

private:
    QString m_programFolder;
    QList<Kept> m_kept;
};

} // namespace Brolant
