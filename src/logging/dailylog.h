// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace Brolant {

// The daily logs logs/P_yyyy_mm_dd.txt, only ever appended to. A record that cannot be written
// (the folder removed, a full disk, a locked file) is kept and written first at the next try, so
// no record is lost while the program runs.
class DailyLog
{
public:
    struct Record
    {
        QString fileName;
        QString line;
    };

    explicit DailyLog(QString programFolder);

    // Appends `line` to the file of `day`, after any records kept from earlier failures.
    // Throws Failure when it could not; the records not written are kept, in order.
    void append(const QDate &day, const QString &line);
    // Writes the kept records; throws Failure, keeping those not written, when it could not.
    void flush();
    // Hands over the records still kept, for the program's end, when they have nowhere else to go.
    QList<Record> takeKept() { return std::exchange(m_kept, {}); }

private:
    QString m_programFolder;
    QList<Record> m_kept;
};

} // namespace Brolant
